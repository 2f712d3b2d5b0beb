#include "platform/sim/gdi/pixmap.hpp"

#include <algorithm>

namespace vellum::sim::detail {

using platform::COLORREF;
using platform::RECT;

Canvas::Canvas(Pixmap& pixmap, platform::POINT origin, RECT clip)
    : pixmap_(pixmap), origin_(origin) {
  // The clip never reaches past the pixmap.
  clip_.left = std::max<platform::LONG>(clip.left, 0);
  clip_.top = std::max<platform::LONG>(clip.top, 0);
  clip_.right = std::min<platform::LONG>(clip.right, pixmap.width);
  clip_.bottom = std::min<platform::LONG>(clip.bottom, pixmap.height);
}

bool Canvas::Visible(int x, int y) const {
  const long long px = static_cast<long long>(x) + origin_.x;
  const long long py = static_cast<long long>(y) + origin_.y;
  return px >= clip_.left && py >= clip_.top && px < clip_.right && py < clip_.bottom;
}

COLORREF Canvas::Get(int x, int y) const {
  if (!Visible(x, y)) return platform::CLR_INVALID;
  return pixmap_.At(x + origin_.x, y + origin_.y);
}

void Canvas::Set(int x, int y, COLORREF color) {
  if (Visible(x, y)) pixmap_.At(x + origin_.x, y + origin_.y) = color & 0x00FFFFFF;
}

void Canvas::Blend(int x, int y, COLORREF color, int coverage) {
  if (coverage <= 0 || !Visible(x, y)) return;
  COLORREF& pixel = pixmap_.At(x + origin_.x, y + origin_.y);
  pixel = BlendColor(pixel, color, coverage);
}

void Canvas::Fill(const RECT& rect, COLORREF color) {
  const long long left =
      std::max<long long>(static_cast<long long>(rect.left) + origin_.x, clip_.left);
  const long long top =
      std::max<long long>(static_cast<long long>(rect.top) + origin_.y, clip_.top);
  const long long right =
      std::min<long long>(static_cast<long long>(rect.right) + origin_.x, clip_.right);
  const long long bottom =
      std::min<long long>(static_cast<long long>(rect.bottom) + origin_.y, clip_.bottom);
  if (left >= right) return;
  for (long long y = top; y < bottom; ++y)
    std::fill_n(&pixmap_.At(static_cast<int>(left), static_cast<int>(y)), right - left,
                color & 0x00FFFFFF);
}

COLORREF BlendColor(COLORREF under, COLORREF over, int coverage) {
  if (coverage >= 255) return over & 0x00FFFFFF;
  if (coverage <= 0) return under;
  auto channel = [&](int shift) {
    const int u = static_cast<int>((under >> shift) & 0xFF);
    const int o = static_cast<int>((over >> shift) & 0xFF);
    // Rounded linear mix: u + (o - u) * a / 255.
    const int mixed = u + ((o - u) * coverage + (o >= u ? 127 : -127)) / 255;
    return static_cast<COLORREF>(mixed) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

}  // namespace vellum::sim::detail
