#include "items/caption_layout.hpp"

#include "items/caption_text.hpp"
#include "platform/automation/error.hpp"
#include "platform/platform.hpp"

namespace vellum {

using namespace platform;

const CaptionLayout& EnsureCaptionLayout(CaptionLayout& layout, HDC hDC, StringView caption,
                                         std::int32_t wrapLimit) {
  if (layout.valid) return layout;
  CaptionLayout fresh;
  // The screen measures when no device is given; it is given back at once.
  const HDC dc = hDC ? hDC : GetDC(0);
  std::int32_t lineCount = 0;
  IgnoringErrors([&] {
    fresh.lines = WrapCaptionLines(dc, caption, &lineCount, &wrapLimit, &fresh.mnemonicLine,
                                   &fresh.size, kForcedBreak);
  });
  if (!hDC) ReleaseDC(0, dc);
  fresh.valid = !fresh.lines.empty();
  layout = std::move(fresh);
  return layout;
}

}  // namespace vellum
