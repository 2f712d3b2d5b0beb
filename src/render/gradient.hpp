#pragma once
// Fills of rectangles: solid, and gradients made of one-pixel stripes, each painted with a solid
// brush of its own.

#include <cstdint>

#include "platform/gdi32_types.hpp"

namespace vellum {

class MultiGradient;

// The rectangle (right and bottom exclusive) in automation colour `color`.
void FillSolid(platform::HDC hDC, const platform::RECT& rect, std::int32_t color);

// Stripes running from automation colour c1 to c2: columns left to right, or rows top to
// bottom when `vertical`. There is one stripe more than the rectangle is wide (or high): the
// last lies on rect.right (rect.bottom), where the device clips it when it falls outside.
// A rectangle of no width (height) fails with error 11, a reversed one with error 9; either
// way nothing is painted.
void FillGradient(platform::HDC hDC, std::int32_t c1, std::int32_t c2, const platform::RECT& rect,
                  bool vertical);

// The same stripes coloured by the gradient's stops. Fails with error 9 before painting
// anything when the gradient has no stops or more stops than stripes.
void FillMultiGradient(platform::HDC hDC, const MultiGradient& gradient, const platform::RECT& rect,
                       bool vertical);

}  // namespace vellum
