#include "render/multi_gradient.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/automation/property_bag.hpp"
#include "platform/platform.hpp"
#include "support/error_of.hpp"

namespace vellum {
namespace {

using testing::ErrorOf;

using Colors = std::vector<std::int32_t>;

// Stops 0x11 "first", 0x22, 0x33 "Third".
Ref<MultiGradient> ThreeStops() {
  const Ref<MultiGradient> gradient = MultiGradient::New();
  gradient->Add(0x11, u"first");
  gradient->Add(0x22);
  gradient->Add(0x33, u"Third");
  return gradient;
}

TEST(MultiGradient, StopsByPositionAndKeyWithTheCollectionsErrors) {
  const Ref<MultiGradient> gradient = ThreeStops();
  gradient->Add(0x05, u"zero", 1);         // before position 1
  gradient->Add(0x2A, Missing, u"THIRD");  // before a key, in any case
  EXPECT_EQ(gradient->Colors(), (Colors{0x05, 0x11, 0x22, 0x2A, 0x33}));
  EXPECT_EQ(gradient->Color(u"FIRST"), 0x11);
  EXPECT_EQ(gradient->Color(4), 0x2A);

  gradient->Remove(u"zero");
  gradient->Remove(3);
  EXPECT_EQ(gradient->Colors(), (Colors{0x11, 0x22, 0x33}));

  EXPECT_EQ(ErrorOf([&] { gradient->Add(1, u"First"); }), error::kDuplicateKey);
  EXPECT_EQ(ErrorOf([&] { gradient->Color(9); }), error::kSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { gradient->Remove(u"none"); }), error::kInvalidProcedureCall);
  EXPECT_EQ(gradient->Count(), 3);

  gradient->Clear();
  EXPECT_EQ(gradient->Count(), 0);
  gradient->Add(7, u"first");  // the old keys went with the old stops
  EXPECT_EQ(gradient->Color(u"first"), 7);
}

TEST(MultiGradient, ColourIsTheDefaultMemberByLateBinding) {
  const Ref<MultiGradient> gradient = ThreeStops();
  EXPECT_EQ(gradient->Invoke(u"color", CallType::Method, {Variant(u"third")}).ToLong(), 0x33);
  EXPECT_EQ(gradient->Invoke(u"Count", CallType::PropertyGet, {}).ToLong(), 3);
}

TEST(MultiGradient, ResolvedColorsLooksUpSystemColours) {
  const Ref<MultiGradient> gradient = MultiGradient::New();
  EXPECT_TRUE(gradient->ResolvedColors().empty());
  gradient->Add(0x123456);
  gradient->Add(static_cast<std::int32_t>(0x80000000u | platform::COLOR_MENU));
  EXPECT_EQ(gradient->ResolvedColors(),
            (Colors{0x123456, static_cast<std::int32_t>(platform::GetSysColor(4))}));
}

TEST(MultiGradientCopy, FromAnotherReplacesTheStopsWithoutKeys) {
  const Ref<MultiGradient> target = MultiGradient::New();
  target->Add(0x99, u"old");
  Variant source(ThreeStops());
  target->Copy(source);
  EXPECT_EQ(target->Colors(), (Colors{0x11, 0x22, 0x33}));
  EXPECT_EQ(ErrorOf([&] { target->Color(u"first"); }), error::kInvalidProcedureCall);

  // Copying a gradient onto itself keeps its colours.
  Variant self(target);
  target->Copy(self);
  EXPECT_EQ(target->Colors(), (Colors{0x11, 0x22, 0x33}));

  Variant nothing = Variant::Nothing();
  EXPECT_EQ(ErrorOf([&] { target->Copy(nothing); }), error::kObjectVariableNotSet);
  Variant number(5);
  EXPECT_EQ(ErrorOf([&] { target->Copy(number); }), error::kTypeMismatch);
  EXPECT_EQ(target->Count(), 3);
}

TEST(MultiGradientCopy, ToAnUnsetVariableStoresANewGradient) {
  const Ref<MultiGradient> source = ThreeStops();
  for (Variant unset : {Variant(), Variant::Nothing()}) {
    source->Copy(unset, true);
    const Ref<MultiGradient> made = unset.ToObjectOf<MultiGradient>();
    ASSERT_TRUE(made);
    EXPECT_NE(made, source);
    EXPECT_EQ(made->Colors(), (Colors{0x11, 0x22, 0x33}));
    EXPECT_EQ(ErrorOf([&] { made->Color(u"first"); }), error::kInvalidProcedureCall);
  }
}

TEST(MultiGradientCopy, ToAnExistingGradientClearsItFirstAndKeepsTheObject) {
  const Ref<MultiGradient> existing = MultiGradient::New();
  existing->Add(0x77);
  Variant target(existing);
  // By late binding, as a host calls it: the variable is passed by reference.
  std::vector<Variant> args{target, Variant(true)};
  ThreeStops()->Invoke(u"Copy", CallType::Method, args);
  EXPECT_EQ(args[0].ToObjectOf<MultiGradient>(), existing);
  EXPECT_EQ(existing->Colors(), (Colors{0x11, 0x22, 0x33}));
}

TEST(MultiGradientPersistence, CountAndNumberedValuesUnderThePrefix) {
  const Ref<PropertyBag> bag = PropertyBag::New();
  ThreeStops()->SaveProperties(*bag, u"Item1.MultiGrad");
  EXPECT_EQ(bag->Names(),
            (std::vector<String>{u"Item1.MultiGrad.Count", u"Item1.MultiGrad.Value1",
                                 u"Item1.MultiGrad.Value2", u"Item1.MultiGrad.Value3"}));
  EXPECT_EQ(bag->ReadProperty(u"Item1.MultiGrad.Value3").ToLong(), 0x33);

  const Ref<MultiGradient> loaded = MultiGradient::New();
  loaded->Add(0x99);
  loaded->LoadProperties(*bag, u"Item1.MultiGrad");
  EXPECT_EQ(loaded->Colors(), (Colors{0x11, 0x22, 0x33}));

  const Ref<PropertyBag> plain = PropertyBag::New();
  ThreeStops()->SaveProperties(*plain);
  EXPECT_EQ(plain->Names().front(), u"Count");
}

TEST(MultiGradientPersistence, AFailedLoadChangesNothing) {
  const Ref<PropertyBag> bag = PropertyBag::New();
  bag->WriteProperty(u"Count", 2);
  bag->WriteProperty(u"Value1", 0x44);
  bag->WriteProperty(u"Value2", u"teal");  // not a colour
  const Ref<MultiGradient> gradient = ThreeStops();
  EXPECT_NE(ErrorOf([&] { gradient->LoadProperties(*bag); }), 0);
  EXPECT_EQ(gradient->Colors(), (Colors{0x11, 0x22, 0x33}));
  EXPECT_EQ(
      ErrorOf([&] { gradient->Invoke(u"LoadProperties", CallType::Method, {Variant::Nothing()}); }),
      error::kObjectRequired);
}

}  // namespace
}  // namespace vellum
