#include "model/image_columns.hpp"

#include <algorithm>

#include "items/menu_item.hpp"
#include "model/menu.hpp"
#include "render/item_visual_properties.hpp"
#include "units/screen_scale.hpp"

namespace vellum {
namespace {

constexpr std::int32_t kMinimumColumn = 18;
constexpr std::int32_t kColumnPadding = 2;

// A picture's width in screen pixels, from the HIMETRIC width it reports. Pictures are
// automation objects; one that reports no usable width counts as 0.
std::int32_t PictureWidthPixels(const Ref<Object>& picture) {
  if (!picture) return 0;
  std::int32_t pixels = 0;
  IgnoringErrors([&] {
    pixels = HimetricToPixelsX(picture->Invoke(u"Width", CallType::PropertyGet).ToDouble());
  });
  return pixels;
}

}  // namespace

std::int32_t ComputeImageColumns(Menu& menu, std::int32_t* right) {
  std::int32_t leftMax = 0;
  std::int32_t rightMax = 0;
  for (const Ref<MenuItem>& item : menu.ItemList()) {
    const bool hasPicture = item->Picture() != nullptr;
    if (!hasPicture && !(item->Checked() && item->CheckedPicture())) continue;
    const Ref<ItemVisualProperties> visual = item->Visual();
    std::int32_t width;
    if (visual->ScaleImages()) {
      width = visual->ImageScaleWidth() + kColumnPadding;
    } else {
      width = std::max(PictureWidthPixels(item->Picture()),
                       PictureWidthPixels(item->CheckedPicture())) +
              kColumnPadding;
      width = std::max(width, kMinimumColumn);
    }
    const bool leftAligned =
        visual->TextAlign() != taRight && !item->RightAlign() && !item->RightToLeft();
    (leftAligned ? leftMax : rightMax) = std::max(leftAligned ? leftMax : rightMax, width);
  }
  menu.SetImageMax(leftMax, rightMax);
  if (right) *right = rightMax;
  return leftMax;
}

}  // namespace vellum
