#include "render/builtin_pictures.hpp"

#include <array>
#include <string_view>

#include "platform/gdi32.hpp"
#include "render/picture_drawing.hpp"

namespace vellum {

using namespace platform;

namespace {

constexpr int kSize = 16;
using Glyph = std::array<std::string_view, kSize>;  // '#' is ink, anything else background

constexpr Glyph kRadio = {
    "................", "................", "................", "................",
    "................", "......####......", ".....######.....", ".....######.....",
    ".....######.....", ".....######.....", "......####......", "................",
    "................", "................", "................", "................"};

constexpr Glyph kCheck = {
    "................", "................", "................", "................",
    "...........#....", "..........##....", ".........###....", "....#...###.....",
    "....##.###......", "....#####.......", ".....###........", "......#.........",
    "................", "................", "................", "................"};

constexpr Glyph kClose = {
    "................", "................", "................", "................",
    "....##....##....", ".....##..##.....", "......####......", ".......##.......",
    "......####......", ".....##..##.....", "....##....##....", "................",
    "................", "................", "................", "................"};

constexpr Glyph kMaximize = {
    "................", "................", "................", "...#########....",
    "...#########....", "...#.......#....", "...#.......#....", "...#.......#....",
    "...#.......#....", "...#.......#....", "...#.......#....", "...#########....",
    "................", "................", "................", "................"};

constexpr Glyph kMinimize = {
    "................", "................", "................", "................",
    "................", "................", "................", "................",
    "................", "................", "................", "....######......",
    "....######......", "................", "................", "................"};

constexpr Glyph kRestore = {
    "................", "................", "................", ".....######.....",
    ".....######.....", ".....#....#.....", "...######.#.....", "...######.#.....",
    "...#....###.....", "...#....#.......", "...#....#.......", "...######.......",
    "................", "................", "................", "................"};

const Glyph& GlyphOf(BuiltInPicture which) {
  switch (which) {
    case BuiltInPicture::Radio:
      return kRadio;
    case BuiltInPicture::Check:
      return kCheck;
    case BuiltInPicture::Close:
      return kClose;
    case BuiltInPicture::Maximize:
      return kMaximize;
    case BuiltInPicture::Minimize:
      return kMinimize;
    case BuiltInPicture::Restore:
      break;
  }
  return kRestore;
}

// The glyph painted into a new screen-compatible bitmap.
HBITMAP PaintGlyph(const Glyph& glyph) {
  const HDC screen = GetDC(0);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
  const HDC memory = CreateCompatibleDC(screen);
  ReleaseDC(0, screen);
  const HGDIOBJ displaced = SelectObject(memory, bitmap);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const bool ink = glyph[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
      SetPixel(memory, x, y, ink ? 0 : static_cast<COLORREF>(kBitmapBackground));
    }
  }
  SelectObject(memory, displaced);
  DeleteDC(memory);
  return bitmap;
}

}  // namespace

Ref<StdPicture> LoadBuiltInPicture(BuiltInPicture which) {
  return StdPicture::FromHandle(PaintGlyph(GlyphOf(which)), PictureType::Bitmap, true);
}

Ref<StdPicture> LoadBuiltInCheckPicture(bool radio) {
  return LoadBuiltInPicture(radio ? BuiltInPicture::Radio : BuiltInPicture::Check);
}

}  // namespace vellum
