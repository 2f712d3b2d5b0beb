#pragma once
// Test helper: a memory DC with a bitmap of its own selected, and pixel read-back.

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/platform.hpp"

namespace vellum::testing {

class MemoryCanvas {
 public:
  MemoryCanvas(int width, int height, platform::COLORREF fill = platform::RGB(255, 255, 255))
      : width_(width), height_(height) {
    dc = platform::CreateCompatibleDC(0);
    bitmap = platform::CreateCompatibleBitmap(dc, width, height);
    previous_ = platform::SelectObject(dc, bitmap);
    Fill(fill);
  }
  ~MemoryCanvas() {
    platform::SelectObject(dc, previous_);
    platform::DeleteObject(bitmap);
    platform::DeleteDC(dc);
  }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;

  void Fill(platform::COLORREF color) {
    const platform::RECT all{0, 0, width_, height_};
    const platform::HBRUSH brush = platform::CreateSolidBrush(color);
    platform::FillRect(dc, &all, brush);
    platform::DeleteObject(brush);
  }

  platform::COLORREF At(int x, int y) const { return platform::GetPixel(dc, x, y); }

  int Count(platform::COLORREF color) const {
    int count = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        count += At(x, y) == color;
    return count;
  }

  // The smallest rectangle holding every pixel unlike `background` (empty when none).
  platform::RECT InkBounds(platform::COLORREF background) const {
    platform::RECT box{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        if (At(x, y) == background) continue;
        box.left = std::min<platform::LONG>(box.left, x);
        box.top = std::min<platform::LONG>(box.top, y);
        box.right = std::max<platform::LONG>(box.right, x + 1);
        box.bottom = std::max<platform::LONG>(box.bottom, y + 1);
      }
    return box.left < box.right ? box : platform::RECT{};
  }

  // One character per pixel, rows separated by newlines: '#' for `ink`, '.' otherwise; for
  // readable failure messages.
  std::string Picture(platform::COLORREF ink, int width, int height) const {
    std::string out;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x)
        out += At(x, y) == ink ? '#' : '.';
      out += '\n';
    }
    return out;
  }

  int width() const { return width_; }
  int height() const { return height_; }

  platform::HDC dc = 0;
  platform::HBITMAP bitmap = 0;

 private:
  int width_;
  int height_;
  platform::HGDIOBJ previous_ = 0;
};

// A font description for tests.
inline platform::LOGFONTA Font(const char* face, platform::LONG height,
                               platform::LONG weight = platform::FW_NORMAL) {
  platform::LOGFONTA font;
  font.lfHeight = height;
  font.lfWeight = weight;
  std::strncpy(font.lfFaceName, face, platform::LF_FACESIZE - 1);
  return font;
}

// Where tests may write files.
inline std::string TempPath(const std::string& name) {
  const char* dir = std::getenv("VELLUM_TEST_TMPDIR");
  const std::string folder = dir && *dir ? dir : "/tmp";
  std::filesystem::create_directories(folder);
  return folder + "/" + name;
}

}  // namespace vellum::testing
