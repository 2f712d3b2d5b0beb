#include <gtest/gtest.h>

#include "platform/platform.hpp"
#include "platform/sim/gdi/memory_canvas.hpp"
#include "platform/sim/gdi/screen.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::Font;
using testing::MemoryCanvas;

constexpr COLORREF kRed = RGB(255, 0, 0);

class DrawStateTest : public ::testing::Test {
 protected:
  DrawStateTest() : canvas_(16, 10, GetSysColor(COLOR_MENU)) {
    LOGFONTA font = Font("Vellum Fixed", -6);
    font.lfWidth = 4;
    font_ = CreateFontIndirectA(&font);
    previous_ = SelectObject(canvas_.dc, font_);
  }
  ~DrawStateTest() override {
    SelectObject(canvas_.dc, previous_);
    DeleteObject(font_);
  }

  // Shadow 's', highlight 'h', untouched '.', anything else '?'.
  std::string Look(int width, int height) const {
    std::string out;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const COLORREF pixel = canvas_.At(x, y);
        out += pixel == GetSysColor(COLOR_3DSHADOW)    ? 's'
               : pixel == GetSysColor(COLOR_3DHILIGHT) ? 'h'
               : pixel == GetSysColor(COLOR_MENU)      ? '.'
                                                       : '?';
      }
      out += '\n';
    }
    return out;
  }

  BOOL Text(const char* text, int x, int y, int cx, int cy, UINT flags) {
    return DrawStateA(canvas_.dc, 0, nullptr, reinterpret_cast<LPARAM>(text), 0, x, y, cx, cy,
                      flags);
  }

  MemoryCanvas canvas_;
  HFONT font_ = 0;
  HGDIOBJ previous_ = 0;
};

TEST_F(DrawStateTest, DisabledTextIsEmbossedHighlightBelowRightThenShadow) {
  ASSERT_TRUE(Text("a", 1, 1, 0, 0, DST_TEXT | DSS_DISABLED));
  EXPECT_EQ(Look(7, 8),
            ".......\n"
            ".......\n"
            "..ss...\n"
            "..ssh..\n"
            "..ssh..\n"
            "..ssh..\n"
            "...hh..\n"
            ".......\n");
}

TEST_F(DrawStateTest, DisabledOutputStaysInsideTheCell) {
  // A cell one pixel shorter than the text cuts the highlight's last row.
  ASSERT_TRUE(Text("ab", 1, 1, 8, 5, DST_TEXT | DSS_DISABLED));
  EXPECT_EQ(canvas_.InkBounds(GetSysColor(COLOR_MENU)), (RECT{2, 2, 9, 6}));
  for (int x = 0; x < 16; ++x)
    EXPECT_EQ(canvas_.At(x, 6), GetSysColor(COLOR_MENU)) << x;
}

TEST_F(DrawStateTest, NormalTextMatchesTransparentTextOutAndDiffersFromDisabled) {
  SetTextColor(canvas_.dc, RGB(0, 0, 255));
  ASSERT_TRUE(
      DrawStateW(canvas_.dc, 0, nullptr, reinterpret_cast<LPARAM>(u"ab"), 2, 1, 1, 0, 0, DST_TEXT));
  const auto normal = sim::BitmapPixels(canvas_.bitmap);

  canvas_.Fill(GetSysColor(COLOR_MENU));
  SetBkMode(canvas_.dc, TRANSPARENT);
  TextOutW(canvas_.dc, 1, 1, u"ab", 2);
  EXPECT_EQ(sim::BitmapPixels(canvas_.bitmap), normal);

  canvas_.Fill(GetSysColor(COLOR_MENU));
  Text("ab", 1, 1, 0, 0, DST_TEXT | DSS_DISABLED);
  EXPECT_NE(sim::BitmapPixels(canvas_.bitmap), normal);
}

TEST_F(DrawStateTest, PrefixTextUnderlinesTheMnemonicCharacter) {
  ASSERT_TRUE(Text("a&b&&", 0, 0, 0, 0, DST_PREFIXTEXT | DSS_MONO));
  // "ab&": the mnemonic "b" gets the underline row (row 5) under its cell.
  const COLORREF ink = GetTextColor(canvas_.dc);
  EXPECT_EQ(canvas_.Picture(ink, 12, 6),
            "............\n"
            ".##..##..##.\n"
            ".##..##..##.\n"
            ".##..##..##.\n"
            ".##..##..##.\n"
            "....####....\n");
}

TEST_F(DrawStateTest, BitmapsCopyAsTheyAreAndTheirNonWhitePixelsShapeTheDisabledLook) {
  MemoryCanvas image(3, 3);  // white, with a black centre and a red corner
  SetPixel(image.dc, 1, 1, 0);
  SetPixel(image.dc, 0, 0, kRed);

  ASSERT_TRUE(DrawStateW(canvas_.dc, 0, nullptr, static_cast<LPARAM>(image.bitmap), 0, 2, 2, 0, 0,
                         DST_BITMAP));
  EXPECT_EQ(canvas_.At(2, 2), kRed);
  EXPECT_EQ(canvas_.At(3, 3), 0u);
  EXPECT_EQ(canvas_.At(4, 4), RGB(255, 255, 255));
  EXPECT_EQ(canvas_.InkBounds(GetSysColor(COLOR_MENU)), (RECT{2, 2, 5, 5}));

  canvas_.Fill(GetSysColor(COLOR_MENU));
  ASSERT_TRUE(DrawStateW(canvas_.dc, 0, nullptr, static_cast<LPARAM>(image.bitmap), 0, 2, 2, 0, 0,
                         DST_BITMAP | DSS_DISABLED));
  EXPECT_EQ(Look(6, 6),
            "......\n"
            "......\n"
            "..s...\n"
            "...s..\n"
            "....h.\n"
            "......\n");
}

TEST_F(DrawStateTest, IconsShowOnlyTheirOpaquePixelsAndTheirMaskShapesTheDisabledLook) {
  const COLORREF hole = RGB(1, 2, 3);
  const HICON icon =
      sim::CreateIconFromPixels(2, 2, {hole, RGB(0, 0, 255), RGB(255, 255, 255), hole}, hole);
  ASSERT_TRUE(
      DrawStateW(canvas_.dc, 0, nullptr, static_cast<LPARAM>(icon), 0, 1, 1, 0, 0, DST_ICON));
  EXPECT_EQ(canvas_.At(1, 1), GetSysColor(COLOR_MENU));
  EXPECT_EQ(canvas_.At(2, 1), RGB(0, 0, 255));
  EXPECT_EQ(canvas_.At(1, 2), RGB(255, 255, 255));
  EXPECT_EQ(canvas_.At(2, 2), GetSysColor(COLOR_MENU));

  canvas_.Fill(GetSysColor(COLOR_MENU));
  ASSERT_TRUE(DrawStateW(canvas_.dc, 0, nullptr, static_cast<LPARAM>(icon), 0, 1, 1, 3, 3,
                         DST_ICON | DSS_DISABLED));
  EXPECT_EQ(Look(5, 5),
            ".....\n"
            "..s..\n"
            ".s.h.\n"
            "..h..\n"
            ".....\n");
  DestroyIcon(icon);
}

TEST_F(DrawStateTest, FailsWithoutDrawingForUnknownHandlesAndUnsupportedContent) {
  MemoryCanvas image(2, 2);
  const HICON icon = sim::CreateIconFromPixels(1, 1, {0}, kRed);
  struct Case {
    const char* what;
    HDC dc;
    LPARAM data;
    UINT flags;
  } cases[] = {
      {"unknown bitmap", canvas_.dc, 0x12345, DST_BITMAP},
      {"icon passed as bitmap", canvas_.dc, static_cast<LPARAM>(icon), DST_BITMAP},
      {"bitmap passed as icon", canvas_.dc, static_cast<LPARAM>(image.bitmap), DST_ICON},
      {"handle out of range", canvas_.dc, static_cast<LPARAM>(-5), DST_ICON},
      {"null text", canvas_.dc, 0, DST_TEXT},
      {"complex content", canvas_.dc, 1, DST_COMPLEX},
      {"unknown DC", 0x4242, static_cast<LPARAM>(image.bitmap), DST_BITMAP},
  };
  for (const Case& c : cases)
    EXPECT_FALSE(DrawStateW(c.dc, 0, nullptr, c.data, 0, 0, 0, 4, 4, c.flags)) << c.what;
  EXPECT_EQ(canvas_.InkBounds(GetSysColor(COLOR_MENU)), RECT{});
  DestroyIcon(icon);
}

}  // namespace
}  // namespace vellum
