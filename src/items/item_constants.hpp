#pragma once
// Enumerations of menu items and sidebars.

#include <cstdint>

namespace vellum {

enum SeparatorTypeConstants : std::int32_t {
  mstNormal = 0,    // a line
  mstCaption = 1,   // a caption band
  mstBreak = 2,     // a column break
  mstBarBreak = 4,  // a column break with a dividing line
};

// The rotation of a sidebar's caption.
enum SidebarEscapementConstants : std::int32_t {
  esc90 = 0,
  escWestern = 0,
  esc270 = 1,
  escEastern = 1,
};

enum SidebarPositionConstants : std::int32_t {
  posLeft = 0,
  posRight = 1,
};

}  // namespace vellum
