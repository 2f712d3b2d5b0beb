#pragma once
// Colour arithmetic on plain RGB values (red in the low byte).

#include <cstdint>

namespace vellum {

// The channel-wise average of two RGB colours, halves rounded to even.
std::int32_t MixColor(std::int32_t a, std::int32_t b);

}  // namespace vellum
