#pragma once
// Accelerator text: parsing «Shift+Ctrl+F1» or «Ctrl+K, C» into the three numbers, and
// formatting the numbers back into canonical text.

#include "accel/accelerator_keys.hpp"
#include "platform/automation/string.hpp"

namespace vellum {

// Parses accelerator text. Raises 7680 for an unknown key name and 5 for an empty second
// key; the result exists only when the whole text parsed, so a caller's triple is left as it
// was on failure. No white space is trimmed.
AcceleratorKeys ParseAccelerator(StringView text);

// Canonical text, modifiers in the order Shift, Ctrl, Alt; never fails. A key code without a
// name contributes "".
String FormatAccelerator(const AcceleratorKeys& keys);

// Reads the next token of `remainder` up to `separator` and leaves the rest in `remainder`.
// Returns "" at the end, and also (dropping the separator) when the remainder begins with
// one, so that a doubled, leading or trailing separator ends the reading there. The caller
// owns the remainder: parses never share it.
StringView SplitToken(StringView& remainder, StringView separator = u"+");

}  // namespace vellum
