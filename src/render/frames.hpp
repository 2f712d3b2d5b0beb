#pragma once
// The frames and lines items are drawn with: thin sunken and raised frames, a two-pixel bevel,
// a black outline and an etched line. Colours are the platform's three-dimensional colours.

#include "platform/types.hpp"

namespace vellum {

// Each frame fails with error 6 when a coordinate one beyond the rectangle leaves 32 bits.
// Occupies rows top + 1 to bottom + 1; row top is not touched.
void DrawSunkenFrame(platform::HDC hDC, const platform::RECT& rect);
void DrawRaisedFrame(platform::HDC hDC, const platform::RECT& rect);
void DrawBevelFrame(platform::HDC hDC, const platform::RECT& rect, bool sunken);
// A black outline through all four corners.
void DrawFlatFrame(platform::HDC hDC, const platform::RECT& rect);
// A highlight line from p1 to p2 with a shadow line beside it: above it (below when `flip`),
// or right of a vertical line (left when `flip`). The current position is kept.
void DrawEtchedLine(platform::HDC hDC, platform::POINT p1, platform::POINT p2, bool vertical,
                    bool flip);

}  // namespace vellum
