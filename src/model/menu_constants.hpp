#pragma once
// Enumerations of the menu set.

#include <cstdint>

namespace vellum {

// The kind of a member of a menu set.
enum MenuTypeConstants : std::int32_t {
  mtcMenubar = 0,
  mtcPopup = 1,
  mtcSysmenu = 2,
  mtcDesigner = 3,
};

enum MenuDrawStyleBits : std::int32_t {
  mdsOffice = 0,
  mdsOfficeXP = 2,
};

// Exported for hosts; no member takes or returns it.
enum EnhancedMenuTypeConstants : std::int32_t {
  emPopupMenu = 1,
  emBarMenu = 2,
};

}  // namespace vellum
