#pragma once
// The wrapped caption of an owner-drawn entry (an item or a sidebar) as measured, kept in the
// entry until its caption changes.

#include <cstdint>
#include <vector>

#include "platform/automation/string.hpp"
#include "platform/types.hpp"

namespace vellum {

// The wrapped caption as measured: its lines, the line holding the mnemonic and the extent.
struct CaptionLayout {
  std::vector<String> lines;
  std::int32_t mnemonicLine = 0;
  platform::SIZE size;
  bool valid = false;
};

// Lays `caption` out into `layout` unless it is valid already: wrapped to `wrapLimit` pixels as
// measured in `hDC` (0: the screen), broken at "\r\n", with the mnemonic line and the block's
// extent. The layout counts as valid only when it holds a line, so an empty caption is laid
// out again on every call.
const CaptionLayout& EnsureCaptionLayout(CaptionLayout& layout, platform::HDC hDC,
                                         StringView caption, std::int32_t wrapLimit);

}  // namespace vellum
