#include "render/gradient.hpp"

#include <cstdint>
#include <vector>

#include "platform/automation/error.hpp"
#include "platform/gdi32.hpp"
#include "render/colors.hpp"
#include "render/multi_gradient.hpp"
#include "render/scoped_object.hpp"

namespace vellum {
namespace {

using platform::RECT;

// No device is this large: a band beyond it is refused (error 6) rather than computed colour by
// colour.
constexpr std::int64_t kMaxStripes = 1 << 16;

// Stripes across the rectangle, including the one on its exclusive edge. That stripe ends one
// beyond the edge, so an edge at the end of the 32-bit range overflows (error 6).
std::int32_t StripeCount(const RECT& rect, bool vertical) {
  const std::int64_t first = vertical ? rect.top : rect.left;
  const std::int64_t edge = vertical ? rect.bottom : rect.right;
  const std::int64_t count = edge - first + 1;
  if (edge + 1 > INT32_MAX || count > kMaxStripes) RaiseError(error::kOverflow);
  // A reversed rectangle has no stripes.
  return static_cast<std::int32_t>(count < 0 ? 0 : count);
}

// Stripe i of the rectangle: row top + i across the full width, or column left + i.
RECT Stripe(const RECT& rect, bool vertical, std::int32_t i) {
  if (vertical) return RECT{rect.left, rect.top + i, rect.right, rect.top + i + 1};
  return RECT{rect.left + i, rect.top, rect.left + i + 1, rect.bottom};
}

void FillResolved(platform::HDC hDC, const RECT& rect, std::int32_t rgb) {
  const ScopedObject brush(platform::CreateSolidBrush(static_cast<platform::COLORREF>(rgb)));
  platform::FillRect(hDC, &rect, brush.get());
}

void PaintStripes(platform::HDC hDC, const std::vector<std::int32_t>& colors, const RECT& rect,
                  bool vertical) {
  for (std::size_t i = 0; i < colors.size(); ++i) {
    FillResolved(hDC, Stripe(rect, vertical, static_cast<std::int32_t>(i)), colors[i]);
  }
}

}  // namespace

void FillSolid(platform::HDC hDC, const RECT& rect, std::int32_t color) {
  FillResolved(hDC, rect, ResolveColor(color));
}

void FillGradient(platform::HDC hDC, std::int32_t c1, std::int32_t c2, const RECT& rect,
                  bool vertical) {
  const std::vector<std::int32_t> colors =
      InterpolateColors(ResolveColor(c1), ResolveColor(c2), StripeCount(rect, vertical));
  PaintStripes(hDC, colors, rect, vertical);
}

void FillMultiGradient(platform::HDC hDC, const MultiGradient& gradient, const RECT& rect,
                       bool vertical) {
  const std::vector<std::int32_t> colors =
      SpreadStops(gradient.ResolvedColors(), StripeCount(rect, vertical));
  if (colors.empty()) RaiseError(error::kSubscriptOutOfRange);
  PaintStripes(hDC, colors, rect, vertical);
}

}  // namespace vellum
