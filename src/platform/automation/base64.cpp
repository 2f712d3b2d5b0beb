#include "platform/automation/base64.hpp"

namespace vellum {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int ValueOf(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

}  // namespace

std::string EncodeBase64(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t left = bytes.size() - i;
    const std::uint32_t group = (static_cast<std::uint32_t>(bytes[i]) << 16) |
                                (left > 1 ? static_cast<std::uint32_t>(bytes[i + 1]) << 8 : 0) |
                                (left > 2 ? bytes[i + 2] : 0);
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += left > 1 ? kAlphabet[(group >> 6) & 63] : '=';
    out += left > 2 ? kAlphabet[group & 63] : '=';
  }
  return out;
}

std::optional<std::vector<std::uint8_t>> DecodeBase64(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  std::vector<std::uint8_t> out;
  out.reserve(text.size() / 4 * 3);
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    const int padding = last ? (text[i + 3] == '=') + (text[i + 2] == '=') : 0;
    if (padding == 1 && text[i + 2] == '=') return std::nullopt;  // "x=y=" is not padding
    std::uint32_t group = 0;
    for (int k = 0; k < 4 - padding; ++k) {
      const int value = ValueOf(text[i + k]);
      if (value < 0) return std::nullopt;
      group |= static_cast<std::uint32_t>(value) << (18 - 6 * k);
    }
    out.push_back(static_cast<std::uint8_t>(group >> 16));
    if (padding < 2) out.push_back(static_cast<std::uint8_t>(group >> 8));
    if (padding < 1) out.push_back(static_cast<std::uint8_t>(group));
  }
  return out;
}

}  // namespace vellum
