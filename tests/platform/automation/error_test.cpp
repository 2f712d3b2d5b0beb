#include "platform/automation/error.hpp"

#include <gtest/gtest.h>

#include "support/fresh_thread.hpp"

namespace vellum {
namespace {

TEST(AutomationError, TakesTheStandardDescriptionUnlessGivenOne) {
  const AutomationError standard(9, u"Vellum10.Menus");
  EXPECT_EQ(standard.Description(), u"Subscript out of range");
  EXPECT_EQ(standard.Source(), u"Vellum10.Menus");
  EXPECT_STREQ(standard.what(), "error 9: Subscript out of range");
  EXPECT_EQ(AutomationError(7680, u"x", u"Unknown key").Description(), u"Unknown key");
  for (int number : {5, 6, 7, 9, 11, 13, 91, 94, 424, 438, 457}) {
    EXPECT_FALSE(StandardDescription(number).empty()) << number;
  }
}

TEST(LastError, IsSetClearedAndKeptPerThread) {
  SetLastError(13, u"Vellum10.Menus");
  EXPECT_EQ(LastError().Number(), 13);
  EXPECT_EQ(LastError().Description(), u"Type mismatch");
  testing::OnFreshThread([] { EXPECT_EQ(LastError().Number(), 0); });
  EXPECT_EQ(LastError().Source(), u"Vellum10.Menus");
  ClearLastError();
  EXPECT_EQ(LastError().Number(), 0);
  EXPECT_EQ(LastError().Source(), u"");
}

TEST(IgnoringErrors, SwallowsAutomationErrorsOnly) {
  EXPECT_FALSE(IgnoringErrors([] { RaiseError(5); }));
  EXPECT_TRUE(IgnoringErrors([] {}));
  EXPECT_THROW(IgnoringErrors([] { throw std::logic_error("bug"); }), std::logic_error);
}

}  // namespace
}  // namespace vellum
