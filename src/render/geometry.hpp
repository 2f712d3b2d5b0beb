#pragma once
// Points and rectangles as mouse messages give them.

#include <cstdint>

#include "platform/types.hpp"

namespace vellum {

// Whether (x, y) lies in `rect`, all four edges included.
inline bool PointInRect(const platform::RECT& rect, std::int32_t x, std::int32_t y) {
  return rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom;
}

// The point packed into a message parameter: x in the low, y in the high 16 bits, both signed.
inline platform::POINT PointFromLParam(platform::LPARAM lParam) {
  const auto bits = static_cast<std::uint32_t>(lParam);
  return {static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>(bits >> 16)};
}

}  // namespace vellum
