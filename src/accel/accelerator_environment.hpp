#pragma once
// What accelerator validation asks of the active menu set. The menu set answers for its own
// tables; the rules that combine the answers live with validation.

#include <cstdint>

namespace vellum {

class AcceleratorEnvironment {
 public:
  // The AcceleratorStyle of the active menu set (AcceleratorStyleBits).
  virtual std::int32_t AcceleratorStyle() const = 0;
  // Whether an entry of the menu set's prefix library has this KeyCode and Shift (its
  // CommandKey does not matter).
  virtual bool PrefixLibContains(std::int32_t keyCode, std::int32_t shift) const = 0;
  // Whether an entry of the accelerator table of any menu of the set has exactly this
  // triple. An accelerator that is itself an entry finds itself.
  virtual bool MenuTablesContain(std::int32_t keyCode, std::int32_t shift,
                                 std::int32_t commandKey) const = 0;

 protected:
  ~AcceleratorEnvironment() = default;
};

}  // namespace vellum
