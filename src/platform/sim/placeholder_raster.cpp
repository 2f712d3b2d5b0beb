// Stand-in for the raster engine's half of surfaces.hpp until it paints pixels.
#include "platform/sim/handle_space.hpp"
#include "platform/sim/surfaces.hpp"

namespace vellum::sim::detail {

platform::HDC CreateSurfaceDC(int, int, platform::POINT) {
  return NewHandle();
}
void DestroySurfaceDC(platform::HDC) {}

}  // namespace vellum::sim::detail
