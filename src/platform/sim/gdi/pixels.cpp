// Pixels: rectangle fills, lines, single pixels and block copies.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/gdi32.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/gdi/call_format.hpp"
#include "platform/sim/gdi/gdi_tables.hpp"
#include "platform/sim/gdi/system_colors.hpp"

namespace vellum::platform {

using namespace sim::detail;

namespace {

constexpr DWORD kBlackness = 0x00000042;
constexpr DWORD kWhiteness = 0x00FF0062;
constexpr DWORD kPatCopy = 0x00F00021;

LONG SaturatingAdd(long long a, long long b) {
  const long long sum = a + b;
  return static_cast<LONG>(std::clamp<long long>(sum, INT32_MIN, INT32_MAX));
}

// A brush's colour; nullopt for a hollow brush. Values 1-31 are system colour indexes + 1.
bool BrushColor(HBRUSH hbr, std::optional<COLORREF>& color) {
  if (hbr >= 1 && hbr <= 31) {
    color = SystemColor(static_cast<int>(hbr) - 1);
    return true;
  }
  const auto* brush = FindObject<BrushObject>(hbr);
  if (!brush) return false;
  color = brush->style == BS_NULL ? std::nullopt : std::optional<COLORREF>(brush->color);
  return true;
}

// One pixel of a pen's band: a wide pen repeats the pixel across the line, towards the top for
// lines that run mostly horizontally and towards the left for the others (a two-pixel pen
// paints the line and the row above it, or the column left of it).
void PaintPenPixel(Canvas& canvas, const PenObject& pen, int x, int y, bool mostlyHorizontal) {
  const int first = -(pen.width / 2);
  for (int i = first; i < first + pen.width; ++i) {
    if (mostlyHorizontal)
      canvas.Set(x, y + i, pen.color);
    else
      canvas.Set(x + i, y, pen.color);
  }
}

int ClampCoordinate(long long v) {
  return static_cast<int>(std::clamp<long long>(v, -(1LL << 30), 1LL << 30));
}

// Bresenham from `from` to `to`, painting `from` and every pixel before `to`. Only the steps
// whose major coordinate can reach the canvas are visited, so far-off lines cost nothing.
void PaintLine(Canvas& canvas, const PenObject& pen, POINT from, POINT to) {
  const long long dx = static_cast<long long>(to.x) - from.x;
  const long long dy = static_cast<long long>(to.y) - from.y;
  const bool mostlyHorizontal = std::llabs(dx) >= std::llabs(dy);
  const long long major0 = mostlyHorizontal ? from.x : from.y;
  const long long minor0 = mostlyHorizontal ? from.y : from.x;
  const long long majorDelta = std::llabs(mostlyHorizontal ? dx : dy);
  const long long minorDelta = std::llabs(mostlyHorizontal ? dy : dx);
  const int majorStep = (mostlyHorizontal ? dx : dy) >= 0 ? 1 : -1;
  const int minorStep = (mostlyHorizontal ? dy : dx) >= 0 ? 1 : -1;

  // The steps whose major coordinate lies within the canvas, widened by the pen.
  const RECT clip = canvas.clip();
  const POINT origin = canvas.origin();
  const long long lo = (mostlyHorizontal ? clip.left - origin.x : clip.top - origin.y) - pen.width;
  const long long hi =
      (mostlyHorizontal ? clip.right - origin.x : clip.bottom - origin.y) + pen.width;
  long long first = majorStep > 0 ? lo - major0 : major0 - hi + 1;
  long long last = majorStep > 0 ? hi - major0 : major0 - lo + 1;
  first = std::max(first, 0LL);
  last = std::min(last, majorDelta);
  if (first >= last) return;

  // The minor coordinate and error term after `first` steps, in closed form.
  const __int128 half = majorDelta / 2;
  const __int128 consumed = static_cast<__int128>(first) * minorDelta - half;
  const __int128 k = consumed > 0 ? (consumed + majorDelta - 1) / majorDelta : 0;
  long long error =
      static_cast<long long>(half - static_cast<__int128>(first) * minorDelta + k * majorDelta);
  long long minor = minor0 + minorStep * static_cast<long long>(k);
  for (long long i = first; i < last; ++i) {
    const int major = ClampCoordinate(major0 + majorStep * i);
    const int across = ClampCoordinate(minor);
    if (mostlyHorizontal)
      PaintPenPixel(canvas, pen, major, across, true);
    else
      PaintPenPixel(canvas, pen, across, major, false);
    error -= minorDelta;
    if (error < 0) {
      minor += minorStep;
      error += majorDelta;
    }
  }
}

}  // namespace

// Fills left..right-1 x top..bottom-1; returns nonzero on success.
int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  sim::Calls().Record("FillRect",
                      lprc ? FormatArguments("hDC=0x%X rc=(%d,%d,%d,%d) hbr=0x%X", hDC, lprc->left,
                                             lprc->top, lprc->right, lprc->bottom, hbr)
                           : FormatArguments("hDC=0x%X rc=null hbr=0x%X", hDC, hbr));
  DeviceContext* dc = FindDC(hDC);
  std::optional<COLORREF> color;
  if (!dc || !lprc || !BrushColor(hbr, color)) return 0;
  std::optional<Canvas> canvas = CanvasOf(*dc);
  if (!canvas) return 0;
  if (color) canvas->Fill(*lprc, *color);
  return 1;
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* lppt) {
  sim::Calls().Record("MoveToEx", FormatArguments("hdc=0x%X x=%d y=%d", hdc, x, y));
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->position;
  dc->position = {x, y};
  return TRUE;
}

// Paints from the current position up to but not including (x, y), which becomes current.
BOOL LineTo(HDC hdc, int x, int y) {
  sim::Calls().Record("LineTo", FormatArguments("hdc=0x%X x=%d y=%d", hdc, x, y));
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  std::optional<Canvas> canvas = CanvasOf(*dc);
  const auto* pen = FindObject<PenObject>(dc->pen);
  if (!canvas || !pen) return FALSE;
  if (pen->style != PS_NULL) PaintLine(*canvas, *pen, dc->position, {x, y});
  dc->position = {x, y};
  return TRUE;
}

// CLR_INVALID off the surface (or outside the DC's clip).
COLORREF GetPixel(HDC hdc, int x, int y) {
  sim::Calls().Record("GetPixel", FormatArguments("hdc=0x%X x=%d y=%d", hdc, x, y));
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return CLR_INVALID;
  std::optional<Canvas> canvas = CanvasOf(*dc);
  return canvas ? canvas->Get(x, y) : CLR_INVALID;
}

// Returns the colour set, or CLR_INVALID (and writes nothing) off the surface.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  sim::Calls().Record("SetPixel",
                      FormatArguments("hdc=0x%X x=%d y=%d color=0x%06X", hdc, x, y, color));
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return CLR_INVALID;
  std::optional<Canvas> canvas = CanvasOf(*dc);
  if (!canvas || !canvas->Visible(x, y)) return CLR_INVALID;
  canvas->Set(x, y, color);
  return color & 0x00FFFFFF;
}

// SRCCOPY copies the pixels that exist in both source and destination; destination pixels
// whose source lies off the source surface stay as they were. BLACKNESS, WHITENESS and PATCOPY
// need no source.
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  sim::Calls().Record("BitBlt",
                      FormatArguments("hdc=0x%X x=%d y=%d cx=%d cy=%d hdcSrc=0x%X x1=%d y1=%d "
                                      "rop=0x%08X",
                                      hdc, x, y, cx, cy, hdcSrc, x1, y1, rop));
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  std::optional<Canvas> target = CanvasOf(*dc);
  if (!target) return FALSE;
  const RECT area{x, y, SaturatingAdd(x, cx), SaturatingAdd(y, cy)};
  if (rop == kBlackness || rop == kWhiteness || rop == kPatCopy) {
    std::optional<COLORREF> color = rop == kBlackness ? 0 : 0xFFFFFF;
    if (rop == kPatCopy && !BrushColor(dc->brush, color)) return FALSE;
    if (color) target->Fill(area, *color);
    return TRUE;
  }
  if (rop != SRCCOPY) return FALSE;
  DeviceContext* source = FindDC(hdcSrc);
  if (!source) return FALSE;
  std::optional<Canvas> from = CanvasOf(*source);
  if (!from || cx < 0 || cy < 0) return FALSE;

  // Only pixels inside both clips take part: intersect in pixmap coordinates of the target,
  // with the source's clip shifted to where its pixels land.
  const POINT to = target->origin(), fromOrigin = from->origin();
  const RECT targetClip = target->clip(), sourceClip = from->clip();
  const long long shiftX = static_cast<long long>(x1) + fromOrigin.x - x - to.x;
  const long long shiftY = static_cast<long long>(y1) + fromOrigin.y - y - to.y;
  const long long left =
      std::max({static_cast<long long>(x) + to.x, static_cast<long long>(targetClip.left),
                sourceClip.left - shiftX});
  const long long top = std::max({static_cast<long long>(y) + to.y,
                                  static_cast<long long>(targetClip.top), sourceClip.top - shiftY});
  const long long right =
      std::min({static_cast<long long>(x) + to.x + cx, static_cast<long long>(targetClip.right),
                sourceClip.right - shiftX});
  const long long bottom =
      std::min({static_cast<long long>(y) + to.y + cy, static_cast<long long>(targetClip.bottom),
                sourceClip.bottom - shiftY});
  if (left >= right || top >= bottom) return TRUE;

  // Read the whole block first so that a copy within one surface sees the old pixels.
  const auto width = static_cast<std::size_t>(right - left);
  std::vector<COLORREF> block(width * static_cast<std::size_t>(bottom - top));
  for (long long row = top; row < bottom; ++row)
    std::copy_n(&from->pixmap().At(static_cast<int>(left + shiftX), static_cast<int>(row + shiftY)),
                width, &block[static_cast<std::size_t>(row - top) * width]);
  for (long long row = top; row < bottom; ++row)
    std::copy_n(&block[static_cast<std::size_t>(row - top) * width], width,
                &target->pixmap().At(static_cast<int>(left), static_cast<int>(row)));
  return TRUE;
}

}  // namespace vellum::platform
