#pragma once
// The prefix keystroke of a two-keystroke sequence that waits for its second key. One per
// thread, shared by every window the library has attached: a prefix typed in one window can be
// completed in another.

#include <cstdint>

namespace vellum {

struct PendingPrefix {
  std::int32_t PendingKey = 0;    // key code of the prefix
  std::int32_t PendingShift = 0;  // the shift state sampled when the prefix was released
  bool PendingActive = false;     // a prefix waits for its second key
};

}  // namespace vellum
