#pragma once
// Internal to the sim: timers belong to windows and go with them.

#include "platform/types.hpp"

namespace vellum::sim::detail {

void KillTimersOf(platform::HWND hWnd);

}  // namespace vellum::sim::detail
