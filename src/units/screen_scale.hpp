#pragma once
// The library's scaled-value object for the screen, one per thread, and the picture sizes it
// converts: picture objects report HIMETRIC, menus lay out in screen pixels.

#include <cstdint>

namespace vellum {

class ScaleNumeric;

// This thread's instance, made (reading the screen's resolution) on first use.
ScaleNumeric& ScreenScale();
// Lets this thread's instance go; the next use makes a new one.
void ReleaseScreenScale();

// A HIMETRIC width (height) as whole screen pixels, rounded half to even; 6 on overflow.
std::int32_t HimetricToPixelsX(double himetric);
std::int32_t HimetricToPixelsY(double himetric);

}  // namespace vellum
