#include "items/sub_menu.hpp"

#include "accel/accelerator.hpp"
#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "model/library_state.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "native/handle_object.hpp"
#include "native/menu_import.hpp"
#include "native/menu_wnd_proc.hpp"
#include "native/native_sync.hpp"
#include "platform/automation/bag_section.hpp"
#include "platform/platform.hpp"
#include "render/item_visual_properties.hpp"

namespace vellum {
namespace {

using namespace platform;

// Positions of a popup's list are numbers of the integer types only: a Double is not one.
bool IsIntegerPosition(const Variant& value) {
  return value.Type() == VariantType::Integer || value.Type() == VariantType::Long ||
         value.Type() == VariantType::Byte;
}

[[maybe_unused]] const bool kPersistable = (RegisterPersistable<SubMenu>(), true);

Ref<MenuItem> ItemOf(const Collection& list, const Variant& indexKey) {
  Ref<MenuItem> item;
  IgnoringErrors([&] { item = AsMenuItem(list.Item(indexKey)); });
  return item;
}

}  // namespace

Ref<SubMenu> SubMenu::New() {
  return ObjectFactory::Make<SubMenu>();
}

void SubMenu::Created() {
  Menu::Created();
  sidebar_ = vellum::Sidebar::New();
  sidebar_->SetParent(Self<SubMenu>());
}

// A registered popup is held by the active set, so this runs only for a popup that is not (or
// no longer) registered: destroying the handle takes its entries and submenus with it.
SubMenu::~SubMenu() {
  if (hMenu_ != 0) DestroyMenu(hMenu_);
}

Ref<vellum::Accelerators> SubMenu::Accelerators() const {
  return parent_.lock() ? accelerators_ : nullptr;
}

void SubMenu::Font(const Ref<StdFont>& font) {
  font_ = font;
  if (const Ref<Menu> parent = AsMenu(parent_.lock()); parent && parent->MenuType() == mtcMenubar) {
    IgnoringErrors([&] { DrawMenuBar(parent->hWnd()); });
  }
}

void SubMenu::ApplyMenuInfo(DWORD mask, DWORD style, UINT cyMax) {
  MENUINFO info;
  info.cbSize = MENUINFO_SIZE;
  info.fMask = mask;
  info.dwStyle = style;
  info.cyMax = cyMax;
  SetMenuInfo(hMenu_, &info);
}

std::int32_t SubMenu::MaxHeight() {
  if (hMenu_ != 0) {
    MENUINFO info;
    info.cbSize = MENUINFO_SIZE;
    info.fMask = MIM_MAXHEIGHT;
    if (GetMenuInfo(hMenu_, &info)) maxHeight_ = static_cast<std::int32_t>(info.cyMax);
  }
  return maxHeight_;
}

void SubMenu::MaxHeight(std::int32_t value) {
  maxHeight_ = value;
  if (hMenu_ != 0) ApplyMenuInfo(MIM_MAXHEIGHT, 0, static_cast<UINT>(value));
}

bool SubMenu::AutoDismiss() {
  if (hMenu_ != 0) {
    MENUINFO info;
    info.cbSize = MENUINFO_SIZE;
    info.fMask = MIM_STYLE;
    if (GetMenuInfo(hMenu_, &info)) autoDismiss_ = (info.dwStyle & MNS_AUTODISMISS) != 0;
  }
  return autoDismiss_;
}

void SubMenu::AutoDismiss(bool value) {
  autoDismiss_ = value;
  // The other style bits are cleared on purpose.
  if (hMenu_ != 0) ApplyMenuInfo(MIM_STYLE, value ? MNS_AUTODISMISS : 0, 0);
}

void SubMenu::LargeIcons(bool value) {
  if (value == largeIcons_) return;
  largeIcons_ = value;
  RebuildNativeMenu(*this);
}

Ref<Object> SubMenu::TopMostParent() {
  const Ref<Object> parent = parent_.lock();
  return parent ? TopMostParentOf(parent) : Self<SubMenu>();
}

Ref<MenuItem> SubMenu::ResolveAnchor(const Variant& insertAfter) {
  if (insertAfter.IsString()) return Item(insertAfter);
  if (insertAfter.IsObject()) return AsMenuItem(insertAfter);
  Ref<MenuItem> anchor;
  IgnoringErrors([&] {
    const std::int32_t id = insertAfter.ToLong();
    if (const Ref<Menus> active = Library().activeMenus) {
      anchor = std::dynamic_pointer_cast<MenuItem>(active->SearchRecursive(Self<SubMenu>(), id));
    }
  });
  return anchor;
}

Ref<MenuItem> SubMenu::Add(const String& caption, const Ref<Object>& picture, const String& key,
                           const Variant& insertAfter, HWND hWndList) {
  const auto keepAlive = Self<SubMenu>();

  // Placement: an anchor in another menu hands the call to that menu.
  Ref<MenuItem> after;
  if (!insertAfter.IsMissing() && hWndList == 0) {
    after = ResolveAnchor(insertAfter);
    if (!after) return nullptr;
    const Ref<Object> anchorParent = after->Parent();
    if (anchorParent.get() != this) {
      Ref<MenuItem> delegated;
      IgnoringErrors([&] {
        const Ref<Menu> menu = AsMenu(anchorParent);
        if (menu && menu->MenuType() == mtcPopup) {
          delegated = static_cast<SubMenu&>(*menu).Add(caption, picture, key, after, hWndList);
        } else if (menu && menu->MenuType() == mtcMenubar) {
          delegated = static_cast<Menubar&>(*menu).Add(caption, picture, key, after);
        } else if (anchorParent) {
          delegated = AddThroughParent(anchorParent, caption, picture, key, after);
        }
      });
      return delegated;
    }
  }

  const Ref<MenuItem> item = StartItem();
  if (hWndList != 0 && windowList_) {
    AddWindowListEntry(item, hWndList);
  } else {
    PlaceItem(item, key, after);
  }
  FinishItem(item, caption, picture);
  // The owning entry above now carries a submenu: measure it again.
  IgnoringErrors([&] { ReinsertNativeItem(itemId_, false, nullptr); });
  return item;
}

Ref<MenuItem> SubMenu::StartItem() {
  const auto self = Self<SubMenu>();
  const Ref<MenuItem> item = MenuItem::New();
  if (hMenu_ == 0) Create();
  HangUnderOwningEntry();
  IgnoringErrors([&] { item->SetParent(self); });
  IgnoringErrors([&] { item->Accelerator()->AttachToTable(accelerators_); });
  IgnoringErrors([&] { item->SetRightToLeft(rightToLeft_); });
  return item;
}

void SubMenu::PlaceItem(const Ref<MenuItem>& item, const String& key, const Ref<MenuItem>& after) {
  item->Key(key.empty() ? DefaultKey(static_cast<std::uint32_t>(item->ItemId())) : key);
  after ? InsertAfterAnchor(item, after) : Append(item);
}

void SubMenu::FinishItem(const Ref<MenuItem>& item, const String& caption,
                         const Ref<Object>& picture) {
  IgnoringErrors([&] { item->Caption(caption); });
  if (picture) IgnoringErrors([&] { item->Picture(picture); });
  IgnoringErrors([&] { ApplyFlatSelection(*item, false); });
  item->ResumeUpdates();
  IgnoringErrors([&] { item->UpdateNative(true); });
}

// Hangs this popup under the entry of its owning item in the menu above.
void SubMenu::HangUnderOwningEntry() {
  const Ref<Menu> parent = AsMenu(parent_.lock());
  if (!parent) return;
  MENUITEMINFOW record;
  record.fMask = MIIM_SUBMENU;
  record.wID = static_cast<UINT>(itemId_);
  record.hSubMenu = hMenu_;
  SetItemInfo(parent->hMenu(), static_cast<UINT>(itemId_), false, record);
}

void SubMenu::AddWindowListEntry(const Ref<MenuItem>& item, HWND hWndList) {
  LibraryState& state = Library();
  if (!state.windowList) state.windowList = Collection::New();
  // The child window's handle is the entry's command ID.
  IgnoringErrors([&] { item->SetItemId(static_cast<std::int32_t>(hWndList)); });
  item->Key(DefaultKey(hWndList));
  item->SetIndex(items_->Count() + state.windowList->Count());
  IgnoringErrors([&] { state.windowList->Add(item, item->Key()); });
  AppendMenuA(hMenu_, MF_OWNERDRAW, hWndList, nullptr);
}

void SubMenu::InsertAfterAnchor(const Ref<MenuItem>& item, const Ref<MenuItem>& after) {
  IgnoringErrors([&] { items_->Add(item, item->Key(), Missing, after->Index() + 1); });
  RelinkItems(*this);
  const UINT position = NativePosition(*after) + 1;
  InsertMenuA(hMenu_, position, MF_BYPOSITION | MF_OWNERDRAW,
              static_cast<UINT_PTR>(static_cast<UINT>(item->ItemId())), nullptr);
}

void SubMenu::Append(const Ref<MenuItem>& item) {
  if (const Ref<MenuItem> last =
          AsMenuItem(items_->Count() ? items_->Item(items_->Count()) : Variant())) {
    item->SetPrevItem(last);
    last->SetNextItem(item);
  }
  item->SetIndex(items_->Count());
  AppendMenuA(hMenu_, MF_OWNERDRAW, static_cast<UINT_PTR>(static_cast<UINT>(item->ItemId())),
              nullptr);
  // A duplicate key fails here silently: the item keeps its entry but is not listed.
  IgnoringErrors([&] { items_->Add(item, item->Key()); });
}

Ref<MenuItem> SubMenu::Item(const Variant& indexKey) const {
  const Ref<Collection>& windowList = Library().windowList;
  if (IsIntegerPosition(indexKey)) {
    const std::int32_t n = indexKey.ToLong();
    if (n >= 1 && n <= items_->Count()) return ItemOf(*items_, n);
    if (windowList_ && n > items_->Count() && windowList) {
      return ItemOf(*windowList, n - items_->Count());
    }
    return nullptr;
  }
  if (indexKey.IsString()) {
    if (Ref<MenuItem> item = ItemOf(*items_, indexKey)) return item;
    return windowList_ && windowList ? ItemOf(*windowList, indexKey) : nullptr;
  }
  return nullptr;
}

Ref<SubMenu> SubMenu::SubMenuOf(const Variant& indexKey) const {
  const Ref<MenuItem> item = Item(indexKey);
  return item ? item->SubMenu() : nullptr;
}

std::int32_t SubMenu::Count() const {
  const Ref<Collection>& windowList = Library().windowList;
  return items_->Count() + (windowList_ && windowList ? windowList->Count() : 0);
}

void SubMenu::Remove(const Variant& indexKey) {
  if (!IsIntegerPosition(indexKey) && !indexKey.IsString()) return;
  const Variant removed = items_->Item(indexKey);  // 5 or 9 when absent: nothing changes
  items_->Remove(indexKey);
  RelinkItems(*this);
}

void SubMenu::Clear() {
  for (const Ref<MenuItem>& item : ItemList()) {
    item->SubMenu()->Destroy();
    item->RemoveNative();
  }
  items_ = Collection::New();
}

Ref<Object> SubMenu::Search(const Variant& indexKey) {
  const std::int32_t id = indexKey.ToLong();
  const Ref<Menus> active = Library().activeMenus;
  return active ? active->SearchRecursive(Self<SubMenu>(), id) : nullptr;
}

void SubMenu::ClearWindowList() {
  LibraryState& state = Library();
  if (!state.windowList || state.windowList->Count() == 0) return;
  for (const Variant& entry : state.windowList->Items()) {
    if (const Ref<MenuItem> item = AsMenuItem(entry)) item->RemoveNative();
  }
  state.windowList = Collection::New();
}

void SubMenu::Popup(HWND hWnd, bool recurse, std::int32_t x, std::int32_t y) {
  if (hMenu_ == 0) return;
  const auto self = Self<SubMenu>();
  const Ref<Menu> top = AsMenu(TopMostParent());
  const HWND barWindow = top && top->MenuType() == mtcMenubar ? top->hWnd() : 0;
  if (hWnd == 0) {
    if (barWindow != 0) TrackPopupMenu(hMenu_, 0, x, y, 0, barWindow, nullptr);
    return;
  }
  const UINT flags = recurse ? TPM_RECURSE : 0;
  if (PreviousWindowProc(hWnd) != 0) {
    TrackPopupMenu(hMenu_, flags, x, y, 0, hWnd, nullptr);
    return;
  }
  AttachWindow(hWnd, MenuWndProc, hMenu_);
  const auto chosen =
      static_cast<WPARAM>(TrackPopupMenu(hMenu_, flags | TPM_RETURNCMD, x, y, 0, hWnd, nullptr));
  ReleaseWindow(hWnd);
  ExecCmd(chosen, WM_COMMAND);
}

void SubMenu::Create() {
  if (hMenu_ != 0) return;
  hMenu_ = CreatePopupMenu();
  IgnoringErrors([&] { Menus::RegisterMenu(*this); });
  // A band shown before the popup had a native menu gets its entries now.
  if (sidebar_ && sidebar_->Visible()) IgnoringErrors([&] { sidebar_->Reinsert(); });
}

void SubMenu::Subclass(HMENU hMenu, bool tagOriginalIDs, TranslateItemDataConstants translate) {
  if (hMenu_ != 0) return;
  const auto keepAlive = Self<SubMenu>();
  parent_.reset();
  IgnoringErrors([&] { CopyNativePopup(hMenu, *this, true, tagOriginalIDs, translate); });
}

void SubMenu::CopyMenu(HMENU hMenu, bool tagOriginalIDs, TranslateItemDataConstants translate) {
  const auto keepAlive = Self<SubMenu>();
  CopyNativePopup(hMenu, *this, false, tagOriginalIDs, translate);
}

void SubMenu::Destroy() {
  const auto keepAlive = Self<SubMenu>();
  if (sidebar_) {
    IgnoringErrors([&] { sidebar_->RemoveNative(); });
    sidebar_.reset();
  }
  DropItems();
  if (hMenu_ != 0) {
    IgnoringErrors([&] { Menus::UnregisterMenu(*this); });
    DestroyMenu(hMenu_);
    hMenu_ = 0;
  }
}

void SubMenu::SetParent(const Ref<Object>& parent) {
  const Ref<Menu> menu = AsMenu(parent);
  if (!menu || (menu->MenuType() != mtcMenubar && menu->MenuType() != mtcPopup)) return;
  parent_ = menu;
  font_ = menu->Font();
}

void SubMenu::SaveProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const BagSection bag(PropBag, Prefix);
  bag.Write(u"ItemId", itemId_);
  bag.Write(u"RightToLeft", rightToLeft_);
  bag.Write(u"AutoDismiss", AutoDismiss());
  bag.Write(u"MaxHeight", MaxHeight());
  bag.Write(u"LargeIcons", largeIcons_);
  bag.Write(u"Key", key_);
  bag.WriteObject(u"Font", font_);
  SaveItems(bag);
  SaveSidebar(bag);
}

void SubMenu::LoadProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const auto keepAlive = Self<SubMenu>();
  const BagSection bag(PropBag, Prefix);
  // The popup of an item carries the item's command ID: its entry is found by it.
  const std::int32_t savedId = bag.ReadLong(u"ItemId", itemId_);
  if (!parent_.lock()) itemId_ = savedId;
  rightToLeft_ = bag.ReadBool(u"RightToLeft", rightToLeft_);
  maxHeight_ = bag.ReadLong(u"MaxHeight", maxHeight_);
  autoDismiss_ = bag.ReadBool(u"AutoDismiss", autoDismiss_);
  largeIcons_ = bag.ReadBool(u"LargeIcons", largeIcons_);
  key_ = bag.ReadString(u"Key", key_);
  font_ = bag.ReadObject(u"Font", font_);
  const std::int32_t count = bag.ReadLong(u"Count", 0);
  Clear();
  // Registered before the popups below it, as when it was built.
  if (count > 0) Create();
  LoadThenFinish([&] {
    LoadItems(bag, count);
    LoadSidebar(bag);
  });
}

void SubMenu::SaveSidebar(const BagSection& bag) const {
  bag.Write(u"HasSidebar", sidebar_ != nullptr);
  if (sidebar_) sidebar_->SaveProperties(bag.Bag(), bag.Key(u"Sidebar"));
}

void SubMenu::LoadSidebar(const BagSection& bag) {
  if (!bag.ReadBool(u"HasSidebar", false)) return;
  // The old band's entries go with it.
  if (sidebar_) IgnoringErrors([&] { sidebar_->RemoveNative(); });
  sidebar_ = vellum::Sidebar::New();
  sidebar_->SetParent(Self<SubMenu>());
  sidebar_->LoadProperties(bag.Bag(), bag.Key(u"Sidebar"));
}

void SubMenu::ApplyStoredMenuInfo() {
  ApplyMenuInfo(MIM_MAXHEIGHT, 0, static_cast<UINT>(maxHeight_));
  ApplyMenuInfo(MIM_STYLE, autoDismiss_ ? MNS_AUTODISMISS : 0, 0);
}

void SubMenu::PrepareNativeMenu() {
  if (hMenu_ == 0 && sidebar_ && sidebar_->Visible()) Create();
  if (hMenu_ == 0) return;
  // Otherwise the native menu's values would replace the loaded ones when next read.
  ApplyStoredMenuInfo();
  HangUnderOwningEntry();
}

LRESULT SubMenu::ExecCmd(WPARAM wParam, UINT message) {
  const auto self = Self<SubMenu>();
  const Ref<Menus> active = Library().activeMenus;
  if (message == WM_INITMENUPOPUP) {
    IgnoringErrors([&] {
      if (static_cast<HMENU>(wParam) == hMenu_) {
        Announce(BuddyMethod(u"Initialize").c_str(), Initialize);
        return;
      }
      const Ref<SubMenu> opened =
          active
              ? std::dynamic_pointer_cast<SubMenu>(active->MenuByHandle(static_cast<HMENU>(wParam)))
              : nullptr;
      // Raised only for popups below this one.
      if (IsBelow(opened, self)) {
        Announce(BuddyMethod(u"SubmenuInitialize").c_str(), SubmenuInitialize, opened);
      }
    });
  } else if (IsChoice(message)) {
    const Ref<Object> found =
        active ? active->SearchRecursive(self, static_cast<std::int32_t>(wParam)) : nullptr;
    const bool right = message == WM_MENURBUTTONUP;
    if (std::dynamic_pointer_cast<vellum::Sidebar>(found)) {
      IgnoringErrors([&] {
        right ? Announce(BuddyMethod(u"SidebarRightClick").c_str(), SidebarRightClick)
              : Announce(BuddyMethod(u"SidebarClick").c_str(), SidebarClick);
      });
    } else if (const Ref<MenuItem> item = std::dynamic_pointer_cast<MenuItem>(found)) {
      IgnoringErrors([&] { AnnounceItem(item, wParam, right); });
    } else {
      return 0;  // not below this popup: nothing is passed on
    }
  }
  // The top of the tree raises its own events; popups in between are not told.
  if (parent_.lock()) {
    const Ref<Object> top = TopMostParent();
    if (top != self) RouteToMenu(top, wParam, message);
  }
  return 0;
}

bool SubMenu::IsChoice(UINT message) const {
  return message == WM_COMMAND || message == WM_MENURBUTTONUP;
}

void SubMenu::AnnounceItem(const Ref<MenuItem>& item, WPARAM /*id*/, bool right) {
  right ? Announce(BuddyMethod(u"ItemRightClick").c_str(), ItemRightClick, item)
        : Announce(BuddyMethod(u"UserCommand").c_str(), UserCommand, item);
}

String SubMenu::BuddyMethod(StringView event) const {
  return String(BuddyPrefix()) + String(event);
}

Ref<MenuItem> AddThroughParent(const Ref<Object>& parent, const String& caption,
                               const Ref<Object>& picture, const String& key,
                               const Ref<MenuItem>& after) {
  return AsMenuItem(parent->Invoke(
      u"Add", CallType::Method,
      {caption, picture ? Variant(picture) : Variant::Nothing(), key, Variant(after)}));
}

const MemberTable& SubMenu::Members() const {
  static const MemberTable table(
      {
          ReadOnly(u"Sidebar", &SubMenu::Sidebar),
          ReadOnly(u"WindowList", &SubMenu::WindowList),
          ReadOnly(u"Accelerators", &SubMenu::Accelerators),
          Custom<SubMenu>(u"MaxHeight", CallTypes::Get | CallTypes::Let,
                          [](SubMenu& self, Invocation& call) -> Variant {
                            if (!call.IsAssignment()) return self.MaxHeight();
                            self.MaxHeight(call.Value().ToLong());
                            return {};
                          }),
          Custom<SubMenu>(u"AutoDismiss", CallTypes::Get | CallTypes::Let,
                          [](SubMenu& self, Invocation& call) -> Variant {
                            if (!call.IsAssignment()) return self.AutoDismiss();
                            self.AutoDismiss(call.Value().ToBool());
                            return {};
                          }),
          Property(u"LargeIcons", &SubMenu::LargeIcons, &SubMenu::LargeIcons),
          ReadOnly(u"Parent", &SubMenu::Parent),
          Custom<SubMenu>(u"Add",
                          [](SubMenu& self, Invocation& call) {
                            members::CheckArgumentCount(call, 5);
                            const Variant& picture = call.Arg(1);
                            const Variant& key = call.Arg(2);
                            const Variant& hWndList = call.Arg(4);
                            return Variant(self.Add(
                                call.Required(0).ToString(),
                                picture.IsObject() ? picture.ToObject() : nullptr,
                                key.IsMissing() ? String() : key.ToString(), call.Arg(3),
                                hWndList.IsMissing() ? 0 : static_cast<HWND>(hWndList.ToLong())));
                          }),
          ReadOnly(u"Item", &SubMenu::Item),
          ReadOnly(u"SubMenu", &SubMenu::SubMenuOf),
          Method(u"Remove", &SubMenu::Remove),
          Method(u"Clear", &SubMenu::Clear),
          Method(u"Search", &SubMenu::Search),
          Method(u"ClearWindowList", &SubMenu::ClearWindowList),
          Custom<SubMenu>(u"Popup",
                          [](SubMenu& self, Invocation& call) {
                            members::CheckArgumentCount(call, 4);
                            const auto number = [&](std::size_t i) {
                              return call.Arg(i).IsMissing() ? 0 : call.Arg(i).ToLong();
                            };
                            self.Popup(static_cast<HWND>(call.Required(0).ToLong()),
                                       !call.Arg(1).IsMissing() && call.Arg(1).ToBool(), number(2),
                                       number(3));
                            return Variant();
                          }),
          Method(u"Create", &SubMenu::Create),
          Method(u"Destroy", &SubMenu::Destroy),
          ImportMember(u"Subclass", &SubMenu::Subclass),
          ImportMember(u"CopyMenu", &SubMenu::CopyMenu),
      },
      &Menu::Members(), u"Item");
  return table;
}

const EventTable& SubMenu::Events() const {
  static const EventTable table(
      {
          EventMember(u"Initialize", &SubMenu::Initialize, {}),
          EventMember(u"UserCommand", &SubMenu::UserCommand, {u"Item"}),
          EventMember(u"ItemRightClick", &SubMenu::ItemRightClick, {u"Item"}),
          EventMember(u"SubmenuInitialize", &SubMenu::SubmenuInitialize, {u"SubMenu"}),
          EventMember(u"SidebarClick", &SubMenu::SidebarClick, {}),
          EventMember(u"SidebarRightClick", &SubMenu::SidebarRightClick, {}),
      },
      &Object::Events());
  return table;
}

}  // namespace vellum
