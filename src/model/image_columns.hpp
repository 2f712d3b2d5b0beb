#pragma once
// The widths of a menu's two picture columns, for left- and right-aligned items.

#include <cstdint>

namespace vellum {

class Menu;

// Computes both column widths from the items' pictures, stores them in the menu and returns
// the left one.
std::int32_t ComputeImageColumns(Menu& menu, std::int32_t* right = nullptr);

}  // namespace vellum
