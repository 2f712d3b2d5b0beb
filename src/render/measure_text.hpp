#pragma once
// Text measurement in a device context, through the wide or the single-byte text calls as the
// library's text mode decides.

#include <span>

#include "platform/automation/string.hpp"
#include "platform/gdi32_types.hpp"

namespace vellum {

// The extent of `text` (of its plain caption when `stripMnemonics`). Failures leave 0 x 0.
// True when the string measured is not empty.
bool MeasureText(platform::HDC hDC, StringView text, platform::SIZE& size, bool stripMnemonics);

// The extent of a block of lines: the widest line's width and the sum of the heights; 0 x 0
// for no lines. True when the last line measured is not empty.
bool MeasureLines(platform::HDC hDC, std::span<const String> lines, platform::SIZE& size,
                  bool stripMnemonics);

}  // namespace vellum
