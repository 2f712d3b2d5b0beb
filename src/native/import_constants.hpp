#pragma once
// Enumerations of importing native menus.

#include <cstdint>

namespace vellum {

// What an imported entry's item data becomes: nothing, or the entry's own value — to be read
// as a number (tdBinary) or as the address of a text (tdString).
enum TranslateItemDataConstants : std::int32_t {
  tdNone = 0,
  tdBinary = 1,
  tdString = 2,
};

}  // namespace vellum
