#pragma once
// Enumerations of the visual style.

#include <cstdint>

namespace vellum {

enum TextAlignConstants : std::int32_t {
  taLeft = 0,
  taRight = 2,
  taCenter = 6,
};

enum PictureVAlignConstants : std::int32_t {
  ppTop = 0,
  ppCenter = 1,
  ppBottom = 2,
};

// The low four bits are the base style; bits 6 and 7 add a frame.
enum SelectionStyleConstants : std::int32_t {
  mssDefault = 0,
  mssColor = 1,
  mssClear = 2,
  mssHotTrack = 3,
  mssBevel = 64,
  mssFlat = 192,
  mssNoCheckBevel = 256,
};

// How an entry is shown; exported for hosts, no member takes or returns it.
enum SelectStateConstants : std::int32_t {
  selNot = 0,
  selSelected = 1,
  selHotLight = 2,
};

}  // namespace vellum
