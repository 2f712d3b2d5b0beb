#include "model/menus.hpp"

#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "items/system_menu.hpp"
#include "model/library_state.hpp"
#include "model/menubar.hpp"
#include "native/native_sync.hpp"
#include "platform/automation/bag_section.hpp"

namespace vellum {
namespace {

using platform::HMENU;
using platform::HWND;

constexpr const char16_t* kInternalError =
    u"This is an internal error.  Please contact the author.";

// A late-bound property read whose failure counts as "not there".
Variant ReadOrEmpty(const Ref<Object>& object, const char16_t* name) {
  Variant value;
  IgnoringErrors([&] { value = object->Invoke(name, CallType::PropertyGet); });
  return value;
}

Ref<Object> ObjectOrNone(const Variant& value) {
  return value.IsObject() ? value.ToObject() : nullptr;
}

// The native handle of a member: its own for a menu, late-bound for a designer (whose failure
// passes to the caller).
HMENU HandleOf(const Ref<Object>& member) {
  if (const Ref<Menu> menu = AsMenu(member)) return menu->hMenu();
  return static_cast<HMENU>(member->Invoke(u"hMenu", CallType::PropertyGet).ToLong());
}

}  // namespace

MenuTypeConstants MenuTypeOf(const Ref<Object>& object) {
  const Ref<Menu> menu = AsMenu(object);
  return menu ? menu->MenuType() : mtcDesigner;
}

Ref<Menus> Menus::New() {
  return ObjectFactory::Make<Menus>();
}

void Menus::Created() {
  prefixLib_ = Accelerators::New();
  prefixLib_->SetPrefixLib(true);
}

Menus::~Menus() = default;

void Menus::MenuDrawStyle(MenuDrawStyleBits style) {
  drawStyle_ = style;
  for (const Ref<Object>& member : MemberList()) {
    if (const Ref<Menu> menu = AsMenu(member)) RebuildNativeMenu(*menu);
  }
}

void Menus::GlobalNoUnicode(bool value) {
  globalNoUnicode_ = value;
  DecideUnicodeMode();
}

Ref<Object> Menus::Find(const Variant& indexKey) {
  Ref<Object> member;
  if (!IgnoringErrors([&] { member = members_->Item(indexKey).ToObject(); })) {
    SetLastError(error::kSubscriptOutOfRange, kSource);
    return nullptr;
  }
  return member;
}

void Menus::Put(const Ref<Object>& member, const String& key) {
  if (!key.empty() && members_->ContainsKey(key)) members_->Remove(key);
  members_->Add(member, key.empty() ? Variant(Missing) : Variant(key));
}

void Menus::AddDesigner(const Ref<Object>& designer, const String& key) {
  const bool accepted =
      designer && !AsMenu(designer) && ReadOrEmpty(designer, u"IsMenuDesigner").IsTrue();
  if (!accepted) {
    SetLastError(error::kTypeMismatch, kSource);
    return;
  }
  Put(designer, key);
}

void Menus::Add(const Ref<Object>& menu, const String& key) {
  if (Library().activeMenus.get() == this) active_ = true;
  const Ref<Menu> typed = AsMenu(menu);
  if (!typed) {
    SetLastError(error::kTypeMismatch, kSource);
    return;
  }
  typed->Key(key);
  Put(typed, key);
}

void Menus::Remove(const Variant& indexKey) {
  if (!Find(indexKey)) return;
  members_->Remove(indexKey);
}

Ref<Object> Menus::Item(const Variant& indexKey) {
  return Find(indexKey);
}

Ref<Object> Menus::MenuByHandle(HMENU hMenu, platform::LPARAM lParam) {
  const bool systemOnly = platform::HIWORD(static_cast<platform::ULONG_PTR>(lParam)) != 0;
  for (const Ref<Object>& member : MemberList()) {
    if (HandleOf(member) != hMenu) continue;
    if (!systemOnly || MenuTypeOf(member) == mtcSysmenu) return member;
  }
  return nullptr;
}

bool Menus::HasMenu(HMENU hMenu) {
  for (const Ref<Object>& member : MemberList()) {
    if (HandleOf(member) == hMenu) return true;
  }
  return false;
}

MenuTypeConstants Menus::ItemType(const Variant& indexKey) {
  const Ref<Object> member = Find(indexKey);
  return member ? MenuTypeOf(member) : mtcMenubar;
}

Ref<SubMenu> Menus::SubMenu(const Variant& indexKey) {
  const Ref<Object> member = Find(indexKey);
  if (!member) return nullptr;
  if (MenuTypeOf(member) != mtcPopup) {
    SetLastError(error::kTypeMismatch, kSource, kInternalError);
    return nullptr;
  }
  return std::static_pointer_cast<vellum::SubMenu>(member);
}

Ref<Menubar> Menus::Menubar(const Variant& indexKey) {
  const Ref<Object> member = Find(indexKey);
  if (!member) return nullptr;
  if (MenuTypeOf(member) != mtcMenubar) {
    SetLastError(error::kTypeMismatch, kSource, kInternalError);
    return nullptr;
  }
  return std::static_pointer_cast<vellum::Menubar>(member);
}

Ref<SystemMenu> Menus::SystemMenu(const Variant& indexKey) {
  const Ref<Object> member = Find(indexKey);
  if (!member) return nullptr;
  if (MenuTypeOf(member) != mtcSysmenu) {
    SetLastError(error::kTypeMismatch, kSource, kInternalError);
    return nullptr;
  }
  return std::static_pointer_cast<vellum::SystemMenu>(member);
}

Ref<Object> Menus::Designer(const Variant& indexKey) {
  const Ref<Object> member = Find(indexKey);
  if (!member) return nullptr;
  if (MenuTypeOf(member) != mtcDesigner) {
    SetLastError(error::kTypeMismatch, kSource, kInternalError);
    return nullptr;
  }
  return member;
}

Ref<StdFont> Menus::GlobalFont() const {
  return vellum::GlobalFont();
}
void Menus::GlobalFont(const Ref<StdFont>& font) {
  Library().globalFont = font;
}

std::int32_t Menus::CountOf(MenuTypeConstants type) const {
  std::int32_t count = 0;
  for (const Ref<Object>& member : MemberList())
    count += MenuTypeOf(member) == type;
  return count;
}

std::int32_t Menus::MenuCount() const {
  return Count() - CountOf(mtcDesigner);
}
std::int32_t Menus::MenubarCount() const {
  return CountOf(mtcMenubar);
}
std::int32_t Menus::SubmenuCount() const {
  return CountOf(mtcPopup);
}
std::int32_t Menus::SystemMenuCount() const {
  return CountOf(mtcSysmenu);
}

std::int32_t Menus::DesignerCount() const {
  std::int32_t count = 0;
  for (const Ref<Object>& member : MemberList()) {
    count += !AsMenu(member) && ReadOrEmpty(member, u"IsDesigner").IsTrue();
  }
  return count;
}

std::vector<Ref<Object>> Menus::MemberList() const {
  std::vector<Ref<Object>> members;
  for (const Variant& value : members_->Items())
    members.push_back(ObjectOrNone(value));
  return members;
}

Ref<Object> Menus::FindMenuItem(std::int32_t itemId, HWND hWnd) {
  const auto keepAlive = Self<Menus>();
  const std::int32_t count = Count();
  for (std::int32_t position = 1; position <= count; ++position) {
    Ref<Object> found;
    IgnoringErrors(
        [&] { found = SearchRecursive(members_->Item(position).ToObject(), itemId, hWnd); });
    if (found) return found;
  }
  return nullptr;
}

// Walks the Child / NextItem links below `menu`; the window filter applies only at the level
// of a system menu, whose standard command IDs repeat across windows.
Ref<Object> Menus::SearchRecursive(const Ref<Object>& menu, std::int32_t itemId, HWND hWnd) {
  if (!menu) return nullptr;
  const Ref<Menu> typed = AsMenu(menu);

  const Ref<Object> sidebar =
      typed ? Ref<Object>(typed->Sidebar()) : ObjectOrNone(ReadOrEmpty(menu, u"Sidebar"));
  if (const auto band = std::dynamic_pointer_cast<vellum::Sidebar>(sidebar)) {
    if (itemId == band->ItemId() || itemId == band->BreakId()) return band;
  }

  Ref<MenuItem> item =
      typed ? typed->Child()
            : std::dynamic_pointer_cast<MenuItem>(ObjectOrNone(ReadOrEmpty(menu, u"Child")));
  const Ref<Menu> filter = typed && typed->MenuType() == mtcSysmenu ? typed : nullptr;
  while (item) {
    if (item->ItemId() == itemId && (!filter || hWnd == 0 || filter->hWnd() == hWnd)) {
      return item;
    }
    const Ref<vellum::SubMenu> below = item->SubMenu();
    if (below && below->Count() >= 1) {
      if (Ref<Object> found = SearchRecursive(below, itemId, hWnd)) return found;
    }
    item = item->NextItem();
  }
  return nullptr;
}

Ref<MenuItem> Menus::ItemByCaption(const String& caption, const Ref<Object>& menu) {
  std::vector<Ref<Menu>> menus;
  if (menu) {
    if (const Ref<Menu> typed = AsMenu(menu)) menus.push_back(typed);
  } else {
    for (const Ref<Object>& member : MemberList()) {
      if (const Ref<Menu> typed = AsMenu(member)) menus.push_back(typed);
    }
  }
  for (const Ref<Menu>& each : menus) {
    for (const Ref<MenuItem>& item : each->ItemList()) {
      if (item->CaptionPlain() == caption || item->Caption() == caption) return item;
    }
  }
  return nullptr;
}

Ref<MenuItem> Menus::ItemByKey(const Variant& indexKey, const Ref<Object>& menu) {
  if (menu) {
    const Ref<Menu> typed = AsMenu(menu);
    return typed ? typed->Item(indexKey) : nullptr;
  }
  for (const Ref<Object>& member : MemberList()) {
    if (const Ref<Menu> typed = AsMenu(member)) {
      if (Ref<MenuItem> item = typed->Item(indexKey)) return item;
    }
  }
  return nullptr;
}

Ref<Menubar> Menus::GetMenubar(HWND hWnd) {
  if (!active_) return nullptr;
  for (const Ref<Object>& member : MemberList()) {
    if (MenuTypeOf(member) == mtcMenubar && AsMenu(member)->hWnd() == hWnd) {
      return std::static_pointer_cast<vellum::Menubar>(member);
    }
  }
  return nullptr;
}

namespace {
String RegistryKey(const Menu& menu) {
  return menu.Key().empty() ? DefaultKey(menu.hMenu()) : menu.Key();
}
}  // namespace

void Menus::RegisterMenu(Menu& menu) {
  const String key = RegistryKey(menu);
  menu.Key(key);
  LibraryState& state = Library();
  if (!state.activeMenus) state.activeMenus = Menus::New();
  const Ref<Menus> active = state.activeMenus;
  const Ref<Object> self = menu.shared_from_this();
  if (active->members_->ContainsKey(key)) {
    if (active->members_->Item(key).ToObject() == self) return;
    active->members_->Remove(key);
  }
  active->Add(self, key);
}

void Menus::UnregisterMenu(Menu& menu) {
  LibraryState& state = Library();
  const Ref<Menus> active = state.activeMenus;
  if (!active) return;
  // The menu leaves the set wherever it is, even when the host renamed it after it registered;
  // one that is no member takes whatever member holds its key with it — but never another
  // menu: one that registered in another set (a set loaded beside this one) shares keys with
  // this set's own menus, and going it must not take them along.
  if (!active->RemoveEveryEntryOf(menu)) {
    const String key = RegistryKey(menu);
    if (active->members_->ContainsKey(key) && !AsMenu(active->members_->Item(key).ToObject())) {
      active->members_->Remove(key);
    }
  }
  // An empty active set stops being the active set; the next registration starts a new one.
  if (active->Count() == 0) {
    state.activeMenus.reset();
    ReleaseLibraryWideObjects();
  }
}

bool Menus::RemoveEveryEntryOf(const Menu& menu) {
  bool removed = false;
  // From the end, so that the positions still to visit stay where they are.
  for (std::int32_t position = members_->Count(); position >= 1; --position) {
    if (members_->Item(position).ToObject().get() == &menu) {
      members_->Remove(position);
      removed = true;
    }
  }
  return removed;
}

const MemberTable& Menus::Members() const {
  static const MemberTable table(
      {
          Property(u"MenuDrawStyle", &Menus::MenuDrawStyle, &Menus::MenuDrawStyle),
          Property(u"GlobalNoUnicode", &Menus::GlobalNoUnicode, &Menus::GlobalNoUnicode),
          ReadOnly(u"PrefixLib", &Menus::PrefixLib),
          Property(u"AcceleratorStyle", &Menus::AcceleratorStyle, &Menus::AcceleratorStyle),
          ReadOnly(u"Active", &Menus::Active),
          Custom<Menus>(u"AddDesigner",
                        [](Menus& self, Invocation& call) {
                          members::CheckArgumentCount(call, 2);
                          self.AddDesigner(
                              call.Required(0).ToObject(),
                              call.Arg(1).IsMissing() ? String() : call.Arg(1).ToString());
                          return Variant();
                        }),
          Custom<Menus>(u"Add",
                        [](Menus& self, Invocation& call) {
                          members::CheckArgumentCount(call, 2);
                          const Variant& menu = call.Required(0);
                          self.Add(menu.IsObject() ? menu.ToObject() : nullptr,
                                   call.Arg(1).IsMissing() ? String() : call.Arg(1).ToString());
                          return Variant();
                        }),
          Method(u"Remove", &Menus::Remove),
          Method(u"Item", &Menus::Item),
          Custom<Menus>(u"MenuByHandle",
                        [](Menus& self, Invocation& call) {
                          members::CheckArgumentCount(call, 2);
                          return Variant(self.MenuByHandle(
                              static_cast<HMENU>(call.Required(0).ToLong()),
                              call.Arg(1).IsMissing() ? 0 : call.Arg(1).ToLong()));
                        }),
          Custom<Menus>(u"HasMenu", CallTypes::Get,
                        [](Menus& self, Invocation& call) {
                          members::CheckArgumentCount(call, 1);
                          return Variant(
                              self.HasMenu(static_cast<HMENU>(call.Required(0).ToLong())));
                        }),
          ReadOnly(u"ItemType", &Menus::ItemType),
          ReadOnly(u"SubMenu", &Menus::SubMenu),
          ReadOnly(u"Menubar", &Menus::Menubar),
          ReadOnly(u"SystemMenu", &Menus::SystemMenu),
          ReadOnly(u"Designer", &Menus::Designer),
          Property(u"GlobalFont", &Menus::GlobalFont, &Menus::GlobalFont),
          ReadOnly(u"Count", &Menus::Count),
          ReadOnly(u"MenuCount", &Menus::MenuCount),
          ReadOnly(u"MenubarCount", &Menus::MenubarCount),
          ReadOnly(u"SubmenuCount", &Menus::SubmenuCount),
          ReadOnly(u"SystemMenuCount", &Menus::SystemMenuCount),
          ReadOnly(u"DesignerCount", &Menus::DesignerCount),
          ReadOnly(u"NewEnum", &Menus::NewEnum),
          Method(u"Clear", &Menus::Clear),
          Custom<Menus>(u"FindMenuItem",
                        [](Menus& self, Invocation& call) {
                          members::CheckArgumentCount(call, 2);
                          return Variant(self.FindMenuItem(
                              call.Required(0).ToLong(),
                              call.Arg(1).IsMissing() ? 0
                                                      : static_cast<HWND>(call.Arg(1).ToLong())));
                        }),
          Custom<Menus>(u"SearchRecursive",
                        [](Menus& self, Invocation& call) {
                          members::CheckArgumentCount(call, 3);
                          return Variant(self.SearchRecursive(
                              call.Required(0).ToObject(), call.Required(1).ToLong(),
                              call.Arg(2).IsMissing() ? 0
                                                      : static_cast<HWND>(call.Arg(2).ToLong())));
                        }),
          Custom<Menus>(u"ItemByCaption",
                        [](Menus& self, Invocation& call) {
                          members::CheckArgumentCount(call, 2);
                          const Variant& menu = call.Arg(1);
                          return Variant(
                              self.ItemByCaption(call.Required(0).ToString(),
                                                 menu.IsObject() ? menu.ToObject() : nullptr));
                        }),
          Custom<Menus>(u"ItemByKey",
                        [](Menus& self, Invocation& call) {
                          members::CheckArgumentCount(call, 2);
                          const Variant& menu = call.Arg(1);
                          return Variant(self.ItemByKey(
                              call.Required(0), menu.IsObject() ? menu.ToObject() : nullptr));
                        }),
          Custom<Menus>(u"GetMenubar",
                        [](Menus& self, Invocation& call) {
                          return Variant(
                              self.GetMenubar(static_cast<HWND>(call.Required(0).ToLong())));
                        }),
          SavePropertiesMember<Menus>(),
          LoadPropertiesMember<Menus>(),
      },
      &Object::Members(), u"Item");
  return table;
}

}  // namespace vellum
