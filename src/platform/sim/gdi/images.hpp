#pragma once
// Internal to the sim: scaling of pixmaps and masks, shared by CopyImage and DrawState.

#include <memory>
#include <vector>

#include "platform/sim/gdi/pixmap.hpp"

namespace vellum::sim::detail {

// Nearest-neighbour scaling (the platform's default stretch mode for colour images).
std::shared_ptr<Pixmap> ScalePixmap(const Pixmap& source, int width, int height);
std::vector<bool> ScaleMask(const std::vector<bool>& mask, int fromWidth, int fromHeight, int width,
                            int height);

}  // namespace vellum::sim::detail
