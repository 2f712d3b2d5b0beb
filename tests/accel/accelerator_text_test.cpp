#include "accel/accelerator_text.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "accel/accelerator_shift_states.hpp"
#include "accel/accelerator_test_support.hpp"

namespace vellum {
namespace {

using testing::RaisedBy;

TEST(ParseAccelerator, ReadsTheTripleAndFormatsItBackCanonically) {
  const struct {
    const char16_t* text;
    AcceleratorKeys keys;
    const char16_t* canonical;
  } cases[] = {
      {u"Ctrl+Shift+F1", {112, 3, 0}, u"Shift+Ctrl+F1"},
      {u"Alt+Ctrl+Shift+A", {65, 7, 0}, u"Shift+Ctrl+Alt+A"},
      {u"Ctrl+K, C", {75, 2, 67}, u"Ctrl+K, C"},
      {u"Ctrl+K, +", {75, 2, 13}, u"Ctrl+K, ="},  // "+" names a key only after ", "
      {u"Ctrl+Plus", {13, 2, 0}, u"Ctrl+="},
      {u"Ctrl+3", {51, 2, 0}, u"Ctrl+Comma"},
      {u"Ctrl+/", {53, 2, 0}, u"Ctrl+/"},
      {u"Ctrl+\\", {43, 2, 0}, u"Ctrl+\\"},
      {u"Left Ctrl+Right Alt+Del", {46, acLCtrl | acRAlt, 0}, u"LCtrl+RAlt+Delete"},
      {u"Ctrl+Print Screen", {42, 2, 0}, u"Ctrl+PrtScrn"},
      {u"Ctrl+A+B", {66, 2, 0}, u"Ctrl+B"},  // the last key wins
      {u"Ctrl+F25", {136, 2, 0}, u"Ctrl+"},  // a code without a name
      {u"", {0, 0, 0}, u""},
      {u", C", {0, 0, 67}, u", C"},
      // A doubled, leading or trailing "+" ends the reading there.
      {u"Ctrl++A", {0, 2, 0}, u"Ctrl+"},
      {u"Ctrl+", {0, 2, 0}, u"Ctrl+"},
      {u"+A", {0, 0, 0}, u""},
      {u"Ctrl+X++a", {88, 2, 0}, u"Ctrl+X"},
      // Repeated and mixed modifiers: the later of generic and side form wins per key.
      {u"Ctrl+Ctrl+X", {88, 2, 0}, u"Ctrl+X"},
      {u"LShift+Shift+X", {88, 1, 0}, u"Shift+X"},
      {u"Shift+LShift+X", {88, 16, 0}, u"LShift+X"},
      {u"LCtrl+RCtrl+X", {88, 544, 0}, u"LCtrl+RCtrl+X"},
      {u"LCtrl+RCtrl+Ctrl+X", {88, 2, 0}, u"Ctrl+X"},
      {u"Ctrl+LAlt+Shift+RAlt+X", {88, 1 | 2 | 64 | 1024, 0}, u"Shift+Ctrl+LAlt+RAlt+X"},
      {u"RShift+Ctrl+Shift+X", {88, 3, 0}, u"Shift+Ctrl+X"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(StringToUtf8(c.text));
    const AcceleratorKeys keys = ParseAccelerator(c.text);
    EXPECT_EQ(keys, c.keys);
    EXPECT_EQ(FormatAccelerator(keys), c.canonical);
  }
}

TEST(ParseAccelerator, RejectsTheFirstUnknownKeyNameOrAnEmptySecondKey) {
  const struct {
    const char16_t* text;
    std::int32_t number;
    const char16_t* token;  // nullptr: the standard description of the number
  } cases[] = {
      {u"Ctrl+K,C", 7680, u"K,C"},  // only ", " separates a second key
      {u"Ctrl+a", 7680, u"a"},
      {u"ctrl+A", 7680, u"ctrl"},
      {u"Ctrl + A", 7680, u"Ctrl "},  // no white space is trimmed
      {u"Shift+Tab", 7680, u"Tab"},
      {u"Ctrl+K, C, D", 7680, u"C, D"},  // the second key is one name
      {u"Ctrl+K,  C", 7680, u" C"},
      {u"ctrl+A, x", 7680, u"x"},  // the second key is read first
      {u"Ctrl+K, ", 5, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(StringToUtf8(c.text));
    const auto error = RaisedBy([&] { ParseAccelerator(c.text); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), c.number);
    EXPECT_EQ(error->Source(), u"Vellum10.modAccelerators");
    const String description =
        c.token ? u"Don't know how to interpret accelerator token: \"" + String(c.token) + u"\"."
                : u"Invalid procedure call or argument";
    EXPECT_EQ(error->Description(), description);
  }
}

TEST(FormatAccelerator, ParsesBackToTheSameTriple) {
  const AcceleratorKeys cases[] = {
      {112, 3, 0},
      {75, 2, 67},
      {65, acLShift | acRShift, 0},
      {88, acLCtrl | acRCtrl | acLAlt | acRAlt, 0},
      {53, 2, 43},
      {12, 4, 52},
      {144, 7, 0},
      {32, acRShift | acCtrl | acLAlt, 0},
      {75, 2, 135},
      {40, 2, 41},
      {26, 2, 27},
  };
  for (const AcceleratorKeys& keys : cases) {
    SCOPED_TRACE(StringToUtf8(FormatAccelerator(keys)));
    EXPECT_EQ(ParseAccelerator(FormatAccelerator(keys)), keys);
  }
}

TEST(SplitToken, ReturnsTokensUpToEachSeparatorAndStopsWithAnEmptyToken) {
  const struct {
    const char16_t* text;
    std::vector<String> tokens;
    const char16_t* rest;  // the remainder after the empty token
  } cases[] = {
      {u"Ctrl+Shift+A", {u"Ctrl", u"Shift", u"A"}, u""},
      {u"Ctrl++A", {u"Ctrl"}, u"A"},
      {u"+A", {}, u"A"},
      {u"A+", {u"A"}, u""},
      {u"", {}, u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(StringToUtf8(c.text));
    StringView remainder = c.text;
    std::vector<String> tokens;
    for (StringView t = SplitToken(remainder); !t.empty(); t = SplitToken(remainder)) {
      tokens.emplace_back(t);
    }
    EXPECT_EQ(tokens, c.tokens);
    EXPECT_EQ(remainder, StringView(c.rest));
  }
  StringView sequence = u"K, C, D";
  EXPECT_EQ(SplitToken(sequence, u", "), u"K");
  EXPECT_EQ(sequence, u"C, D");
}

}  // namespace
}  // namespace vellum
