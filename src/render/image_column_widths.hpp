#pragma once
// The image columns the flat draw style paints along a menu's edges.

#include <cstdint>

namespace vellum {

class Menu;

// The left and right image columns of `menu` including their padding, 0 where the menu shows
// no image on that side. `isXP`, when given, tells whether the flat draw style is active.
void GetImageColumns(const Menu& menu, std::int32_t& left, std::int32_t& right,
                     bool* isXP = nullptr);

}  // namespace vellum
