#include "platform/automation/assert.hpp"

#include <cstdio>
#include <cstdlib>

namespace vellum::detail {

void InvariantBroken(const char* what, const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: vellum invariant broken: %s (%s)\n", file, line, what, condition);
  std::abort();
}

}  // namespace vellum::detail
