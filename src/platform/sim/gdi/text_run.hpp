#pragma once
// Internal to the sim: one line of text laid out in a font, as the coverage it paints, and the
// painting of that coverage at any of the four right-angle escapements.

#include <optional>

#include "platform/automation/string.hpp"
#include "platform/sim/gdi/pixmap.hpp"

namespace vellum::sim::detail {

// Longer runs are measured in full but painted only this far (the platform's coordinate range).
constexpr int kLongestRun = 32767;

struct TextRun {
  int extent = 0;   // advance width of the whole run
  int painted = 0;  // the part of it that has ink and background (at most kLongestRun)
  int height = 0;   // the font's line height (ascent + descent)
  int ascent = 0;
  int pad = 0;       // coverage columns left of the reference point (overhangs)
  CoverageMask ink;  // (painted + 2 * pad) x height; column pad is the reference point
};

// The run's advance width and line height, without rendering.
platform::SIZE MeasureRun(const platform::LOGFONTA& font, StringView text);

// Glyphs, then underline and strike-out as the description asks.
TextRun LayoutRun(const platform::LOGFONTA& font, StringView text);

// Where the run's cell and ink land: the cell's top-left corner is `origin` in run space, and
// run space turns by `quarterTurns` x 90 degrees counter-clockwise about `reference`.
struct RunPlacement {
  platform::POINT reference;
  platform::POINT origin;  // offset of the run's reference point inside run space, from alignment
  int quarterTurns = 0;
};

// Fills the cell with `background` when given, then blends the ink in `color` over the canvas.
void PaintRun(Canvas& canvas, const TextRun& run, const RunPlacement& placement,
              platform::COLORREF color, std::optional<platform::COLORREF> background);

// Quarter turns (0-3) of an escapement in tenths of a degree, to the nearest right angle.
int QuarterTurns(platform::LONG escapement);

}  // namespace vellum::sim::detail
