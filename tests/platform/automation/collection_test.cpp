#include "platform/automation/collection.hpp"
#include "support/error_of.hpp"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using testing::ErrorOf;

// The collection's elements as a string, in order: "a b c".
std::string Contents(const Collection& collection) {
  std::string text;
  for (const Variant& item : collection.Items()) {
    if (!text.empty()) text += ' ';
    text += StringToUtf8(item.ToString());
  }
  return text;
}

class CollectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    items->Add(u"a", u"KeyA");
    items->Add(u"b");
    items->Add(u"c", u"KeyC");
  }
  Ref<Collection> items = Collection::New();
};

TEST_F(CollectionTest, FindsByOneBasedPositionAndCaseInsensitiveKey) {
  EXPECT_EQ(items->Count(), 3);
  EXPECT_EQ(items->Item(1), Variant(u"a"));
  EXPECT_EQ(items->Item(3.4), Variant(u"c"));  // positions convert by the runtime's rules
  EXPECT_EQ(items->Item(u"keya"), Variant(u"a"));
  EXPECT_EQ(items->Item(u"KEYC"), Variant(u"c"));
  EXPECT_EQ(items->PositionOfKey(u"keyc"), 3);
  EXPECT_EQ(items->KeyAt(2), u"");
}

TEST_F(CollectionTest, InsertsBeforeAndAfterByPositionOrKey) {
  items->Add(u"x", Missing, 1);
  items->Add(u"y", Missing, Missing, u"keya");
  items->Add(u"z", u"KeyZ", u"KeyC");
  items->Add(u"w", Missing, Missing, items->Count());
  EXPECT_EQ(Contents(*items), "x a y b z c w");
  // Keys follow their elements when others are inserted in front of them.
  EXPECT_EQ(items->PositionOfKey(u"KeyC"), 6);
  EXPECT_EQ(items->Item(u"KeyZ"), Variant(u"z"));
}

TEST_F(CollectionTest, FailedCallsRaiseAndChangeNothing) {
  struct Case {
    const char* name;
    std::function<void()> call;
    int error;
  };
  const Case cases[] = {
      {"duplicate key", [&] { items->Add(u"d", u"KEYA"); }, 457},
      {"before out of range", [&] { items->Add(u"d", Missing, 4); }, 9},
      {"after zero", [&] { items->Add(u"d", Missing, Missing, 0); }, 9},
      {"absent anchor key", [&] { items->Add(u"d", Missing, u"nope"); }, 5},
      {"both anchors", [&] { items->Add(u"d", Missing, 1, 2); }, 5},
      {"numeric key", [&] { items->Add(u"d", 12); }, 13},
      {"item absent key", [&] { items->Item(u"nope"); }, 5},
      {"item position 0", [&] { items->Item(0); }, 9},
      {"item position 4", [&] { items->Item(4); }, 9},
      {"remove absent key", [&] { items->Remove(u"nope"); }, 5},
      {"remove position 4", [&] { items->Remove(4); }, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ErrorOf(c.call), c.error);
    EXPECT_EQ(Contents(*items), "a b c");
    EXPECT_EQ(items->PositionOfKey(u"KeyC"), 3);
  }
}

TEST_F(CollectionTest, RemoveRenumbersPositionsAndFreesTheKey) {
  items->Remove(u"KeyA");
  EXPECT_EQ(Contents(*items), "b c");
  EXPECT_EQ(items->PositionOfKey(u"KeyC"), 2);
  items->Add(u"a2", u"KeyA");  // the key is free again
  items->Remove(1);
  EXPECT_EQ(Contents(*items), "c a2");
  EXPECT_EQ(items->Item(u"KeyA"), Variant(u"a2"));
}

TEST_F(CollectionTest, AnswersLateBoundCallsWithItemAsDefaultMember) {
  items->Invoke(u"add", CallType::Method, {u"d", u"KeyD", Missing, u"KeyA"});
  EXPECT_EQ(items->Invoke(u"COUNT", CallType::PropertyGet), Variant(4));
  EXPECT_EQ(items->Invoke(u"Item", CallType::Method, {2}), Variant(u"d"));
  EXPECT_EQ(ErrorOf([&] { items->Invoke(u"Count", CallType::PropertyLet, {1}); }), 438);
  EXPECT_EQ(ErrorOf([&] { items->Invoke(u"Item", CallType::Method, {}); }), 449);
}

}  // namespace
}  // namespace vellum
