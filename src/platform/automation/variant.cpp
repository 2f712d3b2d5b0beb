#include "platform/automation/variant.hpp"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <ostream>

#include "platform/automation/object.hpp"

namespace vellum {
namespace {

constexpr double kCurrencyScale = 10000.0;

// Rounds to the nearest integer, halves to the even neighbour, whatever the thread's mode.
double RoundHalfEven(double value) {
  const int mode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double rounded = std::nearbyint(value);
  std::fesetround(mode);
  return rounded;
}

// Rounds `value` and checks it fits [low, high]; 6 (overflow) otherwise, NaN included.
template <class Int>
Int RoundInto(double value) {
  const double rounded = RoundHalfEven(value);
  if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    RaiseError(error::kOverflow);
  }
  return static_cast<Int>(rounded);
}

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\t';
}

std::optional<double> ParseHexOrOctal(StringView digits, int base) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char16_t c : digits) {
    int digit;
    if (c >= u'0' && c <= u'9') {
      digit = c - u'0';
    } else if (base == 16 && FoldCase(c) >= u'a' && FoldCase(c) <= u'f') {
      digit = FoldCase(c) - u'a' + 10;
    } else {
      return std::nullopt;
    }
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFull) RaiseError(error::kOverflow);
  }
  // Like literals: a value that fits 16 bits reads as an Integer bit pattern, else as a Long.
  if (value <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(value));
  return static_cast<double>(static_cast<std::int32_t>(value));
}

// A string reads as a number when, spaces around it aside, it is a decimal number (sign,
// digits, optional fraction and exponent) or a "&H" / "&O" literal.
std::optional<double> ParseNumber(StringView text) {
  while (!text.empty() && IsSpace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back()))
    text.remove_suffix(1);
  if (text.size() > 2 && text[0] == u'&') {
    const char16_t radix = FoldCase(text[1]);
    if (radix == u'h') return ParseHexOrOctal(text.substr(2), 16);
    if (radix == u'o') return ParseHexOrOctal(text.substr(2), 8);
    return std::nullopt;
  }
  std::string ascii;
  std::size_t i = 0;
  auto digits = [&] {
    std::size_t start = i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
      ascii.push_back(text[i++]);
    return i - start;
  };
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii.push_back(text[i++]);
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == u'.') {
    ascii.push_back(text[i++]);
    mantissa += digits();
  }
  if (mantissa == 0) return std::nullopt;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    ascii.push_back('e');
    ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii.push_back(text[i++]);
    if (digits() == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  return std::strtod(ascii.c_str(), nullptr);
}

String FormatFloating(double value, int significantDigits) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*G", significantDigits, value);
  return Utf8ToString(buffer);
}

String FormatCurrency(Currency value) {
  const bool negative = value.scaled < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(value.scaled) : value.scaled;
  std::string text = std::to_string(magnitude / 10000);
  std::uint64_t fraction = magnitude % 10000;
  if (fraction != 0) {
    std::string decimals = std::to_string(fraction + 10000).substr(1);
    while (decimals.back() == '0')
      decimals.pop_back();
    text += "." + decimals;
  }
  return Utf8ToString(negative ? "-" + text : text);
}

}  // namespace

Variant Variant::MissingValue() {
  return Variant(Storage(MissingTag{}));
}
Variant Variant::NullValue() {
  return Variant(Storage(NullTag{}));
}
Variant Variant::Nothing() {
  return Variant(Storage(Ref<Object>()));
}

bool Variant::IsNumeric() const {
  const VariantType type = Type();
  return type >= VariantType::Boolean && type <= VariantType::Currency;
}

Variant Variant::DefaultValueOfObject() const {
  const Ref<Object>& object = std::get<Ref<Object>>(value_);
  if (!object) RaiseError(error::kObjectVariableNotSet);
  return object->DefaultValue();
}

// The value as a double for the numeric conversions; raises for what has no number.
double Variant::NumberForConversion() const {
  switch (Type()) {
    case VariantType::Empty:
      return 0;
    case VariantType::Missing:
      RaiseError(error::kTypeMismatch);
    case VariantType::Null:
      RaiseError(error::kInvalidUseOfNull);
    case VariantType::Boolean:
      return std::get<bool>(value_) ? -1 : 0;
    case VariantType::Byte:
      return std::get<std::uint8_t>(value_);
    case VariantType::Integer:
      return std::get<std::int16_t>(value_);
    case VariantType::Long:
      return std::get<std::int32_t>(value_);
    case VariantType::Single:
      return std::get<float>(value_);
    case VariantType::Double:
      return std::get<double>(value_);
    case VariantType::Currency:
      return static_cast<double>(std::get<Currency>(value_).scaled) / kCurrencyScale;
    case VariantType::String:
      if (auto number = ParseNumber(std::get<String>(value_))) return *number;
      RaiseError(error::kTypeMismatch);
    case VariantType::Object:
      return DefaultValueOfObject().NumberForConversion();
  }
  RaiseError(error::kTypeMismatch);
}

bool Variant::ToBool() const {
  if (Type() == VariantType::Boolean) return std::get<bool>(value_);
  if (Type() == VariantType::String) {
    const String& text = std::get<String>(value_);
    StringView trimmed = text;
    while (!trimmed.empty() && IsSpace(trimmed.front()))
      trimmed.remove_prefix(1);
    while (!trimmed.empty() && IsSpace(trimmed.back()))
      trimmed.remove_suffix(1);
    if (EqualsNoCase(trimmed, u"True")) return true;
    if (EqualsNoCase(trimmed, u"False")) return false;
  }
  return NumberForConversion() != 0;
}

std::uint8_t Variant::ToByte() const {
  return RoundInto<std::uint8_t>(NumberForConversion());
}
std::int16_t Variant::ToInteger() const {
  return RoundInto<std::int16_t>(NumberForConversion());
}

std::int32_t RoundToLong(double value) {
  return RoundInto<std::int32_t>(value);
}

std::int32_t Variant::ToLong() const {
  if (Type() == VariantType::Long) return std::get<std::int32_t>(value_);
  if (Type() == VariantType::Currency) {
    // Exact: a currency amount may hold more digits than a double.
    const std::int64_t scaled = std::get<Currency>(value_).scaled;
    std::int64_t whole = scaled / 10000;
    const std::int64_t rest = scaled % 10000;
    if (rest > 5000 || (rest == 5000 && whole % 2 != 0)) ++whole;
    if (rest < -5000 || (rest == -5000 && whole % 2 != 0)) --whole;
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max()) {
      RaiseError(error::kOverflow);
    }
    return static_cast<std::int32_t>(whole);
  }
  return RoundInto<std::int32_t>(NumberForConversion());
}

float Variant::ToSingle() const {
  const double value = NumberForConversion();
  if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
    RaiseError(error::kOverflow);
  }
  return static_cast<float>(value);
}

double Variant::ToDouble() const {
  return NumberForConversion();
}

Currency Variant::ToCurrency() const {
  if (Type() == VariantType::Currency) return std::get<Currency>(value_);
  return Currency{RoundInto<std::int64_t>(NumberForConversion() * kCurrencyScale)};
}

String Variant::ToString() const {
  switch (Type()) {
    case VariantType::Empty:
      return {};
    case VariantType::Missing:
      RaiseError(error::kTypeMismatch);
    case VariantType::Null:
      RaiseError(error::kInvalidUseOfNull);
    case VariantType::Boolean:
      return std::get<bool>(value_) ? u"True" : u"False";
    case VariantType::Byte:
      return Utf8ToString(std::to_string(std::get<std::uint8_t>(value_)));
    case VariantType::Integer:
      return Utf8ToString(std::to_string(std::get<std::int16_t>(value_)));
    case VariantType::Long:
      return Utf8ToString(std::to_string(std::get<std::int32_t>(value_)));
    case VariantType::Single:
      return FormatFloating(std::get<float>(value_), 7);
    case VariantType::Double:
      return FormatFloating(std::get<double>(value_), 15);
    case VariantType::Currency:
      return FormatCurrency(std::get<Currency>(value_));
    case VariantType::String:
      return std::get<String>(value_);
    case VariantType::Object:
      return DefaultValueOfObject().ToString();
  }
  RaiseError(error::kTypeMismatch);
}

Ref<Object> Variant::ToObject() const {
  if (Type() != VariantType::Object) RaiseError(error::kTypeMismatch);
  return std::get<Ref<Object>>(value_);
}

bool Variant::IsTrue() const {
  switch (Type()) {
    case VariantType::Boolean:
      return std::get<bool>(value_);
    case VariantType::Byte:
    case VariantType::Integer:
    case VariantType::Long:
    case VariantType::Single:
    case VariantType::Double:
    case VariantType::Currency:
      return NumberForConversion() == -1;
    default:
      return false;
  }
}

String TypeName(VariantType type) {
  static const char16_t* const kNames[] = {u"Empty",  u"Missing",  u"Null",   u"Boolean",
                                           u"Byte",   u"Integer",  u"Long",   u"Single",
                                           u"Double", u"Currency", u"String", u"Object"};
  return kNames[static_cast<int>(type)];
}

std::string DebugString(const Variant& value) {
  std::string text = StringToUtf8(TypeName(value.Type()));
  switch (value.Type()) {
    case VariantType::Empty:
    case VariantType::Missing:
    case VariantType::Null:
      return text;
    case VariantType::String:
      return text + "(\"" + StringToUtf8(value.ToString()) + "\")";
    case VariantType::Object: {
      const Ref<Object> object = value.ToObject();
      return text + "(" + (object ? StringToUtf8(object->ClassName()) : "Nothing") + ")";
    }
    default:
      return text + "(" + StringToUtf8(value.ToString()) + ")";
  }
}

void PrintTo(const Variant& value, std::ostream* out) {
  *out << DebugString(value);
}

}  // namespace vellum
