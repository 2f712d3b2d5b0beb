#pragma once
// One run of text of a caption line, drawn where the previous run ended.

#include <cstdint>

#include "platform/automation/string.hpp"
#include "platform/types.hpp"

namespace vellum {

// Draws `text` at (x, y), in the disabled look unless `enabled`, then moves x past it, or y
// below it when `newLine`.
void DrawTextRun(StringView text, platform::HDC hDC, std::int32_t& x, std::int32_t& y, bool enabled,
                 bool newLine);

}  // namespace vellum
