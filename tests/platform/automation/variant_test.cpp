#include "platform/automation/variant.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "platform/automation/object.hpp"

namespace vellum {
namespace {

// A conversion either yields a value or raises an error number.
template <class T>
struct Expected {
  std::optional<T> value;
  int error = 0;
};
template <class T>
Expected<T> Value(T v) {
  return {v, 0};
}
template <class T>
Expected<T> Raises(int number) {
  return {std::nullopt, number};
}

template <class T, class Convert>
void Check(const char* name, const Variant& input, const Expected<T>& expected, Convert convert) {
  SCOPED_TRACE(std::string(name) + " of " + DebugString(input));
  try {
    const T result = convert(input);
    ASSERT_TRUE(expected.value.has_value()) << "expected error " << expected.error;
    EXPECT_EQ(result, *expected.value);
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number(), expected.error) << StringToUtf8(e.Description());
  }
}

struct LongCase {
  Variant input;
  Expected<std::int32_t> expected;
};

TEST(VariantConversion, ToLongRoundsHalvesToEvenAndReportsFailures) {
  const LongCase cases[] = {
      {2.5, Value(2)},
      {3.5, Value(4)},
      {-2.5, Value(-2)},
      {-3.5, Value(-4)},
      {2.4999, Value(2)},
      {Variant(2.5f), Value(2)},
      {Currency{25000}, Value(2)},  // 2.5 exactly
      {Currency{35000}, Value(4)},
      {Currency{-25000}, Value(-2)},
      {true, Value(-1)},
      {false, Value(0)},
      {Variant(), Value(0)},
      {Variant(std::uint8_t{255}), Value(255)},
      {Variant(std::int16_t{-32768}), Value(-32768)},
      {u" 42 ", Value(42)},
      {u"-1.5e1", Value(-15)},
      {u"&HFFFF", Value(-1)},  // four hex digits read as a 16-bit pattern
      {u"&H10000", Value(65536)},
      {u"&O17", Value(15)},
      {u"2147483647", Value(2147483647)},
      {u"2147483648", Raises<std::int32_t>(6)},
      {2147483647.5, Raises<std::int32_t>(6)},
      {-2147483648.5, Value<std::int32_t>(-2147483647 - 1)},
      {u"12abc", Raises<std::int32_t>(13)},
      {u"", Raises<std::int32_t>(13)},
      {u"1e", Raises<std::int32_t>(13)},
      {Missing, Raises<std::int32_t>(13)},
      {Variant::NullValue(), Raises<std::int32_t>(94)},
      {Variant::Nothing(), Raises<std::int32_t>(91)},
  };
  for (const LongCase& c : cases) {
    Check("ToLong", c.input, c.expected, [](const Variant& v) { return v.ToLong(); });
  }
}

TEST(VariantConversion, NarrowIntegersCheckTheirOwnRange) {
  Check("ToInteger", 32767.4, Value<std::int16_t>(32767),
        [](const Variant& v) { return v.ToInteger(); });
  Check("ToInteger", 32767.5, Raises<std::int16_t>(6),
        [](const Variant& v) { return v.ToInteger(); });
  Check("ToInteger", -32768, Value<std::int16_t>(-32768),
        [](const Variant& v) { return v.ToInteger(); });
  Check("ToByte", 254.5, Value<std::uint8_t>(254), [](const Variant& v) { return v.ToByte(); });
  Check("ToByte", 255.5, Raises<std::uint8_t>(6), [](const Variant& v) { return v.ToByte(); });
  Check("ToByte", -1, Raises<std::uint8_t>(6), [](const Variant& v) { return v.ToByte(); });
  Check("ToByte", true, Raises<std::uint8_t>(6), [](const Variant& v) { return v.ToByte(); });
}

TEST(VariantConversion, ToBoolTreatsAnyNonZeroNumberAsTrue) {
  const auto toBool = [](const Variant& v) { return v.ToBool(); };
  Check("ToBool", 0.5, Value(true), toBool);
  Check("ToBool", 0, Value(false), toBool);
  Check("ToBool", Variant(), Value(false), toBool);
  Check("ToBool", u" true ", Value(true), toBool);
  Check("ToBool", u"FALSE", Value(false), toBool);
  Check("ToBool", u"7", Value(true), toBool);
  Check("ToBool", u"yes", Raises<bool>(13), toBool);
  Check("ToBool", Variant::NullValue(), Raises<bool>(94), toBool);
}

TEST(VariantConversion, ToStringFormatsLikeTheRuntime) {
  const auto toString = [](const Variant& v) { return v.ToString(); };
  Check("ToString", Variant(), Value(String()), toString);
  Check("ToString", true, Value(String(u"True")), toString);
  Check("ToString", -7, Value(String(u"-7")), toString);
  Check("ToString", 0.5, Value(String(u"0.5")), toString);
  Check("ToString", 1e15, Value(String(u"1E+15")), toString);
  Check("ToString", 123456789012345.0, Value(String(u"123456789012345")), toString);
  Check("ToString", 0.00001, Value(String(u"1E-05")), toString);
  Check("ToString", Variant(0.1f), Value(String(u"0.1")), toString);
  Check("ToString", Currency{-12345}, Value(String(u"-1.2345")), toString);
  Check("ToString", Currency{80000}, Value(String(u"8")), toString);
  Check("ToString", Missing, Raises<String>(13), toString);
  Check("ToString", Variant::NullValue(), Raises<String>(94), toString);
}

TEST(VariantConversion, ToCurrencyKeepsFourDecimals) {
  EXPECT_EQ(Variant(8.25).ToCurrency().scaled, 82500);
  EXPECT_EQ(Variant(1.23456).ToCurrency().scaled, 12346);
  EXPECT_EQ(Variant(-0.00004).ToCurrency().scaled, 0);
  EXPECT_EQ(Variant(u"1.5").ToCurrency().scaled, 15000);
}

TEST(VariantConversion, ObjectsConvertThroughTheirDefaultMember) {
  auto object = HostObject::New();
  EXPECT_THROW(Variant(object).ToLong(), AutomationError);  // no default member: 438
  EXPECT_EQ(Variant(object).ToObject(), object);
  EXPECT_THROW(Variant(5).ToObject(), AutomationError);
  EXPECT_EQ(Variant::Nothing().ToObject(), nullptr);
}

TEST(VariantTruth, OnlyMinusOneIsTrue) {
  EXPECT_TRUE(Variant(true).IsTrue());
  EXPECT_TRUE(Variant(-1).IsTrue());
  EXPECT_TRUE(Variant(std::int16_t{-1}).IsTrue());
  EXPECT_FALSE(Variant(1).IsTrue());
  EXPECT_FALSE(Variant(u"-1").IsTrue());
  EXPECT_FALSE(Variant().IsTrue());
}

TEST(VariantIdentity, TypesAndMissingAreDistinct) {
  EXPECT_EQ(Variant(5).Type(), VariantType::Long);
  EXPECT_EQ(Variant(std::int16_t{5}).Type(), VariantType::Integer);
  EXPECT_EQ(Variant(0x80000005u).ToLong(), static_cast<std::int32_t>(0x80000005u));
  EXPECT_TRUE(Missing.IsMissing());
  EXPECT_FALSE(Missing == Variant());
  EXPECT_FALSE(Variant(5) == Variant(std::int16_t{5}));
  EXPECT_TRUE(Variant(u"a") == Variant(String(u"a")));
}

}  // namespace
}  // namespace vellum
