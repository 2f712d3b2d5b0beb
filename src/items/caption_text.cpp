#include "items/caption_text.hpp"

#include <algorithm>

#include "platform/platform.hpp"

namespace vellum {

String PlainCaption(StringView text) {
  String plain;
  std::size_t p = 0;
  while (p < text.size()) {
    if (text.substr(p, 3) == u"\r\r\n") {
      p += 3;
      continue;
    }
    if (p + 1 >= text.size()) {
      plain += text.substr(p);
      break;
    }
    if (text[p] == u'&') {
      plain += text[p + 1];
      p += 2;
    } else if (text.substr(p, 2) == u"\r\n") {
      p += 2;
    } else {
      plain += text[p];
      p += 1;
    }
  }
  return plain;
}

CaptionLayout LayoutCaption(StringView caption, platform::HDC hDC, std::int32_t /*wrapLimit*/) {
  CaptionLayout layout;
  for (std::size_t start = 0;;) {
    const std::size_t end = caption.find(u"\r\n", start);
    layout.lines.emplace_back(caption.substr(start, end - start));
    if (end == StringView::npos) break;
    start = end + 2;
  }
  const platform::HDC dc = hDC ? hDC : platform::GetDC(0);
  bool mnemonicFound = false;
  for (std::size_t i = 0; i < layout.lines.size(); ++i) {
    if (!mnemonicFound && layout.lines[i].find(u'&') != String::npos) {
      layout.mnemonicLine = static_cast<std::int32_t>(i);
      mnemonicFound = true;
    }
    const String shown = PlainCaption(layout.lines[i]);
    platform::SIZE extent;
    platform::GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &extent);
    layout.size.cx = std::max(layout.size.cx, extent.cx);
    layout.size.cy += extent.cy;
  }
  if (!hDC) platform::ReleaseDC(0, dc);
  layout.valid = !layout.lines.empty();
  return layout;
}

}  // namespace vellum
