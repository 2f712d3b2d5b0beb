#pragma once
// The two accelerator enumerations of the type library, and the flag masks built from them.

#include <cstdint>

namespace vellum {

// Modifiers held with an accelerator's main key; bit flags.
enum AcceleratorShiftStates : std::int32_t {
  acNone = 0,
  acShift = 1,  // either Shift key
  acCtrl = 2,   // either Ctrl key
  acAlt = 4,    // either Alt key
  acLShift = 16,
  acLCtrl = 32,
  acLAlt = 64,
  acRShift = 256,
  acRCtrl = 512,
  acRAlt = 1024,
  acIsExtended = 1904,  // every left and right flag
};

// Bit 1 of the menu set's AcceleratorStyle: whether accelerators name left and right keys.
enum AcceleratorStyleBits : std::int32_t {
  sbNormalKeys = 0,
  sbExtendedKeys = 1,
};

// Each key in any of its three forms.
constexpr std::int32_t kAnyShift = acShift | acLShift | acRShift;  // 273
constexpr std::int32_t kAnyCtrl = acCtrl | acLCtrl | acRCtrl;      // 546
constexpr std::int32_t kAnyAlt = acAlt | acLAlt | acRAlt;          // 1092

}  // namespace vellum
