// The platform's entry records: GetMenuItemInfoA/W and SetMenuItemInfoA/W, field by mask.
#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/sim/call_arguments.hpp"
#include "platform/sim/debug_string.hpp"
#include "platform/sim/menu_table.hpp"
#include "platform/user32.hpp"

namespace vellum::platform {
namespace {

using sim::detail::MenuEntry;

// Narrow records speak the single-byte code page, wide records UTF-16.
template <class Info>
struct TextOf;

template <>
struct TextOf<MENUITEMINFOA> {
  using Char = char;
  static std::string Encode(const String& text) { return StringToCodePage(text); }
  static String Decode(const char* text) { return CodePageToString(text); }
};

template <>
struct TextOf<MENUITEMINFOW> {
  using Char = WCHAR;
  static String Encode(const String& text) { return text; }
  static String Decode(const WCHAR* text) { return String(text); }
};

bool AcceptedSize(UINT cbSize) {
  return cbSize == MENUITEMINFO_SIZE_WITHOUT_BITMAP || cbSize == MENUITEMINFO_SIZE_WITH_BITMAP;
}

// The record must name a size we know, and the entry bitmap only exists in the larger one.
template <class Info>
bool AcceptedRecord(const Info* info) {
  if (!info || !AcceptedSize(info->cbSize)) return false;
  return !(info->fMask & MIIM_BITMAP) || info->cbSize == MENUITEMINFO_SIZE_WITH_BITMAP;
}

// A null buffer or a length of 0 asks for the length; otherwise as much as fits is copied,
// always terminated, and cch says how many characters were copied.
template <class Info>
void CopyTextOut(const String& text, Info& info) {
  const auto encoded = TextOf<Info>::Encode(text);
  if (!info.dwTypeData || info.cch == 0) {
    info.cch = static_cast<UINT>(encoded.size());
    return;
  }
  const std::size_t copied = std::min<std::size_t>(encoded.size(), info.cch - 1);
  std::copy_n(encoded.begin(), copied, info.dwTypeData);
  info.dwTypeData[copied] = 0;
  info.cch = static_cast<UINT>(copied);
}

template <class Info>
BOOL GetInfo(HMENU hMenu, UINT item, BOOL fByPosition, Info* info) {
  if (!AcceptedRecord(info)) return FALSE;
  auto location = sim::detail::LocateEntry(hMenu, item, fByPosition != FALSE);
  if (!location) return FALSE;
  const MenuEntry& entry = *sim::detail::FindEntry(*location);
  const UINT mask = info->fMask;
  if (mask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = entry.type;
  if (mask & MIIM_TYPE) {
    // With the old type mask, dwTypeData is the text of a string entry and the picture of a
    // bitmap entry; for other kinds the caller's buffer is left alone.
    using Char = typename TextOf<Info>::Char;
    if (sim::detail::HoldsText(entry))
      CopyTextOut(entry.text, *info);
    else if (entry.type & MFT_BITMAP)
      info->dwTypeData = reinterpret_cast<Char*>(static_cast<std::uintptr_t>(entry.typeBitmap));
    else
      info->cch = 0;
  }
  if (mask & MIIM_STRING) CopyTextOut(entry.text, *info);
  if (mask & MIIM_STATE) info->fState = entry.state;
  if (mask & MIIM_ID) info->wID = entry.id;
  if (mask & MIIM_SUBMENU) info->hSubMenu = entry.submenu;
  if (mask & MIIM_CHECKMARKS) {
    info->hbmpChecked = entry.checkedBitmap;
    info->hbmpUnchecked = entry.uncheckedBitmap;
  }
  if (mask & MIIM_DATA) info->dwItemData = entry.data;
  if (mask & MIIM_BITMAP) info->hbmpItem = entry.itemBitmap;
  return TRUE;
}

template <class Info>
BOOL SetInfo(HMENU hMenu, UINT item, BOOL fByPosition, const Info* info) {
  if (!AcceptedRecord(info)) return FALSE;
  auto location = sim::detail::LocateEntry(hMenu, item, fByPosition != FALSE);
  if (!location) return FALSE;
  const UINT mask = info->fMask;
  // A submenu must be a live menu that does not hold the menu it is hung into.
  if ((mask & MIIM_SUBMENU) && info->hSubMenu != 0) {
    if (!sim::detail::FindMenu(info->hSubMenu) ||
        sim::detail::IsInTree(info->hSubMenu, location->menu))
      return FALSE;
  }
  MenuEntry& entry = *sim::detail::FindEntry(*location);
  const auto text = [&] {
    return info->dwTypeData ? TextOf<Info>::Decode(info->dwTypeData) : String();
  };
  if (mask & MIIM_TYPE) {
    entry.type = info->fType;
    entry.text = sim::detail::HoldsText(entry) ? text() : String();
    if (entry.type & MFT_BITMAP)
      entry.typeBitmap = static_cast<HBITMAP>(reinterpret_cast<std::uintptr_t>(info->dwTypeData));
  }
  if (mask & MIIM_FTYPE) entry.type = info->fType;
  if (mask & MIIM_STRING) entry.text = text();
  if (mask & MIIM_STATE) entry.state = info->fState;
  if (mask & MIIM_ID) entry.id = info->wID;
  if (mask & MIIM_SUBMENU) entry.submenu = info->hSubMenu;
  if (mask & MIIM_CHECKMARKS) {
    entry.checkedBitmap = info->hbmpChecked;
    entry.uncheckedBitmap = info->hbmpUnchecked;
  }
  if (mask & MIIM_DATA) entry.data = info->dwItemData;
  if (mask & MIIM_BITMAP) entry.itemBitmap = info->hbmpItem;
  return TRUE;
}

template <class Info>
void LogGet(const char* function, HMENU hMenu, UINT item, BOOL fByPosition, const Info* info) {
  sim::detail::LogCall(function, {{"hMenu", sim::detail::Hex(hMenu)},
                                  {"item", sim::detail::Dec(item)},
                                  {"fByPosition", sim::detail::Dec(fByPosition)},
                                  {"fMask", sim::ItemMaskName(info ? info->fMask : 0)}});
}

template <class Info>
void LogSet(const char* function, HMENU hMenu, UINT item, BOOL fByPosition, const Info* info) {
  sim::detail::LogCall(function, {{"hMenu", sim::detail::Hex(hMenu)},
                                  {"item", sim::detail::Dec(item)},
                                  {"fByPosition", sim::detail::Dec(fByPosition)},
                                  {"info", info ? sim::DebugString(*info) : "null"}});
}

}  // namespace

BOOL GetMenuItemInfoA(HMENU hMenu, UINT item, BOOL fByPosition, MENUITEMINFOA* lpmii) {
  LogGet("GetMenuItemInfoA", hMenu, item, fByPosition, lpmii);
  return GetInfo(hMenu, item, fByPosition, lpmii);
}

BOOL GetMenuItemInfoW(HMENU hMenu, UINT item, BOOL fByPosition, MENUITEMINFOW* lpmii) {
  LogGet("GetMenuItemInfoW", hMenu, item, fByPosition, lpmii);
  return GetInfo(hMenu, item, fByPosition, lpmii);
}

BOOL SetMenuItemInfoA(HMENU hMenu, UINT item, BOOL fByPosition, const MENUITEMINFOA* lpmii) {
  LogSet("SetMenuItemInfoA", hMenu, item, fByPosition, lpmii);
  return SetInfo(hMenu, item, fByPosition, lpmii);
}

BOOL SetMenuItemInfoW(HMENU hMenu, UINT item, BOOL fByPosition, const MENUITEMINFOW* lpmii) {
  LogSet("SetMenuItemInfoW", hMenu, item, fByPosition, lpmii);
  return SetInfo(hMenu, item, fByPosition, lpmii);
}

}  // namespace vellum::platform
