#include "render/colors.hpp"

namespace vellum {

std::int32_t MixColor(std::int32_t a, std::int32_t b) {
  std::int32_t mixed = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int sum = ((a >> shift) & 0xFF) + ((b >> shift) & 0xFF);
    // sum / 2, and an exact half goes to the even neighbour.
    int channel = sum / 2;
    if (sum % 2 != 0 && channel % 2 != 0) ++channel;
    mixed |= channel << shift;
  }
  return mixed;
}

}  // namespace vellum
