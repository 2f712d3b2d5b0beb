#include "accel/accelerator_text.hpp"

#include "accel/accelerator_shift_states.hpp"
#include "accel/key_names.hpp"

namespace vellum {
namespace {

constexpr StringView kSequenceSeparator = u", ";  // exact: «Ctrl+K,C» is one key name

// A modifier key in its generic and its left and right forms. A generic token replaces the
// side flags of its key and a side token replaces the generic flag, so the last word wins
// while «LCtrl+RCtrl» keeps both sides.
struct ModifierKey {
  StringView generic;
  StringView left;
  StringView leftLong;
  StringView right;
  StringView rightLong;
  std::int32_t genericFlag;
  std::int32_t leftFlag;
  std::int32_t rightFlag;
};
// In canonical order.
constexpr ModifierKey kModifierKeys[] = {
    {u"Shift", u"LShift", u"Left Shift", u"RShift", u"Right Shift", acShift, acLShift, acRShift},
    {u"Ctrl", u"LCtrl", u"Left Ctrl", u"RCtrl", u"Right Ctrl", acCtrl, acLCtrl, acRCtrl},
    {u"Alt", u"LAlt", u"Left Alt", u"RAlt", u"Right Alt", acAlt, acLAlt, acRAlt},
};

// Applies a modifier token to `shift`; false when the token names no modifier.
bool ApplyModifier(StringView token, std::int32_t& shift) {
  for (const ModifierKey& key : kModifierKeys) {
    if (token == key.generic) {
      shift = (shift | key.genericFlag) & ~(key.leftFlag | key.rightFlag);
    } else if (token == key.left || token == key.leftLong) {
      shift = (shift | key.leftFlag) & ~key.genericFlag;
    } else if (token == key.right || token == key.rightLong) {
      shift = (shift | key.rightFlag) & ~key.genericFlag;
    } else {
      continue;
    }
    return true;
  }
  return false;
}

}  // namespace

StringView SplitToken(StringView& remainder, StringView separator) {
  if (remainder.empty()) return {};
  if (remainder.starts_with(separator)) {
    remainder.remove_prefix(separator.size());
    return {};
  }
  const std::size_t end = remainder.find(separator);
  const StringView token = remainder.substr(0, end);
  remainder = end == StringView::npos ? StringView() : remainder.substr(end + separator.size());
  return token;
}

AcceleratorKeys ParseAccelerator(StringView text) {
  AcceleratorKeys keys;
  StringView main = text;
  // The second key is everything after the first ", ", one name never split further.
  if (const std::size_t comma = text.find(kSequenceSeparator); comma != StringView::npos) {
    main = text.substr(0, comma);
    keys.CommandKey = KeyNameToCode(text.substr(comma + kSequenceSeparator.size()));
  }
  StringView remainder = main;
  for (StringView token = SplitToken(remainder); !token.empty(); token = SplitToken(remainder)) {
    if (!ApplyModifier(token, keys.Shift)) keys.KeyCode = KeyNameToCode(token);  // last key wins
  }
  return keys;
}

String FormatAccelerator(const AcceleratorKeys& keys) {
  String text;
  for (const ModifierKey& key : kModifierKeys) {
    if (keys.Shift & key.genericFlag) {
      (text += key.generic) += u"+";
      continue;
    }
    if (keys.Shift & key.leftFlag) (text += key.left) += u"+";
    if (keys.Shift & key.rightFlag) (text += key.right) += u"+";
  }
  text += KeyCodeToName(keys.KeyCode);
  if (keys.CommandKey != 0) (text += kSequenceSeparator) += KeyCodeToName(keys.CommandKey);
  return text;
}

}  // namespace vellum
