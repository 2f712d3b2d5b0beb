#pragma once
// A table of accelerators: each menu owns one, and a menu set owns the prefix library, the
// keystrokes that start a two-keystroke sequence. Entries are keyed by their item's ID.

#include <cstdint>
#include <vector>

#include "platform/automation/collection.hpp"
#include "platform/automation/property_bag.hpp"

namespace vellum {

class Accelerator;
class Menu;
class MenuItem;

class Accelerators : public Object, public Persistable {
 public:
  static constexpr const char16_t* kClassName = u"Vellum10.Accelerators";

  static Ref<Accelerators> New();

  Ref<Object> Menu() const { return menu_.lock(); }
  bool IsPrefixLib() const { return isPrefixLib_; }
  // Whether the active menu set's accelerators name left and right keys.
  bool ExtendedKeys() const;
  // Gives `accelWord` to the accelerator of the item named by `item` (a MenuItem, or an item
  // ID; never in the prefix library), or to a new accelerator when there is none, and makes it
  // an entry of this table. Its steps' errors are ignored; returns the accelerator.
  Ref<Accelerator> Add(const String& accelWord, const Variant& item = Missing);
  // The entry at a 1-based position (the collection's error when absent).
  Ref<Accelerator> Item(std::int32_t index) const;
  // The entry of an item ID; none for 0 and -1.
  Ref<Accelerator> ItemByID(std::int32_t itemId) const;
  std::int32_t Count() const { return entries_->Count(); }
  // Removing entries leaves the accelerators attached to this table.
  void Remove(std::int32_t index) { entries_->Remove(index); }
  void RemoveByID(std::int32_t itemId);
  void Clear() { entries_ = Collection::New(); }
  // The entries in order, copied, so that callers may change the table while they walk it.
  std::vector<Ref<Accelerator>> Entries() const;
  // An enumerator over the entries.
  Ref<Enumerator> NewEnum() const { return Enumerator::New(entries_->Items()); }

  // "Count", then each entry under "Accelerator1" ... Loading replaces the entries by new
  // accelerators that are not attached to this table, without keys: ItemByID finds none.
  void SaveProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) const;
  void LoadProperties(PropertyBag& PropBag, const Variant& Prefix = Missing);
  void WriteProperties(PropertyBag& bag) override { SaveProperties(bag); }
  void ReadProperties(PropertyBag& bag) override { LoadProperties(bag); }

  String ClassName() const override { return kClassName; }

  // --- for the library ---
  void SetOwnerMenu(const Ref<Object>& menu) { menu_ = menu; }
  void SetPrefixLib(bool value) { isPrefixLib_ = value; }
  const Ref<Collection>& EntriesOf() const { return entries_; }

 protected:
  Accelerators() = default;
  const MemberTable& Members() const override;

 private:
  friend class ObjectFactory;

  // The registered item `item` names for Add; none in the prefix library.
  Ref<MenuItem> TargetItem(const Variant& item) const;
  // Appends under the key of `itemId`, or without key for no item; an entry already there stays.
  void Append(const Ref<Accelerator>& accelerator, std::int32_t itemId);

  Ref<Collection> entries_ = Collection::New();
  std::weak_ptr<Object> menu_;
  bool isPrefixLib_ = false;
};

// Refills the menu's table with the accelerators of its visible items (recursing into their
// popups) and detaches those of hidden items.
void RebuildAcceleratorTable(vellum::Menu& menu);

}  // namespace vellum
