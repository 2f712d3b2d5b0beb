#include "model/image_columns.hpp"

#include <algorithm>

#include "items/menu_item.hpp"
#include "model/menu.hpp"
#include "render/item_layout.hpp"
#include "render/item_visual_properties.hpp"
#include "units/picture_size.hpp"

namespace vellum {

std::int32_t ComputeImageColumns(Menu& menu, std::int32_t* right) {
  std::int32_t leftMax = 0;
  std::int32_t rightMax = 0;
  for (const Ref<MenuItem>& item : menu.ItemList()) {
    const bool hasPicture = item->Picture() != nullptr;
    if (!hasPicture && !(item->Checked() && item->CheckedPicture())) continue;
    const Ref<ItemVisualProperties> visual = item->Visual();
    std::int32_t width;
    if (visual->ScaleImages()) {
      width = visual->ImageScaleWidth() + layout::kImageMargin;
    } else {
      width = std::max(PicturePixelSize(item->Picture()).cx,
                       PicturePixelSize(item->CheckedPicture()).cx) +
              layout::kImageMargin;
      width = std::max(width, layout::kImageBox);
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
