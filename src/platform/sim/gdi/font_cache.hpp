#pragma once
// Internal to the sim: this thread's cache of font faces and rendered glyphs. A font object
// holds only its description; the first text call with a description finds the face
// (fontconfig), sizes it (FreeType) and keeps it, so that creating and deleting fonts on every
// paint costs nothing.

#include <cstdint>
#include <vector>

#include "platform/types.hpp"

namespace vellum::sim::detail {

// A rendered glyph: coverage rows, placed relative to the pen position on the baseline.
struct Glyph {
  int advance64 = 0;  // 1/64 pixel; runs add these up and round once per glyph position
  int left = 0;       // columns right of the pen position
  int top = 0;        // rows above the baseline
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;  // width * height, 0..255
};

// Vertical metrics in pixels; rows count from the top of the text cell.
struct FaceMetrics {
  int ascent = 0;
  int descent = 0;
  int height = 0;  // ascent + descent: the line height and the text cell's height
  int underlineRow = 0;
  int underlineThickness = 1;
  int strikeRow = 0;
  int strikeThickness = 1;
};

class FontFace {
 public:
  virtual ~FontFace() = default;
  const FaceMetrics& Metrics() const { return metrics_; }
  virtual const Glyph& GlyphFor(char32_t c) = 0;

 protected:
  FaceMetrics metrics_;
};

// The face for a description (cached per thread; never null).
FontFace& FaceFor(const platform::LOGFONTA& description);

// True when the description names the fixed-metrics test face "Vellum Fixed".
bool IsFixedFace(const platform::LOGFONTA& description);

}  // namespace vellum::sim::detail
