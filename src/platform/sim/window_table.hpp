#pragma once
// Internal to the sim: this thread's windows (records, stacking order, the active window), the
// procedures it may call, and the messages that reached DefWindowProcA.

#include <vector>

#include "platform/automation/string.hpp"
#include "platform/sim/driver.hpp"
#include "platform/user32_types.hpp"

namespace vellum::sim::detail {

struct BarLayout {
  std::vector<platform::RECT> entries;  // window-relative, one per entry of the menu
  int height = 0;                       // all rows; 0 until laid out
};

struct WindowRecord {
  String title;
  platform::RECT bounds;  // screen
  Placement placement = Placement::Normal;
  platform::WNDPROC proc = nullptr;
  platform::LONG_PTR userData = 0;
  platform::HMENU menu = 0;
  platform::HMENU systemMenu = 0;  // the window's own copy, 0 while it uses the default
  platform::HDC surface = 0;
  BarLayout bar;
  bool destroying = false;
};

WindowRecord* FindWindow(platform::HWND hWnd);
platform::HWND AddWindow(WindowRecord record);
void RemoveWindow(platform::HWND hWnd);
std::vector<platform::HWND> WindowsInZOrder();  // bottom to top
void BringToTop(platform::HWND hWnd);
platform::HWND& ActiveWindowSlot();

// The window's menu bar, when it has a live one.
platform::HMENU LiveMenuOf(const WindowRecord& window);

// Window-relative geometry.
platform::RECT MenuBarArea(const WindowRecord& window);
platform::RECT ClientArea(const WindowRecord& window);
platform::RECT CaptionArea(const WindowRecord& window);
// The non-client hit code (HTMENU, HTCAPTION, ...) of a screen point, HTNOWHERE outside.
platform::UINT HitTest(const WindowRecord& window, platform::POINT screen);
platform::POINT ToWindow(const WindowRecord& window, platform::POINT screen);
platform::RECT ToScreen(const WindowRecord& window, platform::RECT windowRelative);
bool Contains(const platform::RECT& rect, platform::POINT point);

// Procedures this thread may call: every one installed, and the default procedure.
void RememberProcedure(platform::WNDPROC proc);
bool IsKnownProcedure(platform::UINT_PTR address);

// The procedure of windows created without one.
platform::LRESULT DefaultProcedure(platform::HWND hWnd, platform::UINT message,
                                   platform::WPARAM wParam, platform::LPARAM lParam);

// A message through the window's current procedure; 0 for a window that does not exist.
platform::LRESULT Send(platform::HWND hWnd, platform::UINT message, platform::WPARAM wParam,
                       platform::LPARAM lParam);
// What DefWindowProcA does, without logging the call.
platform::LRESULT DefaultHandling(platform::HWND hWnd, platform::UINT message,
                                  platform::WPARAM wParam, platform::LPARAM lParam);
void RecordReceived(platform::HWND hWnd, const Message& message);

bool DestroyWindowRecord(platform::HWND hWnd);

}  // namespace vellum::sim::detail
