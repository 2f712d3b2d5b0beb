#pragma once
// PNG bytes to and from 32-bit pixels (0x00BBGGRR, row-major), for saved pictures and for the
// sim's screenshots.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vellum {

struct PngPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00BBGGRR
  std::vector<std::uint8_t> alpha;    // one per pixel, 255 = opaque
};

// An opaque RGB PNG; empty when the image is empty or encoding fails.
std::vector<std::uint8_t> EncodePng(int width, int height,
                                    const std::vector<std::uint32_t>& pixels);
// Any PNG, converted to 8-bit RGB with alpha; nullopt when the bytes are not a PNG.
std::optional<PngPixels> DecodePng(const std::vector<std::uint8_t>& bytes);

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

}  // namespace vellum
