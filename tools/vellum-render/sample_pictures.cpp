#include "sample_pictures.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/gdi32_types.hpp"
#include "platform/sim/gdi/screen.hpp"

namespace vellum::render_tool {

namespace {

using platform::COLORREF;
using platform::RGB;

constexpr int kSize = 16;
using Art = std::array<std::string_view, kSize>;

// The palette the tables are written in; any other character is transparent.
constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr std::pair<char, COLORREF> kPalette[] = {
    {'k', RGB(40, 40, 48)},     // outline
    {'w', RGB(255, 255, 255)},  // paper
    {'g', RGB(176, 184, 196)},  // text lines, metal
    {'G', RGB(96, 104, 116)},   // shadowed metal
    {'b', RGB(52, 110, 200)},   // blue
    {'B', RGB(28, 64, 140)},    // dark blue
    {'y', RGB(232, 176, 40)},   // folder back
    {'Y', RGB(255, 220, 110)},  // folder front
    {'o', RGB(176, 120, 64)},   // clipboard
    {'r', RGB(200, 48, 48)},    // scissor handles
    {'n', RGB(60, 180, 80)},    // printer lamp
};

COLORREF ColorOf(char code) {
  for (const auto& [key, color] : kPalette)
    if (key == code) return color;
  return kTransparent;
}

// One string per row keeps the pictures visible.
// clang-format off
constexpr Art kNew = {
    "................",
    "..kkkkkkkk......",
    "..kwwwwwwkk.....",
    "..kwwwwwwkwk....",
    "..kwwwwwwkkkk...",
    "..kwwwwwwwwwk...",
    "..kwgggggwwwk...",
    "..kwwwwwwwwwk...",
    "..kwgggggggwk...",
    "..kwwwwwwwwwk...",
    "..kwgggggggwk...",
    "..kwwwwwwwwwk...",
    "..kwgggggggwk...",
    "..kwwwwwwwwwk...",
    "..kkkkkkkkkkk...",
    "................",
};

constexpr Art kOpen = {
    "................",
    "................",
    ".kkkkk..........",
    "kyyyyyk.........",
    "kyyyyyykkkkkkk..",
    "kyyyyyyyyyyyyk..",
    "kyyyyyyyyyyyyk..",
    "kyykkkkkkkkkkkkk",
    "kyykYYYYYYYYYYYk",
    "kykYYYYYYYYYYYk.",
    "kykYYYYYYYYYYYk.",
    "kkYYYYYYYYYYYk..",
    "kkYYYYYYYYYYYk..",
    "kkkkkkkkkkkkk...",
    "................",
    "................",
};

constexpr Art kSave = {
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kBbwwwwwwwwbBk.",
    ".kBbwggggggwbBk.",
    ".kBbwwwwwwwwbBk.",
    ".kBbwggggggwbBk.",
    ".kBbwwwwwwwwbBk.",
    ".kBbbbbbbbbbbBk.",
    ".kBbbbbbbbbbbBk.",
    ".kBbbgggggggbBk.",
    ".kBbbgGGgggggBk.",
    ".kBbbgGGgggggBk.",
    ".kBbbgGGgggggBk.",
    ".kkkkkkkkkkkkkk.",
    "................",
    "................",
};

constexpr Art kPrint = {
    "................",
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....kwggggwk....",
    "....kwwwwwwk....",
    "..kkkkkkkkkkkk..",
    ".kggggggggggggk.",
    ".kgwwwwwwwwwngk.",
    ".kggggggggggggk.",
    ".kGGGGGGGGGGGGk.",
    ".kGkkkkkkkkkkGk.",
    ".kkkwwwwwwwwkkk.",
    "...kwggggggwk...",
    "...kwwwwwwwwk...",
    "...kkkkkkkkkk...",
    "................",
};

constexpr Art kCut = {
    "................",
    "..k.........k...",
    "..kk.......kk...",
    "...kk.....kk....",
    "....kk...kk.....",
    ".....kk.kk......",
    "......kkk.......",
    "......kGk.......",
    ".....rk.kr......",
    "....r.....r.....",
    "..rrr.....rrr...",
    ".r...r...r...r..",
    ".r...r...r...r..",
    ".r...r...r...r..",
    "..rrr.....rrr...",
    "................",
};

constexpr Art kCopy = {
    "................",
    ".kkkkkkkk.......",
    ".kwwwwwwk.......",
    ".kwggggwk.......",
    ".kwwwwwwk.......",
    ".kwggkkkkkkkk...",
    ".kwwwkwwwwwwk...",
    ".kwggkwbbbbwk...",
    ".kwwwkwwwwwwk...",
    ".kkkkkwbbbbwk...",
    ".....kwwwwwwk...",
    ".....kwbbbbwk...",
    ".....kwwwwwwk...",
    ".....kkkkkkkk...",
    "................",
    "................",
};

constexpr Art kPaste = {
    "................",
    ".....kkkkk......",
    "..kkkkgggkkkk...",
    ".kookGGGGGkook..",
    ".koookkkkkooook.",
    ".koooooooooook..",
    ".kooookkkkkkkkk.",
    ".kooookwwwwwwwk.",
    ".kooookwgggggwk.",
    ".kooookwwwwwwwk.",
    ".kooookwgggggwk.",
    ".kooookwwwwwwwk.",
    ".kooookwgggwwwk.",
    ".kkkkkkwwwwwwwk.",
    "......kkkkkkkkk.",
    "................",
};

constexpr Art kFind = {
    "................",
    "....kkkk........",
    "...kwwwwk.......",
    "..kwbbwwwk......",
    ".kwbwwwwwwk.....",
    ".kwbwwwwwwk.....",
    ".kwwwwwwwwk.....",
    ".kwwwwwwwwk.....",
    "..kwwwwwwk......",
    "...kwwwwkkk.....",
    "....kkkkGkkk....",
    "..........kkk...",
    "...........kkk..",
    "............kkk.",
    ".............kk.",
    "................",
};

constexpr Art kHelp = {
    "................",
    ".....BBBBBB.....",
    "...BBbbbbbbBB...",
    "..Bbbbwwwwbbbb..",
    "..Bbbwwbbwwbbb..",
    ".Bbbbbbbbwwbbbb.",
    ".Bbbbbbbwwbbbbb.",
    ".Bbbbbbwwbbbbbb.",
    ".Bbbbbbwwbbbbbb.",
    ".Bbbbbbbbbbbbbb.",
    "..Bbbbbwwbbbbb..",
    "..Bbbbbwwbbbbb..",
    "...BBbbbbbbbBB..",
    ".....BBBBBB.....",
    "................",
    "................",
};

// clang-format on

const Art& ArtOf(SamplePicture which) {
  switch (which) {
    case SamplePicture::New:
      return kNew;
    case SamplePicture::Open:
      return kOpen;
    case SamplePicture::Save:
      return kSave;
    case SamplePicture::Print:
      return kPrint;
    case SamplePicture::Cut:
      return kCut;
    case SamplePicture::Copy:
      return kCopy;
    case SamplePicture::Paste:
      return kPaste;
    case SamplePicture::Find:
      return kFind;
    case SamplePicture::Help:
      return kHelp;
  }
  return kNew;
}

Ref<StdPicture> IconFrom(int size, const std::vector<COLORREF>& pixels) {
  const platform::HICON icon = sim::CreateIconFromPixels(size, size, pixels, kTransparent);
  return StdPicture::FromHandle(icon, PictureType::Icon, true);
}

// Distance from (x, y) to the segment from a to b.
double DistanceToSegment(double x, double y, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

}  // namespace

Ref<StdPicture> MakeSidebarLogo() {
  constexpr int kLogoSize = 32;
  constexpr double kCentre = 15.5, kRadius = 15.0;
  std::vector<COLORREF> pixels;
  pixels.reserve(kLogoSize * kLogoSize);
  for (int y = 0; y < kLogoSize; ++y) {
    for (int x = 0; x < kLogoSize; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double fromCentre = std::hypot(px - kCentre - 0.5, py - kCentre - 0.5);
      const bool inV = std::min(DistanceToSegment(px, py, 9, 8, 16, 24),
                                DistanceToSegment(px, py, 23, 8, 16, 24)) < 2.0;
      if (fromCentre > kRadius) {
        pixels.push_back(kTransparent);
      } else if (inV) {
        pixels.push_back(RGB(255, 255, 255));
      } else if (fromCentre > kRadius - 1.5) {
        pixels.push_back(RGB(176, 120, 16));
      } else {
        // Lit from the top left.
        const int shade = static_cast<int>(40 * (py + px) / (2 * kLogoSize));
        pixels.push_back(RGB(255, 216 - shade, 72 - shade));
      }
    }
  }
  return IconFrom(kLogoSize, pixels);
}

Ref<StdPicture> MakeSamplePicture(SamplePicture which) {
  std::vector<COLORREF> pixels;
  pixels.reserve(kSize * kSize);
  for (std::string_view row : ArtOf(which))
    for (int x = 0; x < kSize; ++x)
      pixels.push_back(ColorOf(x < static_cast<int>(row.size()) ? row[x] : '.'));
  return IconFrom(kSize, pixels);
}

}  // namespace vellum::render_tool
