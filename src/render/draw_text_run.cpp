#include "render/draw_text_run.hpp"

#include "render/measure_text.hpp"
#include "render/text_drawing.hpp"

namespace vellum {

void DrawTextRun(StringView text, platform::HDC hDC, std::int32_t& x, std::int32_t& y, bool enabled,
                 bool newLine) {
  platform::SIZE extent;
  MeasureText(hDC, text, extent, false);
  if (enabled) {
    DrawPlainText(hDC, text, x, y);
  } else {
    DrawDisabledText(hDC, text, x, y);
  }
  if (newLine) {
    y += extent.cy;
  } else {
    x += extent.cx;
  }
}

}  // namespace vellum
