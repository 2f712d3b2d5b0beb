#pragma once
// The automation error a call raises, for tests that check error numbers.

#include <cstdint>
#include <functional>

#include "platform/automation/error.hpp"

namespace vellum::testing {

// The number of the AutomationError `call` raises; 0 when it raises none.
inline std::int32_t ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const AutomationError& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace vellum::testing
