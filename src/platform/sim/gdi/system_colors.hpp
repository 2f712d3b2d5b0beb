#pragma once
// Internal to the sim: the system-colour tables behind GetSysColor.

#include "platform/types.hpp"

namespace vellum::sim::detail {

// The current scheme's colour for index 0-30, 0 for any other index (no call is logged).
platform::COLORREF SystemColor(int index);

}  // namespace vellum::sim::detail
