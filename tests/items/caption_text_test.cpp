#include "items/caption_text.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "items/menu_item.hpp"
#include "platform/sim/driver.hpp"
#include "platform/sim/gdi/memory_canvas.hpp"
#include "render/item_visual_properties.hpp"
#include "render/scoped_object.hpp"
#include "support/fresh_thread.hpp"

namespace vellum {
namespace {

using Lines = std::vector<String>;

// A memory DC measuring with the fixed face: every character, space included, 10 pixels wide
// and 20 high.
class FixedTextDC {
 public:
  FixedTextDC() {
    platform::LOGFONTA description = testing::Font("Vellum Fixed", -20);
    description.lfWidth = 10;
    font_ = platform::CreateFontIndirectA(&description);
    previous_ = platform::SelectObject(canvas_.dc, font_);
  }
  ~FixedTextDC() {
    platform::SelectObject(canvas_.dc, previous_);
    platform::DeleteObject(font_);
  }
  platform::HDC dc() const { return canvas_.dc; }

 private:
  testing::MemoryCanvas canvas_{8, 8};
  platform::HFONT font_ = 0;
  platform::HGDIOBJ previous_ = 0;
};

TEST(CaptionCharacters, StripNulAndCharInSet) {
  EXPECT_EQ(StripNul(String(u"a\0b\0", 4)), u"ab");
  EXPECT_TRUE(CharInSet(u"-", u" _-"));
  EXPECT_FALSE(CharInSet(u"ab", u" _-"));
  EXPECT_FALSE(CharInSet(u" ", u""));
  EXPECT_FALSE(CharInSet(u"", u" _-"));
  EXPECT_FALSE(CharInSet(u"A", u"a"));  // exact, not folded
}

TEST(NextCaptionPiece, FindsTheNearestSeparator) {
  struct Case {
    const char16_t* text;
    std::int32_t start;
    const char16_t* delimiters;
    const char16_t* sequence;
    const char16_t* piece;
    const char16_t* separator;
    std::int32_t next;
  } cases[] = {
      {u"a-b", 1, u" _-", u"", u"a", u"-", 3},
      {u"a-b", 3, u" _-", u"", u"b", u"", -1},
      {u"ab ", 1, u" _-", u"", u"ab", u" ", -1},            // ends on a separator
      {u"ab\r\ncd", 0, u"", u"\r\n", u"ab\r", u"\r\n", 5},  // 0 means 1, "" means " _-"
      {u"x_y z", 1, u"", u"", u"x", u"_", 3},               // the nearest of the delimiters
      {u"a b\r\nc", 1, u" _-", u"\r\n", u"a", u" ", 3},     // a delimiter before the sequence
      {u"", 1, u" _-", u"\r\n", u"", u"", -1},
      {u"abc", 9, u" _-", u"", u"", u"", -1},  // past the end
  };
  for (const Case& c : cases) {
    String piece = u"stale";
    String separator = u"stale";
    EXPECT_EQ(NextCaptionPiece(c.text, c.start, piece, separator, c.delimiters, c.sequence), c.next)
        << StringToUtf8(c.text) << " from " << c.start;
    EXPECT_EQ(piece, c.piece) << StringToUtf8(c.text);
    EXPECT_EQ(separator, c.separator) << StringToUtf8(c.text);
  }
  String piece, separator;
  EXPECT_THROW(NextCaptionPiece(u"a", -1, piece, separator, u"", u""), AutomationError);
}

TEST(SplitCaptionTokens, WordsAndSeparatorsAlternate) {
  EXPECT_EQ(SplitCaptionTokens(u"Save as\r\nnew"),
            (Lines{u"Save", u" ", u"as\r", u"\r\n", u"new"}));
  EXPECT_EQ(SplitCaptionTokens(u"re-do  it"), (Lines{u"re", u"-", u"do", u" ", u" ", u"it"}));
  EXPECT_EQ(SplitCaptionTokens(String(u"o\0n e", 5)), (Lines{u"on", u" ", u"e"}));
  EXPECT_TRUE(SplitCaptionTokens(u"").empty());
}

TEST(PlainCaption, DropsMarkersAndBreaks) {
  struct Case {
    const char16_t* caption;
    const char16_t* plain;
  } cases[] = {
      {u"&Open\r\nfile", u"Openfile"},
      {u"&&Save", u"&Save"},
      {u"Save&", u"Save&"},
      {u"", u""},
      {u"a\rb", u"a\rb"},
      {u"a\r\r\nb", u"ab"},
      {u"&F&&x", u"F&x"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlainCaption(c.caption), c.plain) << StringToUtf8(c.caption);
}

TEST(WrapCaption, ExamplesThroughTheFixedFace) {
  FixedTextDC text;
  struct Case {
    const char* name;
    const char16_t* caption;
    std::int32_t limit;
    Lines lines;
    std::int32_t limitAfter;
  } cases[] = {
      {"wraps after each word's space", u"aa bb cc", 45, {u"aa ", u"bb ", u"cc"}, 45},
      {"forced break closes its line", u"a\r\nb", 45, {u"a\r\r\n", u"b"}, 45},
      {"final break leaves an empty line", u"ab\r\n", 45, {u"ab\r\r\n", u""}, 45},
      {"no limit reports the widest line", u"aa bb", 0, {u"aa bb"}, 50},
      // The widest measure includes the break's own characters, 10 pixels each in this face.
      {"19 is no limit either", u"aaaa bbbb\r\ncc", 19, {u"aaaa bbbb\r\r\n", u"cc"}, 120},
      {"hyphen stays on the first line", u"well-known", 50, {u"well-", u"known"}, 50},
      {"a long word widens the limit", u"ab abcdefgh ab", 30, {u"ab ", u"abcdefgh ", u"ab"}, 80},
      {"empty caption", u"", 45, {}, 45},
  };
  for (const Case& c : cases) {
    std::int32_t limit = c.limit;
    EXPECT_EQ(WrapCaption(text.dc(), limit, c.caption, kCaptionDelimiters, kForcedBreak, false),
              c.lines)
        << c.name;
    EXPECT_EQ(limit, c.limitAfter) << c.name;
  }
}

TEST(WrapCaption, MeasuresWithoutMnemonicMarkersWhenAsked) {
  FixedTextDC text;
  std::int32_t limit = 0;
  WrapCaption(text.dc(), limit, u"&&&File", kCaptionDelimiters, kForcedBreak, true);
  EXPECT_EQ(limit, 50);  // «&File»
  limit = 0;
  WrapCaption(text.dc(), limit, u"&&&File", kCaptionDelimiters, kForcedBreak, false);
  EXPECT_EQ(limit, 70);
}

TEST(WrapCaptionLines, ReportsLinesLimitMnemonicLineAndBlockSize) {
  FixedTextDC text;
  std::int32_t lineCount = 0;
  std::int32_t limit = 0;
  std::int32_t mnemonicLine = -1;
  platform::SIZE size;
  const Lines lines = WrapCaptionLines(text.dc(), u"Line &one\r\nline two", &lineCount, &limit,
                                       &mnemonicLine, &size);
  EXPECT_EQ(lines, (Lines{u"Line &one\r\r\n", u"line two"}));
  EXPECT_EQ(lineCount, 2);
  EXPECT_EQ(mnemonicLine, 0);
  EXPECT_EQ(limit, 90);    // «Line one\r» measured without its marker
  EXPECT_EQ(size.cx, 80);  // the block is measured as displayed
  EXPECT_EQ(size.cy, 40);

  WrapCaptionLines(text.dc(), u"one\r\n&two", nullptr, nullptr, &mnemonicLine);
  EXPECT_EQ(mnemonicLine, 1);
  mnemonicLine = 7;
  WrapCaptionLines(text.dc(), u"no marker", nullptr, nullptr, &mnemonicLine);
  EXPECT_EQ(mnemonicLine, 7);
}

TEST(WrapCaptionLines, AnEmptyCaptionLeavesTheOutputsAlone) {
  FixedTextDC text;
  std::int32_t lineCount = 3, limit = 45, mnemonicLine = 2;
  platform::SIZE size{5, 6};
  EXPECT_TRUE(WrapCaptionLines(text.dc(), u"", &lineCount, &limit, &mnemonicLine, &size).empty());
  EXPECT_EQ(lineCount, 3);
  EXPECT_EQ(limit, 45);
  EXPECT_EQ(mnemonicLine, 2);
  EXPECT_EQ(size.cx, 5);
}

TEST(MenuItemCaptionLines, WrapsAtTheStylesLimitAndKeepsTheLayoutUntilTheCaptionChanges) {
  testing::OnFreshThread([] {
    FixedTextDC text;
    const Ref<MenuItem> item = MenuItem::New();
    item->Caption(u"aa &bb cc");
    item->Visual()->WrapLimit(45);
    const CaptionLayout first = item->GetCaptionLines(text.dc());
    EXPECT_TRUE(first.valid);
    EXPECT_EQ(first.lines, (Lines{u"aa ", u"&bb ", u"cc"}));
    EXPECT_EQ(first.mnemonicLine, 1);
    EXPECT_EQ(first.size.cx, 30);
    EXPECT_EQ(first.size.cy, 60);

    // Cached: a new limit alone does not lay the caption out again.
    item->Visual()->WrapLimit(200);
    EXPECT_EQ(item->GetCaptionLines(text.dc()).lines, first.lines);
    item->Caption(u"aa bb cc");
    const CaptionLayout second = item->GetCaptionLines(text.dc());
    EXPECT_EQ(second.lines, (Lines{u"aa bb cc"}));
    EXPECT_EQ(second.mnemonicLine, 0);
  });
}

TEST(ReadStringAt, ReadsTheSimsTextBlocksAndNothingElse) {
  testing::OnFreshThread([] {
    const platform::ULONG_PTR wide = sim::StoreWideText(u"Wide \u20AC");
    const platform::ULONG_PTR narrow = sim::StoreNarrowText("Caf\xE9");
    EXPECT_EQ(ReadStringAt(wide, true), u"Wide \u20AC");
    EXPECT_EQ(ReadStringAt(narrow, false), u"Caf\u00E9");
    EXPECT_EQ(ReadStringAt(wide + 2, true), u"ide \u20AC");
    // Unknown addresses, and blocks released, read as empty strings.
    EXPECT_EQ(ReadStringAt(0, true), u"");
    EXPECT_EQ(ReadStringAt(0x12345678, false), u"");
    sim::ReleaseText(narrow);
    EXPECT_EQ(ReadStringAt(narrow, false), u"");
    sim::ReleaseText(wide);
  });
}

}  // namespace
}  // namespace vellum
