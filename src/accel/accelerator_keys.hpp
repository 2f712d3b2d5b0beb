#pragma once
// The three numbers an accelerator is held as.

#include <cstdint>

namespace vellum {

struct AcceleratorKeys {
  std::int32_t KeyCode = 0;     // main key; 0 means no accelerator
  std::int32_t Shift = 0;       // AcceleratorShiftStates flags held with the main key
  std::int32_t CommandKey = 0;  // second key of a two-keystroke sequence; 0 for none

  friend bool operator==(const AcceleratorKeys&, const AcceleratorKeys&) = default;
};

}  // namespace vellum
