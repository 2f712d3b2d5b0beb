#include "platform/sim/menu_table.hpp"

#include <unordered_map>
#include <unordered_set>

#include "platform/sim/handle_space.hpp"

namespace vellum::sim::detail {
namespace {

using platform::HMENU;
using platform::UINT;

std::unordered_map<HMENU, MenuRecord>& Menus() {
  thread_local std::unordered_map<HMENU, MenuRecord> menus;
  return menus;
}

// Depth-first search by command; `visited` guards against a menu hung below itself.
std::optional<EntryLocation> FindByCommand(HMENU hMenu, UINT id,
                                           std::unordered_set<HMENU>& visited) {
  if (!visited.insert(hMenu).second) return std::nullopt;
  const MenuRecord* menu = FindMenu(hMenu);
  if (!menu) return std::nullopt;
  for (std::size_t i = 0; i < menu->entries.size(); ++i) {
    const MenuEntry& entry = menu->entries[i];
    if (entry.submenu != 0) {
      if (auto below = FindByCommand(entry.submenu, id, visited)) return below;
    }
    if (entry.id == id) return EntryLocation{hMenu, i};
  }
  return std::nullopt;
}

void CollectTree(HMENU hMenu, std::unordered_set<HMENU>& tree) {
  if (!tree.insert(hMenu).second) return;
  const MenuRecord* menu = FindMenu(hMenu);
  if (!menu) return;
  for (const MenuEntry& entry : menu->entries) {
    if (entry.submenu != 0 && FindMenu(entry.submenu)) CollectTree(entry.submenu, tree);
  }
}

}  // namespace

HMENU NewMenu(bool popup) {
  const HMENU handle = NewHandle();
  Menus()[handle].popup = popup;
  return handle;
}

MenuRecord* FindMenu(HMENU hMenu) {
  auto found = Menus().find(hMenu);
  return found == Menus().end() ? nullptr : &found->second;
}

MenuEntry* FindEntry(const EntryLocation& location) {
  MenuRecord* menu = FindMenu(location.menu);
  if (!menu || location.index >= menu->entries.size()) return nullptr;
  return &menu->entries[location.index];
}

std::optional<EntryLocation> LocateEntry(HMENU hMenu, UINT item, bool byPosition) {
  const MenuRecord* menu = FindMenu(hMenu);
  if (!menu) return std::nullopt;
  if (byPosition) {
    if (item >= menu->entries.size()) return std::nullopt;
    return EntryLocation{hMenu, item};
  }
  std::unordered_set<HMENU> visited;
  return FindByCommand(hMenu, item, visited);
}

bool DestroyMenuTree(HMENU hMenu) {
  if (!FindMenu(hMenu)) return false;
  std::unordered_set<HMENU> tree;
  CollectTree(hMenu, tree);
  for (HMENU handle : tree)
    Menus().erase(handle);
  return true;
}

bool IsInTree(HMENU root, HMENU candidate) {
  std::unordered_set<HMENU> tree;
  CollectTree(root, tree);
  return tree.count(candidate) != 0;
}

bool IsOwnerDrawn(const MenuEntry& entry) {
  return (entry.type & platform::MFT_OWNERDRAW) != 0;
}

bool IsSeparator(const MenuEntry& entry) {
  return (entry.type & platform::MFT_SEPARATOR) != 0;
}

bool IsInactive(const MenuEntry& entry) {
  return (entry.state & (platform::MF_GRAYED | platform::MF_DISABLED)) != 0;
}

bool HoldsText(const MenuEntry& entry) {
  return (entry.type &
          (platform::MFT_BITMAP | platform::MFT_OWNERDRAW | platform::MFT_SEPARATOR)) == 0;
}

}  // namespace vellum::sim::detail
