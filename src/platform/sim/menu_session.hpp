#pragma once
// Internal to the sim: the state of one run of the menu loop — its owner, its open popups and
// their highlights, the outcome — and the steps every way of opening a menu shares: opening and
// closing popups, highlighting, choosing, moving along the menu bar, beginning and finishing.

#include <cstddef>
#include <functional>
#include <vector>

#include "platform/sim/menu_table.hpp"
#include "platform/user32_types.hpp"

namespace vellum::sim::detail {

// One open popup of a session.
struct Level {
  platform::HMENU menu = 0;
  platform::HDC surface = 0;
  platform::RECT screen;
  std::vector<platform::RECT> entries;  // relative to the surface
  std::vector<bool> visible;
  int hot = -1;
};

struct Session {
  platform::HWND owner = 0;
  platform::HMENU root = 0;
  bool bar = false;      // opened from the window's menu bar
  bool tracked = false;  // TrackPopupMenu
  bool system = false;   // the root is a system menu: choices are WM_SYSCOMMAND
  int barEntry = -1;
  platform::UINT flags = 0;  // TPM_*
  bool keyboardCues = false;
  std::vector<Level> levels;
  bool done = false;
  bool chosen = false;
  platform::UINT command = 0;
  platform::LPARAM commandPoint = 0;
};

using Placer = std::function<platform::POINT(platform::SIZE)>;

// Every session running now, outermost first (menus opened inside the loop nest).
std::vector<Session*>& Sessions();

// Notifications, which TPM_NONOTIFY silences; measure, paint, menu-character and right-button
// messages are sent without it.
void Notify(Session& s, platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);
// Handlers may destroy the owner or a menu at any time; the session then cancels.
bool Alive(const Session& s);

platform::RECT EntryOnScreen(const Level& level, std::size_t index);
platform::POINT Middle(const platform::RECT& r);
bool HasLiveSubmenu(const MenuEntry& entry);
// TrackPopupMenu's alignment flags say which point of the popup lies at `at`.
platform::POINT Aligned(platform::POINT at, platform::SIZE size, platform::UINT flags);

bool OpenLevel(Session& s, platform::HMENU menu, platform::UINT positionInParent,
               const Placer& place);
void CloseLevelsFrom(Session& s, std::size_t depth);
void SetHot(Session& s, std::size_t depth, int index, bool byMouse);
bool OpenSubmenu(Session& s, std::size_t depth, std::size_t index, bool byMouse);
void Execute(Session& s, std::size_t depth, std::size_t index, bool byMouse);
bool HighlightBarEntry(Session& s, int position, bool byMouse);
bool OpenBarPopup(Session& s);
bool SelectBarEntry(Session& s, int position);
void SwitchBarEntry(Session& s, int position, bool open);

void Begin(Session& s);
void Finish(Session& s);

}  // namespace vellum::sim::detail
