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
#include "platform/sim/menu_session.hpp"
#include "platform/sim/surfaces.hpp"
#include "platform/sim/system_menu.hpp"
#include "platform/sim/user_script.hpp"
#include "platform/sim/window_metrics.hpp"
#include "platform/sim/window_table.hpp"
#include "platform/user32.hpp"

namespace vellum::sim::detail {
namespace {

using namespace platform;

struct Spot {
  std::size_t depth = 0;
  std::size_t index = 0;
};

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

// Down or Return on a highlighted bar entry opens its popup with the first entry selected;
// Return on an entry without a popup runs it.
void EnterBarEntry(Session& s, UINT vk) {
  if (OpenBarPopup(s)) {
    if (!s.levels.empty()) SetHot(s, 0, NextSelectable(s.levels[0], 1), false);
    return;
  }
  const MenuEntry* entry = s.barEntry >= 0 ? FindEntry({s.root, std::size_t(s.barEntry)}) : nullptr;
  if (vk != VK_RETURN || !entry || IsSeparator(*entry) || IsInactive(*entry) ||
      HasLiveSubmenu(*entry))
    return;
  s.done = true;
  s.chosen = true;
  s.command = entry->id;
}

// Keys with no popup open move along the bar without opening anything (as after Alt or F10).
void BarNavigationKey(Session& s, UINT vk) {
  switch (vk) {
    case VK_ESCAPE:
      s.done = true;
      break;
    case VK_LEFT:
    case VK_RIGHT:
      if (s.bar) SwitchBarEntry(s, s.barEntry + (vk == VK_RIGHT ? 1 : -1), false);
      break;
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN:
      if (s.bar) EnterBarEntry(s, vk);
      break;
  }
}

void NavigationKey(Session& s, UINT vk) {
  if (s.levels.empty()) return BarNavigationKey(s, vk);
  const std::size_t depth = s.levels.size() - 1;
  const int hot = s.levels[depth].hot;
  switch (vk) {
    case VK_ESCAPE:
      // Escape backs out one level: a bar entry's popup closes and the entry stays highlighted.
      if (depth > 0 || s.bar)
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
        SwitchBarEntry(s, s.barEntry + 1, true);
      }
      break;
    }
    case VK_LEFT:
      if (depth > 0)
        CloseLevelsFrom(s, depth);
      else if (s.bar)
        SwitchBarEntry(s, s.barEntry - 1, true);
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
      if (s.bar) SwitchBarEntry(s, step.target.Position(), true);
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

namespace {

// The bar entry whose mnemonic is `character`: a text entry's own, or, for owner-drawn
// entries, the window's answer to WM_MENUCHAR (flags 0: the bar); -1 for none.
int BarMnemonic(Session& s, char16_t character) {
  const MenuRecord* menu = FindMenu(s.root);
  if (!menu) return -1;
  for (std::size_t i = 0; i < menu->entries.size(); ++i) {
    const MenuEntry& entry = menu->entries[i];
    if (HoldsText(entry) && MnemonicOf(entry.text) == FoldCase(character))
      return static_cast<int>(i);
  }
  const LRESULT result =
      Send(s.owner, WM_MENUCHAR, MAKEWPARAM(character, 0), static_cast<LPARAM>(s.root));
  const WORD position = LOWORD(static_cast<ULONG_PTR>(result));
  const WORD action = HIWORD(static_cast<ULONG_PTR>(result));
  const MenuRecord* answered = FindMenu(s.root);
  if (!Alive(s) || !answered || position >= answered->entries.size()) return -1;
  return action == MNC_EXECUTE || action == MNC_SELECT ? position : -1;
}

}  // namespace

// The keyboard's way into the bar (SC_KEYMENU). Observed under Wine: Alt or F10 highlights the
// first entry and opens nothing; Alt+letter asks WM_MENUCHAR for owner-drawn entries and opens
// the entry's popup with its first entry selected. Menus worked this way show keyboard cues.
bool TrackMenuBarFromKeyboard(HWND hWnd, char16_t character) {
  if (!Sessions().empty()) return false;
  LayOutMenuBar(hWnd);
  const WindowRecord* window = FindWindow(hWnd);
  if (!window || !LiveMenuOf(*window) || window->bar.entries.empty()) return false;
  Session s;
  s.owner = hWnd;
  s.root = LiveMenuOf(*window);
  s.bar = true;
  s.keyboardCues = true;
  Begin(s);
  if (Alive(s)) {
    const int position = character ? BarMnemonic(s, character) : 0;
    if (position >= 0 && Alive(s) && HighlightBarEntry(s, position, false)) {
      if (character) EnterBarEntry(s, VK_RETURN);
      RunLoop(s);
    }
  }
  Finish(s);
  return true;
}

// A click on the system-menu icon (or Alt+Space) opens the window's system menu below it.
bool TrackSystemMenu(HWND hWnd, bool fromKeyboard) {
  if (!Sessions().empty()) return false;
  const HMENU systemMenu = SystemMenuOf(hWnd);
  const WindowRecord* window = FindWindow(hWnd);
  if (!systemMenu || !window) return false;
  const POINT at{window->bounds.left + kFrameWidth,
                 window->bounds.top + kFrameWidth + kCaptionHeight};
  if (!fromKeyboard) MoveCursor({at.x + kCaptionHeight / 2, at.y - kCaptionHeight / 2});
  Session s;
  s.owner = hWnd;
  s.root = systemMenu;
  s.system = true;
  s.keyboardCues = fromKeyboard;
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
