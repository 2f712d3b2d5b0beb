// The driver's PNG pictures of bitmaps, windows and the composited screen, and PNG loading.
#include <algorithm>

#include "platform/automation/png_codec.hpp"
#include "platform/sim/gdi/gdi_tables.hpp"
#include "platform/sim/gdi/screen.hpp"
#include "platform/sim/surfaces.hpp"

namespace vellum::sim {

using namespace detail;

namespace {

constexpr platform::COLORREF kTransparentKey = platform::RGB(192, 192, 192);

bool SavePixmap(const Pixmap& pixmap, const std::string& path) {
  const std::vector<std::uint8_t> bytes = EncodePng(pixmap.width, pixmap.height, pixmap.pixels);
  return !bytes.empty() && WriteFileBytes(path, bytes);
}

void Compose(Pixmap& screen, const Pixmap& layer, platform::POINT at) {
  Canvas canvas(screen, {0, 0}, {0, 0, screen.width, screen.height});
  for (int y = 0; y < layer.height; ++y)
    for (int x = 0; x < layer.width; ++x)
      canvas.Set(static_cast<int>(at.x + static_cast<long long>(x)),
                 static_cast<int>(at.y + static_cast<long long>(y)), layer.At(x, y));
}

// The desktop with every window and open popup composed over it.
Pixmap ComposeScreen() {
  Pixmap screen = *Desktop();
  for (platform::HWND window : WindowsBottomToTop()) {
    const std::optional<WindowGeometry> geometry = GetWindowGeometry(window);
    const DeviceContext* surface = geometry ? FindDC(geometry->surface) : nullptr;
    if (surface && surface->surface)
      Compose(screen, *surface->surface, {geometry->window.left, geometry->window.top});
  }
  for (platform::HDC popup : OpenPopupSurfaces()) {
    const DeviceContext* surface = FindDC(popup);
    if (surface && surface->surface) Compose(screen, *surface->surface, surface->screenOrigin);
  }
  return screen;
}

}  // namespace

bool SaveBitmapPng(platform::HBITMAP bitmap, const std::string& path) {
  const auto* object = FindObject<BitmapObject>(bitmap);
  return object && SavePixmap(*object->pixels, path);
}

bool SaveWindowPng(platform::HWND window, const std::string& path) {
  const std::optional<WindowGeometry> geometry = GetWindowGeometry(window);
  if (!geometry) return false;
  const DeviceContext* surface = FindDC(geometry->surface);
  return surface && surface->surface && SavePixmap(*surface->surface, path);
}

bool SaveScreenPng(const std::string& path) {
  return SavePixmap(ComposeScreen(), path);
}

bool SaveScreenPng(const std::string& path, const platform::RECT& area) {
  const Pixmap screen = ComposeScreen();
  const int left = std::max<int>(area.left, 0);
  const int top = std::max<int>(area.top, 0);
  const int right = std::min<int>(area.right, screen.width);
  const int bottom = std::min<int>(area.bottom, screen.height);
  if (right <= left || bottom <= top) return false;
  Pixmap part(right - left, bottom - top);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      part.At(x - left, y - top) = screen.At(x, y);
  return SavePixmap(part, path);
}

platform::HBITMAP LoadBitmapPng(const std::string& path) {
  const std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path);
  if (!bytes) return 0;
  const std::optional<PngPixels> image = DecodePng(*bytes);
  if (!image) return 0;
  auto pixmap = std::make_shared<Pixmap>(image->width, image->height);
  for (std::size_t i = 0; i < image->pixels.size(); ++i)
    pixmap->pixels[i] = image->alpha[i] < 128 ? kTransparentKey : image->pixels[i];
  return AddObject(BitmapObject{std::move(pixmap)});
}

}  // namespace vellum::sim
