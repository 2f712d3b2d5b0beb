// Text output and measurement, in the DC's font, colours, background mode and alignment.
#include "platform/automation/string.hpp"
#include "platform/gdi32.hpp"
#include "platform/sim/call_arguments.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/gdi/call_format.hpp"
#include "platform/sim/gdi/gdi_tables.hpp"
#include "platform/sim/gdi/text_run.hpp"

namespace vellum::platform {

using namespace sim::detail;

namespace {

// At most 64 characters of the text, quoted.
std::string LoggedText(StringView text) {
  return Quoted(StringToUtf8(text.substr(0, 64)));
}

// The reference point is the cell's top-left for TA_LEFT|TA_TOP; other alignments move the
// cell against it, and TA_UPDATECP uses and advances the current position.
BOOL DrawText(HDC hdc, int x, int y, StringView text) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return FALSE;
  std::optional<Canvas> canvas = CanvasOf(*dc);
  if (!canvas) return FALSE;
  const LOGFONTA& font = SelectedFont(*dc);
  const TextRun run = LayoutRun(font, text);

  RunPlacement placement;
  const bool updateCurrent = (dc->textAlign & TA_UPDATECP) != 0;
  placement.reference = updateCurrent ? dc->position : POINT{x, y};
  placement.quarterTurns = QuarterTurns(font.lfEscapement);
  const UINT horizontal = dc->textAlign & TA_CENTER;
  if (horizontal == TA_CENTER)
    placement.origin.x = -run.extent / 2;
  else if (horizontal == TA_RIGHT)
    placement.origin.x = -run.extent;
  const UINT vertical = dc->textAlign & TA_BASELINE;
  if (vertical == TA_BASELINE)
    placement.origin.y = -run.ascent;
  else if (vertical == TA_BOTTOM)
    placement.origin.y = -run.height;

  std::optional<COLORREF> background;
  if (dc->bkMode == OPAQUE) background = dc->bkColor;
  PaintRun(*canvas, run, placement, dc->textColor, background);

  if (updateCurrent && horizontal != TA_CENTER) {
    const int advance = horizontal == TA_RIGHT ? -run.extent : run.extent;
    static constexpr int kAlongX[] = {1, 0, -1, 0};
    static constexpr int kAlongY[] = {0, -1, 0, 1};
    dc->position.x += advance * kAlongX[placement.quarterTurns];
    dc->position.y += advance * kAlongY[placement.quarterTurns];
  }
  return TRUE;
}

// Width along the text and the font's line height, whatever the escapement.
BOOL Measure(HDC hdc, StringView text, SIZE* psizl) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !psizl) return FALSE;
  *psizl = MeasureRun(SelectedFont(*dc), text);
  return TRUE;
}

}  // namespace

// Windows-1252 bytes.
BOOL TextOutA(HDC hdc, int x, int y, const char* lpString, int c) {
  const String text =
      lpString && c > 0 ? CodePageToString(std::string_view(lpString, c)) : String();
  sim::Calls().Record("TextOutA",
                      FormatArguments("hdc=0x%X x=%d y=%d c=%d ", hdc, x, y, c) + LoggedText(text));
  if (c < 0 || (c > 0 && !lpString)) return FALSE;
  return DrawText(hdc, x, y, text);
}

BOOL TextOutW(HDC hdc, int x, int y, const WCHAR* lpString, int c) {
  const StringView text = lpString && c > 0 ? StringView(lpString, c) : StringView();
  sim::Calls().Record("TextOutW",
                      FormatArguments("hdc=0x%X x=%d y=%d c=%d ", hdc, x, y, c) + LoggedText(text));
  if (c < 0 || (c > 0 && !lpString)) return FALSE;
  return DrawText(hdc, x, y, text);
}

BOOL GetTextExtentPoint32A(HDC hdc, const char* lpString, int c, SIZE* psizl) {
  const String text =
      lpString && c > 0 ? CodePageToString(std::string_view(lpString, c)) : String();
  sim::Calls().Record("GetTextExtentPoint32A",
                      FormatArguments("hdc=0x%X c=%d ", hdc, c) + LoggedText(text));
  if (c < 0 || (c > 0 && !lpString)) return FALSE;
  return Measure(hdc, text, psizl);
}

BOOL GetTextExtentPoint32W(HDC hdc, const WCHAR* lpString, int c, SIZE* psizl) {
  const StringView text = lpString && c > 0 ? StringView(lpString, c) : StringView();
  sim::Calls().Record("GetTextExtentPoint32W",
                      FormatArguments("hdc=0x%X c=%d ", hdc, c) + LoggedText(text));
  if (c < 0 || (c > 0 && !lpString)) return FALSE;
  return Measure(hdc, text, psizl);
}

}  // namespace vellum::platform
