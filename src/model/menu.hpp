#pragma once
// What the menu classes share: a native menu handle, an ordered keyed list of items, an
// accelerator table, a font, the picture-column widths and the menu-level message handler.

#include <cstdint>
#include <type_traits>
#include <vector>

#include "model/menu_constants.hpp"
#include "platform/automation/announce.hpp"
#include "platform/automation/collection.hpp"
#include "platform/automation/property_bag.hpp"
#include "platform/automation/std_font.hpp"
#include "platform/types.hpp"

namespace vellum {

class Accelerators;
class BagSection;
class MenuItem;
class Sidebar;
class SubMenu;

class Menu : public Object, public Persistable {
 public:
  ~Menu() override;

  platform::HMENU hMenu() const { return hMenu_; }
  virtual platform::HWND hWnd() const { return 0; }
  std::int32_t ItemId() const { return itemId_; }
  String Key() const { return key_; }
  void Key(const String& value) { key_ = value; }
  Ref<StdFont> Font() const { return font_; }
  // Stores the font; each menu class redraws as it needs.
  virtual void Font(const Ref<StdFont>& font) { font_ = font; }
  bool RightToLeft() const { return rightToLeft_; }
  void RightToLeft(bool value) { rightToLeft_ = value; }
  std::int32_t ImageMax_Left() const { return imageMaxLeft_; }
  std::int32_t ImageMax_Right() const { return imageMaxRight_; }
  Ref<Object> BuddyObject() const { return buddy_; }
  void BuddyObject(const Ref<Object>& buddy) { buddy_ = buddy; }

  // The number of items.
  virtual std::int32_t Count() const { return items_->Count(); }
  // The item at a position or under a key, by the class's own look-up rules; none when there
  // is none, never an error.
  virtual Ref<MenuItem> Item(const Variant& indexKey) const = 0;
  // An enumerator over the items.
  Ref<Enumerator> NewEnum() const { return Enumerator::New(items_->Items()); }
  // The first item, or none.
  Ref<MenuItem> Child() const;
  bool AnyItemVisible() const;

  virtual MenuTypeConstants MenuType() const = 0;
  // The menu at the top of this menu's tree.
  virtual Ref<Object> TopMostParent() = 0;
  virtual Ref<vellum::Sidebar> Sidebar() const { return nullptr; }
  // The menu-level message handler: raises the menu's events for a command, right-button or
  // initialisation message and passes it up the tree. Returns 0.
  virtual platform::LRESULT ExecCmd(platform::WPARAM wParam, platform::UINT message) = 0;

  // The menu's keys under `Prefix` + "." when a prefix is given, each item under "Item" + n.
  // Loading stores the values as they are, replaces the items by new ones loaded from the bag,
  // rebuilds the accelerator table and shows the result in the native menu; the first failure
  // reaches the caller, and what was loaded before it stays and is shown.
  virtual void SaveProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) = 0;
  virtual void LoadProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) = 0;
  // A bag that writes or reads the menu as an object value.
  void WriteProperties(PropertyBag& bag) override { SaveProperties(bag); }
  void ReadProperties(PropertyBag& bag) override { LoadProperties(bag); }

  // The accelerator table as hosts see it.
  virtual Ref<vellum::Accelerators> Accelerators() const { return accelerators_; }

  // --- for the library ---
  // The item list itself.
  const Ref<Collection>& ItemCollection() const { return items_; }
  // The items in list order, copied, so that callers may change the list while they walk it.
  std::vector<Ref<MenuItem>> ItemList() const;
  // The accelerator table field, whatever the public getter answers.
  const Ref<vellum::Accelerators>& AcceleratorTable() const { return accelerators_; }
  void SetImageMax(std::int32_t left, std::int32_t right);
  // Takes over a native handle: the items and the native menu held go (the handle itself stays
  // when it is the one taken over), and the menu registers under the new handle.
  void AdoptHandle(platform::HMENU hMenu);
  // Unchecks every radio-group item of this menu.
  void ClearRadioGroup();
  // Lets every item go: its popup is destroyed, its native entry deleted (failures ignored),
  // and the list starts empty.
  void DropItems();

 protected:
  Menu() = default;
  // Takes an item ID and creates the accelerator table owned by this menu.
  void Created() override;
  const MemberTable& Members() const override;

  // --- the parts of saving and loading the three menu classes share ---
  // "Count", then each item under "Item" + n.
  void SaveItems(const BagSection& bag) const;
  // Adds `count` new items loaded from the bag, the n-th under "Item" + n: each is hung in this
  // menu and listed under its loaded key.
  void LoadItems(const BagSection& bag, std::int32_t count);
  // Runs the loading steps, then, even when one failed, gives the menu a new accelerator table
  // over its items, links them and rebuilds the native menu.
  template <class Steps>
  void LoadThenFinish(Steps steps) {
    try {
      steps();
    } catch (...) {
      FinishLoad();
      throw;
    }
    FinishLoad();
  }
  // What a menu class does to its native menu before a loaded menu is rebuilt in it.
  virtual void PrepareNativeMenu() {}

  // Raises `event`, or calls `method` on the buddy when one is set. Errors of the host's
  // handlers are the caller's to ignore.
  template <class... Args>
  void Announce(const char16_t* method, Event<Args...>& event, std::type_identity_t<Args>... args);

  platform::HMENU hMenu_ = 0;
  std::int32_t itemId_ = 0;
  String key_;
  Ref<Collection> items_ = Collection::New();
  Ref<vellum::Accelerators> accelerators_;
  Ref<StdFont> font_;
  bool rightToLeft_ = false;
  std::int32_t imageMaxLeft_ = 0;
  std::int32_t imageMaxRight_ = 0;
  Ref<Object> buddy_;

 private:
  void FinishLoad();
};

// Routes a message to a menu object: a menu's own handler, or a designer's late-bound
// ExecCmd with both arguments by reference. Errors are ignored.
void RouteToMenu(const Ref<Object>& menu, platform::WPARAM wParam, platform::UINT message);
// The top of the tree that `parent` stands in: a menu's own, or a designer's late-bound
// TopMostParent (none when that fails).
Ref<Object> TopMostParentOf(const Ref<Object>& parent);
// Whether `menu` is reached from `popup` by following Parent links upwards.
bool IsBelow(const Ref<SubMenu>& popup, const Ref<Object>& menu);

// The item of a collection position as a MenuItem (none when it is something else).
Ref<MenuItem> AsMenuItem(const Variant& value);
// The object as one of the three menu classes, or none (a designer, a foreign object).
Ref<Menu> AsMenu(const Ref<Object>& object);

template <class... Args>
void Menu::Announce(const char16_t* method, Event<Args...>& event,
                    std::type_identity_t<Args>... args) {
  vellum::Announce(buddy_, method, event, args...);
}

}  // namespace vellum
