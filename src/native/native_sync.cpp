#include "native/native_sync.hpp"

#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "model/library_state.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "platform/platform.hpp"

namespace vellum {
namespace {

using namespace platform;

// The size of a native text buffer.
constexpr UINT kTextBufferLength = 512;

MENUITEMINFOA ToNarrow(const MENUITEMINFOW& wide) {
  MENUITEMINFOA narrow;
  narrow.cbSize = wide.cbSize;
  narrow.fMask = wide.fMask;
  narrow.fType = wide.fType;
  narrow.fState = wide.fState;
  narrow.wID = wide.wID;
  narrow.hSubMenu = wide.hSubMenu;
  narrow.hbmpChecked = wide.hbmpChecked;
  narrow.hbmpUnchecked = wide.hbmpUnchecked;
  narrow.dwItemData = wide.dwItemData;
  narrow.cch = wide.cch;
  narrow.hbmpItem = wide.hbmpItem;
  return narrow;
}

void CopyFields(const MENUITEMINFOA& narrow, MENUITEMINFOW& wide) {
  wide.fMask = narrow.fMask;
  wide.fType = narrow.fType;
  wide.fState = narrow.fState;
  wide.wID = narrow.wID;
  wide.hSubMenu = narrow.hSubMenu;
  wide.hbmpChecked = narrow.hbmpChecked;
  wide.hbmpUnchecked = narrow.hbmpUnchecked;
  wide.dwItemData = narrow.dwItemData;
  wide.cch = narrow.cch;
  wide.hbmpItem = narrow.hbmpItem;
}

// A text entry: none of the kinds that carry no text, whatever its other flags.
bool IsTextEntry(UINT type) {
  return (type & (MFT_BITMAP | MFT_SEPARATOR | MFT_OWNERDRAW)) == 0;
}

}  // namespace

void GetItemInfo(HMENU hMenu, UINT item, bool byPosition, MENUITEMINFOW& record, String* text) {
  const bool wide = UseWideCalls();
  record.cbSize = Library().itemInfoSize;
  const bool wantsText = (record.fMask & MIIM_TYPE) != 0;
  if (wide) {
    WCHAR buffer[kTextBufferLength + 1] = {};
    if (wantsText) record.dwTypeData = buffer, record.cch = kTextBufferLength;
    const BOOL ok = GetMenuItemInfoW(hMenu, item, byPosition, &record);
    if (ok && wantsText && IsTextEntry(record.fType) && text) {
      *text = String(buffer, std::min(record.cch, kTextBufferLength));
    }
    record.dwTypeData = nullptr;
    return;
  }
  char buffer[kTextBufferLength + 1] = {};
  MENUITEMINFOA narrow = ToNarrow(record);
  if (wantsText) narrow.dwTypeData = buffer, narrow.cch = kTextBufferLength;
  const BOOL ok = GetMenuItemInfoA(hMenu, item, byPosition, &narrow);
  CopyFields(narrow, record);
  if (ok && wantsText && IsTextEntry(narrow.fType) && text) {
    *text = CodePageToString(std::string_view(buffer, std::min(narrow.cch, kTextBufferLength)));
  }
}

void SetItemInfo(HMENU hMenu, UINT item, bool byPosition, MENUITEMINFOW record,
                 const String& text) {
  const bool wide = UseWideCalls();
  record.cbSize = Library().itemInfoSize;
  const bool withText = record.fType == MFT_STRING && (record.fMask & MIIM_TYPE) && !text.empty();
  if (wide) {
    String copy = text;
    if (withText) {
      record.dwTypeData = copy.data();
      record.cch = static_cast<UINT>(copy.size());
    }
    SetMenuItemInfoW(hMenu, item, byPosition, &record);
    return;
  }
  std::string bytes = StringToCodePage(text);
  MENUITEMINFOA narrow = ToNarrow(record);
  narrow.dwTypeData = nullptr;
  if (withText) {
    narrow.dwTypeData = bytes.data();
    narrow.cch = static_cast<UINT>(bytes.size());
  }
  SetMenuItemInfoA(hMenu, item, byPosition, &narrow);
}

UINT NativePosition(const MenuItem& item) {
  UINT position = static_cast<UINT>(item.Index());
  const Ref<Menu> parent = AsMenu(item.Parent());
  if (parent && parent->MenuType() != mtcMenubar) {
    const Ref<Sidebar> sidebar = parent->Sidebar();
    if (sidebar && sidebar->Visible() && sidebar->Position() == posLeft) position += 2;
  }
  return position;
}

void ReinsertNativeItem(std::int32_t id, bool relinkParent, const Ref<Object>& fallback) {
  Ref<Object> object;
  if (const Ref<Menus> active = Library().activeMenus) object = active->FindMenuItem(id);
  if (!object) object = fallback;
  if (!object) return;

  if (const auto sidebar = std::dynamic_pointer_cast<Sidebar>(object)) {
    sidebar->Reinsert();
    return;
  }
  const auto item = std::dynamic_pointer_cast<MenuItem>(object);
  if (!item) return;
  const Ref<Menu> parent = AsMenu(item->Parent());
  const HMENU hMenu = parent ? parent->hMenu() : 0;

  item->SuspendUpdates();
  RemoveMenu(hMenu, static_cast<UINT>(id), MF_BYCOMMAND);
  if (item->Visible()) {
    InsertMenuA(hMenu, NativePosition(*item), MF_BYPOSITION | MF_OWNERDRAW,
                static_cast<UINT_PTR>(static_cast<UINT>(id)), nullptr);
    item->ResumeUpdates();
    item->UpdateNative(true);
  }
  // A hidden item stays suspended: its changes wait in the object until it is shown again.
  if (relinkParent && parent) RelinkItems(*parent);
}

void RelinkItems(Menu& menu) {
  const std::vector<Ref<MenuItem>> items = menu.ItemList();
  for (std::size_t i = 0; i < items.size(); ++i) {
    items[i]->SetPrevItem(i > 0 ? items[i - 1] : nullptr);
    items[i]->SetNextItem(i + 1 < items.size() ? items[i + 1] : nullptr);
    items[i]->SetIndex(static_cast<std::int32_t>(i));
  }
  RebuildAcceleratorTable(menu);
}

void RebuildNativeMenu(Menu& menu) {
  const auto keepAlive = menu.shared_from_this();
  auto* bar = menu.MenuType() == mtcMenubar ? static_cast<Menubar*>(&menu) : nullptr;
  // A connected bar is taken off its window around the re-synchronisation.
  if (bar && bar->Connected()) {
    SetMenu(bar->hWnd(), 0);
    DrawMenuBar(bar->hWnd());
  }
  if (!bar) {
    if (const Ref<Sidebar> sidebar = menu.Sidebar()) {
      ReinsertNativeItem(sidebar->ItemId(), false, nullptr);
    }
  }
  for (const Ref<MenuItem>& item : menu.ItemList()) {
    ReinsertNativeItem(item->ItemId(), false, nullptr);
  }
  RelinkItems(menu);
  if (bar) {
    if (bar->Connected()) SetMenu(bar->hWnd(), bar->hMenu());
    if (bar->hWnd()) DrawMenuBar(bar->hWnd());
  }
}

}  // namespace vellum
