#pragma once
// Base64 (the standard alphabet, with padding) for binary values kept in text, such as the PNG
// bytes of a saved picture.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellum {

std::string EncodeBase64(const std::vector<std::uint8_t>& bytes);
// nullopt when the text is not well-formed base64.
std::optional<std::vector<std::uint8_t>> DecodeBase64(std::string_view text);

}  // namespace vellum
