#pragma once
// Pictures in menus: bitmaps whose light-grey background (RGB 192, 192, 192) takes the colour
// behind them, icons as they are, both in a normal or a disabled look, and pixel-wise
// recolouring and greying of what was drawn.

#include <cstdint>

#include "platform/automation/object.hpp"
#include "platform/types.hpp"

namespace vellum {

enum class ImageKind : std::int32_t { Bitmap = 0, Icon = 1 };

// The background colour of menu bitmaps.
constexpr std::int32_t kBitmapBackground = 0xC0C0C0;

// Draws a bitmap or icon picture object stretched into `box` (inclusive); other pictures, and
// none, draw nothing. `background` (plain RGB) replaces a bitmap's light grey, white when
// `grayed`, which also gives the disabled look; `monochrome` greys the result.
void DrawPicture(platform::HDC hDC, const Ref<Object>& picture, const platform::RECT& box,
                 bool grayed, std::int32_t background, bool monochrome);
void DrawImageHandle(platform::HDC hDC, platform::HANDLE image, ImageKind kind,
                     const platform::RECT& box, bool grayed, std::int32_t background,
                     bool monochrome);
// A copy of the image scaled to width x height; a bitmap's light grey becomes `color` unless
// it is -1. The caller destroys the copy.
platform::HANDLE CopyImageRecolored(platform::HANDLE image, ImageKind kind, std::int32_t width,
                                    std::int32_t height, std::int32_t color);
// Every pixel of `rect` (inclusive) that is exactly `oldColor` becomes `newColor`.
void ReplaceColor(platform::HDC hDC, const platform::RECT& rect, std::int32_t oldColor,
                  std::int32_t newColor);
// Every pixel of `rect` (inclusive) but those of `keptColor` (-1: none kept) becomes grey:
// half its green, a quarter each of its red and blue.
void GrayImage(platform::HDC hDC, const platform::RECT& rect, std::int32_t keptColor);

}  // namespace vellum
