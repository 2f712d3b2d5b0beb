#include "platform/automation/std_font.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace vellum {
namespace {

TEST(StdFont, BoldAndWeightStayConsistent) {
  auto font = StdFont::New();
  EXPECT_EQ(font->Weight(), 400);
  font->Bold(true);
  EXPECT_EQ(font->Weight(), 700);
  font->Weight(600);
  EXPECT_FALSE(font->Bold());
  font->Weight(800);
  EXPECT_TRUE(font->Bold());
  font->Bold(false);
  EXPECT_EQ(font->Weight(), 400);
}

TEST(StdFont, SizeKeepsFourDecimalsAndMustBePositive) {
  auto font = StdFont::New();
  font->Size(8.123456);
  EXPECT_DOUBLE_EQ(font->Size(), 8.1235);
  EXPECT_THROW(font->Size(0), AutomationError);
  EXPECT_DOUBLE_EQ(font->Size(), 8.1235);
}

TEST(StdFont, NotifiesEachAssignmentByPropertyName) {
  auto font = StdFont::New();
  std::vector<String> changes;
  font->FontChanged.Connect([&](const String& name) { changes.push_back(name); });
  font->Name(u"Tahoma");
  font->Size(9);
  font->Bold(true);
  font->Invoke(u"italic", CallType::PropertyLet, {true});
  EXPECT_EQ(changes, (std::vector<String>{u"Name", u"Size", u"Bold", u"Italic"}));
  EXPECT_TRUE(font->Italic());
}

TEST(StdFont, CloneIsIndependent) {
  auto font = StdFont::New({.name = u"Arial", .size = 10});
  auto copy = font->Clone();
  copy->Underline(true);
  EXPECT_FALSE(font->Underline());
  EXPECT_EQ(copy->Name(), u"Arial");
}

}  // namespace
}  // namespace vellum
