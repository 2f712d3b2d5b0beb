#include "platform/sim/handle_space.hpp"

namespace vellum::sim::detail {

platform::HANDLE NewHandle() {
  // Start well above small integers so that a count or an ID passed as a handle fails.
  thread_local platform::HANDLE next = 0x10000;
  return next++;
}

}  // namespace vellum::sim::detail
