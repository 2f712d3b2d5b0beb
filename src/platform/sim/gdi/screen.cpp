// The driver's screen settings and object counts.
#include "platform/sim/gdi/screen.hpp"

#include "platform/sim/gdi/gdi_tables.hpp"

namespace vellum::sim {

using namespace detail;

void SetScreenSize(int width, int height) {
  GdiState& gdi = Gdi();
  if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPixels) return;
  gdi.screenWidth = width;
  gdi.screenHeight = height;
  gdi.desktop.reset();  // DCs still holding the old desktop keep it until released
}

platform::SIZE ScreenSize() {
  return {Gdi().screenWidth, Gdi().screenHeight};
}

void SetScreenDpi(int dpiX, int dpiY) {
  if (dpiX <= 0 || dpiY <= 0) return;
  Gdi().screenDpiX = dpiX;
  Gdi().screenDpiY = dpiY;
}

bool SetDeviceDpi(platform::HDC hdc, int dpiX, int dpiY) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || dpiX < 0 || dpiY < 0) return false;
  dc->dpiX = dpiX;
  dc->dpiY = dpiY;
  return true;
}

std::size_t LiveGdiObjects() {
  std::size_t count = 0;
  for (const auto& [handle, entry] : Gdi().objects)
    count += !entry.stock;
  return count;
}

std::size_t LiveDeviceContexts() {
  std::size_t count = 0;
  for (const auto& [handle, dc] : Gdi().dcs)
    count += dc.kind != DcKind::Surface;
  return count;
}

}  // namespace vellum::sim
