#include "render/colors.hpp"

#include <algorithm>

#include "platform/automation/variant.hpp"
#include "platform/platform.hpp"

namespace vellum {
namespace {

constexpr std::int32_t kSystemIndexMask = 0x7FF;

int Channel(std::int32_t color, int shift) {
  return (color >> shift) & 0xFF;
}

// A channel value as the runtime rounds it: nearest, halves to even.
std::int32_t RoundChannel(double value) {
  return Variant(value).ToLong();
}

// Fills result[first..first + length - 1] with the interpolation from `from` to `to`.
void FillSegment(std::vector<std::int32_t>& result, std::size_t first, std::int32_t from,
                 std::int32_t to, std::int32_t length) {
  const std::vector<std::int32_t> segment = InterpolateColors(from, to, length);
  std::copy(segment.begin(), segment.end(), result.begin() + static_cast<std::ptrdiff_t>(first));
}

// The short-band layout: with more stops than the regular segments leave room for, stop k sits
// on entry round(k x (count - 1) / (S - 1)) and the entries between two stops are
// interpolated, so that every stop shows and nothing is written outside the result.
std::vector<std::int32_t> SpreadEvenly(std::span<const std::int32_t> stops, std::int32_t count) {
  std::vector<std::int32_t> result(static_cast<std::size_t>(count), 0);
  const auto gaps = static_cast<double>(stops.size() - 1);
  std::int32_t previous = 0;
  result[0] = stops[0];
  for (std::size_t k = 1; k < stops.size(); ++k) {
    const std::int32_t at = RoundChannel(static_cast<double>(k) * (count - 1) / gaps);
    if (at - previous >= 1) {
      FillSegment(result, static_cast<std::size_t>(previous), stops[k - 1], stops[k],
                  at - previous + 1);
    }
    // Stops that land on the same entry: the later one wins.
    result[static_cast<std::size_t>(at)] = stops[k];
    previous = at;
  }
  return result;
}

}  // namespace

std::int32_t ResolveColor(std::int32_t color) {
  if (color >= 0) return color;
  const int index = color & kSystemIndexMask;
  return static_cast<std::int32_t>(platform::GetSysColor(index));
}

std::int32_t MixColor(std::int32_t a, std::int32_t b) {
  std::int32_t mixed = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int sum = Channel(a, shift) + Channel(b, shift);
    mixed |= RoundChannel(sum / 2.0) << shift;
  }
  return mixed;
}

std::vector<std::int32_t> InterpolateColors(std::int32_t from, std::int32_t to,
                                            std::int32_t count) {
  if (count < 1) RaiseError(error::kSubscriptOutOfRange);
  const std::int32_t n = count - 1;
  if (n == 0) RaiseError(error::kDivisionByZero);
  double step[3];
  for (int c = 0; c < 3; ++c)
    step[c] = static_cast<double>(Channel(to, 8 * c) - Channel(from, 8 * c)) / n;
  std::vector<std::int32_t> colors(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i <= n; ++i) {
    std::int32_t color = 0;
    for (int c = 0; c < 3; ++c)
      color |= RoundChannel(Channel(from, 8 * c) + step[c] * i) << (8 * c);
    colors[static_cast<std::size_t>(i)] = color;
  }
  return colors;
}

std::vector<std::int32_t> SpreadStops(std::span<const std::int32_t> stops, std::int32_t count) {
  const auto S = static_cast<std::int64_t>(stops.size());
  if (S == 0) return {};
  if (S == count) return {stops.begin(), stops.end()};
  if (S > count) return {};
  if (S == 1) return std::vector<std::int32_t>(static_cast<std::size_t>(count), stops[0]);

  // The divisor is the number of stops, not of segments; single precision on purpose.
  const float seg = static_cast<float>(count) / static_cast<float>(S);
  const std::int32_t step = RoundChannel(seg);
  // The regular layout gives every segment but the last `step` entries and leaves the rest to
  // the last; when that leaves it fewer than two entries the band is too short for it.
  if (static_cast<std::int64_t>(step) * (S - 2) >= count - 1) return SpreadEvenly(stops, count);

  std::vector<std::int32_t> result(static_cast<std::size_t>(count), 0);
  std::int32_t pos = 0;
  std::int32_t length = step + 1;
  for (std::int64_t k = 0; k <= S - 2; ++k) {
    if (k == S - 2) length = count - pos;
    FillSegment(result, static_cast<std::size_t>(pos), stops[k], stops[k + 1], length);
    // The next segment starts on this one's last entry, which holds the shared stop.
    pos += length - 1;
  }
  return result;
}

}  // namespace vellum
