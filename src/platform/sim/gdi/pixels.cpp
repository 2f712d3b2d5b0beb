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

// Bresenham from `from` to `to`, painting `from` and every pixel before `to`.
void PaintLine(Canvas& canvas, const PenObject& pen, POINT from, POINT to) {
  const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
  const long long dy = std::llabs(static_cast<long long>(to.y) - from.y);
  const int sx = from.x < to.x ? 1 : -1;
  const int sy = from.y < to.y ? 1 : -1;
  const bool mostlyHorizontal = dx >= dy;
  long long steps = mostlyHorizontal ? dx : dy;
  if (steps > 1 << 16) steps = 1 << 16;  // far beyond any surface; keeps runaway lines bounded
  long long error = (mostlyHorizontal ? dx : dy) / 2;
  long long x = from.x;
  long long y = from.y;
  for (long long i = 0; i < steps; ++i) {
    PaintPenPixel(canvas, pen, static_cast<int>(x), static_cast<int>(y), mostlyHorizontal);
    if (mostlyHorizontal) {
      x += sx;
      error -= dy;
      if (error < 0) {
        y += sy;
        error += dx;
      }
    } else {
      y += sy;
      error -= dx;
      if (error < 0) {
        x += sx;
        error += dy;
      }
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

  // Read the whole block first so that a copy within one surface sees the old pixels.
  const RECT clip = target->clip();
  const int left = std::max<long long>(x, clip.left - target->origin().x);
  const int top = std::max<long long>(y, clip.top - target->origin().y);
  const int right =
      std::min<long long>(static_cast<long long>(x) + cx, clip.right - target->origin().x);
  const int bottom =
      std::min<long long>(static_cast<long long>(y) + cy, clip.bottom - target->origin().y);
  if (left >= right || top >= bottom) return TRUE;
  std::vector<COLORREF> block(static_cast<std::size_t>(right - left) * (bottom - top));
  for (int ty = top; ty < bottom; ++ty)
    for (int tx = left; tx < right; ++tx)
      block[static_cast<std::size_t>(ty - top) * (right - left) + (tx - left)] =
          from->Get(SaturatingAdd(tx - static_cast<long long>(x), x1),
                    SaturatingAdd(ty - static_cast<long long>(y), y1));
  for (int ty = top; ty < bottom; ++ty)
    for (int tx = left; tx < right; ++tx) {
      const COLORREF pixel =
          block[static_cast<std::size_t>(ty - top) * (right - left) + (tx - left)];
      if (pixel != CLR_INVALID) target->Set(tx, ty, pixel);
    }
  return TRUE;
}

}  // namespace vellum::platform
