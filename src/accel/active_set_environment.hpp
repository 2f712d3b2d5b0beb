#pragma once
// What accelerator validation and keystroke matching read from the thread's active menu set:
// its accelerator style, its prefix library and the tables of its menus. With no active set
// nothing is registered and the style is sbNormalKeys.

#include "accel/accelerator_environment.hpp"

namespace vellum {

// Reads the active set at each question, so one instance stays right while sets change.
class ActiveSetEnvironment final : public AcceleratorEnvironment {
 public:
  std::int32_t AcceleratorStyle() const override;
  bool PrefixLibContains(std::int32_t keyCode, std::int32_t shift) const override;
  bool MenuTablesContain(std::int32_t keyCode, std::int32_t shift,
                         std::int32_t commandKey) const override;
};

// Whether the active set's AcceleratorStyle asks for left and right keys (sbExtendedKeys).
bool ActiveSetUsesExtendedKeys();

// IsRegisteredPrefix over the active set.
bool IsActiveSetPrefix(std::int32_t keyCode, std::int32_t shift);

}  // namespace vellum
