#pragma once
// Text output through the wide or the single-byte text calls, as the library's text mode
// decides. Failures are ignored: text that cannot be drawn is not drawn.

#include <cstdint>

#include "platform/automation/string.hpp"
#include "platform/types.hpp"

namespace vellum {

// In the device context's current font, colour, background mode and alignment.
void DrawPlainText(platform::HDC hDC, StringView text, std::int32_t x, std::int32_t y);
// In the platform's embossed disabled look.
void DrawDisabledText(platform::HDC hDC, StringView text, std::int32_t x, std::int32_t y);

}  // namespace vellum
