#pragma once
// Colour arithmetic. An automation colour is a signed 32-bit value: with the high bit clear it
// is RGB with red in the low byte (0x00BBGGRR); with the high bit set its low 11 bits name a
// system colour. A resolved colour is always plain RGB.

#include <cstdint>
#include <span>
#include <vector>

namespace vellum {

// The plain RGB value of an automation colour; system colours are looked up now.
std::int32_t ResolveColor(std::int32_t color);

// The channel-wise average of two resolved colours, halves rounded to even.
std::int32_t MixColor(std::int32_t a, std::int32_t b);

// `count` colours running evenly from `from` (entry 0) to `to` (entry count - 1), each channel
// rounded half to even. A count of 1 is a division by zero (error 11); less than 1 has no
// entries to hold (error 9).
std::vector<std::int32_t> InterpolateColors(std::int32_t from, std::int32_t to, std::int32_t count);

// Spreads resolved stop colours over `count` entries, one interpolated segment between each
// pair of neighbouring stops. The stops unchanged when there are exactly `count` of them; no
// entries when there are none or more stops than entries. A single stop fills every entry with
// its colour.
std::vector<std::int32_t> SpreadStops(std::span<const std::int32_t> stops, std::int32_t count);

}  // namespace vellum
