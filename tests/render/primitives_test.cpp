#include <gtest/gtest.h>

#include <string>

#include "../platform/sim/gdi/memory_canvas.hpp"
#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "platform/automation/std_picture.hpp"
#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "render/builtin_pictures.hpp"
#include "render/frames.hpp"
#include "render/geometry.hpp"
#include "render/measure_text.hpp"
#include "render/picture_drawing.hpp"
#include "render/text_drawing.hpp"
#include "support/fresh_thread.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::MemoryCanvas;
using testing::OnFreshThread;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kGrey = 0xC0C0C0;
constexpr COLORREF kPaper = 0x030201;  // a background no frame colour has

COLORREF System(int index) {
  return GetSysColor(index);
}

// Which of the frame colours each pixel of the top-left 12 x 12 shows: D dark shadow, F face,
// H highlight, S shadow, K black, '.' untouched.
std::string FrameMap(const MemoryCanvas& canvas) {
  std::string map;
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      const COLORREF c = canvas.At(x, y);
      map += c == kPaper                       ? '.'
             : c == 0                          ? 'K'
             : c == System(COLOR_3DDKSHADOW)   ? 'D'
             : c == System(COLOR_BTNHIGHLIGHT) ? 'H'
             : c == System(COLOR_BTNSHADOW)    ? 'S'
             : c == System(COLOR_BTNFACE)      ? 'F'
                                               : '?';
    }
    map += '\n';
  }
  return map;
}

TEST_ON_FRESH_THREAD(Frames, ThinFramesAndTheOutlinePaintTheirEdgesOnly) {
  // The face line starts on the corner the dark line ended in.
  MemoryCanvas sunken(12, 12, kPaper);
  DrawSunkenFrame(sunken.dc, {0, 0, 10, 10});
  EXPECT_EQ(FrameMap(sunken),
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

  MemoryCanvas raised(12, 12);
  DrawRaisedFrame(raised.dc, {0, 0, 10, 10});
  EXPECT_EQ(raised.At(0, 0), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(raised.At(0, 9), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(raised.At(10, 0), System(COLOR_BTNSHADOW));
  EXPECT_EQ(raised.At(5, 10), System(COLOR_BTNSHADOW));
  EXPECT_EQ(raised.At(5, 5), kWhite);

  MemoryCanvas flat(12, 12);
  DrawFlatFrame(flat.dc, {0, 0, 10, 10});
  EXPECT_EQ(flat.At(10, 10), 0u);  // the corner
  EXPECT_EQ(flat.At(0, 0), 0u);    // closed where it began
  EXPECT_EQ(flat.Count(0), 40);
}

TEST_ON_FRESH_THREAD(Frames, TheBevelIsTwoPixelsOfTheColoursOfItsSide) {
  for (const bool sunken : {true, false}) {
    MemoryCanvas canvas(20, 20);
    DrawBevelFrame(canvas.dc, {0, 0, 16, 16}, sunken);
    const COLORREF nearEdge = System(sunken ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    const COLORREF farEdge = System(sunken ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    EXPECT_EQ(canvas.At(1, 8), nearEdge) << sunken;
    EXPECT_EQ(canvas.At(8, 1), nearEdge) << sunken;
    EXPECT_EQ(canvas.At(15, 8), farEdge) << sunken;
    EXPECT_EQ(canvas.At(8, 15), farEdge) << sunken;
    EXPECT_EQ(canvas.At(8, 8), kWhite) << sunken;
  }
}

TEST_ON_FRESH_THREAD(Frames, ACoordinateAtTheEndOfTheRangeOverflows) {
  MemoryCanvas canvas(4, 4);
  try {
    DrawSunkenFrame(canvas.dc, {0, 0, INT32_MAX, 2});
    FAIL() << "no error";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number(), 6);
  }
}

TEST_ON_FRESH_THREAD(Frames, TheEtchedLineIsAHighlightWithItsShadowBeside) {
  MemoryCanvas canvas(12, 12);
  MoveToEx(canvas.dc, 7, 7, nullptr);
  DrawEtchedLine(canvas.dc, {1, 5}, {9, 5}, false, false);
  EXPECT_EQ(canvas.At(4, 5), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(4, 4), System(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(9, 5), kWhite);  // the end point is not drawn
  DrawEtchedLine(canvas.dc, {2, 1}, {2, 9}, true, true);
  EXPECT_EQ(canvas.At(2, 3), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(1, 3), System(COLOR_BTNSHADOW));
  POINT position{};
  MoveToEx(canvas.dc, 0, 0, &position);
  EXPECT_EQ(position, (POINT{7, 7}));
}

// A 4 x 4 bitmap: grey with a black pixel at (1, 1).
Ref<StdPicture> SmallBitmap() {
  MemoryCanvas source(4, 4, kGrey);
  SetPixel(source.dc, 1, 1, 0);
  const HBITMAP copy = static_cast<HBITMAP>(CopyImage(source.bitmap, IMAGE_BITMAP, 0, 0, 0));
  return StdPicture::FromHandle(copy, PictureType::Bitmap, true);
}

TEST_ON_FRESH_THREAD(PictureDrawing, ABitmapsGreyTakesTheBackgroundOrWhiteWhenGrayed) {
  const Ref<StdPicture> picture = SmallBitmap();
  MemoryCanvas normal(8, 8);
  DrawPicture(normal.dc, picture, {2, 2, 5, 5}, false, 0x0000FF, false);
  EXPECT_EQ(normal.At(2, 2), 0x0000FFu);
  EXPECT_EQ(normal.At(3, 3), 0u);
  EXPECT_EQ(normal.At(6, 6), kWhite);

  MemoryCanvas grayed(8, 8, 0x00FF00);
  DrawPicture(grayed.dc, picture, {2, 2, 5, 5}, true, 0x0000FF, false);
  EXPECT_EQ(grayed.Count(0x0000FF), 0);  // the background went white, not red
  EXPECT_NE(grayed.At(3, 3), 0u);        // the disabled look, not black ink

  // The source itself is left alone.
  MemoryCanvas check(4, 4);
  DrawPicture(check.dc, picture, {0, 0, 3, 3}, false, -1, false);
  EXPECT_EQ(check.At(0, 0), kGrey);
}

TEST_ON_FRESH_THREAD(PictureDrawing, IconsAreNeverRecolouredAndOtherPicturesDrawNothing) {
  const std::vector<COLORREF> pixels(16, kGrey);
  const HICON icon = sim::CreateIconFromPixels(4, 4, pixels, 0xFFFFFFFF);
  const Ref<StdPicture> picture = StdPicture::FromHandle(icon, PictureType::Icon, true);
  MemoryCanvas canvas(8, 8);
  DrawPicture(canvas.dc, picture, {0, 0, 3, 3}, false, 0x0000FF, false);
  EXPECT_EQ(canvas.At(1, 1), kGrey);

  MemoryCanvas empty(8, 8);
  DrawPicture(empty.dc, StdPicture::New(), {0, 0, 3, 3}, false, 0x0000FF, false);
  DrawPicture(empty.dc, nullptr, {0, 0, 3, 3}, false, 0x0000FF, false);
  EXPECT_EQ(empty.Count(kWhite), 64);
}

TEST_ON_FRESH_THREAD(PictureDrawing, GreyingWeighsGreenHalfAndKeepsTheKeptColour) {
  MemoryCanvas canvas(3, 1);
  SetPixel(canvas.dc, 0, 0, RGB(255, 0, 0));
  SetPixel(canvas.dc, 1, 0, kGrey);
  SetPixel(canvas.dc, 2, 0, RGB(0, 200, 100));
  GrayImage(canvas.dc, {0, 0, 2, 0}, static_cast<std::int32_t>(kGrey));
  EXPECT_EQ(canvas.At(0, 0), RGB(64, 64, 64));  // t = 128 (127.5 to even), g = 64
  EXPECT_EQ(canvas.At(1, 0), kGrey);
  EXPECT_EQ(canvas.At(2, 0), RGB(125, 125, 125));  // t = 50, g = 125

  ReplaceColor(canvas.dc, {-5, -5, 100, 100}, static_cast<std::int32_t>(kGrey), 0x123456);
  EXPECT_EQ(canvas.At(1, 0), 0x123456u);
}

TEST_ON_FRESH_THREAD(TextDrawing, WithoutUnicodeTheSingleByteCallsRunEvenOnNt) {
  Library().activeMenus->GlobalNoUnicode(true);
  DecideUnicodeMode();
  MemoryCanvas canvas(100, 20);
  sim::Calls().Reset();
  DrawPlainText(canvas.dc, u"Caf\u00e9", 0, 0);
  DrawDisabledText(canvas.dc, u"Caf\u00e9", 0, 0);
  EXPECT_EQ(sim::Calls().Count("TextOutA"), 1u);
  EXPECT_EQ(sim::Calls().Count("DrawStateA"), 1u);
  EXPECT_EQ(sim::Calls().Count("TextOutW") + sim::Calls().Count("DrawStateW"), 0u);
}

// The fixed face at 13 pixels: every character 6 wide, every line 13 high.
TEST_ON_FRESH_THREAD(TextMeasuring, MnemonicsCountOnlyWhenKeptAndLinesStack) {
  MemoryCanvas canvas(10, 10);
  const LOGFONTA description = testing::Font("Vellum Fixed", -13);
  const HFONT font = CreateFontIndirectA(&description);
  const HGDIOBJ previous = SelectObject(canvas.dc, font);
  SIZE size;
  EXPECT_TRUE(MeasureText(canvas.dc, u"&File", size, true));
  EXPECT_EQ(size, (SIZE{24, 13})) << "File";
  EXPECT_TRUE(MeasureText(canvas.dc, u"&File", size, false));
  EXPECT_EQ(size, (SIZE{30, 13})) << "&File";
  EXPECT_FALSE(MeasureText(canvas.dc, u"", size, false));

  const std::vector<String> lines = {u"&Open", u"a longer line", u"&&"};
  EXPECT_TRUE(MeasureLines(canvas.dc, lines, size, true));
  EXPECT_EQ(size, (SIZE{13 * 6, 3 * 13}));
  EXPECT_FALSE(MeasureLines(canvas.dc, {}, size, true));
  EXPECT_EQ(size, (SIZE{0, 0}));

  // Without Unicode the single-byte call measures, even on NT.
  Library().activeMenus->GlobalNoUnicode(true);
  DecideUnicodeMode();
  sim::Calls().Reset();
  MeasureText(canvas.dc, u"Caf\u00e9", size, false);
  EXPECT_EQ(size, (SIZE{24, 13}));
  EXPECT_EQ(sim::Calls().Count("GetTextExtentPoint32A"), 1u);
  EXPECT_EQ(sim::Calls().Count("GetTextExtentPoint32W"), 0u);
  SelectObject(canvas.dc, previous);
  DeleteObject(font);
}

TEST(Geometry, RectanglesIncludeAllEdgesAndParametersCarrySignedPoints) {
  const RECT rect{0, 0, 10, 10};
  EXPECT_TRUE(PointInRect(rect, 10, 10));
  EXPECT_TRUE(PointInRect(rect, 0, 0));
  EXPECT_FALSE(PointInRect(rect, 11, 5));
  EXPECT_EQ(PointFromLParam(MAKELPARAM(static_cast<WORD>(-3), 7)), (POINT{-3, 7}));
  EXPECT_EQ(PointFromLParam(MAKELPARAM(5, static_cast<WORD>(-1))), (POINT{5, -1}));
}

TEST_ON_FRESH_THREAD(BuiltInPictures, AreGlyphsOnTheGreyBackground) {
  for (int id = 101; id <= 106; ++id) {
    const Ref<StdPicture> picture = LoadBuiltInPicture(static_cast<BuiltInPicture>(id));
    ASSERT_EQ(picture->Type(), PictureType::Bitmap) << id;
    const std::vector<COLORREF> pixels = sim::BitmapPixels(picture->Handle());
    ASSERT_EQ(pixels.size(), 256u) << id;
    EXPECT_EQ(pixels.front(), kGrey) << id;
    EXPECT_EQ(pixels.back(), kGrey) << id;
    EXPECT_GT(std::count(pixels.begin(), pixels.end(), 0u), 8) << id;
  }
}

}  // namespace
}  // namespace vellum
