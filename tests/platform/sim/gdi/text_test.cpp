#include <gtest/gtest.h>

#include <string>

#include "platform/automation/string.hpp"
#include "platform/platform.hpp"
#include "platform/sim/gdi/memory_canvas.hpp"
#include "platform/sim/gdi/screen.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::Font;
using testing::MemoryCanvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Selects a font for the lifetime of the object and deletes it afterwards.
class SelectedFont {
 public:
  SelectedFont(HDC dc, const LOGFONTA& description)
      : dc_(dc), font_(CreateFontIndirectA(&description)), previous_(SelectObject(dc, font_)) {}
  ~SelectedFont() {
    SelectObject(dc_, previous_);
    DeleteObject(font_);
  }

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ previous_;
};

SIZE Extent(HDC dc, const std::u16string& text) {
  SIZE size{-1, -1};
  EXPECT_TRUE(GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size));
  return size;
}

SIZE Extent(const LOGFONTA& font, const std::u16string& text) {
  MemoryCanvas canvas(1, 1);
  SelectedFont selected(canvas.dc, font);
  return Extent(canvas.dc, text);
}

void Draw(MemoryCanvas& canvas, const LOGFONTA& font, int x, int y, const std::u16string& text,
          COLORREF color = kBlack) {
  SelectedFont selected(canvas.dc, font);
  SetTextColor(canvas.dc, color);
  ASSERT_TRUE(TextOutW(canvas.dc, x, y, text.data(), static_cast<int>(text.size())));
}

LOGFONTA Fixed(LONG height, LONG width = 0) {
  LOGFONTA font = Font("Vellum Fixed", height);
  font.lfWidth = width;
  return font;
}

// --- the fixed-metrics face ------------------------------------------------------------------

struct FixedExtentCase {
  const char* name;
  LONG height;
  LONG width;
  std::u16string text;
  SIZE expected;
};

void PrintTo(const FixedExtentCase& c, std::ostream* os) {
  *os << c.name;
}

class FixedExtent : public ::testing::TestWithParam<FixedExtentCase> {};

TEST_P(FixedExtent, IsCharactersTimesAdvanceByCellHeight) {
  const FixedExtentCase& c = GetParam();
  EXPECT_EQ(Extent(Fixed(c.height, c.width), c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    VellumFixed, FixedExtent,
    ::testing::Values(FixedExtentCase{"Height13", -13, 0, u"Hello", {30, 13}},
                      FixedExtentCase{"Height20", -20, 0, u"ab", {20, 20}},
                      FixedExtentCase{"ExplicitWidth", -13, 10, u"a c", {30, 13}},
                      FixedExtentCase{"DefaultHeight", 0, 0, u"x", {6, 13}},
                      FixedExtentCase{"PositiveHeight", 16, 0, u"abcd", {32, 16}},
                      FixedExtentCase{"Empty", -13, 0, u"", {0, 13}},
                      FixedExtentCase{
                          "SurrogatePairIsOneCharacter", -13, 0, u"\U0001F600", {6, 13}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VellumFixed, BlocksFillCellsInsetByOnePixelAndUnderlineAndStrikeOutAreFullRows) {
  MemoryCanvas canvas(14, 6);
  LOGFONTA font = Fixed(-6, 4);
  SetBkMode(canvas.dc, TRANSPARENT);
  Draw(canvas, font, 1, 0, u"a b");
  EXPECT_EQ(canvas.Picture(kBlack, 14, 6),
            "..............\n"
            "..##......##..\n"
            "..##......##..\n"
            "..##......##..\n"
            "..##......##..\n"
            "..............\n");

  canvas.Fill(kWhite);
  font.lfUnderline = 1;
  font.lfStrikeOut = 1;
  Draw(canvas, font, 0, 0, u"ab");
  EXPECT_EQ(canvas.Picture(kBlack, 10, 6),
            "..........\n"
            ".##..##...\n"
            ".##..##...\n"
            "########..\n"
            ".##..##...\n"
            "########..\n");
}

TEST(VellumFixed, BoldBlocksKeepTheirFullWidth) {
  MemoryCanvas canvas(10, 6);
  LOGFONTA font = Fixed(-6, 4);
  font.lfWeight = FW_BOLD;
  SetBkMode(canvas.dc, TRANSPARENT);
  Draw(canvas, font, 0, 0, u"ab");
  EXPECT_EQ(canvas.Count(kBlack), 2 * 4 * 4);
  EXPECT_EQ(Extent(font, u"ab"), (SIZE{8, 6}));
}

// --- background modes and alignment ----------------------------------------------------------

TEST(TextBackground, OpaqueFillsExactlyTheCellAndTransparentLeavesPixels) {
  MemoryCanvas canvas(20, 10);
  SetBkColor(canvas.dc, kRed);
  SetBkMode(canvas.dc, OPAQUE);
  Draw(canvas, Fixed(-6, 4), 2, 3, u"a b");
  EXPECT_EQ(canvas.InkBounds(kWhite), (RECT{2, 3, 14, 9}));
  EXPECT_EQ(canvas.Count(kRed), 12 * 6 - 2 * 2 * 4);

  canvas.Fill(kWhite);
  SetBkMode(canvas.dc, TRANSPARENT);
  Draw(canvas, Fixed(-6, 4), 2, 3, u"a b");
  EXPECT_EQ(canvas.Count(kRed), 0);
  EXPECT_EQ(canvas.Count(kBlack), 2 * 2 * 4);
}

struct AlignCase {
  const char* name;
  UINT align;
  RECT cell;  // "ab" in a 4 x 6 fixed font (ascent 5) at (20, 20)
};

void PrintTo(const AlignCase& c, std::ostream* os) {
  *os << c.name;
}

class TextAlignment : public ::testing::TestWithParam<AlignCase> {};

TEST_P(TextAlignment, MovesTheCellAgainstTheReferencePoint) {
  MemoryCanvas canvas(40, 40);
  SetBkColor(canvas.dc, kRed);
  SetTextAlign(canvas.dc, GetParam().align);
  Draw(canvas, Fixed(-6, 4), 20, 20, u"ab");
  EXPECT_EQ(canvas.InkBounds(kWhite), GetParam().cell);
}

INSTANTIATE_TEST_SUITE_P(Cells, TextAlignment,
                         ::testing::Values(AlignCase{"LeftTop", TA_LEFT | TA_TOP, {20, 20, 28, 26}},
                                           AlignCase{"Right", TA_RIGHT, {12, 20, 20, 26}},
                                           AlignCase{"Center", TA_CENTER, {16, 20, 24, 26}},
                                           AlignCase{"Bottom", TA_BOTTOM, {20, 14, 28, 20}},
                                           AlignCase{"Baseline", TA_BASELINE, {20, 15, 28, 21}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextAlign, UpdateCurrentPositionDrawsAtAndAdvancesIt) {
  MemoryCanvas canvas(40, 20);
  SetBkColor(canvas.dc, kRed);
  SetTextAlign(canvas.dc, TA_UPDATECP);
  MoveToEx(canvas.dc, 5, 5, nullptr);
  Draw(canvas, Fixed(-6, 4), 30, 30, u"ab");
  Draw(canvas, Fixed(-6, 4), 30, 30, u"ab");
  EXPECT_EQ(canvas.InkBounds(kWhite), (RECT{5, 5, 21, 11}));
  POINT position;
  MoveToEx(canvas.dc, 0, 0, &position);
  EXPECT_EQ(position, (POINT{21, 5}));
}

// --- escapement ---------------------------------------------------------------------------------

struct TurnCase {
  const char* name;
  LONG escapement;
  RECT cell;        // opaque "ab" (8 x 6) with the reference point at (10, 10)
  RECT firstBlock;  // transparent "a " : where the one block lands
};

void PrintTo(const TurnCase& c, std::ostream* os) {
  *os << c.name;
}

class Escapement : public ::testing::TestWithParam<TurnCase> {};

TEST_P(Escapement, TurnsTheRunCounterClockwiseAboutTheReferencePoint) {
  LOGFONTA font = Fixed(-6, 4);
  font.lfEscapement = font.lfOrientation = GetParam().escapement;
  MemoryCanvas canvas(20, 20);
  SetBkColor(canvas.dc, kRed);
  Draw(canvas, font, 10, 10, u"ab");
  EXPECT_EQ(canvas.InkBounds(kWhite), GetParam().cell);

  canvas.Fill(kWhite);
  SetBkMode(canvas.dc, TRANSPARENT);
  Draw(canvas, font, 10, 10, u"a ");
  EXPECT_EQ(canvas.InkBounds(kWhite), GetParam().firstBlock) << canvas.Picture(kBlack, 20, 20);
  EXPECT_EQ(Extent(font, u"ab"), (SIZE{8, 6})) << "extents stay along the text";
}

INSTANTIATE_TEST_SUITE_P(
    QuarterTurns, Escapement,
    ::testing::Values(TurnCase{"Zero", 0, {10, 10, 18, 16}, {11, 11, 13, 15}},
                      TurnCase{"Upward900", 900, {10, 2, 16, 10}, {11, 7, 15, 9}},
                      TurnCase{"Upside1800", 1800, {2, 4, 10, 10}, {7, 5, 9, 9}},
                      TurnCase{"Downward2700", 2700, {4, 10, 10, 18}, {5, 11, 9, 13}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Escapement, UpwardTextWithARealFaceOccupiesAVerticalStripOfItsLength) {
  LOGFONTA font = Font("Tahoma", -11);
  font.lfEscapement = font.lfOrientation = 900;
  const SIZE extent = Extent(font, u"Vertical caption");
  MemoryCanvas canvas(40, 160);
  SetBkMode(canvas.dc, TRANSPARENT);
  Draw(canvas, font, 10, 150, u"Vertical caption");
  const RECT ink = canvas.InkBounds(kWhite);
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.right, 10 + extent.cy);
  EXPECT_LE(ink.bottom, 150);
  EXPECT_GE(ink.top, 150 - extent.cx - 1);
  EXPECT_GT(ink.bottom - ink.top, extent.cx - 4) << "runs the whole length upward";
  EXPECT_LT(ink.right - ink.left, extent.cy);
}

// --- real faces --------------------------------------------------------------------------------

TEST(TextExtent, GrowsWithTheTextAtAConstantHeight) {
  const LOGFONTA font = Font("Tahoma", -11);
  int previous = 0;
  for (const std::u16string text : {u"F", u"Fi", u"Fil", u"File", u"File menu"}) {
    const SIZE size = Extent(font, text);
    EXPECT_GT(size.cx, previous) << StringToUtf8(text);
    EXPECT_EQ(size.cy, Extent(font, u"F").cy);
    previous = size.cx;
  }
}

TEST(TextExtent, HeightFollowsTheDescription) {
  EXPECT_EQ(Extent(Font("Tahoma", 16), u"Ag").cy, 16) << "positive: the cell height";
  EXPECT_EQ(Extent(Font("Tahoma", 24), u"Ag").cy, 24);
  const int characterHeight11 = Extent(Font("Tahoma", -11), u"Ag").cy;
  EXPECT_GT(characterHeight11, 11) << "negative: the character height, the cell is taller";
  EXPECT_LT(characterHeight11, Extent(Font("Tahoma", -16), u"Ag").cy);
}

TEST(TextExtent, WeightsAreOrderedRegularSemiboldBold) {
  for (const std::u16string text : {u"File", u"Open Recent", u"Save As..."}) {
    const int regular = Extent(Font("Tahoma", -11, FW_NORMAL), text).cx;
    const int semibold = Extent(Font("Tahoma", -11, FW_SEMIBOLD), text).cx;
    const int bold = Extent(Font("Tahoma", -11, FW_BOLD), text).cx;
    EXPECT_LT(regular, bold) << StringToUtf8(text);
    EXPECT_LE(regular, semibold) << StringToUtf8(text);
    EXPECT_LE(semibold, bold) << StringToUtf8(text);
  }
}

TEST(TextFaces, OtherPlatformFacesAndUnknownNamesDrawAsTheFallbackFace) {
  auto render = [](const char* face) {
    MemoryCanvas canvas(80, 16);
    Draw(canvas, Font(face, -11), 1, 1, u"Menu text");
    return sim::BitmapPixels(canvas.bitmap);
  };
  const auto fallback = render("DejaVu Sans");
  for (const char* face : {"Arial", "Segoe UI", "System", "No Such Face", ""})
    EXPECT_EQ(render(face), fallback) << face;
  // The menu faces are the platform's own, and the logical dialog faces stand for them.
  for (const char* face : {"MS Sans Serif", "Tahoma"})
    EXPECT_NE(render(face), fallback) << face;
  EXPECT_EQ(render("MS Shell Dlg"), render("MS Sans Serif"));
  EXPECT_EQ(render("MS Shell Dlg 2"), render("Tahoma"));
}

// Captions measured in the platform's menu faces at 8 points (11 pixels): the widths of the
// metric-compatible faces, which DejaVu Sans (the fallback) does not share.
TEST(TextFaces, CaptionsMeasureInThePlatformsMenuFaces) {
  const struct {
    const char* face;
    LONG weight;
    const char16_t* text;
    SIZE expected;
  } cases[] = {
      {"Tahoma", FW_NORMAL, u"File", {18, 13}},
      {"Tahoma", FW_NORMAL, u"Recent Files", {60, 13}},
      {"Tahoma", FW_BOLD, u"Recent Files", {68, 13}},   // the bold file's own advances
      {"MS Sans Serif", FW_NORMAL, u"File", {16, 13}},  // its 13-pixel strike
      {"MS Sans Serif", FW_NORMAL, u"Recent Files", {59, 13}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Extent(Font(c.face, -11, c.weight), c.text), c.expected)
        << c.face << " " << c.weight << " " << StringToUtf8(c.text);
  }
  EXPECT_NE(Extent(Font("DejaVu Sans", -11), u"Recent Files"),
            Extent(Font("Tahoma", -11), u"Recent Files"));
}

TEST(TextFaces, WeightAndItalicChangeThePixels) {
  auto render = [](LONG weight, BYTE italic) {
    MemoryCanvas canvas(80, 16);
    LOGFONTA font = Font("Tahoma", -11, weight);
    font.lfItalic = italic;
    Draw(canvas, font, 1, 1, u"Menu text");
    return sim::BitmapPixels(canvas.bitmap);
  };
  const auto regular = render(FW_NORMAL, 0);
  EXPECT_NE(render(FW_SEMIBOLD, 0), regular);
  EXPECT_NE(render(FW_BOLD, 0), render(FW_SEMIBOLD, 0));
  EXPECT_NE(render(FW_NORMAL, 255), regular);
}

TEST(TextPixels, AntialiasedCoverageBlendsOverWhatIsThere) {
  MemoryCanvas canvas(80, 16, kRed);
  SetBkMode(canvas.dc, TRANSPARENT);
  Draw(canvas, Font("Tahoma", -11), 1, 1, u"Menu text", kBlack);
  int blended = 0;
  for (COLORREF pixel : sim::BitmapPixels(canvas.bitmap)) {
    EXPECT_EQ(GetGValue(pixel) | GetBValue(pixel), 0) << "only red and black mix";
    blended += GetRValue(pixel) > 0 && GetRValue(pixel) < 255;
  }
  EXPECT_GT(blended, 10);

  canvas.Fill(kRed);
  LOGFONTA aliased = Font("Tahoma", -11);
  aliased.lfQuality = NONANTIALIASED_QUALITY;
  Draw(canvas, aliased, 1, 1, u"Menu text", kBlack);
  EXPECT_EQ(canvas.Count(kRed) + canvas.Count(kBlack), 80 * 16);
}

TEST(TextPixels, UnderlineAddsARowOfTextColouredPixels) {
  // Rows whose pixels across the whole run are all the text colour.
  auto fullRows = [](bool underline) {
    LOGFONTA font = Font("Tahoma", -11);
    font.lfUnderline = underline;
    const SIZE extent = Extent(font, u"File");
    MemoryCanvas canvas(40, 20);
    Draw(canvas, font, 2, 2, u"File", RGB(0, 0, 200));
    int rows = 0;
    for (int y = 0; y < 20; ++y) {
      bool full = true;
      for (int x = 2; x < 2 + extent.cx; ++x)
        full = full && canvas.At(x, y) == RGB(0, 0, 200);
      rows += full;
    }
    return rows;
  };
  EXPECT_EQ(fullRows(false), 0);
  EXPECT_GE(fullRows(true), 1);
}

TEST(TextPixels, TextColourAndOpaqueCellWithARealFace) {
  const LOGFONTA font = Font("Tahoma", -11);
  const SIZE extent = Extent(font, u"Edit");
  MemoryCanvas canvas(60, 30);
  SetBkColor(canvas.dc, kRed);
  Draw(canvas, font, 5, 7, u"Edit", RGB(0, 128, 0));
  // The background covers the cell exactly; glyphs may overhang it.
  RECT background{60, 30, 0, 0};
  int greenish = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 60; ++x) {
      const COLORREF pixel = canvas.At(x, y);
      greenish += GetGValue(pixel) > GetRValue(pixel);
      if (pixel != kRed) continue;
      background = {std::min<LONG>(background.left, x), std::min<LONG>(background.top, y),
                    std::max<LONG>(background.right, x + 1),
                    std::max<LONG>(background.bottom, y + 1)};
    }
  EXPECT_EQ(background, (RECT{5, 7, 5 + extent.cx, 7 + extent.cy}));
  EXPECT_GT(greenish, 5);
}

TEST(TextCodePages, NarrowCallsReadWindows1252) {
  const LOGFONTA font = Font("Tahoma", -11);
  MemoryCanvas narrow(60, 16), wide(60, 16);
  {
    SelectedFont selected(narrow.dc, font);
    ASSERT_TRUE(TextOutA(narrow.dc, 1, 1, "Caf\xE9 \x80", 6));
    SIZE a, w;
    ASSERT_TRUE(GetTextExtentPoint32A(narrow.dc, "\x80\x93", 2, &a));
    ASSERT_TRUE(GetTextExtentPoint32W(narrow.dc, u"\u20AC\u201C", 2, &w));
    EXPECT_EQ(a, w);
  }
  Draw(wide, font, 1, 1, u"Caf\u00E9 \u20AC");
  EXPECT_EQ(sim::BitmapPixels(narrow.bitmap), sim::BitmapPixels(wide.bitmap));
}

TEST(TextCalls, FailOnBadArguments) {
  MemoryCanvas canvas(10, 10);
  SIZE size;
  EXPECT_FALSE(TextOutW(0x4242, 0, 0, u"a", 1));
  EXPECT_FALSE(TextOutW(canvas.dc, 0, 0, u"a", -1));
  EXPECT_FALSE(TextOutA(canvas.dc, 0, 0, nullptr, 3));
  EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc, u"a", 1, nullptr));
  EXPECT_FALSE(GetTextExtentPoint32A(0x4242, "a", 1, &size));
  EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc, nullptr, 2, &size));
  EXPECT_TRUE(TextOutW(canvas.dc, 0, 0, nullptr, 0)) << "nothing to draw is not an error";
  EXPECT_EQ(canvas.Count(kWhite), 100);
}

}  // namespace
}  // namespace vellum
