#include "accel/accelerators.hpp"

#include "accel/accelerator.hpp"
#include "accel/active_set_environment.hpp"
#include "items/menu_item.hpp"
#include "items/sub_menu.hpp"
#include "model/library_state.hpp"
#include "model/menu.hpp"
#include "model/menus.hpp"
#include "platform/automation/bag_section.hpp"

namespace vellum {
namespace {

bool NamesNoItem(std::int32_t itemId) {
  return itemId == 0 || itemId == -1;
}

String EntryKey(std::int32_t itemId) {
  return DefaultKey(static_cast<std::uint32_t>(itemId));
}

[[maybe_unused]] const bool kPersistable = (RegisterPersistable<Accelerators>(), true);

}  // namespace

Ref<Accelerators> Accelerators::New() {
  return ObjectFactory::Make<Accelerators>();
}

bool Accelerators::ExtendedKeys() const {
  return ActiveSetUsesExtendedKeys();
}

Ref<MenuItem> Accelerators::TargetItem(const Variant& item) const {
  if (item.IsMissing() || isPrefixLib_) return nullptr;
  std::int32_t itemId = 0;
  if (item.IsObject()) {
    const auto menuItem = std::dynamic_pointer_cast<MenuItem>(item.ToObject());
    if (!menuItem) return nullptr;  // some other object names no item
    itemId = menuItem->ItemId();
  } else {
    itemId = item.ToLong();
  }
  // Only an item the active set knows counts: a free-standing one gets a new accelerator.
  const Ref<Menus> active = Library().activeMenus;
  if (!active || NamesNoItem(itemId)) return nullptr;
  return std::dynamic_pointer_cast<MenuItem>(active->FindMenuItem(itemId));
}

void Accelerators::Append(const Ref<Accelerator>& accelerator, std::int32_t itemId) {
  if (NamesNoItem(itemId)) {
    entries_->Add(accelerator);
    return;
  }
  const String key = EntryKey(itemId);
  if (!entries_->ContainsKey(key)) entries_->Add(accelerator, key);
}

Ref<Accelerator> Accelerators::Add(const String& accelWord, const Variant& item) {
  const auto self = Self<Accelerators>();  // the announcement runs host code
  Ref<MenuItem> target;
  IgnoringErrors([&] { target = TargetItem(item); });
  const Ref<Accelerator> accelerator = target ? target->Accelerator() : Accelerator::New();
  IgnoringErrors([&] { accelerator->AttachToTable(self); });
  IgnoringErrors([&] { accelerator->AccelWord(accelWord); });
  if (isPrefixLib_) accelerator->SetItemId(-1);
  // A loaded item's accelerator still carries the ID it was saved with: the entry is keyed by
  // the item's own, as the table's rebuild keys it, so that the item is not listed twice.
  const std::int32_t itemId = target ? target->ItemId() : accelerator->ItemId();
  IgnoringErrors([&] { Append(accelerator, itemId); });
  return accelerator;
}

Ref<Accelerator> Accelerators::Item(std::int32_t index) const {
  return entries_->Item(index).ToObjectOf<Accelerator>();
}

Ref<Accelerator> Accelerators::ItemByID(std::int32_t itemId) const {
  if (NamesNoItem(itemId)) return nullptr;
  return entries_->Item(EntryKey(itemId)).ToObjectOf<Accelerator>();
}

void Accelerators::RemoveByID(std::int32_t itemId) {
  if (NamesNoItem(itemId)) return;
  entries_->Remove(EntryKey(itemId));
}

std::vector<Ref<Accelerator>> Accelerators::Entries() const {
  std::vector<Ref<Accelerator>> entries;
  for (const Variant& value : entries_->Items()) {
    if (value.IsObject()) {
      if (auto entry = std::dynamic_pointer_cast<Accelerator>(value.ToObject())) {
        entries.push_back(std::move(entry));
      }
    }
  }
  return entries;
}

void Accelerators::SaveProperties(PropertyBag& PropBag, const Variant& Prefix) const {
  const BagSection bag(PropBag, Prefix);
  const std::vector<Ref<Accelerator>> entries = Entries();
  bag.Write(u"Count", static_cast<std::int32_t>(entries.size()));
  for (std::size_t n = 1; n <= entries.size(); ++n) {
    entries[n - 1]->SaveProperties(PropBag,
                                   bag.Key(Numbered(u"Accelerator", static_cast<std::int32_t>(n))));
  }
}

void Accelerators::LoadProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const BagSection bag(PropBag, Prefix);
  entries_ = Collection::New();
  const std::int32_t count = bag.ReadLong(u"Count", 0);
  for (std::int32_t n = 1; n <= count; ++n) {
    const Ref<Accelerator> entry = Accelerator::New();
    entry->LoadProperties(PropBag, bag.Key(Numbered(u"Accelerator", n)));
    entries_->Add(entry);
  }
}

const MemberTable& Accelerators::Members() const {
  static const MemberTable table(
      {
          ReadOnly(u"Menu", &Accelerators::Menu),
          ReadOnly(u"IsPrefixLib", &Accelerators::IsPrefixLib),
          ReadOnly(u"ExtendedKeys", &Accelerators::ExtendedKeys),
          Custom<Accelerators>(u"Add",
                               [](Accelerators& self, Invocation& call) {
                                 if (call.IsAssignment()) members::RaiseMemberNotFound();
                                 members::CheckArgumentCount(call, 2);
                                 return Variant(self.Add(call.Required(0).ToString(), call.Arg(1)));
                               }),
          ReadOnly(u"Item", &Accelerators::Item),
          ReadOnly(u"ItemByID", &Accelerators::ItemByID),
          ReadOnly(u"Count", &Accelerators::Count),
          Method(u"Remove", &Accelerators::Remove),
          Method(u"RemoveByID", &Accelerators::RemoveByID),
          Method(u"Clear", &Accelerators::Clear),
          ReadOnly(u"NewEnum", &Accelerators::NewEnum),
          SavePropertiesMember<Accelerators>(),
          LoadPropertiesMember<Accelerators>(),
      },
      &Object::Members(), u"Item");
  return table;
}

void RebuildAcceleratorTable(vellum::Menu& menu) {
  const Ref<Accelerators> table = menu.AcceleratorTable();
  if (!table) return;
  table->Clear();
  for (const Ref<MenuItem>& item : menu.ItemList()) {
    const Ref<Accelerator> accelerator = item->Accelerator();
    if (!item->Visible()) {
      IgnoringErrors([&] { accelerator->AttachToTable(nullptr); });
      continue;
    }
    IgnoringErrors([&] {
      accelerator->AttachToTable(table);
      table->EntriesOf()->Add(accelerator, EntryKey(item->ItemId()));
    });
    IgnoringErrors([&] { RebuildAcceleratorTable(*item->SubMenu()); });
  }
}

}  // namespace vellum
