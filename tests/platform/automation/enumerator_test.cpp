#include "platform/automation/enumerator.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/automation/collection.hpp"
#include "support/error_of.hpp"

namespace vellum {
namespace {

using testing::ErrorOf;

// Next by name, as a script host calls it: the fetched elements land in the slots after the
// count.
std::vector<Variant> NextByName(const Ref<Object>& enumerator, std::int32_t count,
                                std::int32_t* fetched = nullptr) {
  std::vector<Variant> args(1 + static_cast<std::size_t>(count));
  args[0] = count;
  const std::int32_t got = enumerator->Invoke(u"Next", CallType::Method, args).ToLong();
  if (fetched) *fetched = got;
  return {args.begin() + 1, args.begin() + 1 + got};
}

Ref<Enumerator> OneToFive() {
  return Enumerator::New({1, 2, 3, 4, 5});
}

TEST(Enumerator, NextFetchesUpToTheCountAndSaysHowMany) {
  const Ref<Enumerator> walk = OneToFive();
  std::int32_t fetched = 0;
  EXPECT_EQ(NextByName(walk, 2, &fetched), (std::vector<Variant>{1, 2}));
  EXPECT_EQ(fetched, 2);
  EXPECT_EQ(NextByName(walk, 0, &fetched), std::vector<Variant>{});
  EXPECT_EQ(NextByName(walk, 9, &fetched), (std::vector<Variant>{3, 4, 5}));
  EXPECT_EQ(fetched, 3);
  EXPECT_EQ(NextByName(walk, 1, &fetched), std::vector<Variant>{});
  EXPECT_EQ(fetched, 0);
}

TEST(Enumerator, SkipResetAndCloneMoveOverOneSnapshot) {
  const Ref<Enumerator> walk = OneToFive();
  EXPECT_EQ(walk->Invoke(u"Skip", CallType::Method, {2}), Variant(true));
  const Ref<Object> clone = walk->Invoke(u"Clone", CallType::Method).ToObject();
  EXPECT_EQ(NextByName(walk, 1), std::vector<Variant>{3});
  EXPECT_EQ(NextByName(clone, 1), std::vector<Variant>{3});  // at the place it was cloned
  EXPECT_EQ(walk->Invoke(u"Skip", CallType::Method, {5}), Variant(false));
  EXPECT_EQ(NextByName(walk, 1), std::vector<Variant>{});
  walk->Invoke(u"Reset", CallType::Method);
  EXPECT_EQ(NextByName(walk, 5), (std::vector<Variant>{1, 2, 3, 4, 5}));
  EXPECT_EQ(NextByName(clone, 5), (std::vector<Variant>{4, 5}));  // clones move apart
}

TEST(Enumerator, RefusesNegativeCountsAndTooFewSlots) {
  const Ref<Enumerator> walk = OneToFive();
  EXPECT_EQ(ErrorOf([&] { walk->Next(-1); }), 5);
  EXPECT_EQ(ErrorOf([&] { walk->Skip(-1); }), 5);
  EXPECT_EQ(ErrorOf([&] { walk->Invoke(u"Next", CallType::Method, {2, Variant()}); }), 5);
  EXPECT_EQ(NextByName(walk, 1), std::vector<Variant>{1});  // nothing was consumed
}

TEST(Enumerator, ACollectionChangedDuringTheWalkLeavesTheSnapshotAlone) {
  const Ref<Collection> collection = Collection::New();
  collection->Add(u"a");
  collection->Add(u"b");
  std::vector<Variant> seen;
  for (const Variant& element : collection->NewEnum()) {
    seen.push_back(element);
    collection->Add(u"late");
    collection->Remove(1);
  }
  EXPECT_EQ(seen, (std::vector<Variant>{u"a", u"b"}));
  EXPECT_EQ(collection->Count(), 2);
}

}  // namespace
}  // namespace vellum
