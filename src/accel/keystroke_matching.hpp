#pragma once
// Running accelerators from released keys: the shift state sampled from the keyboard, the
// pending prefix of a two-keystroke sequence, and the search for the item whose accelerator
// matches in the menus of a window.

#include <cstdint>

#include "platform/automation/object.hpp"
#include "platform/types.hpp"

namespace vellum {

class MenuItem;

// 1 while a Shift key is down plus 2 while a Ctrl key is down. With `leftAndRight`, the sides
// instead: 16 left Shift, 256 right Shift, 32 left Ctrl, 512 right Ctrl. Alt is never sampled.
std::int32_t SampleShiftState(bool leftAndRight = false);

// Follows one released key: keeps or clears the pending prefix, starts a new one, and returns
// the item whose accelerator the keystroke completes (none most of the time). Releasing a
// Shift or Ctrl key on its own changes nothing.
Ref<MenuItem> HandleKeyUp(platform::HWND hWnd, std::int32_t vk);

// The first item, in member and item order, of the active set's menus on `hWnd` whose
// accelerator is exactly (key, shift, command) — or none when that first match cannot be
// typed: a sequence whose prefix is not registered, or a single keystroke that is one.
Ref<MenuItem> FindAcceleratorItem(platform::HWND hWnd, std::int32_t key, std::int32_t shift,
                                  std::int32_t command);

}  // namespace vellum
