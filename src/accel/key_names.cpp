#include "accel/key_names.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <string>

#include "accel/accelerator_error.hpp"
#include "platform/automation/error.hpp"
#include "platform/automation/variant.hpp"

namespace vellum {
namespace {

constexpr std::int32_t kFunctionKeyOffset = 111;  // F1 is 112
constexpr std::int32_t kLastFunctionKey = 135;    // F24

// The named keys: the name each code formats as, and the further names it is parsed from.
// Codes 51, 52 and 53 are also those of "3", "4" and "5", and format as their names here,
// since this table is consulted before the digits.
struct NamedKey {
  std::int32_t code;
  StringView canonical;
  std::array<StringView, 3> aliases;  // unused places stay empty
};
constexpr NamedKey kNamedKeys[] = {
    {92, u"RWin", {u"Right Window", u"RWindow"}},
    {91, u"LWin", {u"Left Window", u"LWindow", u"Window"}},
    {93, u"Apps", {u"Applications", u"Menu"}},
    {20, u"CapsLock", {}},
    {32, u"SpaceBar", {u"Space", u"Spc"}},
    {144, u"Numlock", {}},
    {42, u"PrtScrn", {u"Print", u"Print Screen"}},
    {45, u"Insert", {u"Ins"}},
    {47, u"Help", {}},
    {46, u"Delete", {u"Del"}},
    {41, u"BackQuote", {u"~", u"`", u"BackQuotes"}},
    {40, u"Quote", {u"\"", u"'", u"Quotes"}},
    {52, u"Period", {u".", u">", u"Greater-Than"}},
    {51, u"Comma", {u",", u"<", u"Less-Than"}},
    {12, u"Dash", {u"-", u"_", u"Underscore"}},
    {13, u"=", {u"+", u"Plus", u"Equal"}},
    {26, u"[", {u"{", u"LBrace", u"LBracket"}},
    {27, u"]", {u"}", u"RBrace", u"RBracket"}},
    {43, u"\\", {u"|", u"Backslash", u"Pipe"}},
    {53, u"/", {u"?", u"Slash", u"Question"}},
};

bool IsNameOf(const NamedKey& key, StringView name) {
  if (name == key.canonical) return true;
  return std::ranges::find(key.aliases, name) != key.aliases.end();
}

bool IsDigitOrCapital(std::int32_t code) {
  return (code >= u'0' && code <= u'9') || (code >= u'A' && code <= u'Z');
}

// The decimal number (digits, optional fraction) at the start of `text`; 0 when there is none.
double LeadingNumber(StringView text) {
  auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
  std::string number;
  std::size_t i = 0;
  for (; i < text.size() && isDigit(text[i]); ++i)
    number += static_cast<char>(text[i]);
  if (i < text.size() && text[i] == u'.') {
    number += '.';
    for (++i; i < text.size() && isDigit(text[i]); ++i)
      number += static_cast<char>(text[i]);
  }
  double value = 0;
  // Too many digits for a double reads as out of range, which the caller reports as overflow.
  const auto [end, failure] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (failure == std::errc::result_out_of_range) return std::numeric_limits<double>::infinity();
  return value;
}

// Names in ordinal order from "F1" to "F9" (which takes in "F10" to "F24"): "F" followed by a
// digit 1-8 and anything, or "F9" itself. The code is 111 + the rounded leading number, so
// «F25» is 136 and «F3x» is 114.
std::optional<std::int32_t> FunctionKeyCode(StringView name) {
  if (name < StringView(u"F1") || name > StringView(u"F9")) return std::nullopt;
  // Rounds halves to even and raises 6 (overflow) beyond 32 bits, as number conversions do.
  const std::int32_t number = Variant(LeadingNumber(name.substr(1))).ToLong();
  if (number > std::numeric_limits<std::int32_t>::max() - kFunctionKeyOffset) {
    RaiseError(error::kOverflow);
  }
  return kFunctionKeyOffset + number;
}

}  // namespace

std::int32_t KeyNameToCode(StringView name) {
  if (name.empty()) RaiseError(error::kInvalidProcedureCall, kAcceleratorErrorSource);
  if (auto code = FunctionKeyCode(name)) return *code;
  for (const NamedKey& key : kNamedKeys) {
    if (IsNameOf(key, name)) return key.code;
  }
  if (name.size() == 1 && IsDigitOrCapital(name[0])) return name[0];
  RaiseAcceleratorError(accelerator_flag::kUnknownToken, name);
}

String KeyCodeToName(std::int32_t code) {
  if (code > kFunctionKeyOffset && code <= kLastFunctionKey) {
    return u"F" + Utf8ToString(std::to_string(code - kFunctionKeyOffset));
  }
  for (const NamedKey& key : kNamedKeys) {
    if (key.code == code) return String(key.canonical);
  }
  if (IsDigitOrCapital(code)) return String(1, static_cast<char16_t>(code));
  return {};
}

}  // namespace vellum
