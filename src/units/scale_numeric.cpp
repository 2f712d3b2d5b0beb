#include "units/scale_numeric.hpp"

#include <cmath>

#include "platform/platform.hpp"

namespace vellum {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kPointsPerInch = 72;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kCentimetresPerInch = 2.54;
constexpr double kHimetricPerInch = 2540;
// Twips per character: 120 across (12 characters per inch), 240 down (6 per inch).
constexpr std::int32_t kTwipsPerCharX = 120;
constexpr std::int32_t kTwipsPerCharY = 240;

// A floating-point result that overflowed or became undefined is an error, not a value.
double Checked(double value) {
  if (!std::isfinite(value)) RaiseError(error::kOverflow);
  return value;
}

double Divide(double value, double divisor) {
  if (divisor == 0) RaiseError(error::kDivisionByZero);
  return Checked(value / divisor);
}

// 32-bit integer product, 6 on overflow.
std::int32_t Multiply(std::int32_t a, std::int32_t b) {
  const std::int64_t product = std::int64_t{a} * b;
  if (product > INT32_MAX || product < INT32_MIN) RaiseError(error::kOverflow);
  return static_cast<std::int32_t>(product);
}

}  // namespace

Ref<ScaleNumeric> ScaleNumeric::New() {
  return ObjectFactory::Make<ScaleNumeric>();
}

void ScaleNumeric::Created() {
  RefreshResolution();
  units_ = units::kTwips;
}

void ScaleNumeric::Device(platform::HDC device) {
  device_ = device;
  RefreshResolution();
}

void ScaleNumeric::RefreshResolution() {
  if (device_ != 0) {
    dpiX_ = platform::GetDeviceCaps(device_, platform::LOGPIXELSX);
    dpiY_ = platform::GetDeviceCaps(device_, platform::LOGPIXELSY);
    return;
  }
  const platform::HDC screen = platform::GetDC(0);
  dpiX_ = platform::GetDeviceCaps(screen, platform::LOGPIXELSX);
  dpiY_ = platform::GetDeviceCaps(screen, platform::LOGPIXELSY);
  platform::ReleaseDC(0, screen);
}

double ScaleNumeric::UnitsToPixels(double value, std::int32_t dpi, std::int32_t unit) const {
  switch (unit == units::kObjectUnits ? units_ : unit) {
    case units::kTwips:
      return Checked(value / kTwipsPerInch * dpi);
    case units::kPoints:
      return Checked(value / kPointsPerInch * dpi);
    case units::kPixels:
      return value;
    case units::kInches:
      return Checked(value * dpi);
    case units::kMillimetres:
      return Checked(value / kMillimetresPerInch * dpi);
    case units::kCentimetres:
      return Checked(value / kCentimetresPerInch * dpi);
    case units::kHimetric:
      return Checked(value / kHimetricPerInch * dpi);
    default:
      return 0;  // characters go through the character conversions
  }
}

double ScaleNumeric::PixelsToUnits(double value, std::int32_t dpi, std::int32_t unit) const {
  switch (unit == units::kObjectUnits ? units_ : unit) {
    case units::kTwips:
      return Checked(Divide(value, dpi) * kTwipsPerInch);
    case units::kPoints:
      return Checked(Divide(value, dpi) * kPointsPerInch);
    case units::kPixels:
      return value;
    case units::kInches:
      return Divide(value, dpi);
    case units::kMillimetres:
      return Checked(Divide(value, dpi) * kMillimetresPerInch);
    case units::kCentimetres:
      return Checked(Divide(value, dpi) * kCentimetresPerInch);
    case units::kHimetric:
      return Checked(Divide(value, dpi) * kHimetricPerInch);
    default:
      return 0;
  }
}

std::int32_t ScaleNumeric::CharsToPixelsX(std::int32_t chars) const {
  return RoundToLong(Multiply(chars, kTwipsPerCharX) / kTwipsPerInch * dpiX_);
}

std::int32_t ScaleNumeric::CharsToPixelsY(std::int32_t chars) const {
  return RoundToLong(Multiply(chars, kTwipsPerCharY) / kTwipsPerInch * dpiY_);
}

std::int32_t ScaleNumeric::PixelsToCharsX(std::int32_t pixels) const {
  return RoundToLong(Divide(pixels, dpiX_) * kTwipsPerInch / kTwipsPerCharX);
}

std::int32_t ScaleNumeric::PixelsToCharsY(std::int32_t pixels) const {
  return RoundToLong(Divide(pixels, dpiY_) * kTwipsPerInch / kTwipsPerCharY);
}

std::int32_t ScaleNumeric::AsPixelsX() const {
  if (units_ == units::kCharacters) return CharsToPixelsX(RoundToLong(value_));
  return RoundToLong(UnitsToPixels(value_, dpiX_, units_));
}

void ScaleNumeric::AsPixelsX(std::int32_t pixels) {
  value_ =
      units_ == units::kCharacters ? PixelsToCharsX(pixels) : PixelsToUnits(pixels, dpiX_, units_);
}

std::int32_t ScaleNumeric::AsPixelsY() const {
  if (units_ == units::kCharacters) return CharsToPixelsY(RoundToLong(value_));
  return RoundToLong(UnitsToPixels(value_, dpiY_, units_));
}

void ScaleNumeric::AsPixelsY(std::int32_t pixels) {
  value_ =
      units_ == units::kCharacters ? PixelsToCharsY(pixels) : PixelsToUnits(pixels, dpiY_, units_);
}

// The character test looks at the argument itself: 0 while Units is characters converts to 0.
double ScaleNumeric::DeviceTranslateX(double value, std::int32_t from, std::int32_t to) const {
  const double px = from == units::kCharacters ? CharsToPixelsX(RoundToLong(value))
                                               : UnitsToPixels(value, dpiX_, from);
  if (to == units::kCharacters) return PixelsToCharsX(RoundToLong(px));
  return PixelsToUnits(px, dpiX_, to);
}

double ScaleNumeric::DeviceTranslateY(double value, std::int32_t from, std::int32_t to) const {
  const double px = from == units::kCharacters ? CharsToPixelsY(RoundToLong(value))
                                               : UnitsToPixels(value, dpiY_, from);
  if (to == units::kCharacters) return PixelsToCharsY(RoundToLong(px));
  return PixelsToUnits(px, dpiY_, to);
}

double ScaleNumeric::DeviceTranslate(double value, std::int32_t from, std::int32_t to) const {
  const std::int32_t dpi = RoundToLong((static_cast<double>(dpiY_) + dpiX_) / 2);
  double px;
  if (from == units::kCharacters) {
    const std::int32_t chars = RoundToLong(value);
    px = (static_cast<double>(CharsToPixelsY(chars)) + CharsToPixelsX(chars)) / 2;
  } else {
    px = UnitsToPixels(value, dpi, from);
  }
  if (to == units::kCharacters) {
    const std::int32_t pixels = RoundToLong(px);
    const std::int64_t sum = std::int64_t{PixelsToCharsX(pixels)} + PixelsToCharsY(pixels);
    if (sum > INT32_MAX || sum < INT32_MIN) RaiseError(error::kOverflow);
    return static_cast<double>(sum) / 2;
  }
  return PixelsToUnits(px, dpi, to);
}

const MemberTable& ScaleNumeric::Members() const {
  using SN = ScaleNumeric;
  static const MemberTable table(
      {
          Property(u"Value", &SN::Value, &SN::Value),
          Property(u"Units", &SN::Units, &SN::Units),
          Property(u"Device", &SN::Device, &SN::Device),
          Property(u"AsPixelsX", &SN::AsPixelsX, &SN::AsPixelsX),
          Property(u"AsPixelsY", &SN::AsPixelsY, &SN::AsPixelsY),
          Method(u"DeviceTranslateX", &SN::DeviceTranslateX),
          Method(u"DeviceTranslateY", &SN::DeviceTranslateY),
          Method(u"DeviceTranslate", &SN::DeviceTranslate),
      },
      &Object::Members());
  return table;
}

}  // namespace vellum
