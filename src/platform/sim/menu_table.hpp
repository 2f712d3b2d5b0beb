#pragma once
// Internal to the sim: this thread's native menus — each an ordered list of entries with the
// menu-wide information — and the lookups every menu function shares.

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/automation/string.hpp"
#include "platform/user32_types.hpp"

namespace vellum::sim::detail {

struct MenuEntry {
  platform::UINT type = platform::MFT_STRING;  // MFT_* bits
  platform::UINT state = 0;                    // MF_GRAYED, MF_DISABLED, MFS_CHECKED, ...
  platform::UINT id = 0;
  platform::HMENU submenu = 0;
  platform::HBITMAP checkedBitmap = 0;
  platform::HBITMAP uncheckedBitmap = 0;
  platform::HBITMAP itemBitmap = 0;  // hbmpItem
  platform::HBITMAP typeBitmap = 0;  // the picture of an MFT_BITMAP entry
  platform::ULONG_PTR data = 0;
  String text;
  // Owner-drawn entries are measured once; the answer is kept for every later layout.
  bool measured = false;
  platform::SIZE measuredSize;
};

struct MenuRecord {
  bool popup = false;  // CreatePopupMenu rather than CreateMenu
  std::vector<MenuEntry> entries;
  platform::DWORD style = 0;
  platform::UINT maxHeight = 0;
  platform::HBRUSH background = 0;
  platform::DWORD helpId = 0;
  platform::ULONG_PTR menuData = 0;
  platform::HWND systemMenuOf = 0;  // the window whose system menu this is
};

// An entry found by position or by command: the menu that holds it and its index there.
struct EntryLocation {
  platform::HMENU menu = 0;
  std::size_t index = 0;
};

platform::HMENU NewMenu(bool popup);
MenuRecord* FindMenu(platform::HMENU hMenu);
// The entry at a location, or null when the menu or the index no longer exists.
MenuEntry* FindEntry(const EntryLocation& location);
// By position: in `hMenu` itself. By command: the first entry with that ID, looking into each
// submenu before the entry that opens it, as the platform does.
std::optional<EntryLocation> LocateEntry(platform::HMENU hMenu, platform::UINT item,
                                         bool byPosition);
// Destroys the menu and every menu hanging below it.
bool DestroyMenuTree(platform::HMENU hMenu);
// Whether `candidate` is `root` or hangs anywhere below it.
bool IsInTree(platform::HMENU root, platform::HMENU candidate);

// Entry kinds as the layout and the menu loop see them.
bool IsOwnerDrawn(const MenuEntry& entry);
bool IsSeparator(const MenuEntry& entry);
bool IsInactive(const MenuEntry& entry);  // grayed or disabled
bool HoldsText(const MenuEntry& entry);

}  // namespace vellum::sim::detail
