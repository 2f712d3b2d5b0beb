#include "platform/sim/gdi/text_run.hpp"

#include <algorithm>

#include "platform/sim/gdi/font_cache.hpp"

namespace vellum::sim::detail {

using platform::COLORREF;
using platform::LOGFONTA;

namespace {

// UTF-16 to code points; an unpaired surrogate reads as U+FFFD.
std::u32string CodePoints(StringView text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      out.push_back(0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      out.push_back(U'\uFFFD');
    } else {
      out.push_back(c);
    }
  }
  return out;
}

long long Pixels(long long value64) {
  return (value64 + 32) >> 6;
}

void FillRows(CoverageMask& ink, int pad, int extent, int row, int thickness) {
  for (int y = std::max(row, 0); y < std::min(row + thickness, ink.height); ++y)
    for (int x = pad; x < pad + extent; ++x)
      ink.At(x, y) = 255;
}

// Maps a run-space point (u along the text, v down from the cell top) to the canvas.
platform::POINT Turn(const RunPlacement& p, int u, int v) {
  const int ru = u + p.origin.x;
  const int rv = v + p.origin.y;
  switch (p.quarterTurns) {
    case 1:  // running upward
      return {p.reference.x + rv, p.reference.y - ru - 1};
    case 2:
      return {p.reference.x - ru - 1, p.reference.y - rv - 1};
    case 3:  // running downward
      return {p.reference.x - rv - 1, p.reference.y + ru};
    default:
      return {p.reference.x + ru, p.reference.y + rv};
  }
}

}  // namespace

platform::SIZE MeasureRun(const LOGFONTA& font, StringView text) {
  FontFace& face = FaceFor(font);
  long long extent64 = 0;
  for (char32_t c : CodePoints(text))
    extent64 += face.GlyphFor(c).advance64;
  return {static_cast<platform::LONG>(std::min<long long>(Pixels(extent64), 0x7FFFFFFF)),
          face.Metrics().height};
}

TextRun LayoutRun(const LOGFONTA& font, StringView text) {
  FontFace& face = FaceFor(font);
  const FaceMetrics& metrics = face.Metrics();
  const std::u32string points = CodePoints(text);

  TextRun run;
  run.height = metrics.height;
  run.ascent = metrics.ascent;
  run.pad = metrics.height;  // room for italic overhang and negative side bearings
  long long extent64 = 0;
  for (char32_t c : points)
    extent64 += face.GlyphFor(c).advance64;
  run.extent = static_cast<int>(std::min<long long>(Pixels(extent64), 0x7FFFFFFF));
  run.painted = std::min(run.extent, kLongestRun);
  run.ink = CoverageMask(run.painted + 2 * run.pad, run.height);

  // Pen positions add up fractional advances and round once per glyph.
  long long pen64 = 0;
  for (char32_t c : points) {
    const long long pen = run.pad + Pixels(pen64);
    if (pen - run.pad >= run.painted) break;
    const Glyph& glyph = face.GlyphFor(c);
    for (int gy = 0; gy < glyph.height; ++gy) {
      const int y = metrics.ascent - glyph.top + gy;
      if (y < 0 || y >= run.height) continue;
      for (int gx = 0; gx < glyph.width; ++gx) {
        const long long x = pen + glyph.left + gx;
        if (x < 0 || x >= run.ink.width) continue;
        const std::uint8_t value = glyph.coverage[static_cast<std::size_t>(gy) * glyph.width + gx];
        std::uint8_t& cell = run.ink.At(static_cast<int>(x), y);
        cell = std::max(cell, value);  // overlapping glyphs: the stronger coverage wins
      }
    }
    pen64 += glyph.advance64;
  }
  if (font.lfUnderline)
    FillRows(run.ink, run.pad, run.painted, metrics.underlineRow, metrics.underlineThickness);
  if (font.lfStrikeOut)
    FillRows(run.ink, run.pad, run.painted, metrics.strikeRow, metrics.strikeThickness);
  return run;
}

void PaintRun(Canvas& canvas, const TextRun& run, const RunPlacement& placement, COLORREF color,
              std::optional<COLORREF> background) {
  if (background) {
    for (int v = 0; v < run.height; ++v)
      for (int u = 0; u < run.painted; ++u) {
        const platform::POINT p = Turn(placement, u, v);
        canvas.Set(p.x, p.y, *background);
      }
  }
  for (int y = 0; y < run.ink.height; ++y)
    for (int x = 0; x < run.ink.width; ++x) {
      const int coverage = run.ink.At(x, y);
      if (coverage == 0) continue;
      const platform::POINT p = Turn(placement, x - run.pad, y);
      canvas.Blend(p.x, p.y, color, coverage);
    }
}

int QuarterTurns(platform::LONG escapement) {
  const long long tenths = ((static_cast<long long>(escapement) % 3600) + 3600) % 3600;
  return static_cast<int>(((tenths + 450) / 900) % 4);
}

}  // namespace vellum::sim::detail
