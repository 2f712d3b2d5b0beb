// The steps of a menu-loop session: popups opening and closing, highlights and choices, the
// menu bar, and the beginning and end of a session with their notifications.
#include "platform/sim/menu_session.hpp"

#include <algorithm>

#include "platform/sim/driver.hpp"
#include "platform/sim/gdi/chrome.hpp"
#include "platform/sim/input_state.hpp"
#include "platform/sim/menu_layout.hpp"
#include "platform/sim/surfaces.hpp"
#include "platform/sim/system_menu.hpp"
#include "platform/sim/window_metrics.hpp"
#include "platform/sim/window_table.hpp"
#include "platform/user32.hpp"

namespace vellum::sim::detail {

using namespace platform;

namespace {

bool Notifies(const Session& s) {
  return !(s.flags & TPM_NONOTIFY);
}

LPARAM PointParam(POINT p) {
  return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

RECT Offset(const RECT& r, LONG dx, LONG dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Keyboard cues stay hidden (ODS_NOACCEL) until the user works the menu with the keyboard.
UINT PaintState(const Session& s, const MenuEntry& entry, bool selected) {
  UINT state = DrawStateOf(entry);
  if (selected) state |= ODS_SELECTED;
  if (!s.keyboardCues) state |= ODS_NOACCEL;
  return state;
}

void PaintLevelEntry(Session& s, std::size_t depth, std::size_t index, UINT action) {
  if (depth >= s.levels.size()) return;
  const Level& level = s.levels[depth];
  if (index >= level.entries.size() || !level.visible[index]) return;
  const MenuEntry* entry = FindEntry({level.menu, index});
  if (!entry) return;
  const bool selected = level.hot == static_cast<int>(index);
  const HMENU menu = level.menu;
  const HDC surface = level.surface;
  const RECT rect = level.entries[index];
  const bool opensSubmenu = HasLiveSubmenu(*entry);
  PaintEntry(s.owner, menu, index, surface, rect, action, PaintState(s, *entry, selected));
  // The platform adds the arrow of a submenu entry after the owner has painted it.
  if (opensSubmenu && depth < s.levels.size() && s.levels[depth].surface == surface)
    PaintSubmenuArrow(surface, rect);
}

void PaintBarEntry(Session& s, int index, bool selected) {
  const WindowRecord* window = FindWindow(s.owner);
  if (!window || index < 0 || static_cast<std::size_t>(index) >= window->bar.entries.size()) return;
  const HMENU bar = LiveMenuOf(*window);
  const MenuEntry* entry = FindEntry({bar, static_cast<std::size_t>(index)});
  if (!entry) return;
  PaintEntry(s.owner, bar, index, window->surface, window->bar.entries[index], ODA_SELECT,
             PaintState(s, *entry, selected));
}

// WM_MENUSELECT names a command entry by ID and a submenu entry by position.
void NotifySelect(Session& s, HMENU menu, std::size_t index, bool byMouse) {
  const MenuEntry* entry = FindEntry({menu, index});
  if (!entry) return;
  UINT flags = MF_HILITE | (entry->type & (MF_OWNERDRAW | MF_BITMAP | MF_SEPARATOR)) |
               (entry->state & (MF_GRAYED | MF_DISABLED | MF_CHECKED));
  const bool popup = HasLiveSubmenu(*entry);
  if (popup) flags |= MF_POPUP;
  if (s.system) flags |= MF_SYSMENU;
  if (byMouse) flags |= MF_MOUSESELECT;
  const UINT item = popup ? static_cast<UINT>(index) : entry->id;
  Notify(s, WM_MENUSELECT, MAKEWPARAM(static_cast<WORD>(item), static_cast<WORD>(flags)),
         static_cast<LPARAM>(menu));
}

// A popup goes where it was asked to, moved back onto the screen where it would leave it.
POINT FitOnScreen(POINT origin, SIZE size) {
  const SIZE screen = ScreenSize();
  origin.x = std::max(0, std::min(origin.x, screen.cx - size.cx));
  origin.y = std::max(0, std::min(origin.y, screen.cy - size.cy));
  return origin;
}

}  // namespace

std::vector<Session*>& Sessions() {
  thread_local std::vector<Session*> sessions;
  return sessions;
}

void Notify(Session& s, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Notifies(s)) Send(s.owner, message, wParam, lParam);
}

bool Alive(const Session& s) {
  if (!FindWindow(s.owner) || !FindMenu(s.root)) return false;
  return std::all_of(s.levels.begin(), s.levels.end(),
                     [](const Level& level) { return FindMenu(level.menu) != nullptr; });
}

RECT EntryOnScreen(const Level& level, std::size_t index) {
  return Offset(level.entries[index], level.screen.left, level.screen.top);
}

POINT Middle(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool HasLiveSubmenu(const MenuEntry& entry) {
  return entry.submenu != 0 && FindMenu(entry.submenu) != nullptr;
}

POINT Aligned(POINT at, SIZE size, UINT flags) {
  if (flags & TPM_CENTERALIGN)
    at.x -= size.cx / 2;
  else if (flags & TPM_RIGHTALIGN)
    at.x -= size.cx;
  if (flags & TPM_VCENTERALIGN)
    at.y -= size.cy / 2;
  else if (flags & TPM_BOTTOMALIGN)
    at.y -= size.cy;
  return at;
}

void CloseLevelsFrom(Session& s, std::size_t depth) {
  while (s.levels.size() > depth) {
    const Level level = std::move(s.levels.back());
    s.levels.pop_back();
    DestroySurfaceDC(level.surface);
    const MenuRecord* menu = FindMenu(level.menu);
    const WORD system = menu && menu->systemMenuOf ? static_cast<WORD>(MF_SYSMENU) : 0;
    Notify(s, WM_UNINITMENUPOPUP, level.menu, MAKELPARAM(0, system));
  }
}

// Opens `menu` as the next level: WM_INITMENUPOPUP (a system menu first takes the states of
// its window's placement), measure requests, layout, a surface on the screen, and one
// WM_DRAWITEM per entry.
bool OpenLevel(Session& s, HMENU menu, UINT positionInParent, const Placer& place) {
  const MenuRecord* record = FindMenu(menu);
  if (!record) return false;
  const HWND systemOf = record->systemMenuOf;
  if (systemOf) UpdateSystemMenuStates(systemOf);
  Notify(s, WM_INITMENUPOPUP, menu,
         MAKELPARAM(static_cast<WORD>(positionInParent), systemOf ? TRUE : FALSE));
  if (!Alive(s) || !FindMenu(menu)) return false;
  MeasureEntries(menu, s.owner);
  if (!Alive(s) || !FindMenu(menu)) return false;
  const PopupLayout layout = LayOutPopup(menu);
  const POINT origin = FitOnScreen(place(layout.size), layout.size);
  Level level;
  level.menu = menu;
  level.screen = {origin.x, origin.y, origin.x + layout.size.cx, origin.y + layout.size.cy};
  level.entries = layout.entries;
  level.visible = layout.visible;
  level.surface = CreateSurfaceDC(layout.size.cx, layout.size.cy, origin);
  PaintPopupFrame(level.surface);
  s.levels.push_back(std::move(level));
  const std::size_t depth = s.levels.size() - 1;
  for (std::size_t i = 0; i < layout.entries.size(); ++i) {
    if (depth >= s.levels.size() || s.levels[depth].menu != menu) break;
    PaintLevelEntry(s, depth, i, ODA_DRAWENTIRE);
  }
  return true;
}

// Highlights an entry (never a separator or a cut-off entry); a change of highlight closes the
// popups opened from the level and repaints the two entries concerned.
void SetHot(Session& s, std::size_t depth, int index, bool byMouse) {
  if (depth >= s.levels.size()) return;
  const Level& level = s.levels[depth];
  if (index >= 0) {
    const auto i = static_cast<std::size_t>(index);
    const MenuEntry* entry = FindEntry({level.menu, i});
    if (!entry || IsSeparator(*entry) || i >= level.entries.size() || !level.visible[i]) index = -1;
  }
  if (byMouse && index >= 0) MoveCursor(Middle(EntryOnScreen(level, index)));
  if (level.hot == index) return;
  CloseLevelsFrom(s, depth + 1);
  if (depth >= s.levels.size()) return;
  const int old = s.levels[depth].hot;
  const HMENU menu = s.levels[depth].menu;
  s.levels[depth].hot = index;
  if (old >= 0) PaintLevelEntry(s, depth, old, ODA_SELECT);
  if (index >= 0) {
    PaintLevelEntry(s, depth, index, ODA_SELECT);
    NotifySelect(s, menu, index, byMouse);
  }
}

// Submenus open beside their entry, or on its other side where the screen ends.
bool OpenSubmenu(Session& s, std::size_t depth, std::size_t index, bool byMouse) {
  SetHot(s, depth, static_cast<int>(index), byMouse);
  if (depth >= s.levels.size() || s.levels[depth].hot != static_cast<int>(index)) return false;
  if (s.levels.size() > depth + 1) return true;
  const MenuEntry* entry = FindEntry({s.levels[depth].menu, index});
  if (!entry || IsInactive(*entry) || !HasLiveSubmenu(*entry)) return false;
  const RECT parent = EntryOnScreen(s.levels[depth], index);
  const RECT popup = s.levels[depth].screen;
  return OpenLevel(s, entry->submenu, static_cast<UINT>(index), [parent, popup](SIZE size) {
    POINT at{popup.right, parent.top - kPopupBorder};
    if (at.x + size.cx > ScreenSize().cx) at.x = popup.left - size.cx;
    return at;
  });
}

// Choosing: the platform ignores grayed, disabled and separator entries (the menu stays
// open); an entry with a submenu opens it; any other entry ends the loop with its command.
void Execute(Session& s, std::size_t depth, std::size_t index, bool byMouse) {
  SetHot(s, depth, static_cast<int>(index), byMouse);
  if (depth >= s.levels.size()) return;
  const MenuEntry* entry = FindEntry({s.levels[depth].menu, index});
  if (!entry || IsSeparator(*entry) || IsInactive(*entry)) return;
  if (HasLiveSubmenu(*entry)) {
    OpenSubmenu(s, depth, index, byMouse);
    return;
  }
  s.done = true;
  s.chosen = true;
  s.command = entry->id;
  s.commandPoint = byMouse ? PointParam(CursorPosition()) : 0;
}

// Moving along the bar closes the open popup; the next entry's popup opens when `open` (a popup
// was open, or the mouse moved), otherwise only its highlight moves, as from the keyboard.
void SwitchBarEntry(Session& s, int position, bool open) {
  const WindowRecord* window = FindWindow(s.owner);
  if (!window || window->bar.entries.empty()) return;
  const int count = static_cast<int>(window->bar.entries.size());
  position = (position % count + count) % count;
  if (position == s.barEntry) return;
  CloseLevelsFrom(s, 0);
  const int old = s.barEntry;
  s.barEntry = -1;
  PaintBarEntry(s, old, false);
  if (open)
    SelectBarEntry(s, position);
  else
    HighlightBarEntry(s, position, false);
}

void Begin(Session& s) {
  Sessions().push_back(&s);
  Notify(s, WM_ENTERMENULOOP, s.tracked ? TRUE : FALSE, 0);
  Notify(s, WM_INITMENU, s.root, 0);
}

// Closes every popup, ends the bar highlight, says the menu closed (WM_MENUSELECT with 0xFFFF
// and no menu, WM_EXITMENULOOP), and then delivers the choice. The platform posts the command;
// the sim has no queue, so it sends it as the last step of the loop.
void Finish(Session& s) {
  CloseLevelsFrom(s, 0);
  if (s.bar && s.barEntry >= 0) {
    const int entry = s.barEntry;
    s.barEntry = -1;
    PaintBarEntry(s, entry, false);
  }
  if (FindWindow(s.owner)) {
    Notify(s, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Notify(s, WM_EXITMENULOOP, s.tracked ? TRUE : FALSE, 0);
  }
  auto& sessions = Sessions();
  if (auto mine = std::find(sessions.begin(), sessions.end(), &s); mine != sessions.end())
    sessions.erase(mine);
  if (!s.chosen || (s.flags & TPM_RETURNCMD) || !Notifies(s) || !FindWindow(s.owner)) return;
  if (s.system)
    Send(s.owner, WM_SYSCOMMAND, s.command, s.commandPoint);
  else
    Send(s.owner, WM_COMMAND, s.command, 0);
}

// Highlights a bar entry (painted selected, as the platform paints it from the keyboard too).
bool HighlightBarEntry(Session& s, int position, bool byMouse) {
  s.barEntry = position;
  PaintBarEntry(s, position, true);
  const WindowRecord* window = FindWindow(s.owner);
  if (!window || static_cast<std::size_t>(position) >= window->bar.entries.size()) return false;
  NotifySelect(s, LiveMenuOf(*window), position, byMouse);
  return true;
}

// Opens the popup of the highlighted bar entry below it; false when it has none.
bool OpenBarPopup(Session& s) {
  // The handler of WM_MENUSELECT may have changed the bar.
  const WindowRecord* window = FindWindow(s.owner);
  const int position = s.barEntry;
  if (!window || position < 0 || static_cast<std::size_t>(position) >= window->bar.entries.size())
    return false;
  const MenuEntry* entry = FindEntry({LiveMenuOf(*window), std::size_t(position)});
  if (!entry || IsInactive(*entry) || !HasLiveSubmenu(*entry)) return false;
  // The popup opens below the entry's row.
  const RECT below = ToScreen(*window, window->bar.entries[position]);
  return OpenLevel(s, entry->submenu, static_cast<UINT>(position), [below](SIZE) {
    return POINT{below.left, below.top + kMenuBarRowHeight};
  });
}

// Highlights a bar entry and opens its popup below it; false when it has none.
bool SelectBarEntry(Session& s, int position) {
  return HighlightBarEntry(s, position, true) && OpenBarPopup(s);
}

}  // namespace vellum::sim::detail
