#include "platform/automation/std_picture.hpp"

#include <cmath>
#include <filesystem>

#include "platform/automation/base64.hpp"
#include "platform/automation/picture_pixels.hpp"
#include "platform/gdi32.hpp"

namespace vellum {

namespace {

constexpr std::int32_t kInvalidPicture = 481;
const String kSource = u"StdPicture";

[[noreturn]] void RaiseInvalidPicture() {
  RaiseError(kInvalidPicture, kSource, u"Invalid picture");
}

bool IsImageType(PictureType type) {
  return type == PictureType::Bitmap || type == PictureType::Icon;
}

// The screen's resolution on both axes.
platform::SIZE ScreenDpi() {
  const platform::HDC screen = platform::GetDC(0);
  const platform::SIZE dpi{platform::GetDeviceCaps(screen, platform::LOGPIXELSX),
                           platform::GetDeviceCaps(screen, platform::LOGPIXELSY)};
  platform::ReleaseDC(0, screen);
  return dpi;
}

}  // namespace

std::int32_t PixelsToHimetric(std::int32_t pixels, std::int32_t dpi) {
  if (dpi <= 0) return 0;
  return static_cast<std::int32_t>(std::lround(pixels * 2540.0 / dpi));
}

Ref<StdPicture> StdPicture::New() {
  return ObjectFactory::Make<StdPicture>();
}

Ref<StdPicture> StdPicture::FromHandle(platform::HANDLE handle, PictureType type, bool own) {
  if (!IsImageType(type) || !detail::ImageSize(handle, type == PictureType::Icon))
    RaiseInvalidPicture();
  Ref<StdPicture> picture = New();
  picture->Assign(handle, type, own);
  return picture;
}

Ref<StdPicture> StdPicture::LoadPng(const std::string& path) {
  const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path);
  if (!bytes || !std::filesystem::is_regular_file(path)) RaiseError(error::kFileNotFound, kSource);
  const std::optional<PngPixels> image = DecodePng(*bytes);
  if (!image) RaiseInvalidPicture();
  const platform::HANDLE bitmap = detail::CreateImage(*image, false);
  if (!bitmap) RaiseError(error::kOutOfMemory, kSource);
  Ref<StdPicture> picture = New();
  picture->Assign(bitmap, PictureType::Bitmap, true);
  return picture;
}

StdPicture::~StdPicture() {
  Release();
}

void StdPicture::Assign(platform::HANDLE handle, PictureType type, bool own) {
  Release();
  handle_ = handle;
  type_ = type;
  own_ = own;
  const std::optional<platform::SIZE> size = detail::ImageSize(handle, type == PictureType::Icon);
  const platform::SIZE dpi = ScreenDpi();
  width_ = size ? PixelsToHimetric(size->cx, dpi.cx) : 0;
  height_ = size ? PixelsToHimetric(size->cy, dpi.cy) : 0;
}

void StdPicture::Release() {
  if (own_ && handle_) {
    if (type_ == PictureType::Icon)
      platform::DestroyIcon(handle_);
    else
      platform::DeleteObject(handle_);
  }
  handle_ = 0;
  type_ = PictureType::None;
  own_ = false;
  width_ = height_ = 0;
}

std::vector<std::uint8_t> StdPicture::ToPng() const {
  if (!IsImageType(type_)) return {};
  const std::optional<PngPixels> image = detail::ReadImage(handle_, type_ == PictureType::Icon);
  if (!image) return {};
  return EncodePng(image->width, image->height, image->pixels,
                   type_ == PictureType::Icon ? &image->alpha : nullptr);
}

void StdPicture::WriteProperties(PropertyBag& bag) {
  const std::vector<std::uint8_t> png = ToPng();
  bag.WriteProperty(u"Type", static_cast<std::int16_t>(png.empty() ? PictureType::None : type_));
  if (!png.empty()) bag.WriteProperty(u"Png", Utf8ToString(EncodeBase64(png)));
}

// A read picture owns the new handle made from the saved pixels.
void StdPicture::ReadProperties(PropertyBag& bag) {
  const auto type =
      static_cast<PictureType>(bag.ReadProperty(u"Type", std::int16_t{0}).ToInteger());
  if (type == PictureType::None) {
    Release();
    return;
  }
  if (!IsImageType(type)) RaiseInvalidPicture();
  const std::optional<std::vector<std::uint8_t>> png =
      DecodeBase64(StringToUtf8(bag.ReadProperty(u"Png", String()).ToString()));
  const std::optional<PngPixels> image = png ? DecodePng(*png) : std::nullopt;
  if (!image) RaiseInvalidPicture();
  const platform::HANDLE handle = detail::CreateImage(*image, type == PictureType::Icon);
  if (!handle) RaiseError(error::kOutOfMemory, kSource);
  Assign(handle, type, true);
}

const MemberTable& StdPicture::Members() const {
  static const MemberTable table(
      {
          ReadOnly(u"Handle", &StdPicture::Handle),
          ReadOnly(u"Type", &StdPicture::Type),
          ReadOnly(u"Width", &StdPicture::Width),
          ReadOnly(u"Height", &StdPicture::Height),
      },
      &Object::Members(), u"Handle");
  return table;
}

}  // namespace vellum
