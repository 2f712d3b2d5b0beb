#include "platform/automation/png_codec.hpp"

#include <png.h>

#include <fstream>
#include <iterator>
#include <limits>

namespace vellum {

namespace {

// Images larger than this many pixels are refused rather than allocated.
constexpr std::uint64_t kLargestImage = 64ULL * 1024 * 1024;

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height,
                                    const std::vector<std::uint32_t>& pixels) {
  if (width <= 0 || height <= 0 ||
      pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    return {};
  std::vector<std::uint8_t> rgb(pixels.size() * 3);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    rgb[3 * i] = static_cast<std::uint8_t>(pixels[i] & 0xFF);
    rgb[3 * i + 1] = static_cast<std::uint8_t>((pixels[i] >> 8) & 0xFF);
    rgb[3 * i + 2] = static_cast<std::uint8_t>((pixels[i] >> 16) & 0xFF);
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  // First pass measures, second pass writes.
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) return {};
  std::vector<std::uint8_t> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    return {};
  }
  bytes.resize(size);
  return bytes;
}

std::optional<PngPixels> DecodePng(const std::vector<std::uint8_t>& bytes) {
  if (bytes.empty()) return std::nullopt;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
  if (image.width == 0 || image.height == 0 ||
      static_cast<std::uint64_t>(image.width) * image.height > kLargestImage) {
    png_image_free(&image);
    return std::nullopt;
  }
  image.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  PngPixels out;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  const std::size_t count = static_cast<std::size_t>(out.width) * out.height;
  out.pixels.resize(count);
  out.alpha.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    out.pixels[i] = static_cast<std::uint32_t>(rgba[4 * i]) |
                    (static_cast<std::uint32_t>(rgba[4 * i + 1]) << 8) |
                    (static_cast<std::uint32_t>(rgba[4 * i + 2]) << 16);
    out.alpha[i] = rgba[4 * i + 3];
  }
  return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file),
                                   std::istreambuf_iterator<char>());
}

}  // namespace vellum
