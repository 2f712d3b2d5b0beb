#include "accel/accelerators.hpp"

#include "accel/accelerator.hpp"
#include "items/menu_item.hpp"
#include "items/sub_menu.hpp"
#include "model/library_state.hpp"
#include "model/menu.hpp"

namespace vellum {
namespace {

bool NamesNoItem(std::int32_t itemId) {
  return itemId == 0 || itemId == -1;
}

}  // namespace

Ref<Accelerators> Accelerators::New() {
  return ObjectFactory::Make<Accelerators>();
}

Ref<Accelerator> Accelerators::Item(std::int32_t index) const {
  return entries_->Item(index).ToObjectOf<Accelerator>();
}

Ref<Accelerator> Accelerators::ItemByID(std::int32_t itemId) const {
  if (NamesNoItem(itemId)) return nullptr;
  return entries_->Item(DefaultKey(static_cast<std::uint32_t>(itemId))).ToObjectOf<Accelerator>();
}

void Accelerators::RemoveByID(std::int32_t itemId) {
  if (NamesNoItem(itemId)) return;
  entries_->Remove(DefaultKey(static_cast<std::uint32_t>(itemId)));
}

const MemberTable& Accelerators::Members() const {
  static const MemberTable table(
      {
          ReadOnly(u"Menu", &Accelerators::Menu),
          ReadOnly(u"IsPrefixLib", &Accelerators::IsPrefixLib),
          Method(u"Item", &Accelerators::Item),
          Method(u"ItemByID", &Accelerators::ItemByID),
          ReadOnly(u"Count", &Accelerators::Count),
          Method(u"Remove", &Accelerators::Remove),
          Method(u"RemoveByID", &Accelerators::RemoveByID),
          Method(u"Clear", &Accelerators::Clear),
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
      table->EntriesOf()->Add(accelerator, DefaultKey(static_cast<std::uint32_t>(item->ItemId())));
    });
    IgnoringErrors([&] { RebuildAcceleratorTable(*item->SubMenu()); });
  }
}

}  // namespace vellum
