#pragma once
// The runtime's picture object: a bitmap or icon handle with its size in HIMETRIC (hundredths
// of a millimetre) at the screen's resolution. A picture made to own its handle deletes it when
// it is released. It persists as its type and its pixels as PNG bytes (an icon's mask as the
// alpha channel), base64-encoded.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/automation/property_bag.hpp"
#include "platform/types.hpp"

namespace vellum {

enum class PictureType : std::int16_t {
  None = 0,
  Bitmap = 1,
  Metafile = 2,
  Icon = 3,
  EnhancedMetafile = 4,
};

class StdPicture : public Object, public Persistable {
 public:
  static constexpr const char16_t* kClassName = u"StdPicture";

  // An empty picture (Type None, Handle 0).
  static Ref<StdPicture> New();
  // Wraps a live bitmap or icon handle, as the platform's indirect picture creation does;
  // with `own` the picture deletes the handle when released. 481 when the handle is not a live
  // image of that type.
  static Ref<StdPicture> FromHandle(platform::HANDLE handle, PictureType type, bool own);
  // A bitmap picture read from a PNG file; pixels less than half opaque become light grey
  // RGB(192, 192, 192), the colour menus treat as a bitmap's background. 53 when the file is
  // missing, 481 when it is not a PNG.
  static Ref<StdPicture> LoadPng(const std::string& path);

  ~StdPicture() override;

  platform::HANDLE Handle() const { return handle_; }
  PictureType Type() const { return type_; }
  std::int32_t Width() const { return width_; }    // HIMETRIC
  std::int32_t Height() const { return height_; }  // HIMETRIC
  bool OwnsHandle() const { return own_; }

  // The picture's pixels as PNG bytes; empty for an empty picture.
  std::vector<std::uint8_t> ToPng() const;

  String ClassName() const override { return kClassName; }
  void WriteProperties(PropertyBag& bag) override;
  void ReadProperties(PropertyBag& bag) override;

 protected:
  StdPicture() = default;
  const MemberTable& Members() const override;

 private:
  friend class ObjectFactory;

  // Takes `handle` (releasing a handle owned before) and measures it.
  void Assign(platform::HANDLE handle, PictureType type, bool own);
  void Release();

  platform::HANDLE handle_ = 0;
  PictureType type_ = PictureType::None;
  bool own_ = false;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
};

// Pixels to HIMETRIC at `dpi` pixels per inch, rounded to the nearest (32 at 96 -> 847).
std::int32_t PixelsToHimetric(std::int32_t pixels, std::int32_t dpi);

}  // namespace vellum
