#pragma once
// One keyboard accelerator: key code, modifiers and optional second key, the item it belongs to
// and the table it is attached to.

#include <cstdint>

#include "platform/automation/event.hpp"
#include "platform/automation/object.hpp"

namespace vellum {

class Accelerators;

class Accelerator : public Object {
 public:
  static Ref<Accelerator> New();

  std::int32_t KeyCode() const { return keyCode_; }
  void KeyCode(std::int32_t value) { keyCode_ = value; }
  std::int32_t Shift() const { return shift_; }
  std::int32_t CommandKey() const { return commandKey_; }
  std::int32_t ItemId() const { return itemId_; }
  bool IsCommandPrefix() const { return itemId_ == -1; }
  Ref<Accelerators> Table() const { return table_.lock(); }
  bool InSystemMenu() const { return inSystemMenu_; }
  Ref<Object> BuddyObject() const { return buddy_; }
  void BuddyObject(const Ref<Object>& buddy) { buddy_ = buddy; }

  // The canonical text changed through an AccelWord assignment.
  Event<> AcceleratorChange;

  String ClassName() const override { return u"Vellum10.Accelerator"; }

  // --- for the library ---
  void SetItemId(std::int32_t id) { itemId_ = id; }
  // Attaches to `table` (none detaches); the table's menu decides the system-menu rule.
  void AttachToTable(const Ref<Accelerators>& table);

 protected:
  Accelerator() = default;
  const MemberTable& Members() const override;

 private:
  friend class ObjectFactory;

  bool inSystemMenu_ = false;
  bool storedExtendedKeys_ = false;
  std::int32_t keyCode_ = 0;
  std::int32_t shift_ = 0;
  std::int32_t commandKey_ = 0;
  std::int32_t itemId_ = 0;
  std::weak_ptr<Accelerators> table_;
  String accelWordCache_;
  Ref<Object> buddy_;
};

}  // namespace vellum
