#include "render/text_drawing.hpp"

#include <string>

#include "model/library_state.hpp"
#include "platform/gdi32.hpp"

namespace vellum {

using namespace platform;

void DrawPlainText(HDC hDC, StringView text, std::int32_t x, std::int32_t y) {
  if (UseWideCalls()) {
    TextOutW(hDC, x, y, text.data(), static_cast<int>(text.size()));
  } else {
    const std::string bytes = StringToCodePage(text);
    TextOutA(hDC, x, y, bytes.data(), static_cast<int>(bytes.size()));
  }
}

void DrawDisabledText(HDC hDC, StringView text, std::int32_t x, std::int32_t y) {
  if (text.empty()) return;
  constexpr UINT kFlags = DST_TEXT | DSS_DISABLED;
  // The platform reads the text from our own buffer for the length given.
  if (UseWideCalls()) {
    const String wide(text);
    DrawStateW(hDC, 0, nullptr, reinterpret_cast<LPARAM>(wide.c_str()),
               static_cast<WPARAM>(wide.size()), x, y, 0, 0, kFlags);
  } else {
    const std::string bytes = StringToCodePage(text);
    DrawStateA(hDC, 0, nullptr, reinterpret_cast<LPARAM>(bytes.c_str()),
               static_cast<WPARAM>(bytes.size()), x, y, 0, 0, kFlags);
  }
}

}  // namespace vellum
