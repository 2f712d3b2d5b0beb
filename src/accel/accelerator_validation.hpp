#pragma once
// Validation of an accelerator against the style and tables of the active menu set.

#include <cstdint>

#include "accel/accelerator_keys.hpp"

namespace vellum {

class AcceleratorEnvironment;

// Whether `keyCode` with `shift` starts a two-keystroke sequence: it is in the prefix library.
bool IsRegisteredPrefix(const AcceleratorEnvironment& environment, std::int32_t keyCode,
                        std::int32_t shift);

// Whether this exact triple is in a menu's table. A sequence counts only under a registered
// prefix, since without one it can never be typed.
bool IsAcceleratorAssigned(const AcceleratorEnvironment& environment, const AcceleratorKeys& keys);

// Computes the validation flags of an accelerator (accelerator_flag) and raises them through
// RaiseAcceleratorError when any of them is a failure; otherwise returns them (1 or 3).
// `inSystemMenu`: its table belongs to a system menu, which wants Alt rather than Ctrl.
// `inPrefixLib`: its table is the prefix library, whose entries cannot have a second key.
std::int32_t ValidateAccelerator(const AcceleratorKeys& keys, bool inSystemMenu, bool inPrefixLib,
                                 const AcceleratorEnvironment& environment);

}  // namespace vellum
