#pragma once
// The key-name vocabulary of accelerator text, in both directions.

#include <cstdint>

#include "platform/automation/string.hpp"

namespace vellum {

// The key code of one key name (exact, case-sensitive). An unknown name raises 7680 naming
// it; an empty name raises 5 (invalid argument); an F-name whose number does not fit a key
// code raises 6 (overflow).
std::int32_t KeyNameToCode(StringView name);

// The canonical name of a key code; "" for a code without one.
String KeyCodeToName(std::int32_t code);

}  // namespace vellum
