#pragma once
// A length held in one unit and converted to and from the pixels of a device: twips, points,
// pixels, characters (12 per inch across, 6 down), inches, millimetres, centimetres and
// HIMETRIC (hundredths of a millimetre).

#include <cstdint>

#include "platform/automation/object.hpp"
#include "platform/types.hpp"

namespace vellum {

// Unit codes. kObjectUnits, as an argument, stands for the object's own Units; a code outside
// the table converts to and from 0.
namespace units {
inline constexpr std::int32_t kObjectUnits = 0;
inline constexpr std::int32_t kTwips = 1;
inline constexpr std::int32_t kPoints = 2;
inline constexpr std::int32_t kPixels = 3;
inline constexpr std::int32_t kCharacters = 4;
inline constexpr std::int32_t kInches = 5;
inline constexpr std::int32_t kMillimetres = 6;
inline constexpr std::int32_t kCentimetres = 7;
inline constexpr std::int32_t kHimetric = 8;
}  // namespace units

// Conversions fail with error 6 on an overflow (of a 32-bit result or character product, or
// of a floating-point value) and with error 11 when a device without resolution (0 pixels per
// inch) has to divide by it.
class ScaleNumeric : public Object {
 public:
  // Reads the screen's resolution; Units start as twips.
  static Ref<ScaleNumeric> New();

  double Value() const { return value_; }
  void Value(double value) { value_ = value; }
  std::int32_t Units() const { return units_; }
  void Units(std::int32_t units) { units_ = units; }
  // The device whose resolution is used; 0 is the screen. Assigning reads the resolution again.
  platform::HDC Device() const { return device_; }
  void Device(platform::HDC device);

  // Value as whole pixels across (down); assigning pixels stores them converted into Units.
  std::int32_t AsPixelsX() const;
  void AsPixelsX(std::int32_t pixels);
  std::int32_t AsPixelsY() const;
  void AsPixelsY(std::int32_t pixels);

  // A length across, down, or in no particular direction (both resolutions averaged).
  double DeviceTranslateX(double value, std::int32_t from, std::int32_t to) const;
  double DeviceTranslateY(double value, std::int32_t from, std::int32_t to) const;
  double DeviceTranslate(double value, std::int32_t from, std::int32_t to) const;

  std::int32_t DpiX() const { return dpiX_; }
  std::int32_t DpiY() const { return dpiY_; }

  String ClassName() const override { return u"Vellum10.ScaleNumeric"; }

 protected:
  ScaleNumeric() = default;
  void Created() override;
  const MemberTable& Members() const override;

 private:
  friend class ObjectFactory;

  void RefreshResolution();
  double UnitsToPixels(double value, std::int32_t dpi, std::int32_t unit) const;
  double PixelsToUnits(double value, std::int32_t dpi, std::int32_t unit) const;
  std::int32_t CharsToPixelsX(std::int32_t chars) const;
  std::int32_t CharsToPixelsY(std::int32_t chars) const;
  std::int32_t PixelsToCharsX(std::int32_t pixels) const;
  std::int32_t PixelsToCharsY(std::int32_t pixels) const;

  double value_ = 0;
  std::int32_t units_ = units::kTwips;
  platform::HDC device_ = 0;
  std::int32_t dpiX_ = 0;
  std::int32_t dpiY_ = 0;
};

}  // namespace vellum
