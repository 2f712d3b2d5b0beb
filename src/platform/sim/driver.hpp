#pragma once
// The sim's driver: what tests and tools use to play the screen and the machine — windows,
// their placement and the messages that reached them, open menus and their rectangles, the
// clock, the platform version, and text blocks whose addresses may travel as item data.
// The scripted user is in user.hpp.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/automation/string.hpp"
#include "platform/sim/gdi/screen.hpp"
#include "platform/user32_types.hpp"

namespace vellum::sim {

// --- windows ----------------------------------------------------------------------------------

enum class Placement { Normal, Minimized, Maximized };

// A top-level window with a title bar at `bounds` (screen coordinates). A null `proc` gives the
// default procedure, which hands every message to DefWindowProcA. The new window is on top and
// active.
platform::HWND CreateWindow(const String& title, const platform::RECT& bounds,
                            platform::WNDPROC proc = nullptr);
void SetPlacement(platform::HWND hWnd, Placement placement);
// The window that receives key messages; the last created unless Activate chose another.
platform::HWND ActiveWindow();
void Activate(platform::HWND hWnd);

// A message as it reached DefWindowProcA.
struct Message {
  platform::UINT message = 0;
  platform::WPARAM wParam = 0;
  platform::LPARAM lParam = 0;
};
// Every message that reached DefWindowProcA for this window, oldest first. Kept after the
// window is destroyed, until cleared.
std::vector<Message> ReceivedMessages(platform::HWND hWnd);
// Only the messages of one kind.
std::vector<Message> ReceivedMessages(platform::HWND hWnd, platform::UINT message);
void ClearReceivedMessages(platform::HWND hWnd);

// Window-relative layout of the non-client parts, as the window manager uses it.
struct WindowLayout {
  platform::RECT window;      // screen
  platform::RECT caption;     // screen: the title bar
  platform::RECT menuBar;     // screen: all rows of the menu bar (empty without a menu)
  platform::RECT client;      // screen
  platform::HDC surface = 0;  // the whole-window surface menu-bar entries are painted on
};
std::optional<WindowLayout> LayoutOf(platform::HWND hWnd);

// --- menus on screen --------------------------------------------------------------------------

// Screen rectangles of the window's menu-bar entries, laid out now (which measures entries not
// measured yet). Empty without a menu.
std::vector<platform::RECT> MenuBarEntryRects(platform::HWND hWnd);

struct OpenPopup {
  platform::HMENU menu = 0;
  platform::HWND owner = 0;
  platform::HDC surface = 0;
  platform::RECT screen;                // where the popup is
  std::vector<platform::RECT> entries;  // screen rectangles, one per entry
  int hot = -1;                         // the highlighted entry, -1 for none
};
// Every popup open now, in the order they opened (nested menu loops included).
std::vector<OpenPopup> OpenPopups();

// The simulated screen's size, which popups are placed within, is the raster engine's
// (gdi/screen.hpp).

// --- the machine ------------------------------------------------------------------------------

// What GetVersionExA reports (default 5.1, build 2600, NT family).
void SetPlatformVersion(platform::DWORD major, platform::DWORD minor,
                        platform::DWORD platformId = 2, platform::DWORD build = 2600);

// Milliseconds since the thread's sim started; AdvanceClock fires the timers that fall due, in
// time order, as WM_TIMER to their windows (or through their timer procedures).
platform::DWORD Now();
void AdvanceClock(platform::DWORD milliseconds);

// A zero-terminated text block the sim owns until released (or the thread ends): its address
// may travel as item data, and RtlMoveMemory reads it. Narrow blocks hold code-page bytes.
platform::ULONG_PTR StoreNarrowText(std::string_view bytes);
platform::ULONG_PTR StoreWideText(const String& text);
void ReleaseText(platform::ULONG_PTR address);

}  // namespace vellum::sim
