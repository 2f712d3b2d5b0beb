#pragma once
// Reading a native menu back through the boundary, for tests that compare it with the objects.

#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/sim/debug_string.hpp"

namespace vellum::testing {

struct NativeEntry {
  platform::UINT id = 0;
  platform::UINT type = 0;
  platform::UINT state = 0;
  platform::HMENU subMenu = 0;
};

inline std::vector<NativeEntry> NativeEntries(platform::HMENU menu) {
  std::vector<NativeEntry> entries;
  const int count = platform::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    platform::MENUITEMINFOW info;
    info.cbSize = platform::MENUITEMINFO_SIZE_WITHOUT_BITMAP;
    info.fMask =
        platform::MIIM_ID | platform::MIIM_STATE | platform::MIIM_SUBMENU | platform::MIIM_FTYPE;
    platform::GetMenuItemInfoW(menu, static_cast<platform::UINT>(position), platform::TRUE, &info);
    entries.push_back({info.wID, info.fType, info.fState, info.hSubMenu});
  }
  return entries;
}

// The command IDs of the entries, in native order.
inline std::vector<platform::UINT> NativeIds(platform::HMENU menu) {
  std::vector<platform::UINT> ids;
  for (const NativeEntry& entry : NativeEntries(menu))
    ids.push_back(entry.id);
  return ids;
}

// The entry with command ID `id`, read by command.
inline NativeEntry NativeEntryById(platform::HMENU menu, platform::UINT id) {
  platform::MENUITEMINFOW info;
  info.cbSize = platform::MENUITEMINFO_SIZE_WITHOUT_BITMAP;
  info.fMask =
      platform::MIIM_ID | platform::MIIM_STATE | platform::MIIM_SUBMENU | platform::MIIM_FTYPE;
  if (!platform::GetMenuItemInfoW(menu, id, platform::FALSE, &info)) return {};
  return {info.wID, info.fType, info.fState, info.hSubMenu};
}

}  // namespace vellum::testing
