#pragma once
// The menu-character look-up of an open popup: which entry carries the typed mnemonic.

#include <cstdint>

#include "platform/automation/object.hpp"

namespace vellum {

// The native position of the first item whose caption has "&" before `character` (compared
// without regard to case), or -1.
std::int32_t FindMnemonicIndex(char16_t character, const Ref<Object>& menu);

}  // namespace vellum
