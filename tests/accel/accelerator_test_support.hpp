#pragma once
// Helpers shared by the accelerator tests: readable triples and the error a call raises.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "accel/accelerator_keys.hpp"
#include "platform/automation/error.hpp"

namespace vellum {

inline void PrintTo(const AcceleratorKeys& keys, std::ostream* out) {
  *out << "(" << keys.KeyCode << ", " << keys.Shift << ", " << keys.CommandKey << ")";
}

namespace testing {

// The AutomationError that `call` raises, or nothing when it returns.
template <class Call>
std::optional<AutomationError> RaisedBy(Call&& call) {
  try {
    call();
  } catch (const AutomationError& e) {
    return e;
  }
  return std::nullopt;
}

}  // namespace testing
}  // namespace vellum
