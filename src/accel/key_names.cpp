#include "accel/key_names.hpp"

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

// Names that parse to a code; the first name of each row is not necessarily the one the
// code formats as (see kCodeNames).
struct NamedKey {
  StringView name;
  std::int32_t code;
};
constexpr NamedKey kNamedKeys[] = {
    {u"RWin", 92},
    {u"Right Window", 92},
    {u"RWindow", 92},
    {u"LWin", 91},
    {u"Left Window", 91},
    {u"LWindow", 91},
    {u"Window", 91},
    {u"Apps", 93},
    {u"Applications", 93},
    {u"Menu", 93},
    {u"CapsLock", 20},
    {u"SpaceBar", 32},
    {u"Space", 32},
    {u"Spc", 32},
    {u"Numlock", 144},
    {u"Print", 42},
    {u"PrtScrn", 42},
    {u"Print Screen", 42},
    {u"Insert", 45},
    {u"Ins", 45},
    {u"Help", 47},
    {u"Delete", 46},
    {u"Del", 46},
    {u"~", 41},
    {u"`", 41},
    {u"BackQuote", 41},
    {u"BackQuotes", 41},
    {u"\"", 40},
    {u"'", 40},
    {u"Quote", 40},
    {u"Quotes", 40},
    {u".", 52},
    {u">", 52},
    {u"Period", 52},
    {u"Greater-Than", 52},
    {u",", 51},
    {u"<", 51},
    {u"Comma", 51},
    {u"Less-Than", 51},
    {u"-", 12},
    {u"_", 12},
    {u"Dash", 12},
    {u"Underscore", 12},
    {u"=", 13},
    {u"+", 13},
    {u"Plus", 13},
    {u"Equal", 13},
    {u"[", 26},
    {u"{", 26},
    {u"LBrace", 26},
    {u"LBracket", 26},
    {u"]", 27},
    {u"}", 27},
    {u"RBrace", 27},
    {u"RBracket", 27},
    {u"\\", 43},
    {u"|", 43},
    {u"Backslash", 43},
    {u"Pipe", 43},
    {u"/", 53},
    {u"?", 53},
    {u"Slash", 53},
    {u"Question", 53},
};

// The name each named code formats as, tested before the digits and letters: 51, 52 and 53
// are also the codes of "3", "4" and "5", which therefore format as these names.
constexpr NamedKey kCodeNames[] = {
    {u"RWin", 92},      {u"LWin", 91},    {u"Apps", 93},   {u"CapsLock", 20}, {u"SpaceBar", 32},
    {u"Numlock", 144},  {u"PrtScrn", 42}, {u"Insert", 45}, {u"Help", 47},     {u"Delete", 46},
    {u"BackQuote", 41}, {u"Quote", 40},   {u"Period", 52}, {u"Comma", 51},    {u"Dash", 12},
    {u"=", 13},         {u"[", 26},       {u"]", 27},      {u"\\", 43},       {u"/", 53},
};

bool IsDigitOrCapital(std::int32_t code) {
  return (code >= u'0' && code <= u'9') || (code >= u'A' && code <= u'Z');
}

// The decimal number (digits, optional fraction) at the start of `text`; 0 when there is none.
double LeadingNumber(StringView text) {
  double value = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
  }
  if (i < text.size() && text[i] == u'.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, scale /= 10) {
      value += (text[i] - u'0') * scale;
    }
  }
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
    if (key.name == name) return key.code;
  }
  if (name.size() == 1 && IsDigitOrCapital(name[0])) return name[0];
  RaiseAcceleratorError(accelerator_flag::kUnknownToken, name);
}

String KeyCodeToName(std::int32_t code) {
  if (code > kFunctionKeyOffset && code <= kLastFunctionKey) {
    return u"F" + Utf8ToString(std::to_string(code - kFunctionKeyOffset));
  }
  for (const NamedKey& key : kCodeNames) {
    if (key.code == code) return String(key.name);
  }
  if (IsDigitOrCapital(code)) return String(1, static_cast<char16_t>(code));
  return {};
}

}  // namespace vellum
