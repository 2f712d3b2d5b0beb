#pragma once
// Internal to the sim: how the window manager and the raster engine share pixels.
// Each top-level window and each open popup menu owns a surface (a pixel buffer with a
// screen origin) reached through a device context; the screen is their composite, windows
// bottom to top, then open popups in the order they opened.

#include <optional>
#include <vector>

#include "platform/types.hpp"

namespace vellum::sim::detail {

// --- provided by the window manager ---------------------------------------------------------

struct WindowGeometry {
  platform::RECT window;  // screen coordinates of the whole window
  platform::RECT client;  // screen coordinates of the client area
  platform::HDC surface;  // the DC that owns the window's pixels (origin: window top-left)
};

std::optional<WindowGeometry> GetWindowGeometry(platform::HWND hWnd);
std::vector<platform::HWND> WindowsBottomToTop();
std::vector<platform::HDC> OpenPopupSurfaces();

// --- provided by the raster engine -----------------------------------------------------------

// A device context over a new width x height surface placed at `screenOrigin`; the DC owns the
// surface and frees it in DestroySurfaceDC.
platform::HDC CreateSurfaceDC(int width, int height, platform::POINT screenOrigin);
void DestroySurfaceDC(platform::HDC hdc);

}  // namespace vellum::sim::detail
