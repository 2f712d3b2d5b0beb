#include "units/screen_scale.hpp"

#include "units/scale_numeric.hpp"

namespace vellum {

ScaleNumeric& ScreenScale() {
  thread_local const Ref<ScaleNumeric> instance = ScaleNumeric::New();
  return *instance;
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
