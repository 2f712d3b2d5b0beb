#include "model/menu.hpp"

#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "model/image_columns.hpp"
#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "native/native_sync.hpp"
#include "platform/automation/bag_section.hpp"
#include "platform/platform.hpp"

namespace vellum {

Menu::~Menu() = default;

void Menu::Created() {
  itemId_ = NextItemId();
  accelerators_ = Accelerators::New();
  accelerators_->SetOwnerMenu(Self<Menu>());
}

Ref<MenuItem> Menu::Child() const {
  return items_->Count() > 0 ? AsMenuItem(items_->Item(1)) : nullptr;
}

bool Menu::AnyItemVisible() const {
  for (const Ref<MenuItem>& item : ItemList()) {
    if (item->Visible()) return true;
  }
  return false;
}

std::vector<Ref<MenuItem>> Menu::ItemList() const {
  std::vector<Ref<MenuItem>> items;
  items.reserve(static_cast<std::size_t>(items_->Count()));
  for (const Variant& value : items_->Items()) {
    if (Ref<MenuItem> item = AsMenuItem(value)) items.push_back(std::move(item));
  }
  return items;
}

void Menu::SetImageMax(std::int32_t left, std::int32_t right) {
  imageMaxLeft_ = left;
  imageMaxRight_ = right;
}

void Menu::DropItems() {
  for (const Ref<MenuItem>& item : ItemList()) {
    IgnoringErrors([&] { item->SubMenu()->Destroy(); });
    IgnoringErrors([&] { item->RemoveNative(); });
  }
  items_ = Collection::New();
}

void Menu::AdoptHandle(platform::HMENU hMenu) {
  const auto keepAlive = shared_from_this();
  DropItems();
  if (hMenu_ != 0) {
    IgnoringErrors([&] { Menus::UnregisterMenu(*this); });
    if (hMenu_ != hMenu) platform::DestroyMenu(hMenu_);
    // A key made from the old handle names the new one instead.
    if (key_ == DefaultKey(hMenu_)) key_.clear();
  }
  hMenu_ = hMenu;
  if (hMenu_ != 0) IgnoringErrors([&] { Menus::RegisterMenu(*this); });
}

void Menu::ClearRadioGroup() {
  for (const Ref<MenuItem>& item : ItemList()) {
    if (item->RadioGroup()) item->Checked(false);
  }
}

void Menu::SaveItems(const BagSection& bag) const {
  const std::vector<Ref<MenuItem>> items = ItemList();
  bag.Write(u"Count", static_cast<std::int32_t>(items.size()));
  for (std::size_t n = 1; n <= items.size(); ++n) {
    items[n - 1]->SaveProperties(bag.Bag(),
                                 bag.Key(Numbered(u"Item", static_cast<std::int32_t>(n))));
  }
}

void Menu::LoadItems(const BagSection& bag, std::int32_t count) {
  const Ref<Menu> self = Self<Menu>();
  for (std::int32_t n = 1; n <= count; ++n) {
    const Ref<MenuItem> item = MenuItem::New();
    item->SetParent(self);
    item->SetIndex(n - 1);
    item->LoadProperties(bag.Bag(), bag.Key(Numbered(u"Item", n)));
    items_->Add(item, item->Key().empty() ? Missing : Variant(item->Key()));
  }
}

void Menu::FinishLoad() {
  const auto self = Self<Menu>();
  accelerators_ = vellum::Accelerators::New();
  accelerators_->SetOwnerMenu(self);
  // Linked first: the rebuild finds each item through the links.
  RelinkItems(*this);
  PrepareNativeMenu();
  if (hMenu_ != 0) RebuildNativeMenu(*this);
  // The picture columns follow the loaded items, as they follow each item that is refreshed.
  IgnoringErrors([&] { ComputeImageColumns(*this); });
}

const MemberTable& Menu::Members() const {
  static const MemberTable table(
      {
          ReadOnly(u"hMenu", &Menu::hMenu),
          ReadOnly(u"hWnd", &Menu::hWnd),
          ReadOnly(u"ItemId", &Menu::ItemId),
          Property(u"Key", &Menu::Key, &Menu::Key),
          Property(u"Font", &Menu::Font, &Menu::Font),
          Property(u"RightToLeft", &Menu::RightToLeft, &Menu::RightToLeft),
          ReadOnly(u"ImageMax_Left", &Menu::ImageMax_Left),
          ReadOnly(u"ImageMax_Right", &Menu::ImageMax_Right),
          Property(u"BuddyObject", &Menu::BuddyObject, &Menu::BuddyObject),
          ReadOnly(u"Count", &Menu::Count),
          ReadOnly(u"NewEnum", &Menu::NewEnum),
          ReadOnly(u"Child", &Menu::Child),
          ReadOnly(u"AnyItemVisible", &Menu::AnyItemVisible),
          Custom<Menu>(u"TopMostParent", CallTypes::Get,
                       [](Menu& self, Invocation& call) {
                         members::CheckArgumentCount(call, 0);
                         return Variant(self.TopMostParent());
                       }),
          SavePropertiesMember<Menu>(),
          LoadPropertiesMember<Menu>(),
      },
      &Object::Members());
  return table;
}

void RouteToMenu(const Ref<Object>& menu, platform::WPARAM wParam, platform::UINT message) {
  if (const Ref<Menu> typed = AsMenu(menu)) {
    IgnoringErrors([&] { typed->ExecCmd(wParam, message); });
  } else if (menu) {
    std::vector<Variant> args{Variant(static_cast<std::int32_t>(wParam)),
                              Variant(static_cast<std::int32_t>(message))};
    IgnoringErrors([&] { menu->Invoke(u"ExecCmd", CallType::Method, args); });
  }
}

Ref<Object> TopMostParentOf(const Ref<Object>& parent) {
  if (!parent) return nullptr;
  if (const Ref<Menu> menu = AsMenu(parent)) return menu->TopMostParent();
  Ref<Object> top;
  IgnoringErrors([&] { top = parent->Invoke(u"TopMostParent", CallType::PropertyGet).ToObject(); });
  return top;
}

bool IsBelow(const Ref<SubMenu>& popup, const Ref<Object>& menu) {
  for (Ref<Object> up = popup ? popup->Parent() : nullptr; up;) {
    if (up == menu) return true;
    const auto above = std::dynamic_pointer_cast<SubMenu>(up);
    up = above ? above->Parent() : nullptr;
  }
  return false;
}

Ref<MenuItem> AsMenuItem(const Variant& value) {
  return value.IsObject() ? std::dynamic_pointer_cast<MenuItem>(value.ToObject()) : nullptr;
}

Ref<Menu> AsMenu(const Ref<Object>& object) {
  return std::dynamic_pointer_cast<Menu>(object);
}

}  // namespace vellum
