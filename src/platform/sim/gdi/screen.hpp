#pragma once
// The sim driver for the raster engine: the simulated screen (size, resolution, system-colour
// scheme), pictures of it as PNG files, bitmaps loaded from PNG files, icons made from pixels,
// and counts of live objects. State is per thread.
//
// Text faces. "MS Sans Serif" and "Tahoma" (the platform's menu faces) are drawn with the
// metric-compatible faces of Debian's fonts-wine, "MS Shell Dlg" and "MS Shell Dlg 2" stand for
// them; "Arial", "Segoe UI", "System" and any face that is not installed (the two above
// included, on a machine without fonts-wine) are drawn with DejaVu Sans. A negative lfHeight is the character (em)
// height in pixels, a positive one the cell height, 0 means 12-pixel characters. Weight 650 and
// above uses the bold face; 550-649 (semibold) thickens the regular face's strokes and adds a
// quarter pixel to each advance, so it lies between regular and bold. Glyphs are anti-aliased
// (light hinting, coverage blended over the pixels below) unless lfQuality is
// NONANTIALIASED_QUALITY. No kerning. Escapements snap to the nearest right angle.
//
// The fixed-metrics face "Vellum Fixed", for exact layout tests:
//   - line (cell) height h = |lfHeight|, or 13 when lfHeight is 0;
//   - every character advances by lfWidth when lfWidth > 0, else by max(1, h / 2)
//     (height -13 -> 13 pixels high, 6 wide; -20 -> 20 high, 10 wide);
//   - a space (U+0020, U+00A0) paints nothing; every other character paints its cell inset by
//     one pixel on each side (weight 600 and above: inset only at top and bottom), fully
//     covered, never anti-aliased;
//   - ascent h - h / 4, descent h / 4; underline is the cell's bottom row, strike-out row h / 2.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/types.hpp"

namespace vellum::sim {

// --- the screen -------------------------------------------------------------------------------

// Default 1024 x 768; changing the size clears the desktop.
void SetScreenSize(int width, int height);
platform::SIZE ScreenSize();

// Pixels per inch that GetDeviceCaps reports (default 96 x 96).
void SetScreenDpi(int dpiX, int dpiY);
// A resolution for one DC only (0, 0 follows the screen again); false for an unknown DC.
bool SetDeviceDpi(platform::HDC hdc, int dpiX, int dpiY);

// GetSysColor's table. Classic is the platform's classic scheme; Dark and HighContrast let
// tests check that colours resolved through system indexes follow the scheme.
enum class ColorScheme { Classic, Dark, HighContrast };
void SetColorScheme(ColorScheme scheme);
ColorScheme CurrentColorScheme();

// --- pictures ---------------------------------------------------------------------------------

// False when the handle is unknown or the file cannot be written.
bool SaveBitmapPng(platform::HBITMAP bitmap, const std::string& path);
// The window's whole surface, as its own procedures painted it.
bool SaveWindowPng(platform::HWND window, const std::string& path);
// The desktop, then every window bottom to top, then the open popup menus in the order they
// opened.
bool SaveScreenPng(const std::string& path);
// Only `area` of that picture (screen coordinates, clipped to the screen); false when nothing of
// it lies on the screen.
bool SaveScreenPng(const std::string& path, const platform::RECT& area);

// A new bitmap with the file's pixels; pixels less than half opaque become light grey
// RGB(192, 192, 192), the colour menus treat as a bitmap's transparent background. 0 when the
// file is missing or not a PNG.
platform::HBITMAP LoadBitmapPng(const std::string& path);

// An icon of width x height from row-major pixels; pixels equal to `transparent` are masked
// out. 0 when the pixel count does not match.
platform::HICON CreateIconFromPixels(int width, int height,
                                     const std::vector<platform::COLORREF>& pixels,
                                     platform::COLORREF transparent);

// Row-major copy of a bitmap's pixels (empty for an unknown handle), for tests.
std::vector<platform::COLORREF> BitmapPixels(platform::HBITMAP bitmap);

// --- bookkeeping ------------------------------------------------------------------------------

// Objects created and not yet deleted (stock objects not counted), icons included.
std::size_t LiveGdiObjects();
// Memory DCs and DCs from GetDC/GetWindowDC not yet deleted or released.
std::size_t LiveDeviceContexts();

}  // namespace vellum::sim
