// Images: copies with scaling, icons and their masks.
#include "platform/sim/gdi/images.hpp"

#include "platform/gdi32.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/gdi/call_format.hpp"
#include "platform/sim/gdi/gdi_tables.hpp"
#include "platform/sim/gdi/screen.hpp"

namespace vellum::sim::detail {

namespace {

int SourceIndex(int target, int targetSize, int sourceSize) {
  return static_cast<int>((2LL * target + 1) * sourceSize / (2LL * targetSize));
}

}  // namespace

std::shared_ptr<Pixmap> ScalePixmap(const Pixmap& source, int width, int height) {
  auto scaled = std::make_shared<Pixmap>(width, height);
  if (source.width == 0 || source.height == 0) return scaled;
  for (int y = 0; y < height; ++y) {
    const int sy = SourceIndex(y, height, source.height);
    for (int x = 0; x < width; ++x)
      scaled->At(x, y) = source.At(SourceIndex(x, width, source.width), sy);
  }
  return scaled;
}

std::vector<bool> ScaleMask(const std::vector<bool>& mask, int fromWidth, int fromHeight, int width,
                            int height) {
  std::vector<bool> scaled(static_cast<std::size_t>(width) * height, false);
  if (fromWidth == 0 || fromHeight == 0) return scaled;
  for (int y = 0; y < height; ++y) {
    const int sy = SourceIndex(y, height, fromHeight);
    for (int x = 0; x < width; ++x)
      scaled[static_cast<std::size_t>(y) * width + x] =
          mask[static_cast<std::size_t>(sy) * fromWidth + SourceIndex(x, width, fromWidth)];
  }
  return scaled;
}

}  // namespace vellum::sim::detail

namespace vellum::platform {

using namespace sim::detail;

namespace {

// Mask pixels that are white are transparent; the others are opaque.
std::vector<bool> OpaqueFromMask(const Pixmap& mask, int width, int height) {
  std::vector<bool> opaque(static_cast<std::size_t>(width) * height, true);
  for (int y = 0; y < height && y < mask.height; ++y)
    for (int x = 0; x < width && x < mask.width; ++x)
      opaque[static_cast<std::size_t>(y) * width + x] = (mask.At(x, y) & 0xFFFFFF) != 0xFFFFFF;
  return opaque;
}

}  // namespace

// A scaled copy of a bitmap or icon; 0 or negative sizes keep the original's size.
// LR_COPYDELETEORG deletes the original, LR_COPYRETURNORG returns it when no scaling is needed;
// the other flags (LR_COPYFROMRESOURCE among them) change nothing here.
HANDLE CopyImage(HANDLE h, UINT type, int cx, int cy, UINT flags) {
  sim::Calls().Record("CopyImage", FormatArguments("h=0x%X type=%u cx=%d cy=%d flags=0x%X", h, type,
                                                   cx, cy, flags));
  if (type == IMAGE_BITMAP) {
    const auto* bitmap = FindObject<BitmapObject>(h);
    if (!bitmap) return 0;
    const Pixmap& source = *bitmap->pixels;
    const int width = cx > 0 ? cx : source.width;
    const int height = cy > 0 ? cy : source.height;
    if (static_cast<long long>(width) * height > kMaxPixels) return 0;
    if ((flags & LR_COPYRETURNORG) && width == source.width && height == source.height) return h;
    const HANDLE copy = AddObject(BitmapObject{ScalePixmap(source, width, height)});
    if (flags & LR_COPYDELETEORG) EraseObject(h);
    return copy;
  }
  if (type == IMAGE_ICON || type == IMAGE_CURSOR) {
    const auto* icon = FindObject<IconObject>(h);
    if (!icon) return 0;
    const Pixmap& source = *icon->color;
    const int width = cx > 0 ? cx : source.width;
    const int height = cy > 0 ? cy : source.height;
    if (static_cast<long long>(width) * height > kMaxPixels) return 0;
    if ((flags & LR_COPYRETURNORG) && width == source.width && height == source.height) return h;
    IconObject scaled{ScalePixmap(source, width, height),
                      ScaleMask(icon->opaque, source.width, source.height, width, height)};
    const HANDLE copy = AddObject(std::move(scaled));
    if (flags & LR_COPYDELETEORG) EraseObject(h);
    return copy;
  }
  return 0;
}

// The colour bitmap gives the pixels and the mask (same size or larger) which are shown.
// A mask-only icon is not simulated.
HICON CreateIconIndirect(const ICONINFO* piconinfo) {
  sim::Calls().Record("CreateIconIndirect",
                      piconinfo ? FormatArguments("hbmMask=0x%X hbmColor=0x%X", piconinfo->hbmMask,
                                                  piconinfo->hbmColor)
                                : std::string("null"));
  if (!piconinfo) return 0;
  const auto* color = FindObject<BitmapObject>(piconinfo->hbmColor);
  const auto* mask = FindObject<BitmapObject>(piconinfo->hbmMask);
  if (!color || !mask) return 0;
  const Pixmap& pixels = *color->pixels;
  // The icon copies both bitmaps: the caller still owns and deletes them.
  return AddObject(IconObject{std::make_shared<Pixmap>(pixels),
                              OpaqueFromMask(*mask->pixels, pixels.width, pixels.height)});
}

// New colour and mask bitmaps (white = transparent) that the caller deletes.
BOOL GetIconInfo(HICON hIcon, ICONINFO* piconinfo) {
  sim::Calls().Record("GetIconInfo", FormatArguments("hIcon=0x%X", hIcon));
  const auto* icon = FindObject<IconObject>(hIcon);
  if (!icon || !piconinfo) return FALSE;
  const Pixmap& pixels = *icon->color;
  auto mask = std::make_shared<Pixmap>(pixels.width, pixels.height);
  for (int y = 0; y < pixels.height; ++y)
    for (int x = 0; x < pixels.width; ++x)
      mask->At(x, y) = icon->opaque[static_cast<std::size_t>(y) * pixels.width + x] ? 0 : 0xFFFFFF;
  piconinfo->fIcon = TRUE;
  piconinfo->xHotspot = static_cast<DWORD>(pixels.width / 2);
  piconinfo->yHotspot = static_cast<DWORD>(pixels.height / 2);
  piconinfo->hbmColor = AddObject(BitmapObject{std::make_shared<Pixmap>(pixels)});
  piconinfo->hbmMask = AddObject(BitmapObject{std::move(mask)});
  return TRUE;
}

BOOL DestroyIcon(HICON hIcon) {
  sim::Calls().Record("DestroyIcon", FormatArguments("hIcon=0x%X", hIcon));
  if (!FindObject<IconObject>(hIcon)) return FALSE;
  Gdi().objects.erase(hIcon);
  return TRUE;
}

}  // namespace vellum::platform

namespace vellum::sim {

using namespace detail;

platform::HICON CreateIconFromPixels(int width, int height,
                                     const std::vector<platform::COLORREF>& pixels,
                                     platform::COLORREF transparent) {
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * height)
    return 0;
  auto color = std::make_shared<Pixmap>(width, height);
  std::vector<bool> opaque(pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    color->pixels[i] = pixels[i] & 0xFFFFFF;
    opaque[i] = (pixels[i] & 0xFFFFFF) != (transparent & 0xFFFFFF);
  }
  return AddObject(IconObject{std::move(color), std::move(opaque)});
}

std::vector<platform::COLORREF> BitmapPixels(platform::HBITMAP bitmap) {
  const auto* object = FindObject<BitmapObject>(bitmap);
  return object ? object->pixels->pixels : std::vector<platform::COLORREF>();
}

}  // namespace vellum::sim
