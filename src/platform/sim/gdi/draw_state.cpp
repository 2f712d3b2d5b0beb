// DrawState: text, bitmaps and icons in the normal, mono and disabled looks.
#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/automation/string.hpp"
#include "platform/gdi32.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/gdi/call_format.hpp"
#include "platform/sim/gdi/font_cache.hpp"
#include "platform/sim/gdi/gdi_tables.hpp"
#include "platform/sim/gdi/system_colors.hpp"
#include "platform/sim/gdi/text_run.hpp"

namespace vellum::platform {

using namespace sim::detail;

namespace {

// What DrawState paints: a shape (coverage) and, for images, the pixels behind it.
struct Content {
  int width = 0;
  int height = 0;
  CoverageMask shape;                         // what the disabled and mono looks paint
  const Pixmap* pixels = nullptr;             // images: drawn as they are in the normal look
  const std::vector<bool>* opaque = nullptr;  // icons: which pixels show
};

// Text without its prefix marks ("&&" stays one "&"); `mnemonic` is the position of the
// character after the first single "&", or npos.
String StripPrefixes(StringView text, std::size_t& mnemonic) {
  String plain;
  mnemonic = String::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != u'&' && mnemonic == String::npos) mnemonic = plain.size();
    }
    plain.push_back(text[i]);
  }
  return plain;
}

Content TextContent(const DeviceContext& dc, StringView text, bool prefixes, bool hidePrefix) {
  LOGFONTA font = SelectedFont(dc);
  font.lfEscapement = 0;  // DrawState always writes horizontally
  std::size_t mnemonic = String::npos;
  const String plain = prefixes ? StripPrefixes(text, mnemonic) : String(text);
  const TextRun run = LayoutRun(font, plain);

  Content content;
  content.width = run.painted;
  content.height = run.height;
  content.shape = CoverageMask(run.painted, run.height);
  for (int y = 0; y < run.height; ++y)
    for (int x = 0; x < run.painted; ++x)
      content.shape.At(x, y) = run.ink.At(x + run.pad, y);
  if (mnemonic != String::npos && !hidePrefix) {
    const int from = MeasureRun(font, StringView(plain).substr(0, mnemonic)).cx;
    const int to =
        std::min(run.painted, MeasureRun(font, StringView(plain).substr(0, mnemonic + 1)).cx);
    const FaceMetrics& metrics = FaceFor(font).Metrics();
    for (int y = metrics.underlineRow; y < metrics.underlineRow + metrics.underlineThickness; ++y)
      for (int x = from; x < to && y < run.height; ++x)
        content.shape.At(x, y) = 255;
  }
  return content;
}

// A bitmap's shape for the disabled look is every pixel that is not white.
Content BitmapContent(const Pixmap& pixels) {
  Content content;
  content.width = pixels.width;
  content.height = pixels.height;
  content.pixels = &pixels;
  content.shape = CoverageMask(pixels.width, pixels.height);
  for (int y = 0; y < pixels.height; ++y)
    for (int x = 0; x < pixels.width; ++x)
      content.shape.At(x, y) = (pixels.At(x, y) & 0xFFFFFF) == 0xFFFFFF ? 0 : 255;
  return content;
}

// An icon's shape is its mask.
Content IconContent(const IconObject& icon) {
  Content content;
  content.width = icon.color->width;
  content.height = icon.color->height;
  content.pixels = icon.color.get();
  content.opaque = &icon.opaque;
  content.shape = CoverageMask(content.width, content.height);
  for (int y = 0; y < content.height; ++y)
    for (int x = 0; x < content.width; ++x)
      content.shape.At(x, y) =
          icon.opaque[static_cast<std::size_t>(y) * content.width + x] ? 255 : 0;
  return content;
}

// Paints the shape in one colour at (x + dx, y + dy), never outside the cell.
void PaintShape(Canvas& canvas, const Content& content, const RECT& cell, const RECT& area, int dx,
                int dy, COLORREF color) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const int sx = x - cell.left - dx;
      const int sy = y - cell.top - dy;
      if (sx < 0 || sy < 0 || sx >= content.shape.width || sy >= content.shape.height) continue;
      canvas.Blend(x, y, color, content.shape.At(sx, sy));
    }
}

void PaintNormal(Canvas& canvas, const Content& content, const RECT& cell, const RECT& area,
                 COLORREF textColor) {
  if (!content.pixels) {
    PaintShape(canvas, content, cell, area, 0, 0, textColor);
    return;
  }
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const int sx = x - cell.left;
      const int sy = y - cell.top;
      if (sx >= content.width || sy >= content.height) continue;
      if (content.opaque && !(*content.opaque)[static_cast<std::size_t>(sy) * content.width + sx])
        continue;
      canvas.Set(x, y, content.pixels->At(sx, sy));
    }
}

BOOL DrawStateCommon(const char* function, HDC hdc, HBRUSH hbrFore, LPARAM lData, WPARAM wData,
                     int x, int y, int cx, int cy, UINT uFlags, bool wide) {
  sim::Calls().Record(
      function,
      FormatArguments("hdc=0x%X hbrFore=0x%X wData=%zu x=%d y=%d cx=%d cy=%d "
                      "uFlags=0x%X",
                      hdc, hbrFore, static_cast<std::size_t>(wData), x, y, cx, cy, uFlags));
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  std::optional<Canvas> canvas = CanvasOf(*dc);
  if (!canvas) return FALSE;

  const UINT type = uFlags & 0x000F;
  Content content;
  if (type == DST_TEXT || type == DST_PREFIXTEXT) {
    // The text pointer is the caller's own argument for the duration of this call.
    if (lData == 0) return FALSE;
    String text;
    if (wide) {
      const auto* chars = reinterpret_cast<const WCHAR*>(lData);
      text = wData ? String(chars, wData) : String(chars);
    } else {
      const auto* bytes = reinterpret_cast<const char*>(lData);
      text = CodePageToString(wData ? std::string_view(bytes, wData) : std::string_view(bytes));
    }
    content = TextContent(*dc, text, type == DST_PREFIXTEXT, (uFlags & DSS_HIDEPREFIX) != 0);
  } else if (type == DST_BITMAP || type == DST_ICON) {
    // The handle travels in lData; it is looked up, never followed.
    if (lData <= 0 || static_cast<unsigned long long>(lData) > std::numeric_limits<HANDLE>::max())
      return FALSE;
    const HANDLE h = static_cast<HANDLE>(lData);
    if (type == DST_BITMAP) {
      const auto* bitmap = FindObject<BitmapObject>(h);
      if (!bitmap) return FALSE;
      content = BitmapContent(*bitmap->pixels);
    } else {
      const auto* icon = FindObject<IconObject>(h);
      if (!icon) return FALSE;
      content = IconContent(*icon);
    }
  } else {
    return FALSE;  // DST_COMPLEX callbacks are not simulated
  }

  const int width = cx > 0 ? cx : content.width;
  const int height = cy > 0 ? cy : content.height;
  const RECT cell{
      x, y, static_cast<LONG>(std::min<long long>(static_cast<long long>(x) + width, INT32_MAX)),
      static_cast<LONG>(std::min<long long>(static_cast<long long>(y) + height, INT32_MAX))};
  // Only the part of the cell the canvas shows is visited.
  const RECT visible = canvas->clip();
  const platform::POINT origin = canvas->origin();
  const RECT area{std::max<LONG>(cell.left, visible.left - origin.x),
                  std::max<LONG>(cell.top, visible.top - origin.y),
                  std::min<LONG>(cell.right, visible.right - origin.x),
                  std::min<LONG>(cell.bottom, visible.bottom - origin.y)};
  if (uFlags & DSS_DISABLED) {
    // Embossed: the shape in the highlight colour one pixel right and down, then in the shadow
    // colour in place, both clipped to the cell.
    PaintShape(*canvas, content, cell, area, 1, 1, SystemColor(COLOR_3DHILIGHT));
    PaintShape(*canvas, content, cell, area, 0, 0, SystemColor(COLOR_3DSHADOW));
  } else if (uFlags & DSS_MONO) {
    const auto* brush = FindObject<BrushObject>(hbrFore);
    PaintShape(*canvas, content, cell, area, 0, 0, brush ? brush->color : dc->textColor);
  } else {
    PaintNormal(*canvas, content, cell, area, dc->textColor);
  }
  return TRUE;
}

}  // namespace

BOOL DrawStateA(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC, LPARAM lData, WPARAM wData, int x, int y,
                int cx, int cy, UINT uFlags) {
  return DrawStateCommon("DrawStateA", hdc, hbrFore, lData, wData, x, y, cx, cy, uFlags, false);
}

BOOL DrawStateW(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC, LPARAM lData, WPARAM wData, int x, int y,
                int cx, int cy, UINT uFlags) {
  return DrawStateCommon("DrawStateW", hdc, hbrFore, lData, wData, x, y, cx, cy, uFlags, true);
}

}  // namespace vellum::platform
