#pragma once
// A menu set: an ordered, keyed set of menu bars, popups, system menus and designer objects.
// The active set of a thread is also the registry through which the library finds menus by
// native handle and items by ID, and it holds the settings every menu is drawn with.
//
// Bad keys, positions and objects never make a member fail: the member sets the thread's error
// information (source "Vellum10.Menus") and returns normally.

#include <cstdint>
#include <vector>

#include "model/menu_constants.hpp"
#include "platform/automation/collection.hpp"
#include "platform/automation/property_bag.hpp"
#include "platform/automation/std_font.hpp"
#include "platform/types.hpp"

namespace vellum {

class Accelerators;
class BagSection;
class Menu;
class Menubar;
class MenuItem;
class SubMenu;
class SystemMenu;

class Menus : public Object, public Persistable {
 public:
  static constexpr const char16_t* kSource = u"Vellum10.Menus";
  static constexpr const char16_t* kClassName = u"Vellum10.Menus";

  static Ref<Menus> New();
  ~Menus() override;

  MenuDrawStyleBits MenuDrawStyle() const { return drawStyle_; }
  void MenuDrawStyle(MenuDrawStyleBits style);
  bool GlobalNoUnicode() const { return globalNoUnicode_; }
  void GlobalNoUnicode(bool value);
  Ref<Accelerators> PrefixLib() const { return prefixLib_; }
  std::int32_t AcceleratorStyle() const { return acceleratorStyle_; }
  void AcceleratorStyle(std::int32_t style) { acceleratorStyle_ = style; }
  bool Active() const { return active_; }

  void AddDesigner(const Ref<Object>& designer, const String& key = {});
  void Add(const Ref<Object>& menu, const String& key = {});
  void Remove(const Variant& indexKey);
  Ref<Object> Item(const Variant& indexKey);
  Ref<Object> MenuByHandle(platform::HMENU hMenu, platform::LPARAM lParam = 0);
  bool HasMenu(platform::HMENU hMenu);
  MenuTypeConstants ItemType(const Variant& indexKey);
  Ref<vellum::SubMenu> SubMenu(const Variant& indexKey);
  Ref<vellum::Menubar> Menubar(const Variant& indexKey);
  Ref<vellum::SystemMenu> SystemMenu(const Variant& indexKey);
  Ref<Object> Designer(const Variant& indexKey);
  Ref<StdFont> GlobalFont() const;
  void GlobalFont(const Ref<StdFont>& font);
  std::int32_t Count() const { return members_->Count(); }
  std::int32_t MenuCount() const;
  std::int32_t MenubarCount() const;
  std::int32_t SubmenuCount() const;
  std::int32_t SystemMenuCount() const;
  std::int32_t DesignerCount() const;
  // The members in order, copied, so that callers may change the set while they walk it.
  std::vector<Ref<Object>> MemberList() const;
  // An enumerator over the members.
  Ref<Enumerator> NewEnum() const { return Enumerator::New(members_->Items()); }
  void Clear() { members_ = Collection::New(); }

  // The item or sidebar with that ID in any member; hWnd picks a window's system menu.
  Ref<Object> FindMenuItem(std::int32_t itemId, platform::HWND hWnd = 0);
  Ref<Object> SearchRecursive(const Ref<Object>& menu, std::int32_t itemId,
                              platform::HWND hWnd = 0);
  Ref<MenuItem> ItemByCaption(const String& caption, const Ref<Object>& menu = nullptr);
  Ref<MenuItem> ItemByKey(const Variant& indexKey, const Ref<Object>& menu = nullptr);
  Ref<vellum::Menubar> GetMenubar(platform::HWND hWnd);

  // "MenuDrawStyle", "GlobalFont" and "Count", then for the n-th member that is a menu
  // (designers take no number) "ItemType" + n and the member itself under "Menu" + n. Every
  // failing step is skipped and the next one runs.
  void SaveProperties(PropertyBag& PropBag, const Variant& Prefix = Missing);
  // Reads the draw style and the thread's GlobalFont, then appends the stored menus as new
  // members under their keys; members already in the set stay. Every failing step is skipped.
  // A popup that was saved both as a member and under its item comes back as one popup.
  void LoadProperties(PropertyBag& PropBag, const Variant& Prefix = Missing);
  // A bag that writes or reads the set as an object value.
  void WriteProperties(PropertyBag& bag) override { SaveProperties(bag); }
  void ReadProperties(PropertyBag& bag) override { LoadProperties(bag, String()); }

  String ClassName() const override { return kClassName; }

  // --- for the library ---
  void SetActive(bool value) { active_ = value; }
  // The member collection itself.
  const Ref<Collection>& MemberCollection() const { return members_; }
  // Enters a menu that just obtained its native handle into the active set (starting one when
  // there is none), and takes it out again before its handle is destroyed.
  static void RegisterMenu(Menu& menu);
  static void UnregisterMenu(Menu& menu);
  // As SaveProperties and LoadProperties, but the first failure stops and reaches the caller,
  // for a menu-set file, which is saved and loaded whole or not at all.
  void SavePropertiesStrictly(PropertyBag& PropBag);
  void LoadPropertiesStrictly(PropertyBag& PropBag);

 protected:
  Menus() = default;
  void Created() override;
  const MemberTable& Members() const override;

 private:
  friend class ObjectFactory;

  // The member under a position or key; sets error 9 when there is none.
  Ref<Object> Find(const Variant& indexKey);
  // Appends under `key`, replacing a member that already has it.
  void Put(const Ref<Object>& member, const String& key);
  std::int32_t CountOf(MenuTypeConstants type) const;
  // Takes `menu` out under every key it is a member by; whether it was a member.
  bool RemoveEveryEntryOf(const Menu& menu);
  void SaveMembers(const BagSection& bag, bool ignoreFailures);
  void LoadMembers(const BagSection& bag, bool ignoreFailures);
  // Lists a loaded menu under `key`. One that registered here when it got its native menu
  // during the load keeps that place, under its loaded key, instead of standing twice.
  void PutLoaded(const Ref<Menu>& menu, const String& key);

  Ref<Collection> members_ = Collection::New();
  MenuDrawStyleBits drawStyle_ = mdsOffice;
  bool globalNoUnicode_ = false;
  std::int32_t acceleratorStyle_ = 0;
  Ref<Accelerators> prefixLib_;
  bool active_ = false;
};

// The kind of an object as a member of a menu set.
MenuTypeConstants MenuTypeOf(const Ref<Object>& object);

}  // namespace vellum
