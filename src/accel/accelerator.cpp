#include "accel/accelerator.hpp"

#include "accel/accelerators.hpp"
#include "model/menu.hpp"

namespace vellum {

Ref<Accelerator> Accelerator::New() {
  return ObjectFactory::Make<Accelerator>();
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

const MemberTable& Accelerator::Members() const {
  static const MemberTable table(
      {
          Property(u"KeyCode", &Accelerator::KeyCode, &Accelerator::KeyCode),
          ReadOnly(u"Shift", &Accelerator::Shift),
          ReadOnly(u"CommandKey", &Accelerator::CommandKey),
          ReadOnly(u"ItemId", &Accelerator::ItemId),
          ReadOnly(u"IsCommandPrefix", &Accelerator::IsCommandPrefix),
          ReadOnly(u"Table", &Accelerator::Table),
          Property(u"BuddyObject", &Accelerator::BuddyObject, &Accelerator::BuddyObject),
      },
      &Object::Members());
  return table;
}

}  // namespace vellum
