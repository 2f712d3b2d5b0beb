#include <gtest/gtest.h>

#include "platform/platform.hpp"
#include "platform/sim/gdi/memory_canvas.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::MemoryCanvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(10, 20, 30);

// Draws a polyline with a solid pen: a move to the first point, then a line to each next one.
void Polyline(HDC dc, std::initializer_list<POINT> points, COLORREF color, int width = 1) {
  const HPEN pen = CreatePen(PS_SOLID, width, color);
  const HGDIOBJ old = SelectObject(dc, pen);
  auto it = points.begin();
  MoveToEx(dc, it->x, it->y, nullptr);
  for (++it; it != points.end(); ++it)
    LineTo(dc, it->x, it->y);
  SelectObject(dc, old);
  DeleteObject(pen);
}

// One character per pixel: a letter for each known colour, '.' for white.
std::string Picture(const MemoryCanvas& canvas, int width, int height,
                    std::initializer_list<std::pair<COLORREF, char>> legend) {
  std::string out;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      char c = canvas.At(x, y) == kWhite ? '.' : '?';
      for (const auto& [color, letter] : legend)
        if (canvas.At(x, y) == color) c = letter;
      out += c;
    }
    out += '\n';
  }
  return out;
}

TEST(FillRect, PaintsRightAndBottomExclusive) {
  MemoryCanvas canvas(6, 6);
  const HBRUSH brush = CreateSolidBrush(kInk);
  const RECT rect{1, 2, 4, 5};
  EXPECT_NE(FillRect(canvas.dc, &rect, brush), 0);
  EXPECT_EQ(Picture(canvas, 6, 6, {{kInk, '#'}}),
            "......\n"
            "......\n"
            ".###..\n"
            ".###..\n"
            ".###..\n"
            "......\n");
  const RECT inverted{4, 4, 1, 1};
  FillRect(canvas.dc, &inverted, GetStockObject(BLACK_BRUSH));
  EXPECT_EQ(canvas.Count(RGB(0, 0, 0)), 0) << "an inverted rectangle is empty";
  DeleteObject(brush);
}

TEST(FillRect, AcceptsSystemColourIndexesAndHollowBrushesAndRejectsBadInput) {
  MemoryCanvas canvas(4, 4);
  const RECT all{0, 0, 4, 4};
  EXPECT_NE(FillRect(canvas.dc, &all, static_cast<HBRUSH>(COLOR_HIGHLIGHT + 1)), 0);
  EXPECT_EQ(canvas.At(3, 3), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_NE(FillRect(canvas.dc, &all, GetStockObject(NULL_BRUSH)), 0);
  EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_HIGHLIGHT)) << "a hollow brush paints nothing";

  EXPECT_EQ(FillRect(canvas.dc, &all, 0x424242), 0);
  EXPECT_EQ(FillRect(canvas.dc, nullptr, GetStockObject(BLACK_BRUSH)), 0);
  EXPECT_EQ(FillRect(0x424242, &all, GetStockObject(BLACK_BRUSH)), 0);
  const RECT huge{-2000000000, -2000000000, 2000000000, 2000000000};
  EXPECT_NE(FillRect(canvas.dc, &huge, GetStockObject(BLACK_BRUSH)), 0);
  EXPECT_EQ(canvas.Count(RGB(0, 0, 0)), 16) << "clipped to the bitmap";
}

// The three polylines of a thin sunken frame on (0, 0, 10, 10): each line paints its start
// point and stops one pixel short of its end point.
TEST(LineTo, SunkenFramePolylinesLandOnTheirRowsAndColumns) {
  MemoryCanvas canvas(12, 12);
  const COLORREF dark = RGB(64, 64, 64), face = RGB(212, 208, 200), light = RGB(250, 250, 250);
  Polyline(canvas.dc, {{0, 10}, {0, 1}, {10, 1}}, dark);
  Polyline(canvas.dc, {{9, 1}, {9, 10}, {0, 10}}, face);
  Polyline(canvas.dc, {{10, 1}, {10, 11}, {0, 11}}, light);
  EXPECT_EQ(Picture(canvas, 12, 12, {{dark, 'D'}, {face, 'F'}, {light, 'H'}}),
            "............\n"
            "DDDDDDDDDFH.\n"
            "D........FH.\n"
            "D........FH.\n"
            "D........FH.\n"
            "D........FH.\n"
            "D........FH.\n"
            "D........FH.\n"
            "D........FH.\n"
            "D........FH.\n"
            "DFFFFFFFFFH.\n"
            ".HHHHHHHHHH.\n");
}

TEST(LineTo, ClosedOutlineIncludesFarCornerAndDiagonalsStopShort) {
  MemoryCanvas canvas(6, 6);
  Polyline(canvas.dc, {{0, 0}, {0, 4}, {4, 4}, {4, 0}, {0, 0}}, kInk);
  Polyline(canvas.dc, {{1, 1}, {4, 4}}, RGB(1, 1, 1));
  EXPECT_EQ(Picture(canvas, 6, 6, {{kInk, '#'}, {RGB(1, 1, 1), 'x'}}),
            "#####.\n"
            "#x..#.\n"
            "#.x.#.\n"
            "#..x#.\n"
            "#####.\n"
            "......\n");
}

TEST(LineTo, MovesTheCurrentPositionAndNullPensPaintNothing) {
  MemoryCanvas canvas(8, 8);
  POINT previous;
  MoveToEx(canvas.dc, 2, 3, nullptr);
  MoveToEx(canvas.dc, 5, 5, &previous);
  EXPECT_EQ(previous, (POINT{2, 3}));

  SelectObject(canvas.dc, GetStockObject(NULL_PEN));
  EXPECT_TRUE(LineTo(canvas.dc, 5, 0));
  EXPECT_EQ(canvas.Count(kWhite), 64);
  MoveToEx(canvas.dc, 0, 0, &previous);
  EXPECT_EQ(previous, (POINT{5, 0}));
  SelectObject(canvas.dc, GetStockObject(BLACK_PEN));
  EXPECT_FALSE(LineTo(0x1234, 1, 1));
}

// A two-pixel pen paints the line and the row above it (mostly horizontal lines) or the
// column left of it (mostly vertical lines).
TEST(LineTo, TwoPixelPenPaintsABandAboveOrLeftOfTheLine) {
  MemoryCanvas canvas(10, 10);
  Polyline(canvas.dc, {{2, 5}, {7, 5}}, kInk, 2);
  Polyline(canvas.dc, {{8, 1}, {8, 4}}, RGB(1, 1, 1), 2);
  EXPECT_EQ(Picture(canvas, 10, 8, {{kInk, '#'}, {RGB(1, 1, 1), 'x'}}),
            "..........\n"
            ".......xx.\n"
            ".......xx.\n"
            ".......xx.\n"
            "..#####...\n"
            "..#####...\n"
            "..........\n"
            "..........\n");
}

// A two-pixel bevel, drawn the way a painter draws one: edge fills plus wide pen lines, which
// together give two-pixel edges inside the rectangle.
TEST(LineTo, TwoPixelBevelStaysInsideItsRectangle) {
  MemoryCanvas canvas(12, 12);
  const HDC dc = canvas.dc;
  const HBRUSH brush = CreateSolidBrush(kInk);
  for (const RECT& r : {RECT{9, 0, 10, 10}, RECT{0, 9, 10, 10}, RECT{0, 1, 1, 9}, RECT{1, 0, 9, 1}})
    FillRect(dc, &r, brush);
  Polyline(dc, {{9, 1}, {9, 9}}, kInk, 2);
  Polyline(dc, {{1, 9}, {9, 9}}, kInk, 2);
  Polyline(dc, {{1, 1}, {1, 9}}, kInk, 2);
  Polyline(dc, {{1, 1}, {9, 1}}, kInk, 2);
  EXPECT_EQ(canvas.InkBounds(kWhite), (RECT{0, 0, 10, 10}));
  for (POINT edge : {POINT{0, 5}, POINT{1, 5}, POINT{8, 5}, POINT{9, 5}, POINT{5, 0}, POINT{5, 1},
                     POINT{5, 8}, POINT{5, 9}})
    EXPECT_EQ(canvas.At(edge.x, edge.y), kInk) << edge.x << "," << edge.y;
  for (POINT inside : {POINT{2, 5}, POINT{7, 5}, POINT{5, 2}, POINT{5, 7}})
    EXPECT_EQ(canvas.At(inside.x, inside.y), kWhite) << inside.x << "," << inside.y;
  DeleteObject(brush);
}

TEST(Pixels, OffTheSurfaceReadsInvalidAndWritesNothing) {
  MemoryCanvas canvas(3, 3);
  EXPECT_EQ(SetPixel(canvas.dc, 2, 2, RGB(9, 8, 7)), RGB(9, 8, 7));
  EXPECT_EQ(GetPixel(canvas.dc, 2, 2), RGB(9, 8, 7));
  for (POINT off : {POINT{-1, 0}, POINT{0, -1}, POINT{3, 0}, POINT{0, 3}, POINT{-2147483647, 5}}) {
    EXPECT_EQ(GetPixel(canvas.dc, off.x, off.y), CLR_INVALID);
    EXPECT_EQ(SetPixel(canvas.dc, off.x, off.y, 0), CLR_INVALID);
  }
  EXPECT_EQ(canvas.Count(kWhite), 8);
  EXPECT_EQ(GetPixel(0x4242, 0, 0), CLR_INVALID);
  // Long lines far off the surface end without painting or hanging.
  Polyline(canvas.dc, {{-2000000000, -5}, {2000000000, 2000000000}}, 0);
  EXPECT_EQ(canvas.Count(0), 0);
}

class BitBltTest : public ::testing::Test {
 protected:
  // A 4 x 4 source with a distinct colour per pixel.
  BitBltTest() : source_(4, 4), target_(6, 6) {
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x)
        SetPixel(source_.dc, x, y, Code(x, y));
  }
  static COLORREF Code(int x, int y) { return RGB(100 + x, 100 + y, 0); }

  MemoryCanvas source_;
  MemoryCanvas target_;
};

TEST_F(BitBltTest, CopiesTheBlockToItsPlace) {
  ASSERT_TRUE(BitBlt(target_.dc, 1, 2, 2, 2, source_.dc, 1, 1, SRCCOPY));
  EXPECT_EQ(target_.At(1, 2), Code(1, 1));
  EXPECT_EQ(target_.At(2, 3), Code(2, 2));
  EXPECT_EQ(target_.InkBounds(kWhite), (RECT{1, 2, 3, 4}));
}

TEST_F(BitBltTest, ClipsToBothSurfaces) {
  // Destination partly off its bitmap, source partly off its bitmap.
  ASSERT_TRUE(BitBlt(target_.dc, 4, -1, 5, 5, source_.dc, 2, 0, SRCCOPY));
  EXPECT_EQ(target_.At(4, 0), Code(2, 1));
  EXPECT_EQ(target_.At(5, 2), Code(3, 3));
  EXPECT_EQ(target_.InkBounds(kWhite), (RECT{4, 0, 6, 3}))
      << "destination row 3 would read source row 4; destination column 6 does not exist";
}

TEST_F(BitBltTest, OverlappingCopyWithinOneBitmapReadsTheOldPixels) {
  ASSERT_TRUE(BitBlt(source_.dc, 1, 0, 3, 1, source_.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(source_.At(1, 0), Code(0, 0));
  EXPECT_EQ(source_.At(3, 0), Code(2, 0));
}

TEST_F(BitBltTest, RejectsUnknownDCsAndUnsupportedOperations) {
  EXPECT_FALSE(BitBlt(target_.dc, 0, 0, 2, 2, 0x4242, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(0x4242, 0, 0, 2, 2, source_.dc, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(target_.dc, 0, 0, 2, 2, source_.dc, 0, 0, 0x00660046));
  EXPECT_EQ(target_.Count(kWhite), 36);
}

}  // namespace
}  // namespace vellum
