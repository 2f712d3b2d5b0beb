#pragma once
// Internal to the sim: a 32-bit pixel buffer (one COLORREF per pixel, 0x00BBGGRR) and the
// clipped view of it that a device context paints through.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/types.hpp"

namespace vellum::sim::detail {

struct Pixmap {
  Pixmap(int w, int h, platform::COLORREF fill = 0)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  platform::COLORREF& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  platform::COLORREF At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * width + x];
  }

  int width;
  int height;
  std::vector<platform::COLORREF> pixels;
};

// The largest pixel count a bitmap may have; larger requests fail instead of exhausting memory.
constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;

// A per-pixel coverage mask (0 = nothing, 255 = full) with its own size.
struct CoverageMask {
  CoverageMask() = default;
  CoverageMask(int w, int h) : width(w), height(h), values(static_cast<std::size_t>(w) * h, 0) {}
  std::uint8_t& At(int x, int y) { return values[static_cast<std::size_t>(y) * width + x]; }
  std::uint8_t At(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }

  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> values;
};

// A pixmap seen through a device context: logical (0, 0) lies at `origin` of the pixmap, and
// nothing outside `clip` (pixmap coordinates, right/bottom exclusive) is ever written.
class Canvas {
 public:
  Canvas(Pixmap& pixmap, platform::POINT origin, platform::RECT clip);

  bool Visible(int x, int y) const;
  // CLR_INVALID when (x, y) lies outside the clip.
  platform::COLORREF Get(int x, int y) const;
  void Set(int x, int y, platform::COLORREF color);
  // Blends `color` over the pixel with coverage 0..255.
  void Blend(int x, int y, platform::COLORREF color, int coverage);
  // Right and bottom exclusive, clipped.
  void Fill(const platform::RECT& rect, platform::COLORREF color);

  Pixmap& pixmap() { return pixmap_; }
  platform::POINT origin() const { return origin_; }
  platform::RECT clip() const { return clip_; }

 private:
  Pixmap& pixmap_;
  platform::POINT origin_;
  platform::RECT clip_;
};

platform::COLORREF BlendColor(platform::COLORREF under, platform::COLORREF over, int coverage);

}  // namespace vellum::sim::detail
