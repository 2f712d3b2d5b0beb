#pragma once
// Checks of the library's own invariants. A broken one is a bug of the library, never a host's
// mistake (hosts get automation errors): it names what broke and stops the process.

namespace vellum::detail {
[[noreturn]] void InvariantBroken(const char* what, const char* condition, const char* file,
                                  int line);
}  // namespace vellum::detail

#define VELLUM_ASSERT(condition, what)                                                         \
  do {                                                                                         \
    if (!(condition)) ::vellum::detail::InvariantBroken(what, #condition, __FILE__, __LINE__); \
  } while (false)
