// A menu set's part of a property bag: its settings and its menus, each under "Menu" + n.
#include <algorithm>
#include <utility>
#include <vector>

#include "items/menu_item.hpp"
#include "items/sub_menu.hpp"
#include "items/system_menu.hpp"
#include "model/library_state.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "platform/automation/bag_section.hpp"

namespace vellum {
namespace {

[[maybe_unused]] const bool kPersistable = (RegisterPersistable<Menus>(), true);

// The bag's own codes of the three menu classes under "ItemType" + n.
constexpr std::int32_t kBagSubMenu = 1;
constexpr std::int32_t kBagSystemMenu = 2;
constexpr std::int32_t kBagMenubar = 3;

std::int32_t BagCode(MenuTypeConstants type) {
  switch (type) {
    case mtcPopup:
      return kBagSubMenu;
    case mtcSysmenu:
      return kBagSystemMenu;
    default:
      return kBagMenubar;
  }
}

// A new menu of the class a code names; none for any other code.
Ref<Menu> NewMenu(std::int32_t code) {
  switch (code) {
    case kBagSubMenu:
      return SubMenu::New();
    case kBagSystemMenu:
      return SystemMenu::New();
    case kBagMenubar:
      return Menubar::New();
    default:
      return nullptr;
  }
}

// A popup loaded under an item, with the prefix it was loaded from.
struct ItemPopup {
  String prefix;
  Ref<SubMenu> popup;
};

// The popups of every item below `menu`, which was loaded from `section`.
void CollectItemPopups(const Menu& menu, const BagSection& section,
                       std::vector<ItemPopup>& popups) {
  const std::vector<Ref<MenuItem>> items = menu.ItemList();
  for (std::size_t n = 1; n <= items.size(); ++n) {
    const BagSection below =
        section.Child(Numbered(u"Item", static_cast<std::int32_t>(n))).Child(u"SubMenu");
    const Ref<SubMenu> popup = items[n - 1]->SubMenu();
    popups.push_back({below.Prefix(), popup});
    CollectItemPopups(*popup, below, popups);
  }
}

// The popup loaded under an item that a popup member was saved from: a set lists the popups
// that have native menus, so the same popup was saved as a member and under its item. It is
// known by its key, which no other member had, and its ID.
Ref<SubMenu> SavedAsItemPopup(const BagSection& member, const std::vector<ItemPopup>& popups) {
  const String key = member.ReadString(u"Key", {});
  if (key.empty()) return nullptr;
  const std::int32_t id = member.ReadLong(u"ItemId", 0);
  for (const ItemPopup& loaded : popups) {
    const BagSection saved(member.Bag(), loaded.prefix);
    if (saved.ReadString(u"Key", {}) == key && saved.ReadLong(u"ItemId", 0) == id) {
      return loaded.popup;
    }
  }
  return nullptr;
}

// Runs one statement of a load or save: skipped when it fails, or passed on.
template <class Statement>
void Step(bool ignoreFailures, Statement&& statement) {
  if (ignoreFailures) {
    IgnoringErrors(statement);
  } else {
    statement();
  }
}

}  // namespace

void Menus::SaveProperties(PropertyBag& PropBag, const Variant& Prefix) {
  SaveMembers(BagSection(PropBag, Prefix), true);
}

void Menus::LoadProperties(PropertyBag& PropBag, const Variant& Prefix) {
  LoadMembers(BagSection(PropBag, Prefix), true);
}

void Menus::SavePropertiesStrictly(PropertyBag& PropBag) {
  SaveMembers(BagSection(PropBag, String()), false);
}

void Menus::LoadPropertiesStrictly(PropertyBag& PropBag) {
  LoadMembers(BagSection(PropBag, String()), false);
}

void Menus::SaveMembers(const BagSection& bag, bool ignoreFailures) {
  const auto keepAlive = Self<Menus>();
  const Variant bagObject(bag.Bag().shared_from_this());
  Step(ignoreFailures, [&] { bag.Write(u"MenuDrawStyle", drawStyle_); });
  Step(ignoreFailures, [&] { bag.WriteObject(u"GlobalFont", vellum::GlobalFont()); });
  Step(ignoreFailures, [&] { bag.Write(u"Count", MenuCount()); });
  std::int32_t n = 1;
  for (const Ref<Object>& member : MemberList()) {
    if (MenuTypeOf(member) == mtcDesigner) continue;
    Step(ignoreFailures, [&] { bag.Write(Numbered(u"ItemType", n), BagCode(MenuTypeOf(member))); });
    Step(ignoreFailures, [&] {
      member->Invoke(u"SaveProperties", CallType::Method,
                     {bagObject, bag.Key(Numbered(u"Menu", n))});
    });
    ++n;
  }
}

void Menus::LoadMembers(const BagSection& bag, bool ignoreFailures) {
  const auto keepAlive = Self<Menus>();
  const Variant bagObject(bag.Bag().shared_from_this());
  Step(ignoreFailures, [&] {
    drawStyle_ = static_cast<MenuDrawStyleBits>(bag.ReadLong(u"MenuDrawStyle", drawStyle_));
  });
  Step(ignoreFailures,
       [&] { Library().globalFont = bag.ReadObject(u"GlobalFont", vellum::GlobalFont()); });
  std::int32_t count = 0;
  Step(ignoreFailures, [&] { count = bag.ReadLong(u"Count", 0); });

  std::vector<ItemPopup> itemPopups;
  for (std::int32_t n = 1; n <= count; ++n) {
    const BagSection member = bag.Child(Numbered(u"Menu", n));
    std::int32_t code = 0;
    Step(ignoreFailures, [&] { code = bag.ReadLong(Numbered(u"ItemType", n), 0); });
    Ref<Menu> menu;
    bool loadedAlready = false;
    Step(ignoreFailures, [&] {
      if (code == kBagSubMenu) menu = SavedAsItemPopup(member, itemPopups);
      loadedAlready = menu != nullptr;
      if (!menu) menu = NewMenu(code);
    });
    if (!menu) continue;
    if (!loadedAlready) {
      Step(ignoreFailures, [&] {
        menu->Invoke(u"LoadProperties", CallType::Method, {bagObject, member.Prefix()});
      });
    }
    Step(ignoreFailures, [&] { PutLoaded(menu, menu->Key()); });
    Step(ignoreFailures, [&] { CollectItemPopups(*menu, member, itemPopups); });
  }
}

void Menus::PutLoaded(const Ref<Menu>& menu, const String& key) {
  const std::vector<Ref<Object>> members = MemberList();
  const auto registered = std::find(members.begin(), members.end(), menu);
  if (registered == members.end()) {
    Put(menu, key);
    return;
  }
  const std::size_t place = static_cast<std::size_t>(registered - members.begin());
  const Ref<Collection> listed = Collection::New();
  for (std::size_t i = 0; i < members.size(); ++i) {
    const String& memberKey = members_->KeyAt(static_cast<std::int32_t>(i + 1));
    if (i == place) {
      listed->Add(menu, key.empty() ? Missing : Variant(key));
    } else if (members[i] != menu && (key.empty() || !EqualsNoCase(memberKey, key))) {
      listed->Add(members[i], memberKey.empty() ? Missing : Variant(memberKey));
    }
  }
  members_ = listed;
}

}  // namespace vellum
