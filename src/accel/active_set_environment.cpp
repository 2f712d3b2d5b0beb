#include "accel/active_set_environment.hpp"

#include "accel/accelerator.hpp"
#include "accel/accelerator_shift_states.hpp"
#include "accel/accelerator_validation.hpp"
#include "accel/accelerators.hpp"
#include "model/library_state.hpp"
#include "model/menu.hpp"
#include "model/menus.hpp"

namespace vellum {

std::int32_t ActiveSetEnvironment::AcceleratorStyle() const {
  const Ref<Menus> active = Library().activeMenus;
  return active ? active->AcceleratorStyle() : sbNormalKeys;
}

bool ActiveSetEnvironment::PrefixLibContains(std::int32_t keyCode, std::int32_t shift) const {
  const Ref<Menus> active = Library().activeMenus;
  const Ref<Accelerators> prefixLib = active ? active->PrefixLib() : nullptr;
  if (!prefixLib) return false;
  for (const Ref<Accelerator>& entry : prefixLib->Entries()) {
    if (entry->KeyCode() == keyCode && entry->Shift() == shift) return true;
  }
  return false;
}

bool ActiveSetEnvironment::MenuTablesContain(std::int32_t keyCode, std::int32_t shift,
                                             std::int32_t commandKey) const {
  const Ref<Menus> active = Library().activeMenus;
  if (!active) return false;
  const AcceleratorKeys wanted{keyCode, shift, commandKey};
  for (const Ref<Object>& member : active->MemberList()) {
    const Ref<Menu> menu = AsMenu(member);  // designers hold no table
    const Ref<Accelerators> table = menu ? menu->AcceleratorTable() : nullptr;
    if (!table) continue;
    for (const Ref<Accelerator>& entry : table->Entries()) {
      if (entry->Keys() == wanted) return true;
    }
  }
  return false;
}

bool ActiveSetUsesExtendedKeys() {
  return (ActiveSetEnvironment().AcceleratorStyle() & sbExtendedKeys) != 0;
}

bool IsActiveSetPrefix(std::int32_t keyCode, std::int32_t shift) {
  return IsRegisteredPrefix(ActiveSetEnvironment(), keyCode, shift);
}

}  // namespace vellum
