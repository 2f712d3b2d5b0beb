#pragma once
// Caption text: "&" marks the mnemonic ("&&" is a literal ampersand) and "\r\n" forces a line
// break.

#include "items/menu_item.hpp"
#include "platform/automation/string.hpp"
#include "platform/types.hpp"

namespace vellum {

// The caption as displayed, without mnemonic markers and line breaks: «&Open\r\nfile» gives
// «Openfile»; a lone "\r" and a final "&" stay.
String PlainCaption(StringView text);

// The caption's lines, the line holding the mnemonic and the pixel extent of the block,
// measured on `hDC` (0: the screen).
// For now a caption breaks only where it forces a break; wrapping at `wrapLimit` comes with the
// caption wrapper.
CaptionLayout LayoutCaption(StringView caption, platform::HDC hDC, std::int32_t wrapLimit);

}  // namespace vellum
