#include "platform/automation/string.hpp"

#include <gtest/gtest.h>

namespace vellum {
namespace {

TEST(StringUtf8, RoundTripsBmpAndSupplementaryCharacters) {
  const std::string text = "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80";
  const String wide = Utf8ToString(text);
  EXPECT_EQ(wide, u"Caf\u00E9 \u20AC \U0001F600");
  EXPECT_EQ(StringToUtf8(wide), text);
}

TEST(StringUtf8, IllFormedInputBecomesReplacementCharacter) {
  EXPECT_EQ(Utf8ToString("a\xC0\xAF"
                         "b"),
            u"a\uFFFDb");                          // overlong "/"
  EXPECT_EQ(Utf8ToString("\xE2\x82"), u"\uFFFD");  // truncated
  EXPECT_EQ(StringToUtf8(String(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(StringCodePage, MapsWindows1252AndReplacesTheRest) {
  EXPECT_EQ(StringToCodePage(u"A\u00E9\u20AC\u2019"), "A\xE9\x80\x92");
  EXPECT_EQ(StringToCodePage(u"\u0416\U0001F600"), "???");  // a surrogate pair is two "?"
  EXPECT_EQ(CodePageToString("A\xE9\x80\x92"), u"A\u00E9\u20AC\u2019");
}

TEST(StringCase, FoldsAsciiAndLatin1Only) {
  EXPECT_TRUE(EqualsNoCase(u"FILE", u"file"));
  EXPECT_TRUE(EqualsNoCase(u"\u00C9T\u00C9", u"\u00E9t\u00E9"));
  EXPECT_FALSE(EqualsNoCase(u"\u00D7", u"\u00F7"));  // "×" and "÷" are not a case pair
  EXPECT_FALSE(EqualsNoCase(u"ab", u"abc"));
  EXPECT_EQ(NoCaseHash{}(u"Open"), NoCaseHash{}(u"OPEN"));
}

}  // namespace
}  // namespace vellum
