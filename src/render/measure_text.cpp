#include "render/measure_text.hpp"

#include <algorithm>
#include <string>

#include "items/caption_text.hpp"
#include "model/library_state.hpp"
#include "platform/gdi32.hpp"

namespace vellum {

bool MeasureText(platform::HDC hDC, StringView text, platform::SIZE& size, bool stripMnemonics) {
  const String measured = stripMnemonics ? PlainCaption(text) : String(text);
  platform::SIZE extent{};
  if (UseWideCalls()) {
    if (!platform::GetTextExtentPoint32W(hDC, measured.c_str(), static_cast<int>(measured.size()),
                                         &extent)) {
      extent = {};
    }
  } else {
    const std::string bytes = StringToCodePage(measured);
    if (!platform::GetTextExtentPoint32A(hDC, bytes.c_str(), static_cast<int>(bytes.size()),
                                         &extent)) {
      extent = {};
    }
  }
  size = extent;
  return !measured.empty();
}

bool MeasureLines(platform::HDC hDC, std::span<const String> lines, platform::SIZE& size,
                  bool stripMnemonics) {
  size = {};
  bool lastNotEmpty = false;
  for (const String& line : lines) {
    platform::SIZE extent;
    lastNotEmpty = MeasureText(hDC, line, extent, stripMnemonics);
    size.cx = std::max(size.cx, extent.cx);
    size.cy += extent.cy;
  }
  return lastNotEmpty;
}

}  // namespace vellum
