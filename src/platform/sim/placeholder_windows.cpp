// Stand-in for the window manager's half of surfaces.hpp until windows exist.
#include "platform/sim/surfaces.hpp"

namespace vellum::sim::detail {

std::optional<WindowGeometry> GetWindowGeometry(platform::HWND) {
  return std::nullopt;
}
std::vector<platform::HWND> WindowsBottomToTop() {
  return {};
}
std::vector<platform::HDC> OpenPopupSurfaces() {
  return {};
}

}  // namespace vellum::sim::detail
