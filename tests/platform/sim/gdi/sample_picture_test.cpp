// Draws a small menu-like picture with gradients, frames, text and an icon, saves it as PNG and
// reads it back; the file is kept for people to look at.
#include <gtest/gtest.h>

#include "platform/platform.hpp"
#include "platform/sim/gdi/memory_canvas.hpp"
#include "platform/sim/gdi/screen.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::Font;
using testing::MemoryCanvas;

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF color, int width = 1) {
  const HPEN pen = CreatePen(PS_SOLID, width, color);
  const HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void Fill(HDC dc, RECT rect, COLORREF color) {
  const HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void Gradient(HDC dc, RECT rect, COLORREF from, COLORREF to) {
  const int width = rect.right - rect.left;
  for (int i = 0; i < width; ++i) {
    auto mix = [&](int shift) {
      const int a = (from >> shift) & 0xFF;
      const int b = (to >> shift) & 0xFF;
      return static_cast<COLORREF>(a + (b - a) * i / std::max(1, width - 1)) << shift;
    };
    Fill(dc, {rect.left + i, rect.top, rect.left + i + 1, rect.bottom}, mix(0) | mix(8) | mix(16));
  }
}

void Text(HDC dc, int x, int y, const char16_t* text, LOGFONTA font, COLORREF color) {
  const HFONT hfont = CreateFontIndirectA(&font);
  const HGDIOBJ old = SelectObject(dc, hfont);
  SetTextColor(dc, color);
  SetBkMode(dc, TRANSPARENT);
  TextOutW(dc, x, y, text, static_cast<int>(std::char_traits<char16_t>::length(text)));
  SelectObject(dc, old);
  DeleteObject(hfont);
}

void DisabledText(HDC dc, int x, int y, const char* text, LOGFONTA font) {
  const HFONT hfont = CreateFontIndirectA(&font);
  const HGDIOBJ old = SelectObject(dc, hfont);
  DrawStateA(dc, 0, nullptr, reinterpret_cast<LPARAM>(text), 0, x, y, 0, 0,
             DST_TEXT | DSS_DISABLED);
  SelectObject(dc, old);
  DeleteObject(hfont);
}

TEST(SamplePicture, MenuLikeDrawingSavesAndLoadsBackIdentically) {
  MemoryCanvas canvas(240, 200, GetSysColor(COLOR_APPWORKSPACE));
  const HDC dc = canvas.dc;
  const LOGFONTA menu = Font("Tahoma", -11);

  // Popup body with a raised frame.
  Fill(dc, {10, 10, 230, 190}, GetSysColor(COLOR_MENU));
  Line(dc, 229, 10, 10, 10, GetSysColor(COLOR_3DHILIGHT));
  LineTo(dc, 10, 189);
  Line(dc, 10, 189, 229, 189, GetSysColor(COLOR_3DSHADOW));
  Line(dc, 229, 189, 229, 9, GetSysColor(COLOR_3DSHADOW));

  // Sidebar band with upward text.
  Gradient(dc, {12, 12, 34, 188}, RGB(0, 0, 128), RGB(16, 132, 208));
  LOGFONTA side = Font("Tahoma", -16, FW_BOLD);
  side.lfEscapement = side.lfOrientation = 900;
  Text(dc, 14, 180, u"Vellum Menus", side, RGB(255, 255, 255));

  // A selected entry with a gradient, then ordinary ones.
  Gradient(dc, {38, 14, 226, 34}, GetSysColor(COLOR_HIGHLIGHT), RGB(166, 202, 240));
  Text(dc, 64, 18, u"Open...", menu, RGB(255, 255, 255));
  Text(dc, 170, 18, u"Ctrl+O", menu, RGB(255, 255, 255));
  LOGFONTA underline = menu;
  underline.lfUnderline = 1;
  Text(dc, 64, 40, u"S", underline, 0);
  Text(dc, 71, 40, u"ave as\u2026", menu, 0);
  Text(dc, 64, 62, u"Default entry", Font("Tahoma", -11, FW_BOLD), 0);
  Text(dc, 64, 84, u"Caption (semibold)", Font("Tahoma", -10, FW_SEMIBOLD), 0);
  DisabledText(dc, 64, 106, "Print preview", menu);
  LOGFONTA italic = menu;
  italic.lfItalic = 255;
  Text(dc, 64, 128, u"Italic \u00E9t\u00E9 \u20AC 12", italic, 0);
  LOGFONTA strike = menu;
  strike.lfStrikeOut = 1;
  Text(dc, 64, 150, u"Struck out", strike, 0);

  // Etched separator and a framed icon cell with a check mark icon.
  Line(dc, 40, 171, 224, 171, GetSysColor(COLOR_3DSHADOW));
  Line(dc, 40, 172, 224, 172, GetSysColor(COLOR_3DHILIGHT));
  std::vector<COLORREF> check(16 * 16, RGB(255, 0, 255));
  for (int i = 0; i < 5; ++i) {
    for (int t = 0; t < 2; ++t) {
      check[(8 + i + t) * 16 + 3 + i] = 0;
      check[(12 - i + t) * 16 + 8 + i] = 0;
    }
  }
  const HICON icon = sim::CreateIconFromPixels(16, 16, check, RGB(255, 0, 255));
  DrawStateW(dc, 0, nullptr, static_cast<LPARAM>(icon), 0, 42, 38, 16, 16, DST_ICON);
  Line(dc, 40, 55, 40, 36, GetSysColor(COLOR_3DSHADOW));
  LineTo(dc, 59, 36);
  Line(dc, 59, 36, 59, 56, GetSysColor(COLOR_3DHILIGHT));
  LineTo(dc, 39, 56);
  DestroyIcon(icon);

  const std::string path = testing::TempPath("sample_menu.png");
  ASSERT_TRUE(sim::SaveBitmapPng(canvas.bitmap, path));
  const HBITMAP loaded = sim::LoadBitmapPng(path);
  ASSERT_NE(loaded, 0u);
  EXPECT_EQ(sim::BitmapPixels(loaded), sim::BitmapPixels(canvas.bitmap));
  DeleteObject(loaded);
}

}  // namespace
}  // namespace vellum
