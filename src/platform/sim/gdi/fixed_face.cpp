#include "platform/sim/gdi/fixed_face.hpp"

#include <algorithm>
#include <cstdlib>

namespace vellum::sim::detail {

namespace {

constexpr int kDefaultCellHeight = 13;

class FixedFace final : public FontFace {
 public:
  FixedFace(int cellHeight, int advance, bool bold) {
    FaceMetrics& m = metrics_;
    m.height = cellHeight;
    m.descent = cellHeight / 4;
    m.ascent = cellHeight - m.descent;
    m.underlineRow = cellHeight - 1;  // the row every block leaves free
    m.strikeRow = cellHeight / 2;

    space_.advance64 = advance * 64;
    // A block fills the cell inset by one pixel on every side; bold blocks keep the full width.
    const int inset = bold ? 0 : 1;
    block_.advance64 = advance * 64;
    block_.left = inset;
    block_.top = m.ascent - 1;
    block_.width = std::max(0, advance - 2 * inset);
    block_.height = std::max(0, cellHeight - 2);
    block_.coverage.assign(static_cast<std::size_t>(block_.width) * block_.height, 255);
  }

  const Glyph& GlyphFor(char32_t c) override {
    return c == U' ' || c == U'\u00A0' ? space_ : block_;
  }

 private:
  Glyph space_;
  Glyph block_;
};

}  // namespace

std::unique_ptr<FontFace> MakeFixedFace(const platform::LOGFONTA& description) {
  const int cellHeight =
      description.lfHeight == 0 ? kDefaultCellHeight : std::abs(description.lfHeight);
  const int advance = description.lfWidth > 0 ? description.lfWidth : std::max(1, cellHeight / 2);
  return std::make_unique<FixedFace>(cellHeight, advance, description.lfWeight >= 600);
}

}  // namespace vellum::sim::detail
