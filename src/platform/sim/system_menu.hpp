#pragma once
// Internal to the sim: each window's own copy of the default system menu.

#include "platform/types.hpp"

namespace vellum::sim::detail {

// The window's copy, made on first use.
platform::HMENU SystemMenuOf(platform::HWND hWnd);
// Grays the entries the window's placement rules out and enables the others.
void UpdateSystemMenuStates(platform::HWND hWnd);

}  // namespace vellum::sim::detail
