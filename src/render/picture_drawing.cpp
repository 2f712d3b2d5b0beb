#include "render/picture_drawing.hpp"

#include <algorithm>

#include "platform/automation/error.hpp"
#include "platform/automation/std_picture.hpp"
#include "platform/gdi32.hpp"
#include "render/scoped_object.hpp"

namespace vellum {

using namespace platform;

namespace {

constexpr COLORREF kInvalidColor = 0xFFFFFFFF;
// No device surface reaches beyond this: pixel loops stop at its edges, where every pixel
// would read as invalid anyway.
constexpr std::int64_t kMaxSurface = 1 << 15;

// Calls `visit(x, y, pixel)` for each pixel of `rect` (inclusive) that lies on a surface.
template <class Visit>
void ForEachPixel(HDC hDC, const RECT& rect, Visit visit) {
  const std::int64_t left = std::max<std::int64_t>(rect.left, 0);
  const std::int64_t top = std::max<std::int64_t>(rect.top, 0);
  const std::int64_t right = std::min<std::int64_t>(rect.right, kMaxSurface - 1);
  const std::int64_t bottom = std::min<std::int64_t>(rect.bottom, kMaxSurface - 1);
  for (std::int64_t x = left; x <= right; ++x) {
    for (std::int64_t y = top; y <= bottom; ++y) {
      const COLORREF pixel = GetPixel(hDC, static_cast<int>(x), static_cast<int>(y));
      if (pixel != kInvalidColor) visit(static_cast<int>(x), static_cast<int>(y), pixel);
    }
  }
}

}  // namespace

void DrawPicture(HDC hDC, const Ref<Object>& picture, const RECT& box, bool grayed,
                 std::int32_t background, bool monochrome) {
  if (!picture) return;
  // Pictures are automation objects: their type and handle are read late-bound.
  const std::int32_t type = picture->Invoke(u"Type", CallType::PropertyGet).ToLong();
  if (type != static_cast<std::int32_t>(PictureType::Bitmap) &&
      type != static_cast<std::int32_t>(PictureType::Icon)) {
    return;
  }
  const auto handle =
      static_cast<HANDLE>(picture->Invoke(u"Handle", CallType::PropertyGet).ToLong());
  const ImageKind kind =
      type == static_cast<std::int32_t>(PictureType::Bitmap) ? ImageKind::Bitmap : ImageKind::Icon;
  DrawImageHandle(hDC, handle, kind, box, grayed, background, monochrome);
}

void DrawImageHandle(HDC hDC, HANDLE image, ImageKind kind, const RECT& box, bool grayed,
                     std::int32_t background, bool monochrome) {
  const int width = box.right - box.left + 1;
  const int height = box.bottom - box.top + 1;
  // A grayed bitmap's background turns white first, so the disabled look leaves it blank.
  const HANDLE copy =
      CopyImageRecolored(image, kind, width, height, grayed ? 0xFFFFFF : background);
  if (copy) {
    const UINT content = kind == ImageKind::Bitmap ? DST_BITMAP : DST_ICON;
    DrawStateA(hDC, 0, nullptr, static_cast<LPARAM>(copy), 0, box.left, box.top, width, height,
               content | (grayed ? DSS_DISABLED : 0));
  }
  // The box is greyed whether or not a copy could be drawn into it.
  if (monochrome) GrayImage(hDC, box, kBitmapBackground);
  if (!copy) return;
  if (kind == ImageKind::Icon) {
    DestroyIcon(copy);
  } else {
    DeleteObject(copy);
  }
}

HANDLE CopyImageRecolored(HANDLE image, ImageKind kind, std::int32_t width, std::int32_t height,
                          std::int32_t color) {
  const HANDLE copy = CopyImage(image, kind == ImageKind::Bitmap ? IMAGE_BITMAP : IMAGE_ICON, width,
                                height, LR_COPYFROMRESOURCE);
  if (!copy || kind == ImageKind::Icon || color == -1) return copy;
  const HDC screen = GetDC(0);
  const HDC memory = CreateCompatibleDC(screen);
  ReleaseDC(0, screen);
  const HGDIOBJ displaced = SelectObject(memory, copy);
  ReplaceColor(memory, {0, 0, width, height}, kBitmapBackground, color);
  SelectObject(memory, displaced);
  DeleteDC(memory);
  return copy;
}

void ReplaceColor(HDC hDC, const RECT& rect, std::int32_t oldColor, std::int32_t newColor) {
  ForEachPixel(hDC, rect, [&](int x, int y, COLORREF pixel) {
    if (pixel == static_cast<COLORREF>(oldColor)) {
      SetPixel(hDC, x, y, static_cast<COLORREF>(newColor));
    }
  });
}

void GrayImage(HDC hDC, const RECT& rect, std::int32_t keptColor) {
  ForEachPixel(hDC, rect, [&](int x, int y, COLORREF pixel) {
    if (keptColor != -1 && pixel == static_cast<COLORREF>(keptColor)) return;
    const int red = static_cast<int>(pixel & 0xFF);
    const int green = static_cast<int>((pixel >> 8) & 0xFF);
    const int blue = static_cast<int>((pixel >> 16) & 0xFF);
    const std::int32_t t = RoundToLong((blue + red) / 2.0);
    const auto g = static_cast<COLORREF>(RoundToLong((t + green) / 2.0));
    SetPixel(hDC, x, y, g | (g << 8) | (g << 16));
  });
}

}  // namespace vellum
