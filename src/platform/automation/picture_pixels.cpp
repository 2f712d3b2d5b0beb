#include "platform/automation/picture_pixels.hpp"

#include "platform/gdi32.hpp"

namespace vellum::detail {

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// The screen DC for the length of one operation.
class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(0)) {}
  ~ScreenDC() {
    if (dc_) ReleaseDC(0, dc_);
  }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// An icon's colour and mask bitmaps, deleted with the object.
class IconParts {
 public:
  explicit IconParts(HICON icon) : ok_(GetIconInfo(icon, &info_) != FALSE) {}
  ~IconParts() {
    if (!ok_) return;
    DeleteObject(info_.hbmColor);
    DeleteObject(info_.hbmMask);
  }
  IconParts(const IconParts&) = delete;
  IconParts& operator=(const IconParts&) = delete;
  bool ok() const { return ok_; }
  HBITMAP color() const { return info_.hbmColor; }
  HBITMAP mask() const { return info_.hbmMask; }

 private:
  ICONINFO info_;
  bool ok_;
};

BITMAPINFO TopDown(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

std::uint32_t SwapRedBlue(std::uint32_t v) {
  return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

// Rows of a bitmap as COLORREF values; nullopt when the bitmap cannot be read.
std::optional<std::vector<std::uint32_t>> BitmapPixels(HDC dc, HBITMAP bitmap, SIZE size) {
  std::vector<std::uint32_t> rows(static_cast<std::size_t>(size.cx) * size.cy);
  BITMAPINFO info = TopDown(size.cx, size.cy);
  if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(size.cy), rows.data(), &info, DIB_RGB_COLORS) !=
      size.cy)
    return std::nullopt;
  for (std::uint32_t& pixel : rows)
    pixel = SwapRedBlue(pixel);
  return rows;
}

HBITMAP BitmapFrom(HDC dc, const std::vector<std::uint32_t>& pixels, int width, int height) {
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  if (!bitmap) return 0;
  std::vector<std::uint32_t> rows(pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i)
    rows[i] = SwapRedBlue(pixels[i]);
  const BITMAPINFO info = TopDown(width, height);
  if (SetDIBits(dc, bitmap, 0, static_cast<UINT>(height), rows.data(), &info, DIB_RGB_COLORS) !=
      height) {
    DeleteObject(bitmap);
    return 0;
  }
  return bitmap;
}

std::optional<SIZE> BitmapSize(HBITMAP bitmap) {
  BITMAP record;
  if (GetObjectA(bitmap, sizeof record, &record) != static_cast<int>(sizeof record))
    return std::nullopt;
  return SIZE{record.bmWidth, record.bmHeight};
}

}  // namespace

std::optional<SIZE> ImageSize(HANDLE handle, bool icon) {
  if (!icon) return GetObjectType(handle) == OBJ_BITMAP ? BitmapSize(handle) : std::nullopt;
  const IconParts parts(handle);
  return parts.ok() ? BitmapSize(parts.color()) : std::nullopt;
}

std::optional<PngPixels> ReadImage(HANDLE handle, bool icon) {
  const std::optional<SIZE> size = ImageSize(handle, icon);
  const ScreenDC screen;
  if (!size || !screen.get()) return std::nullopt;
  PngPixels image;
  image.width = size->cx;
  image.height = size->cy;
  image.alpha.assign(static_cast<std::size_t>(size->cx) * size->cy, 255);
  if (!icon) {
    auto pixels = BitmapPixels(screen.get(), handle, *size);
    if (!pixels) return std::nullopt;
    image.pixels = std::move(*pixels);
    return image;
  }
  const IconParts parts(handle);
  auto pixels = BitmapPixels(screen.get(), parts.color(), *size);
  auto mask = BitmapPixels(screen.get(), parts.mask(), *size);
  if (!pixels || !mask) return std::nullopt;
  image.pixels = std::move(*pixels);
  for (std::size_t i = 0; i < mask->size(); ++i)
    if ((*mask)[i] == kWhite) image.alpha[i] = 0;
  return image;
}

HANDLE CreateImage(const PngPixels& image, bool icon) {
  const ScreenDC screen;
  if (!screen.get()) return 0;
  if (!icon) {
    std::vector<std::uint32_t> pixels = image.pixels;
    for (std::size_t i = 0; i < pixels.size(); ++i)
      if (image.alpha[i] < 128) pixels[i] = RGB(192, 192, 192);
    return BitmapFrom(screen.get(), pixels, image.width, image.height);
  }
  std::vector<std::uint32_t> mask(image.pixels.size(), 0);
  for (std::size_t i = 0; i < mask.size(); ++i)
    if (image.alpha[i] < 128) mask[i] = kWhite;
  ICONINFO info;
  info.hbmColor = BitmapFrom(screen.get(), image.pixels, image.width, image.height);
  info.hbmMask = BitmapFrom(screen.get(), mask, image.width, image.height);
  const HICON created = info.hbmColor && info.hbmMask ? CreateIconIndirect(&info) : 0;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return created;
}

}  // namespace vellum::detail
