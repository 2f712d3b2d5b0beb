#include "accel/accelerator.hpp"

#include "accel/accelerator_text.hpp"
#include "accel/accelerator_validation.hpp"
#include "accel/accelerators.hpp"
#include "accel/active_set_environment.hpp"
#include "model/menu.hpp"
#include "platform/automation/announce.hpp"
#include "platform/automation/bag_section.hpp"

namespace vellum {
namespace {

[[maybe_unused]] const bool kPersistable = (RegisterPersistable<Accelerator>(), true);

}  // namespace

Ref<Accelerator> Accelerator::New() {
  return ObjectFactory::Make<Accelerator>();
}

bool Accelerator::ExtendedKeys() const {
  return ActiveSetUsesExtendedKeys();
}

void Accelerator::CommandKey(std::int32_t value) {
  keys_.CommandKey = value;
  Validate();
}

void Accelerator::Shift(std::int32_t value) {
  keys_.Shift = value;
  Validate();
}

String Accelerator::AccelWord() const {
  return keys_.KeyCode == 0 ? String() : FormatAccelerator(keys_);
}

void Accelerator::AccelWord(const String& text) {
  if (text.empty()) {
    // The second key stays, and shows again once a key code is set.
    keys_.KeyCode = 0;
    keys_.Shift = 0;
    return;
  }
  keys_ = ParseAccelerator(text);
  const String canonical = FormatAccelerator(keys_);
  Validate();
  if (canonical == accelWordCache_) return;
  accelWordCache_ = canonical;
  AnnounceChange();
}

void Accelerator::Validate() const {
  // An accelerator without a table is validated as an entry of an ordinary table.
  const Ref<Accelerators> table = Table();
  const bool inPrefixLib = table && table->IsPrefixLib();
  ValidateAccelerator(keys_, inSystemMenu_, inPrefixLib, ActiveSetEnvironment());
}

void Accelerator::AnnounceChange() {
  const auto keepAlive = Self<Accelerator>();
  Announce(buddy_, u"Accelerator_AcceleratorChange", AcceleratorChange);
}

void Accelerator::AttachToTable(const Ref<Accelerators>& table) {
  table_ = table;
  if (!table) {
    inSystemMenu_ = false;
    return;
  }
  // A table without menu (the prefix library) leaves the rule as it was.
  if (const Ref<Menu> menu = AsMenu(table->Menu())) inSystemMenu_ = menu->MenuType() == mtcSysmenu;
}

void Accelerator::SaveProperties(PropertyBag& PropBag, const Variant& Prefix) const {
  const BagSection bag(PropBag, Prefix);
  bag.Write(u"Shift", keys_.Shift);
  bag.Write(u"KeyCode", keys_.KeyCode);
  bag.Write(u"CommandKey", keys_.CommandKey);
  bag.Write(u"ExtendedKeys", storedExtendedKeys_);
  bag.Write(u"ItemId", itemId_);
}

void Accelerator::LoadProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const BagSection bag(PropBag, Prefix);
  keys_.Shift = bag.ReadLong(u"Shift", keys_.Shift);
  keys_.KeyCode = bag.ReadLong(u"KeyCode", keys_.KeyCode);
  keys_.CommandKey = bag.ReadLong(u"CommandKey", keys_.CommandKey);
  storedExtendedKeys_ = bag.ReadBool(u"ExtendedKeys", storedExtendedKeys_);
  itemId_ = bag.ReadLong(u"ItemId", itemId_);
}

const MemberTable& Accelerator::Members() const {
  static const MemberTable table(
      {
          ReadOnly(u"ExtendedKeys", &Accelerator::ExtendedKeys),
          Property(u"KeyCode", &Accelerator::KeyCode, &Accelerator::KeyCode),
          Property(u"CommandKey", &Accelerator::CommandKey, &Accelerator::CommandKey),
          Property(u"Shift", &Accelerator::Shift, &Accelerator::Shift),
          ReadOnly(u"ItemId", &Accelerator::ItemId),
          ReadOnly(u"IsCommandPrefix", &Accelerator::IsCommandPrefix),
          ReadOnly(u"Table", &Accelerator::Table),
          Property(u"AccelWord", &Accelerator::AccelWord, &Accelerator::AccelWord),
          SavePropertiesMember<Accelerator>(),
          LoadPropertiesMember<Accelerator>(),
          Property(u"BuddyObject", &Accelerator::BuddyObject, &Accelerator::BuddyObject),
      },
      &Object::Members());
  return table;
}

const EventTable& Accelerator::Events() const {
  static const EventTable table(
      {
          EventMember(u"AcceleratorChange", &Accelerator::AcceleratorChange, {}),
      },
      &Object::Events());
  return table;
}

}  // namespace vellum
