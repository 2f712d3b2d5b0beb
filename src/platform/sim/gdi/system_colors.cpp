// The system-colour tables behind GetSysColor, and the driver's scheme switch.
#include <array>

#include "platform/gdi32.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/gdi/call_format.hpp"
#include "platform/sim/gdi/screen.hpp"
#include "platform/sim/gdi/system_colors.hpp"

namespace vellum::sim {

using platform::COLORREF;
using platform::RGB;

namespace {

using ColorTable = std::array<COLORREF, 31>;

// The platform's classic scheme, by index.
constexpr ColorTable kClassic = {
    RGB(212, 208, 200),  //  0 scroll bar
    RGB(58, 110, 165),   //  1 desktop
    RGB(10, 36, 106),    //  2 active caption
    RGB(128, 128, 128),  //  3 inactive caption
    RGB(212, 208, 200),  //  4 menu
    RGB(255, 255, 255),  //  5 window
    RGB(0, 0, 0),        //  6 window frame
    RGB(0, 0, 0),        //  7 menu text
    RGB(0, 0, 0),        //  8 window text
    RGB(255, 255, 255),  //  9 caption text
    RGB(212, 208, 200),  // 10 active border
    RGB(212, 208, 200),  // 11 inactive border
    RGB(128, 128, 128),  // 12 application workspace
    RGB(10, 36, 106),    // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(212, 208, 200),  // 15 button face
    RGB(128, 128, 128),  // 16 button shadow
    RGB(128, 128, 128),  // 17 gray text
    RGB(0, 0, 0),        // 18 button text
    RGB(212, 208, 200),  // 19 inactive caption text
    RGB(255, 255, 255),  // 20 button highlight
    RGB(64, 64, 64),     // 21 3-D dark shadow
    RGB(212, 208, 200),  // 22 3-D light
    RGB(0, 0, 0),        // 23 tooltip text
    RGB(255, 255, 225),  // 24 tooltip background
    RGB(181, 181, 181),  // 25 (unnamed)
    RGB(0, 0, 128),      // 26 hot-tracked item
    RGB(166, 202, 240),  // 27 active caption gradient
    RGB(192, 192, 192),  // 28 inactive caption gradient
    RGB(10, 36, 106),    // 29 menu highlight
    RGB(212, 208, 200),  // 30 menu bar
};

constexpr ColorTable kDark = {
    RGB(62, 62, 66),     //  0 scroll bar
    RGB(20, 20, 24),     //  1 desktop
    RGB(31, 31, 31),     //  2 active caption
    RGB(43, 43, 43),     //  3 inactive caption
    RGB(43, 43, 43),     //  4 menu
    RGB(32, 32, 32),     //  5 window
    RGB(90, 90, 90),     //  6 window frame
    RGB(240, 240, 240),  //  7 menu text
    RGB(240, 240, 240),  //  8 window text
    RGB(255, 255, 255),  //  9 caption text
    RGB(60, 60, 60),     // 10 active border
    RGB(50, 50, 50),     // 11 inactive border
    RGB(25, 25, 25),     // 12 application workspace
    RGB(0, 120, 215),    // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(51, 51, 51),     // 15 button face
    RGB(28, 28, 28),     // 16 button shadow
    RGB(128, 128, 128),  // 17 gray text
    RGB(240, 240, 240),  // 18 button text
    RGB(160, 160, 160),  // 19 inactive caption text
    RGB(90, 90, 90),     // 20 button highlight
    RGB(10, 10, 10),     // 21 3-D dark shadow
    RGB(70, 70, 70),     // 22 3-D light
    RGB(240, 240, 240),  // 23 tooltip text
    RGB(45, 45, 48),     // 24 tooltip background
    RGB(60, 60, 60),     // 25 (unnamed)
    RGB(80, 160, 255),   // 26 hot-tracked item
    RGB(31, 31, 31),     // 27 active caption gradient
    RGB(43, 43, 43),     // 28 inactive caption gradient
    RGB(0, 120, 215),    // 29 menu highlight
    RGB(43, 43, 43),     // 30 menu bar
};

constexpr ColorTable kHighContrast = {
    RGB(0, 0, 0),        //  0 scroll bar
    RGB(0, 0, 0),        //  1 desktop
    RGB(128, 0, 128),    //  2 active caption
    RGB(0, 128, 0),      //  3 inactive caption
    RGB(0, 0, 0),        //  4 menu
    RGB(0, 0, 0),        //  5 window
    RGB(255, 255, 255),  //  6 window frame
    RGB(255, 255, 255),  //  7 menu text
    RGB(255, 255, 255),  //  8 window text
    RGB(255, 255, 255),  //  9 caption text
    RGB(255, 255, 0),    // 10 active border
    RGB(0, 128, 0),      // 11 inactive border
    RGB(0, 0, 0),        // 12 application workspace
    RGB(128, 0, 128),    // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(0, 0, 0),        // 15 button face
    RGB(128, 128, 128),  // 16 button shadow
    RGB(0, 255, 0),      // 17 gray text
    RGB(255, 255, 255),  // 18 button text
    RGB(0, 0, 0),        // 19 inactive caption text
    RGB(255, 255, 255),  // 20 button highlight
    RGB(255, 255, 255),  // 21 3-D dark shadow
    RGB(255, 255, 255),  // 22 3-D light
    RGB(255, 255, 255),  // 23 tooltip text
    RGB(0, 0, 0),        // 24 tooltip background
    RGB(0, 0, 0),        // 25 (unnamed)
    RGB(128, 128, 255),  // 26 hot-tracked item
    RGB(128, 0, 128),    // 27 active caption gradient
    RGB(0, 128, 0),      // 28 inactive caption gradient
    RGB(128, 0, 128),    // 29 menu highlight
    RGB(0, 0, 0),        // 30 menu bar
};

ColorScheme& Scheme() {
  thread_local ColorScheme scheme = ColorScheme::Classic;
  return scheme;
}

}  // namespace

void SetColorScheme(ColorScheme scheme) {
  Scheme() = scheme;
}

ColorScheme CurrentColorScheme() {
  return Scheme();
}

namespace detail {

COLORREF SystemColor(int index) {
  if (index < 0 || index >= static_cast<int>(kClassic.size())) return 0;
  switch (Scheme()) {
    case ColorScheme::Dark:
      return kDark[index];
    case ColorScheme::HighContrast:
      return kHighContrast[index];
    default:
      return kClassic[index];
  }
}

}  // namespace detail
}  // namespace vellum::sim

namespace vellum::platform {

// Indexes 0-30 of the current scheme; 0 for any other index.
DWORD GetSysColor(int nIndex) {
  sim::Calls().Record("GetSysColor", sim::detail::FormatArguments("nIndex=%d", nIndex));
  return sim::detail::SystemColor(nIndex);
}

}  // namespace vellum::platform
