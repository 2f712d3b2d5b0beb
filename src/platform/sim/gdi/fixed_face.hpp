#pragma once
// Internal to the sim: the fixed-metrics test face "Vellum Fixed" (rules in screen.hpp).

#include <memory>

#include "platform/sim/gdi/font_cache.hpp"

namespace vellum::sim::detail {

std::unique_ptr<FontFace> MakeFixedFace(const platform::LOGFONTA& description);

}  // namespace vellum::sim::detail
