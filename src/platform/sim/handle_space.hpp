#pragma once
// Internal to the sim: one per-thread space of handle values shared by menus, windows, device
// contexts and graphics objects, so that a handle of one kind is never mistaken for another.

#include "platform/types.hpp"

namespace vellum::sim::detail {

// A fresh, never reused handle value (never 0).
platform::HANDLE NewHandle();

}  // namespace vellum::sim::detail
