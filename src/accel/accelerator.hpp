#pragma once
// One keyboard accelerator: key code, modifiers and optional second key, the item it belongs to
// and the table it is attached to. Assigning its text parses, stores, validates and then
// announces a change of the canonical text.

#include <cstdint>

#include "accel/accelerator_keys.hpp"
#include "platform/automation/event.hpp"
#include "platform/automation/object.hpp"
#include "platform/automation/property_bag.hpp"

namespace vellum {

class Accelerators;

class Accelerator : public Object, public Persistable {
 public:
  static constexpr const char16_t* kClassName = u"Vellum10.Accelerator";

  static Ref<Accelerator> New();

  // Whether the active menu set's accelerators name left and right keys.
  bool ExtendedKeys() const;
  std::int32_t KeyCode() const { return keys_.KeyCode; }
  // Stores only: no validation, no notification.
  void KeyCode(std::int32_t value) { keys_.KeyCode = value; }
  std::int32_t CommandKey() const { return keys_.CommandKey; }
  // Stores, then validates; a failure is raised and the new value stays.
  void CommandKey(std::int32_t value);
  std::int32_t Shift() const { return keys_.Shift; }
  // As CommandKey.
  void Shift(std::int32_t value);
  std::int32_t ItemId() const { return itemId_; }
  bool IsCommandPrefix() const { return itemId_ == -1; }
  Ref<Accelerators> Table() const { return table_.lock(); }
  // "" without a key code, otherwise the canonical text.
  String AccelWord() const;
  // "" clears the key code and shift only. Other text is parsed (nothing stored when that
  // fails), stored, validated (a failure is raised, the values stay) and, when the canonical
  // text differs from the last one, announced.
  void AccelWord(const String& text);
  Ref<Object> BuddyObject() const { return buddy_; }
  void BuddyObject(const Ref<Object>& buddy) { buddy_ = buddy; }

  // "Shift", "KeyCode", "CommandKey", "ExtendedKeys" and "ItemId", under `Prefix` + "." when a
  // prefix is given. Loading stores the five as they are: nothing is validated or announced,
  // and the ItemId is the one saved.
  void SaveProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) const;
  void LoadProperties(PropertyBag& PropBag, const Variant& Prefix = Missing);
  void WriteProperties(PropertyBag& bag) override { SaveProperties(bag); }
  void ReadProperties(PropertyBag& bag) override { LoadProperties(bag); }

  // The canonical text changed through an AccelWord assignment (a buddy is called instead).
  Event<> AcceleratorChange;

  String ClassName() const override { return kClassName; }

  // --- for the library ---
  const AcceleratorKeys& Keys() const { return keys_; }
  bool InSystemMenu() const { return inSystemMenu_; }
  void SetItemId(std::int32_t id) { itemId_ = id; }
  // Attaches to `table` (none detaches); the table's menu decides the system-menu rule.
  void AttachToTable(const Ref<Accelerators>& table);

 protected:
  Accelerator() = default;
  const MemberTable& Members() const override;
  const EventTable& Events() const override;

 private:
  friend class ObjectFactory;

  // Validates the stored triple where the accelerator stands.
  void Validate() const;
  void AnnounceChange();

  bool inSystemMenu_ = false;
  bool storedExtendedKeys_ = false;  // kept for persistence; nothing else reads it
  AcceleratorKeys keys_;
  std::int32_t itemId_ = 0;
  std::weak_ptr<Accelerators> table_;
  String accelWordCache_;
  Ref<Object> buddy_;
};

}  // namespace vellum
