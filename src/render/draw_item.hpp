#pragma once
// Painting of the library's owner-drawn entries: menu items of bars and popups in both draw
// styles, and sidebars. Each entry is painted off screen and copied to the target in one block.

#include <cstdint>

#include "platform/types.hpp"

namespace vellum {

class MenuItem;

// Paints the entry of the draw request at address `request` (a draw record the platform is
// sending to `hWnd`). False, with nothing painted, when the window has no paint context or the
// entry is not the library's.
bool DrawItem(platform::HWND hWnd, platform::LPARAM request);

// Repaints `item` now from the draw request it last received, with `state` (ODS_ bits) in
// place of its selection and hot-light bits; with `newDC` into the window's client area,
// otherwise into the device context stored in the request.
void RedrawItem(MenuItem& item, platform::HWND hWnd, std::uint32_t state, bool newDC);

}  // namespace vellum
