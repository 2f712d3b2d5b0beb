// Stand-in for the window manager's half of surfaces.hpp until windows exist.
#include "platform/sim/surfaces.hpp"

namespace vellum::sim::detail {

std::vector<platform::HDC> OpenPopupSurfaces() {
  return {};
}

}  // namespace vellum::sim::detail
