// The menu loop: modal and re-entrant, as on the platform. A session opens its first popup
// (below a bar entry, at the system-menu icon, or at TrackPopupMenu's point), sends the
// initialisation, measure and paint requests, then plays the scripted user's steps until an
// entry is chosen, the user cancels or the script runs out; it closes its popups and delivers
// the choice (WM_COMMAND, WM_SYSCOMMAND or TrackPopupMenu's result).
#include "platform/sim/menu_loop.hpp"

#include <algorithm>
#include <functional>
#include <unordered_set>
#include <vector>

#include "platform/sim/call_arguments.hpp"
#include "platform/sim/driver.hpp"
#include "platform/sim/input_state.hpp"
#include "platform/sim/menu_layout.hpp"
#include "platform/sim/surfaces.hpp"
#include "platform/sim/system_menu.hpp"
#include "platform/sim/user_script.hpp"
#include "platform/sim/window_metrics.hpp"
#include "platform/sim/window_table.hpp"
#include "platform/user32.hpp"

namespace vellum::sim::detail {
namespace {

using namespace platform;

// One open popup of a session.
struct Level {
  HMENU menu = 0;
  HDC surface = 0;
  RECT screen;
  std::vector<RECT> entries;  // relative to the surface
  std::vector<bool> visible;
  int hot = -1;
};

struct Session {
  HWND owner = 0;
  HMENU root = 0;
  bool bar = false;      // opened from the window's menu bar
  bool tracked = false;  // TrackPopupMenu
  bool system = false;   // the root is a system menu: choices are WM_SYSCOMMAND
  int barEntry = -1;
  UINT flags = 0;  // TPM_*
  bool keyboardCues = false;
  std::vector<Level> levels;
  bool done = false;
  bool chosen = false;
  UINT command = 0;
  LPARAM commandPoint = 0;
};

struct Spot {
  std::size_t depth = 0;
  std::size_t index = 0;
};

using Placer = std::function<POINT(SIZE)>;

std::vector<Session*>& Sessions() {
  thread_local std::vector<Session*> sessions;
  return sessions;
}

bool Notifies(const Session& s) {
  return !(s.flags & TPM_NONOTIFY);
}

// Notifications (TPM_NONOTIFY silences them); measure, paint, menu-character and right-button
// messages are always sent.
void Notify(Session& s, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Notifies(s)) Send(s.owner, message, wParam, lParam);
}

// Handlers may destroy the owner or a menu at any time; the session then cancels.
bool Alive(const Session& s) {
  if (!FindWindow(s.owner) || !FindMenu(s.root)) return false;
  return std::all_of(s.levels.begin(), s.levels.end(),
                     [](const Level& level) { return FindMenu(level.menu) != nullptr; });
}

LPARAM PointParam(POINT p) {
  return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

RECT Offset(const RECT& r, LONG dx, LONG dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
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
  PaintEntry(s.owner, level.menu, index, level.surface, level.entries[index], action,
             PaintState(s, *entry, selected));
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

// TrackPopupMenu's alignment flags say which point of the popup lies at (x, y).
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

bool PathTo(HMENU hMenu, UINT id, std::vector<std::size_t>& path,
            std::unordered_set<HMENU>& visited) {
  const MenuRecord* menu = FindMenu(hMenu);
  if (!menu || !visited.insert(hMenu).second) return false;
  for (std::size_t i = 0; i < menu->entries.size(); ++i) {
    if (menu->entries[i].id == id) {
      path.push_back(i);
      return true;
    }
  }
  for (std::size_t i = 0; i < menu->entries.size(); ++i) {
    const HMENU submenu = menu->entries[i].submenu;
    if (submenu == 0) continue;
    path.push_back(i);
    if (PathTo(submenu, id, path, visited)) return true;
    path.pop_back();
  }
  return false;
}

// Where a step's target is; by command, the way there is walked as a user would.
std::optional<Spot> Resolve(Session& s, const Target& target, bool byMouse) {
  if (s.levels.empty()) return std::nullopt;
  if (!target.ByCommand()) {
    const std::size_t depth = s.levels.size() - 1;
    if (target.Position() < 0 ||
        static_cast<std::size_t>(target.Position()) >= s.levels[depth].entries.size())
      return std::nullopt;
    return Spot{depth, static_cast<std::size_t>(target.Position())};
  }
  for (std::size_t depth = s.levels.size(); depth-- > 0;) {
    const MenuRecord* menu = FindMenu(s.levels[depth].menu);
    if (!menu) continue;
    for (std::size_t i = 0; i < menu->entries.size(); ++i) {
      if (menu->entries[i].id != target.Id()) continue;
      CloseLevelsFrom(s, depth + 1);
      if (depth >= s.levels.size()) return std::nullopt;
      return Spot{depth, i};
    }
  }
  std::vector<std::size_t> path;
  std::unordered_set<HMENU> visited;
  if (!PathTo(s.levels.back().menu, target.Id(), path, visited)) return std::nullopt;
  for (std::size_t k = 0; k + 1 < path.size(); ++k) {
    const std::size_t depth = s.levels.size() - 1;
    if (!OpenSubmenu(s, depth, path[k], byMouse) || s.levels.size() != depth + 2)
      return std::nullopt;
  }
  return Spot{s.levels.size() - 1, path.back()};
}

// A right-button release reports the entry's position and menu; the menu stays open.
void RightClick(Session& s, const Spot& spot) {
  if (s.flags & TPM_RIGHTBUTTON) {
    Execute(s, spot.depth, spot.index, true);
    return;
  }
  SetHot(s, spot.depth, static_cast<int>(spot.index), true);
  if (spot.depth >= s.levels.size()) return;
  const HMENU menu = s.levels[spot.depth].menu;
  const MenuEntry* entry = FindEntry({menu, spot.index});
  if (!entry || IsSeparator(*entry)) return;
  Send(s.owner, WM_MENURBUTTONUP, spot.index, static_cast<LPARAM>(menu));
}

// A typed character: text entries with that mnemonic are the platform's own business (one
// match runs it, several cycle the highlight); otherwise the owner is asked with WM_MENUCHAR
// and its result's high word says what to do: 0 ignore, 1 close, 2 run, 3 highlight the entry
// at the low word.
void MenuCharacter(Session& s, char16_t character) {
  if (s.levels.empty()) return;
  const std::size_t depth = s.levels.size() - 1;
  const HMENU hMenu = s.levels[depth].menu;
  const MenuRecord* menu = FindMenu(hMenu);
  if (!menu) return;
  std::vector<std::size_t> matches;
  for (std::size_t i = 0; i < menu->entries.size(); ++i) {
    const MenuEntry& entry = menu->entries[i];
    if (HoldsText(entry) && MnemonicOf(entry.text) == FoldCase(character)) matches.push_back(i);
  }
  if (matches.size() == 1) return Execute(s, depth, matches.front(), false);
  if (matches.size() > 1) {
    const int hot = s.levels[depth].hot;
    auto next = std::find_if(matches.begin(), matches.end(),
                             [hot](std::size_t i) { return static_cast<int>(i) > hot; });
    return SetHot(s, depth, static_cast<int>(next != matches.end() ? *next : matches.front()),
                  false);
  }
  const WORD flags = static_cast<WORD>(MF_POPUP | (menu->systemMenuOf ? MF_SYSMENU : 0));
  const LRESULT result =
      Send(s.owner, WM_MENUCHAR, MAKEWPARAM(character, flags), static_cast<LPARAM>(hMenu));
  if (!Alive(s) || depth >= s.levels.size() || s.levels[depth].menu != hMenu) return;
  const WORD position = LOWORD(static_cast<ULONG_PTR>(result));
  switch (HIWORD(static_cast<ULONG_PTR>(result))) {
    case MNC_CLOSE:
      s.done = true;
      break;
    case MNC_EXECUTE:
      if (position < s.levels[depth].entries.size()) Execute(s, depth, position, false);
      break;
    case MNC_SELECT:
      SetHot(s, depth, position, false);
      break;
    default:
      break;  // ignored (the platform beeps)
  }
}

int NextSelectable(const Level& level, int direction) {
  const int count = static_cast<int>(level.entries.size());
  int index = level.hot;
  for (int step = 0; step < count; ++step) {
    index = index < 0 ? (direction > 0 ? 0 : count - 1) : (index + direction + count) % count;
    const MenuEntry* entry = FindEntry({level.menu, static_cast<std::size_t>(index)});
    if (entry && !IsSeparator(*entry) && level.visible[index]) return index;
  }
  return -1;
}

bool SelectBarEntry(Session& s, int position);

// Moving along the bar closes the open popup and opens the next entry's.
void SwitchBarEntry(Session& s, int position) {
  const WindowRecord* window = FindWindow(s.owner);
  if (!window || window->bar.entries.empty()) return;
  const int count = static_cast<int>(window->bar.entries.size());
  position = (position % count + count) % count;
  if (position == s.barEntry) return;
  CloseLevelsFrom(s, 0);
  const int old = s.barEntry;
  s.barEntry = -1;
  PaintBarEntry(s, old, false);
  SelectBarEntry(s, position);
}

void NavigationKey(Session& s, UINT vk) {
  if (s.levels.empty()) {
    if (vk == VK_ESCAPE) s.done = true;
    if (vk == VK_LEFT && s.bar) SwitchBarEntry(s, s.barEntry - 1);
    if (vk == VK_RIGHT && s.bar) SwitchBarEntry(s, s.barEntry + 1);
    return;
  }
  const std::size_t depth = s.levels.size() - 1;
  const int hot = s.levels[depth].hot;
  switch (vk) {
    case VK_ESCAPE:
      if (depth > 0)
        CloseLevelsFrom(s, depth);
      else
        s.done = true;
      break;
    case VK_RETURN:
      if (hot >= 0) Execute(s, depth, hot, false);
      break;
    case VK_DOWN:
    case VK_UP:
      SetHot(s, depth, NextSelectable(s.levels[depth], vk == VK_DOWN ? 1 : -1), false);
      break;
    case VK_RIGHT: {
      const MenuEntry* entry =
          hot >= 0 ? FindEntry({s.levels[depth].menu, std::size_t(hot)}) : nullptr;
      if (entry && HasLiveSubmenu(*entry) && !IsInactive(*entry)) {
        if (OpenSubmenu(s, depth, hot, false) && s.levels.size() > depth + 1)
          SetHot(s, depth + 1, NextSelectable(s.levels[depth + 1], 1), false);
      } else if (s.bar) {
        SwitchBarEntry(s, s.barEntry + 1);
      }
      break;
    }
    case VK_LEFT:
      if (depth > 0)
        CloseLevelsFrom(s, depth);
      else if (s.bar)
        SwitchBarEntry(s, s.barEntry - 1);
      break;
  }
}

void Apply(Session& s, const Step& step) {
  switch (step.kind) {
    case Step::Kind::Hover:
      if (auto spot = Resolve(s, step.target, true)) SetHot(s, spot->depth, spot->index, true);
      break;
    case Step::Kind::Open:
      if (auto spot = Resolve(s, step.target, true)) OpenSubmenu(s, spot->depth, spot->index, true);
      break;
    case Step::Kind::Choose:
      if (auto spot = Resolve(s, step.target, true)) Execute(s, spot->depth, spot->index, true);
      break;
    case Step::Kind::RightClick:
      if (auto spot = Resolve(s, step.target, true)) RightClick(s, *spot);
      break;
    case Step::Kind::Character:
      s.keyboardCues = true;
      MenuCharacter(s, step.character);
      break;
    case Step::Kind::Key:
      s.keyboardCues = true;
      NavigationKey(s, step.key);
      break;
    case Step::Kind::BarEntry:
      if (s.bar) SwitchBarEntry(s, step.target.Position());
      break;
    case Step::Kind::Cancel:
      s.done = true;
      break;
    case Step::Kind::Run:
      if (step.action) step.action();
      break;
  }
}

// Plays steps until the session ends; an exhausted script cancels.
void RunLoop(Session& s) {
  while (!s.done) {
    if (!Alive(s)) {
      s.done = true;
      s.chosen = false;
      break;
    }
    if (Script().empty()) {
      s.done = true;
      break;
    }
    const Step step = std::move(Script().front());
    Script().pop_front();
    Apply(s, step);
  }
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
  sessions.erase(std::find(sessions.begin(), sessions.end(), &s));
  if (!s.chosen || (s.flags & TPM_RETURNCMD) || !Notifies(s) || !FindWindow(s.owner)) return;
  if (s.system)
    Send(s.owner, WM_SYSCOMMAND, s.command, s.commandPoint);
  else
    Send(s.owner, WM_COMMAND, s.command, 0);
}

// Highlights a bar entry and opens its popup below it; false when it has none.
bool SelectBarEntry(Session& s, int position) {
  s.barEntry = position;
  PaintBarEntry(s, position, true);
  const WindowRecord* window = FindWindow(s.owner);
  if (!window || static_cast<std::size_t>(position) >= window->bar.entries.size()) return false;
  const HMENU bar = LiveMenuOf(*window);
  NotifySelect(s, bar, position, true);
  window = FindWindow(s.owner);
  const MenuEntry* entry =
      window ? FindEntry({LiveMenuOf(*window), std::size_t(position)}) : nullptr;
  if (!entry || IsInactive(*entry) || !HasLiveSubmenu(*entry)) return false;
  const RECT below = ToScreen(*window, window->bar.entries[position]);
  return OpenLevel(s, entry->submenu, static_cast<UINT>(position), [below](SIZE) {
    return POINT{below.left, below.bottom};
  });
}

}  // namespace

// A click on a bar entry: WM_ENTERMENULOOP, WM_INITMENU with the bar, the entry highlighted,
// its popup opened; a bar entry without a popup is chosen at once.
bool TrackMenuBar(HWND hWnd, std::size_t position) {
  if (!Sessions().empty()) return false;
  LayOutMenuBar(hWnd);
  const WindowRecord* window = FindWindow(hWnd);
  if (!window || !LiveMenuOf(*window) || position >= window->bar.entries.size()) return false;
  MoveCursor(Middle(ToScreen(*window, window->bar.entries[position])));
  Session s;
  s.owner = hWnd;
  s.root = LiveMenuOf(*window);
  s.bar = true;
  Begin(s);
  if (Alive(s)) {
    if (SelectBarEntry(s, static_cast<int>(position))) {
      RunLoop(s);
    } else if (const MenuEntry* entry = FindEntry({s.root, position})) {
      if (!IsSeparator(*entry) && !IsInactive(*entry) && !HasLiveSubmenu(*entry)) {
        s.chosen = true;
        s.command = entry->id;
      }
    }
  }
  Finish(s);
  return true;
}

// A click on the system-menu icon opens the window's system menu below it.
bool TrackSystemMenu(HWND hWnd) {
  if (!Sessions().empty()) return false;
  const HMENU systemMenu = SystemMenuOf(hWnd);
  const WindowRecord* window = FindWindow(hWnd);
  if (!systemMenu || !window) return false;
  const POINT at{window->bounds.left + kFrameWidth,
                 window->bounds.top + kFrameWidth + kCaptionHeight};
  MoveCursor({at.x + kCaptionHeight / 2, at.y - kCaptionHeight / 2});
  Session s;
  s.owner = hWnd;
  s.root = systemMenu;
  s.system = true;
  Begin(s);
  if (Alive(s) && OpenLevel(s, systemMenu, 0, [at](SIZE) { return at; })) RunLoop(s);
  Finish(s);
  return true;
}

int OpenBarEntry(HWND hWnd) {
  for (const Session* s : Sessions()) {
    if (s->bar && s->owner == hWnd) return s->barEntry;
  }
  return -1;
}

std::optional<RECT> OpenPopupEntryRect(HMENU hMenu, UINT position) {
  for (const Session* s : Sessions()) {
    for (const Level& level : s->levels) {
      if (level.menu == hMenu && position < level.entries.size())
        return EntryOnScreen(level, position);
    }
  }
  return std::nullopt;
}

std::vector<HDC> OpenPopupSurfaces() {
  std::vector<HDC> surfaces;
  for (const Session* s : Sessions()) {
    for (const Level& level : s->levels)
      surfaces.push_back(level.surface);
  }
  return surfaces;
}

}  // namespace vellum::sim::detail

namespace vellum::sim {

std::vector<OpenPopup> OpenPopups() {
  std::vector<OpenPopup> popups;
  for (const detail::Session* s : detail::Sessions()) {
    for (const detail::Level& level : s->levels) {
      OpenPopup popup{level.menu, s->owner, level.surface, level.screen, {}, level.hot};
      for (std::size_t i = 0; i < level.entries.size(); ++i)
        popup.entries.push_back(detail::EntryOnScreen(level, i));
      popups.push_back(std::move(popup));
    }
  }
  return popups;
}

}  // namespace vellum::sim

namespace vellum::platform {

// Modal: returns when the menu closed. A second menu may open inside the loop only with
// TPM_RECURSE. With TPM_RETURNCMD the result is the chosen ID (0 for none) and no command is
// sent; otherwise the result is TRUE and the choice arrives as WM_COMMAND (WM_SYSCOMMAND for
// a system menu) before TrackPopupMenu returns.
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd,
                    const RECT* prcRect) {
  sim::detail::LogCall("TrackPopupMenu", {{"hMenu", sim::detail::Hex(hMenu)},
                                          {"uFlags", sim::detail::Hex(uFlags)},
                                          {"x", sim::detail::Dec(x)},
                                          {"y", sim::detail::Dec(y)},
                                          {"nReserved", sim::detail::Dec(nReserved)},
                                          {"hWnd", sim::detail::Hex(hWnd)},
                                          {"prcRect", prcRect ? "rect" : "null"}});
  using namespace sim::detail;
  const MenuRecord* menu = FindMenu(hMenu);
  if (!menu || !FindWindow(hWnd)) return FALSE;
  if (!Sessions().empty() && !(uFlags & TPM_RECURSE)) return FALSE;
  Session s;
  s.owner = hWnd;
  s.root = hMenu;
  s.tracked = true;
  s.flags = uFlags;
  s.system = menu->systemMenuOf != 0;
  Begin(s);
  if (Alive(s) && OpenLevel(s, hMenu, 0, [=](SIZE size) { return Aligned({x, y}, size, uFlags); }))
    RunLoop(s);
  Finish(s);
  if (uFlags & TPM_RETURNCMD) return s.chosen ? static_cast<BOOL>(s.command) : 0;
  return TRUE;
}

}  // namespace vellum::platform
