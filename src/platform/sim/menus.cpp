// The platform's menu handles: creation, destruction, entries by position or by command, and
// the menu-wide information.
#include <algorithm>
#include <unordered_set>

#include "platform/sim/call_arguments.hpp"
#include "platform/sim/debug_string.hpp"
#include "platform/sim/menu_table.hpp"
#include "platform/user32.hpp"

namespace vellum::platform {
namespace {

using sim::detail::Dec;
using sim::detail::EntryLocation;
using sim::detail::FindMenu;
using sim::detail::Hex;
using sim::detail::LogCall;
using sim::detail::MenuEntry;
using sim::detail::MenuRecord;
using sim::detail::Quoted;

constexpr UINT kTypeFlags = MF_BITMAP | MF_MENUBARBREAK | MF_MENUBREAK | MF_OWNERDRAW |
                            MF_USECHECKBITMAPS | MF_SEPARATOR | MF_RIGHTJUSTIFY;
constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;
constexpr UINT kAppendPosition = 0xFFFFFFFF;

std::string NewItemText(UINT flags, const char* newItem) {
  const bool text = (flags & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR)) == 0;
  if (text && newItem) return Quoted(newItem);
  return Hex(reinterpret_cast<std::uintptr_t>(newItem));
}

// What InsertMenuA's flags make of an entry: lpNewItem is text, item data or a bitmap handle
// depending on the kind; with MF_POPUP the ID argument is the submenu (and becomes the ID too).
std::optional<MenuEntry> EntryFromFlags(HMENU hMenu, UINT flags, UINT_PTR idNewItem,
                                        const char* newItem) {
  MenuEntry entry;
  entry.type = flags & kTypeFlags;
  entry.state = flags & kStateFlags;
  entry.id = static_cast<UINT>(idNewItem);
  if (flags & MF_POPUP) {
    entry.submenu = static_cast<HMENU>(idNewItem);
    // A popup must exist and must not contain the menu it is hung into.
    if (!FindMenu(entry.submenu) || sim::detail::IsInTree(entry.submenu, hMenu))
      return std::nullopt;
  }
  const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(newItem);
  if (flags & MF_OWNERDRAW)
    entry.data = value;
  else if (flags & MF_BITMAP)
    entry.typeBitmap = static_cast<HBITMAP>(value);
  else if (!(flags & MF_SEPARATOR) && newItem)
    entry.text = CodePageToString(newItem);
  return entry;
}

BOOL InsertEntry(HMENU hMenu, UINT position, UINT flags, UINT_PTR idNewItem, const char* newItem) {
  MenuRecord* menu = FindMenu(hMenu);
  if (!menu) return FALSE;
  std::optional<MenuEntry> entry = EntryFromFlags(hMenu, flags, idNewItem, newItem);
  if (!entry) return FALSE;
  // By position, anything beyond the end appends; by command, the new entry goes before the
  // entry with that ID, in whichever menu of the tree holds it (-1 appends).
  EntryLocation where{hMenu, std::min<std::size_t>(position, menu->entries.size())};
  if (!(flags & MF_BYPOSITION) && position != kAppendPosition) {
    auto found = sim::detail::LocateEntry(hMenu, position, false);
    if (!found) return FALSE;
    where = *found;
  }
  std::vector<MenuEntry>& entries = FindMenu(where.menu)->entries;
  entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(where.index), std::move(*entry));
  return TRUE;
}

// RemoveMenu and DeleteMenu: the same removal, DeleteMenu also destroying the submenu.
BOOL TakeOutEntry(HMENU hMenu, UINT position, UINT flags, bool destroySubmenu) {
  auto found = sim::detail::LocateEntry(hMenu, position, (flags & MF_BYPOSITION) != 0);
  if (!found) return FALSE;
  std::vector<MenuEntry>& entries = FindMenu(found->menu)->entries;
  const HMENU submenu = entries[found->index].submenu;
  entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(found->index));
  if (destroySubmenu && submenu != 0) sim::detail::DestroyMenuTree(submenu);
  return TRUE;
}

void ApplyMenuInfo(MenuRecord& menu, const MENUINFO& info) {
  if (info.fMask & MIM_MAXHEIGHT) menu.maxHeight = info.cyMax;
  if (info.fMask & MIM_STYLE) menu.style = info.dwStyle;
  if (info.fMask & MIM_BACKGROUND) menu.background = info.hbrBack;
  if (info.fMask & MIM_HELPID) menu.helpId = info.dwContextHelpID;
  if (info.fMask & MIM_MENUDATA) menu.menuData = info.dwMenuData;
}

void ApplyMenuInfoToTree(HMENU hMenu, const MENUINFO& info, std::unordered_set<HMENU>& visited) {
  MenuRecord* menu = FindMenu(hMenu);
  if (!menu || !visited.insert(hMenu).second) return;
  ApplyMenuInfo(*menu, info);
  std::vector<HMENU> submenus;
  for (const MenuEntry& entry : menu->entries) {
    if (entry.submenu != 0) submenus.push_back(entry.submenu);
  }
  for (HMENU submenu : submenus)
    ApplyMenuInfoToTree(submenu, info, visited);
}

}  // namespace

HMENU CreateMenu() {
  LogCall("CreateMenu");
  return sim::detail::NewMenu(false);
}

HMENU CreatePopupMenu() {
  LogCall("CreatePopupMenu");
  return sim::detail::NewMenu(true);
}

// Destroys the menu and, recursively, every submenu hanging below it.
BOOL DestroyMenu(HMENU hMenu) {
  LogCall("DestroyMenu", {{"hMenu", Hex(hMenu)}});
  return sim::detail::DestroyMenuTree(hMenu) ? TRUE : FALSE;
}

BOOL IsMenu(HMENU hMenu) {
  LogCall("IsMenu", {{"hMenu", Hex(hMenu)}});
  return FindMenu(hMenu) ? TRUE : FALSE;
}

// -1 for a handle that is not a menu.
int GetMenuItemCount(HMENU hMenu) {
  LogCall("GetMenuItemCount", {{"hMenu", Hex(hMenu)}});
  const MenuRecord* menu = FindMenu(hMenu);
  return menu ? static_cast<int>(menu->entries.size()) : -1;
}

BOOL InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem,
                 const char* lpNewItem) {
  LogCall("InsertMenuA", {{"hMenu", Hex(hMenu)},
                          {"uPosition", Dec(uPosition)},
                          {"uFlags", sim::MenuFlagsName(uFlags)},
                          {"uIDNewItem", Dec(static_cast<std::int64_t>(uIDNewItem))},
                          {"lpNewItem", NewItemText(uFlags, lpNewItem)}});
  return InsertEntry(hMenu, uPosition, uFlags, uIDNewItem, lpNewItem);
}

BOOL AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, const char* lpNewItem) {
  LogCall("AppendMenuA", {{"hMenu", Hex(hMenu)},
                          {"uFlags", sim::MenuFlagsName(uFlags)},
                          {"uIDNewItem", Dec(static_cast<std::int64_t>(uIDNewItem))},
                          {"lpNewItem", NewItemText(uFlags, lpNewItem)}});
  return InsertEntry(hMenu, kAppendPosition, uFlags | MF_BYPOSITION, uIDNewItem, lpNewItem);
}

// Takes the entry out; its submenu stays alive.
BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
  LogCall("RemoveMenu", {{"hMenu", Hex(hMenu)},
                         {"uPosition", Dec(uPosition)},
                         {"uFlags", sim::MenuFlagsName(uFlags)}});
  return TakeOutEntry(hMenu, uPosition, uFlags, false);
}

// Takes the entry out and destroys its submenu.
BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
  LogCall("DeleteMenu", {{"hMenu", Hex(hMenu)},
                         {"uPosition", Dec(uPosition)},
                         {"uFlags", sim::MenuFlagsName(uFlags)}});
  return TakeOutEntry(hMenu, uPosition, uFlags, true);
}

BOOL GetMenuInfo(HMENU hMenu, MENUINFO* lpmi) {
  LogCall("GetMenuInfo", {{"hMenu", Hex(hMenu)}, {"fMask", Hex(lpmi ? lpmi->fMask : 0)}});
  const MenuRecord* menu = FindMenu(hMenu);
  if (!menu || !lpmi || lpmi->cbSize != MENUINFO_SIZE) return FALSE;
  if (lpmi->fMask & MIM_MAXHEIGHT) lpmi->cyMax = menu->maxHeight;
  if (lpmi->fMask & MIM_STYLE) lpmi->dwStyle = menu->style;
  if (lpmi->fMask & MIM_BACKGROUND) lpmi->hbrBack = menu->background;
  if (lpmi->fMask & MIM_HELPID) lpmi->dwContextHelpID = menu->helpId;
  if (lpmi->fMask & MIM_MENUDATA) lpmi->dwMenuData = menu->menuData;
  return TRUE;
}

// MIM_APPLYTOSUBMENUS carries the values into every menu below, as the platform does.
BOOL SetMenuInfo(HMENU hMenu, const MENUINFO* lpmi) {
  LogCall("SetMenuInfo", {{"hMenu", Hex(hMenu)},
                          {"fMask", Hex(lpmi ? lpmi->fMask : 0)},
                          {"dwStyle", Hex(lpmi ? lpmi->dwStyle : 0)},
                          {"cyMax", Dec(lpmi ? lpmi->cyMax : 0)}});
  MenuRecord* menu = FindMenu(hMenu);
  if (!menu || !lpmi || lpmi->cbSize != MENUINFO_SIZE) return FALSE;
  if (lpmi->fMask & MIM_APPLYTOSUBMENUS) {
    std::unordered_set<HMENU> visited;
    ApplyMenuInfoToTree(hMenu, *lpmi, visited);
  } else {
    ApplyMenuInfo(*menu, *lpmi);
  }
  return TRUE;
}

}  // namespace vellum::platform
