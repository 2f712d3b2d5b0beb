#include "platform/sim/gdi/chrome.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "platform/gdi32_types.hpp"
#include "platform/sim/gdi/gdi_tables.hpp"
#include "platform/sim/gdi/system_colors.hpp"
#include "platform/sim/gdi/text_run.hpp"

namespace vellum::sim::detail {

namespace {

using platform::COLORREF;
using platform::RECT;

// Caption buttons: 16 x 14, two pixels apart, the close button set off by two more.
constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 14;
constexpr int kGlyphSize = 8;
using Glyph = std::array<std::string_view, kGlyphSize>;
constexpr Glyph kMinimizeGlyph = {"........", "........", "........", "........",
                                  "........", "........", "######..", "######.."};
constexpr Glyph kMaximizeGlyph = {"########", "########", "#......#", "#......#",
                                  "#......#", "#......#", "#......#", "########"};
constexpr Glyph kCloseGlyph = {"##....##", ".##..##.", "..####..", "...##...",
                               "..####..", ".##..##.", "##....##", "........"};

// The platform's raised edge: an outer ring lit from the top left in the light and dark-shadow
// colours, an inner one in the highlight and shadow colours.
void RaisedEdge(Canvas& canvas, RECT r) {
  const auto ring = [&](RECT box, int light, int dark) {
    canvas.Fill({box.left, box.top, box.right - 1, box.top + 1}, SystemColor(light));
    canvas.Fill({box.left, box.top, box.left + 1, box.bottom - 1}, SystemColor(light));
    canvas.Fill({box.left, box.bottom - 1, box.right, box.bottom}, SystemColor(dark));
    canvas.Fill({box.right - 1, box.top, box.right, box.bottom}, SystemColor(dark));
  };
  ring(r, platform::COLOR_3DLIGHT, platform::COLOR_3DDKSHADOW);
  ring({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, platform::COLOR_3DHILIGHT,
       platform::COLOR_3DSHADOW);
}

void DrawGlyph(Canvas& canvas, const Glyph& glyph, int left, int top, COLORREF color) {
  for (int y = 0; y < kGlyphSize; ++y)
    for (int x = 0; x < static_cast<int>(glyph[y].size()); ++x)
      if (glyph[y][x] == '#') canvas.Set(left + x, top + y, color);
}

// The application's icon: a little window with a title bar.
void DrawWindowIcon(Canvas& canvas, int left, int top) {
  canvas.Fill({left, top, left + 14, top + 12}, SystemColor(platform::COLOR_WINDOWFRAME));
  canvas.Fill({left + 1, top + 1, left + 13, top + 11}, SystemColor(platform::COLOR_WINDOW));
  canvas.Fill({left + 1, top + 1, left + 13, top + 4}, SystemColor(platform::COLOR_HIGHLIGHT));
}

void DrawCaptionButton(Canvas& canvas, int left, int top, const Glyph& glyph) {
  canvas.Fill({left, top, left + kButtonWidth, top + kButtonHeight},
              SystemColor(platform::COLOR_3DFACE));
  RaisedEdge(canvas, {left, top, left + kButtonWidth, top + kButtonHeight});
  DrawGlyph(canvas, glyph, left + 4, top + 3, SystemColor(platform::COLOR_BTNTEXT));
}

void DrawTitle(Canvas& canvas, const String& title, int left, const RECT& caption) {
  platform::LOGFONTA font{};
  font.lfHeight = -11;
  font.lfWeight = 700;
  std::strcpy(font.lfFaceName, "Tahoma");
  const TextRun run = LayoutRun(font, title);
  RunPlacement placement;
  placement.reference = {left, caption.top + (caption.bottom - caption.top - run.height) / 2};
  PaintRun(canvas, run, placement, SystemColor(platform::COLOR_CAPTIONTEXT), std::nullopt);
}

std::optional<Canvas> SurfaceCanvas(platform::HDC surface) {
  DeviceContext* dc = FindDC(surface);
  return dc ? CanvasOf(*dc) : std::nullopt;
}

}  // namespace

void PaintWindowFrame(platform::HDC surface, const RECT& caption, const RECT& client,
                      const String& title) {
  std::optional<Canvas> canvas = SurfaceCanvas(surface);
  if (!canvas) return;
  const RECT whole = {0, 0, canvas->pixmap().width, canvas->pixmap().height};
  canvas->Fill(whole, SystemColor(platform::COLOR_ACTIVEBORDER));
  RaisedEdge(*canvas, whole);

  // The title bar: a gradient band with one row of the border colour under it.
  const RECT band = {caption.left, caption.top, caption.right, caption.bottom - 1};
  const int width = band.right - band.left;
  const COLORREF from = SystemColor(platform::COLOR_ACTIVECAPTION);
  const COLORREF to = SystemColor(platform::COLOR_GRADIENTACTIVECAPTION);
  for (int x = 0; x < width; ++x)
    canvas->Fill({band.left + x, band.top, band.left + x + 1, band.bottom},
                 BlendColor(from, to, 255 * x / std::max(width - 1, 1)));
  DrawWindowIcon(*canvas, band.left + 2, band.top + 3);
  DrawTitle(*canvas, title, band.left + 20, band);
  const int top = band.top + 2;
  int right = band.right - 2;
  DrawCaptionButton(*canvas, right - kButtonWidth, top, kCloseGlyph);
  right -= kButtonWidth + 2;
  DrawCaptionButton(*canvas, right - kButtonWidth, top, kMaximizeGlyph);
  right -= kButtonWidth;
  DrawCaptionButton(*canvas, right - kButtonWidth, top, kMinimizeGlyph);

  canvas->Fill(client, SystemColor(platform::COLOR_WINDOW));
}

void PaintMenuBarRow(platform::HDC surface, const RECT& row) {
  if (std::optional<Canvas> canvas = SurfaceCanvas(surface))
    canvas->Fill(row, SystemColor(platform::COLOR_MENU));
}

void PaintPopupFrame(platform::HDC surface) {
  std::optional<Canvas> canvas = SurfaceCanvas(surface);
  if (!canvas) return;
  const RECT whole = {0, 0, canvas->pixmap().width, canvas->pixmap().height};
  canvas->Fill(whole, SystemColor(platform::COLOR_MENU));
  RaisedEdge(*canvas, whole);
}

void PaintSubmenuArrow(platform::HDC surface, const RECT& entry) {
  std::optional<Canvas> canvas = SurfaceCanvas(surface);
  if (!canvas) return;
  constexpr int kArrowHeight = 7;  // a right-pointing triangle, 4 columns wide
  const int left = entry.right - 12;
  const int top = entry.top + (entry.bottom - entry.top - kArrowHeight) / 2;
  const COLORREF under = canvas->Get(left + 1, top + kArrowHeight / 2);
  if (under == platform::CLR_INVALID) return;
  const int luminance =
      (299 * (under & 0xFF) + 587 * ((under >> 8) & 0xFF) + 114 * ((under >> 16) & 0xFF)) / 1000;
  const COLORREF ink = luminance < 128 ? platform::RGB(255, 255, 255) : platform::RGB(0, 0, 0);
  for (int column = 0; column < 4; ++column)
    canvas->Fill({left + column, top + column, left + column + 1, top + kArrowHeight - column},
                 ink);
}

}  // namespace vellum::sim::detail
