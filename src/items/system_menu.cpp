#include "items/system_menu.hpp"

#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "model/menus.hpp"
#include "native/handle_object.hpp"
#include "native/menu_import.hpp"
#include "native/menu_wnd_proc.hpp"
#include "platform/automation/bag_section.hpp"
#include "platform/platform.hpp"

namespace vellum {

using namespace platform;

namespace {
[[maybe_unused]] const bool kPersistable = (RegisterPersistable<SystemMenu>(), true);
}  // namespace

Ref<SystemMenu> SystemMenu::New() {
  return ObjectFactory::Make<SystemMenu>();
}

void SystemMenu::Created() {
  // An ID and a table, but no sidebar: one comes only from a saved menu.
  Menu::Created();
}

void SystemMenu::MaxHeight(std::int32_t value) {
  if (value == maxHeight_) return;
  SubMenu::MaxHeight(value);
}

Ref<MenuItem> SystemMenu::Add(const String& caption, const Ref<Object>& picture, const String& key,
                              const Variant& insertAfter) {
  const auto keepAlive = Self<SystemMenu>();
  Ref<MenuItem> after;
  if (!insertAfter.IsMissing()) {
    after = ResolveAnchor(insertAfter);
    if (!after) return nullptr;
    // An anchor in another menu hands the call to that menu.
    if (const Ref<Object> parent = after->Parent(); parent.get() != this) {
      Ref<MenuItem> delegated;
      if (parent) {
        IgnoringErrors([&] { delegated = AddThroughParent(parent, caption, picture, key, after); });
      }
      return delegated;
    }
  }
  const Ref<MenuItem> item = StartItem();
  PlaceItem(item, key, after);
  FinishItem(item, caption, picture);
  return item;
}

Ref<MenuItem> SystemMenu::Item(const Variant& indexKey) const {
  Ref<MenuItem> item;
  IgnoringErrors([&] { item = AsMenuItem(items_->Item(indexKey)); });
  return item;
}

void SystemMenu::Clear() {
  DropItems();
}

void SystemMenu::Subclass(HWND hWnd, bool revertMenu) {
  if (hMenu_ != 0) return;
  const auto self = Self<SystemMenu>();
  IgnoringErrors([&] { ImportSystemMenu(hWnd, *this, revertMenu, tdNone); });
  if (hWnd_ == 0) return;
  IgnoringErrors([&] { Menus::RegisterMenu(*this); });
  IgnoringErrors([&] {
    AttachWindow(hWnd_, MenuWndProc, hMenu_);
    attached_ = true;
  });
}

void SystemMenu::Unsubclass() {
  if (hMenu_ == 0 || hWnd_ == 0) return;
  const auto self = Self<SystemMenu>();
  Destroy();
  hWnd_ = 0;
}

void SystemMenu::Destroy() {
  const auto self = Self<SystemMenu>();
  const bool heldWindowsMenu = hWnd_ != 0 && hMenu_ != 0;
  if (attached_) {
    attached_ = false;
    ReleaseWindow(hWnd_);
  }
  SubMenu::Destroy();
  if (heldWindowsMenu) GetSystemMenu(hWnd_, TRUE);
}

void SystemMenu::CopySystemMenu(HWND hWnd, TranslateItemDataConstants translate) {
  if (hMenu_ != 0) return;
  const auto self = Self<SystemMenu>();
  IgnoringErrors([&] { ImportSystemMenu(hWnd, *this, true, translate); });
}

void SystemMenu::Popup(HWND hWnd, bool recurse) {
  if (hWnd == 0) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  SubMenu::Popup(hWnd, recurse, cursor.x, cursor.y);
}

void SystemMenu::SaveProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const BagSection bag(PropBag, Prefix);
  bag.Write(u"ItemId", itemId_);
  bag.Write(u"RightToLeft", rightToLeft_);
  bag.Write(u"NoSysCommand", noSysCommand_);
  bag.Write(u"LargeIcons", LargeIcons());
  bag.Write(u"AutoDismiss", AutoDismiss());
  bag.Write(u"MaxHeight", MaxHeight());
  bag.Write(u"Key", key_);
  bag.WriteObject(u"Font", font_);
  SaveItems(bag);
  SaveSidebar(bag);
}

void SystemMenu::LoadProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const auto keepAlive = Self<SystemMenu>();
  const BagSection bag(PropBag, Prefix);
  itemId_ = bag.ReadLong(u"ItemId", itemId_);
  rightToLeft_ = bag.ReadBool(u"RightToLeft", rightToLeft_);
  noSysCommand_ = bag.ReadBool(u"NoSysCommand", noSysCommand_);
  largeIcons_ = bag.ReadBool(u"LargeIcons", largeIcons_);
  maxHeight_ = bag.ReadLong(u"MaxHeight", maxHeight_);
  autoDismiss_ = bag.ReadBool(u"AutoDismiss", autoDismiss_);
  key_ = bag.ReadString(u"Key", key_);
  font_ = bag.ReadObject(u"Font", font_);
  const std::int32_t count = bag.ReadLong(u"Count", 0);
  Clear();
  LoadThenFinish([&] {
    LoadItems(bag, count);
    LoadSidebar(bag);
  });
}

void SystemMenu::PrepareNativeMenu() {
  // Its native menu is a window's, taken over by Subclass; a loaded one has none of its own.
  if (hMenu_ != 0) ApplyStoredMenuInfo();
}

bool SystemMenu::IsChoice(UINT message) const {
  return message == WM_SYSCOMMAND || SubMenu::IsChoice(message);
}

void SystemMenu::AnnounceItem(const Ref<MenuItem>& item, WPARAM id, bool right) {
  if (right) {
    Announce(BuddyMethod(u"ItemRightClick").c_str(), ItemRightClick, item);
  } else if (IsSystemCommand(static_cast<UINT>(id)) != 0) {
    Announce(BuddyMethod(u"SysCommand").c_str(), SysCommand, item);
  } else {
    Announce(BuddyMethod(u"UserCommand").c_str(), UserCommand, item);
  }
}

const MemberTable& SystemMenu::Members() const {
  using SM = SystemMenu;
  static const MemberTable table(
      {
          Property(u"NoSysCommand", &SM::NoSysCommand, &SM::NoSysCommand),
          ReadOnly(u"WindowList", &SM::WindowList),
          ReadOnly(u"Accelerators", &SM::Accelerators),
          Custom<SM>(u"MaxHeight", CallTypes::Get | CallTypes::Let,
                     [](SM& self, Invocation& call) -> Variant {
                       if (!call.IsAssignment()) return self.MaxHeight();
                       self.MaxHeight(call.Value().ToLong());
                       return {};
                     }),
          Custom<SM>(u"AutoDismiss", CallTypes::Get | CallTypes::Let,
                     [](SM& self, Invocation& call) -> Variant {
                       if (!call.IsAssignment()) return self.AutoDismiss();
                       self.AutoDismiss(call.Value().ToBool());
                       return {};
                     }),
          Property(u"LargeIcons", &SM::LargeIcons, &SM::LargeIcons),
          ReadOnly(u"Parent", &SM::Parent),
          ReadOnly(u"Sidebar", &SM::Sidebar),
          Custom<SM>(u"Add",
                     [](SM& self, Invocation& call) {
                       members::CheckArgumentCount(call, 4);
                       const Variant& picture = call.Arg(1);
                       const Variant& key = call.Arg(2);
                       return Variant(self.Add(call.Required(0).ToString(),
                                               picture.IsObject() ? picture.ToObject() : nullptr,
                                               key.IsMissing() ? String() : key.ToString(),
                                               call.Arg(3)));
                     }),
          ReadOnly(u"Item", &SM::Item),
          ReadOnly(u"SubMenu", &SM::SubMenuOf),
          Method(u"Remove", &SM::Remove),
          Method(u"Clear", &SM::Clear),
          Method(u"Search", &SM::Search),
          Method(u"ClearWindowList", &SM::ClearWindowList),
          Custom<SM>(u"Subclass",
                     [](SM& self, Invocation& call) {
                       members::CheckArgumentCount(call, 2);
                       self.Subclass(static_cast<HWND>(call.Required(0).ToLong()),
                                     !call.Arg(1).IsMissing() && call.Arg(1).ToBool());
                       return Variant();
                     }),
          Method(u"Unsubclass", &SM::Unsubclass),
          Custom<SM>(u"CopySystemMenu",
                     [](SM& self, Invocation& call) {
                       members::CheckArgumentCount(call, 2);
                       self.CopySystemMenu(
                           static_cast<HWND>(call.Required(0).ToLong()),
                           call.Arg(1).IsMissing()
                               ? tdNone
                               : static_cast<TranslateItemDataConstants>(call.Arg(1).ToLong()));
                       return Variant();
                     }),
          Custom<SM>(u"Popup",
                     [](SM& self, Invocation& call) {
                       members::CheckArgumentCount(call, 2);
                       self.Popup(static_cast<HWND>(call.Required(0).ToLong()),
                                  !call.Arg(1).IsMissing() && call.Arg(1).ToBool());
                       return Variant();
                     }),
          Method(u"Create", &SM::Create),
          Method(u"Destroy", &SM::Destroy),
      },
      &Menu::Members(), u"Item");
  return table;
}

const EventTable& SystemMenu::Events() const {
  using SM = SystemMenu;
  static const EventTable table(
      {
          EventMember(u"Initialize", &SM::Initialize, {}),
          EventMember(u"UserCommand", &SM::UserCommand, {u"Item"}),
          EventMember(u"SysCommand", &SM::SysCommand, {u"Item"}),
          EventMember(u"ItemRightClick", &SM::ItemRightClick, {u"Item"}),
          EventMember(u"SubmenuInitialize", &SM::SubmenuInitialize, {u"SubMenu"}),
          EventMember(u"SidebarClick", &SM::SidebarClick, {}),
          EventMember(u"SidebarRightClick", &SM::SidebarRightClick, {}),
      },
      &Object::Events());
  return table;
}

}  // namespace vellum
