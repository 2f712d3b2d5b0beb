#pragma once
// The pictures the library brings along: check and radio marks for checked items, and the
// caption-button glyphs of system-menu entries. Each is a 16 x 16 black glyph on the light-grey
// background that painting replaces with the colour behind it.

#include <cstdint>

#include "platform/automation/std_picture.hpp"

namespace vellum {

enum class BuiltInPicture : std::int32_t {
  Radio = 101,
  Check = 102,
  Close = 103,
  Maximize = 104,
  Minimize = 105,
  Restore = 106,
};

// A new picture that owns its bitmap.
Ref<StdPicture> LoadBuiltInPicture(BuiltInPicture which);
// The mark a checked item shows by default: the radio dot for a radio group, else the tick.
Ref<StdPicture> LoadBuiltInCheckPicture(bool radio);

}  // namespace vellum
