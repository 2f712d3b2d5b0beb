#include "accel/key_names.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <vector>

#include "accel/accelerator_test_support.hpp"

namespace vellum {
namespace {

using testing::RaisedBy;

// The vocabulary as documented: every name a key code is parsed from, and the one name it
// formats as.
struct VocabularyRow {
  std::int32_t code;
  const char16_t* canonical;
  std::vector<const char16_t*> names;
};
const std::vector<VocabularyRow>& Vocabulary() {
  static const std::vector<VocabularyRow> rows = {
      {92, u"RWin", {u"RWin", u"Right Window", u"RWindow"}},
      {91, u"LWin", {u"LWin", u"Left Window", u"LWindow", u"Window"}},
      {93, u"Apps", {u"Apps", u"Applications", u"Menu"}},
      {20, u"CapsLock", {u"CapsLock"}},
      {32, u"SpaceBar", {u"SpaceBar", u"Space", u"Spc"}},
      {144, u"Numlock", {u"Numlock"}},
      {42, u"PrtScrn", {u"Print", u"PrtScrn", u"Print Screen"}},
      {45, u"Insert", {u"Insert", u"Ins"}},
      {47, u"Help", {u"Help"}},
      {46, u"Delete", {u"Delete", u"Del"}},
      {41, u"BackQuote", {u"~", u"`", u"BackQuote", u"BackQuotes"}},
      {40, u"Quote", {u"\"", u"'", u"Quote", u"Quotes"}},
      {52, u"Period", {u".", u">", u"Period", u"Greater-Than", u"4"}},
      {51, u"Comma", {u",", u"<", u"Comma", u"Less-Than", u"3"}},
      {12, u"Dash", {u"-", u"_", u"Dash", u"Underscore"}},
      {13, u"=", {u"=", u"+", u"Plus", u"Equal"}},
      {26, u"[", {u"[", u"{", u"LBrace", u"LBracket"}},
      {27, u"]", {u"]", u"}", u"RBrace", u"RBracket"}},
      {43, u"\\", {u"\\", u"|", u"Backslash", u"Pipe"}},
      {53, u"/", {u"/", u"?", u"Slash", u"Question", u"5"}},
  };
  return rows;
}

TEST(KeyNames, EveryNameParsesToItsCodeAndEveryCodeFormatsAsItsCanonicalName) {
  std::set<std::int32_t> named;
  auto expect = [&](std::int32_t code, StringView canonical, StringView name) {
    SCOPED_TRACE(StringToUtf8(name));
    EXPECT_EQ(KeyNameToCode(name), code);
    EXPECT_EQ(KeyCodeToName(code), canonical);
    named.insert(code);
  };
  for (const VocabularyRow& row : Vocabulary()) {
    for (const char16_t* name : row.names)
      expect(row.code, row.canonical, name);
  }
  for (int n = 1; n <= 24; ++n) {
    const String name = u"F" + Utf8ToString(std::to_string(n));
    expect(111 + n, name, name);
  }
  for (char16_t c : String(u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
    if (c == u'3' || c == u'4' || c == u'5') continue;  // in the vocabulary above
    expect(c, String(1, c), String(1, c));
  }
  // Nothing else has a name, including F25 and up.
  for (std::int32_t code = -2; code <= 400; ++code) {
    if (named.contains(code)) continue;
    EXPECT_EQ(KeyCodeToName(code), u"") << code;
  }
  EXPECT_EQ(KeyCodeToName(std::numeric_limits<std::int32_t>::max()), u"");
  EXPECT_EQ(KeyCodeToName(std::numeric_limits<std::int32_t>::min()), u"");
}

// Any name between "F1" and "F9" in string order is a function key numbered by the number
// that starts after the "F".
TEST(KeyNames, FunctionKeyNamesAreReadByStringOrderAndLeadingNumber) {
  const struct {
    const char16_t* name;
    std::int32_t code;
  } cases[] = {
      {u"F25", 136},   {u"F3x", 114},  {u"F1x9", 112},
      {u"F1.5", 113},  {u"F2.5", 113},  // halves round to even
      {u"F2.51", 114}, {u"F8.", 119},  {u"F2147483536", std::numeric_limits<std::int32_t>::max()},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KeyNameToCode(c.name), c.code) << StringToUtf8(c.name);
  }
}

TEST(KeyNames, RejectsUnknownEmptyAndOversizedNames) {
  const struct {
    const char16_t* name;
    std::int32_t number;
    const char16_t* description;
  } cases[] = {
      {u"a", 7680, u"Don't know how to interpret accelerator token: \"a\"."},
      {u"space", 7680, u"Don't know how to interpret accelerator token: \"space\"."},
      {u"Space ", 7680, u"Don't know how to interpret accelerator token: \"Space \"."},
      {u"Tab", 7680, u"Don't know how to interpret accelerator token: \"Tab\"."},
      {u"Escape", 7680, u"Don't know how to interpret accelerator token: \"Escape\"."},
      {u";", 7680, u"Don't know how to interpret accelerator token: \";\"."},
      {u"F0", 7680, u"Don't know how to interpret accelerator token: \"F0\"."},
      {u"F9x", 7680, u"Don't know how to interpret accelerator token: \"F9x\"."},
      {u"F90", 7680, u"Don't know how to interpret accelerator token: \"F90\"."},
      {u"Ctrl", 7680, u"Don't know how to interpret accelerator token: \"Ctrl\"."},
      {u"", 5, u"Invalid procedure call or argument"},
      {u"F2147483537", 6, u"Overflow"},
      {u"F19999999999999999999999", 6, u"Overflow"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(StringToUtf8(c.name));
    const auto error = RaisedBy([&] { KeyNameToCode(c.name); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), c.number);
    EXPECT_EQ(error->Description(), c.description);
  }
  EXPECT_EQ(RaisedBy([] { KeyNameToCode(u"a"); })->Source(), u"Vellum10.modAccelerators");
}

}  // namespace
}  // namespace vellum
