#include "units/screen_scale.hpp"

#include "units/scale_numeric.hpp"

namespace vellum {

namespace {
thread_local Ref<ScaleNumeric> screenScale;
}  // namespace

ScaleNumeric& ScreenScale() {
  if (!screenScale) screenScale = ScaleNumeric::New();
  return *screenScale;
}

void ReleaseScreenScale() {
  screenScale.reset();
}

std::int32_t HimetricToPixelsX(double himetric) {
  return Variant(ScreenScale().DeviceTranslateX(himetric, units::kHimetric, units::kPixels))
      .ToLong();
}

std::int32_t HimetricToPixelsY(double himetric) {
  return Variant(ScreenScale().DeviceTranslateY(himetric, units::kHimetric, units::kPixels))
      .ToLong();
}

}  // namespace vellum
