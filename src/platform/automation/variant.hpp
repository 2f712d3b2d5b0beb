#pragma once
// The automation value: one of a fixed set of types, converted between them by the runtime's
// rules (round halves to even, 6 on overflow, 13 on a type mismatch, 94 for Null).

#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <type_traits>
#include <variant>

#include "platform/automation/error.hpp"
#include "platform/automation/string.hpp"

namespace vellum {

class Object;
template <class T>
using Ref = std::shared_ptr<T>;

// In the runtime's own order; the value of each is its position.
enum class VariantType {
  Empty,
  Missing,  // an omitted optional argument
  Null,
  Boolean,
  Byte,
  Integer,  // 16-bit
  Long,     // 32-bit
  Single,
  Double,
  Currency,
  String,
  Object,  // an object reference, possibly Nothing
};

// A fixed-point amount with four decimals.
struct Currency {
  std::int64_t scaled = 0;  // value x 10000
  friend bool operator==(Currency, Currency) = default;
};

class Variant {
 public:
  Variant() = default;
  Variant(bool value) : value_(value) {}
  Variant(std::uint8_t value) : value_(value) {}
  Variant(std::int16_t value) : value_(value) {}
  Variant(std::int32_t value) : value_(value) {}
  // Unsigned 32-bit values (colours, flags) are kept as their Long bit pattern.
  Variant(std::uint32_t value) : value_(static_cast<std::int32_t>(value)) {}
  Variant(float value) : value_(value) {}
  Variant(double value) : value_(value) {}
  Variant(Currency value) : value_(value) {}
  Variant(String value) : value_(std::move(value)) {}
  Variant(StringView value) : value_(String(value)) {}
  Variant(const char16_t* value) : value_(String(value)) {}
  template <class E>
  requires std::is_enum_v<E> Variant(E value) : value_(static_cast<std::int32_t>(value)) {}
  template <class T>
  requires std::derived_from<T, Object> Variant(Ref<T> object)
      : value_(Ref<Object>(std::move(object))) {}

  static Variant MissingValue();
  static Variant NullValue();
  static Variant Nothing();  // an Object value that refers to no object

  VariantType Type() const { return static_cast<VariantType>(value_.index()); }
  bool IsEmpty() const { return Type() == VariantType::Empty; }
  bool IsMissing() const { return Type() == VariantType::Missing; }
  bool IsNull() const { return Type() == VariantType::Null; }
  bool IsString() const { return Type() == VariantType::String; }
  bool IsObject() const { return Type() == VariantType::Object; }
  // Boolean, Byte, Integer, Long, Single, Double or Currency.
  bool IsNumeric() const;

  // Conversions by the runtime's rules; each raises an AutomationError when the value does
  // not convert. An Object converts through its default member.
  bool ToBool() const;
  std::uint8_t ToByte() const;
  std::int16_t ToInteger() const;
  std::int32_t ToLong() const;
  float ToSingle() const;
  double ToDouble() const;
  Currency ToCurrency() const;
  String ToString() const;
  // Object values only (13 otherwise); Nothing gives a null reference.
  Ref<Object> ToObject() const;
  template <class T>
  Ref<T> ToObjectOf() const;  // 13 when the object is not a T

  // True in the library's sense: the value is the number -1 (Boolean True included).
  bool IsTrue() const;

  // Same type and same value; objects compare by identity.
  friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }

 private:
  struct EmptyTag {
    friend bool operator==(EmptyTag, EmptyTag) = default;
  };
  struct MissingTag {
    friend bool operator==(MissingTag, MissingTag) = default;
  };
  struct NullTag {
    friend bool operator==(NullTag, NullTag) = default;
  };
  using Storage = std::variant<EmptyTag, MissingTag, NullTag, bool, std::uint8_t, std::int16_t,
                               std::int32_t, float, double, Currency, String, Ref<Object>>;

  explicit Variant(Storage value) : value_(std::move(value)) {}
  double NumberForConversion() const;
  Variant DefaultValueOfObject() const;

  Storage value_;
};

// A number rounded to the nearest whole 32-bit value, halves to even, as the runtime converts;
// 6 (overflow) when it does not fit.
std::int32_t RoundToLong(double value);

// An omitted optional argument.
inline const Variant Missing = Variant::MissingValue();

String TypeName(VariantType type);
// A readable form for test messages: Long(5), String("File"), Object(Vellum10.MenuItem).
std::string DebugString(const Variant& value);
void PrintTo(const Variant& value, std::ostream* out);

template <class T>
Ref<T> Variant::ToObjectOf() const {
  Ref<Object> object = ToObject();
  if (!object) return nullptr;
  Ref<T> typed = std::dynamic_pointer_cast<T>(object);
  if (!typed) RaiseError(error::kTypeMismatch);
  return typed;
}

}  // namespace vellum
