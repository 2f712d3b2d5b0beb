#include "render/image_column_widths.hpp"

#include "model/menu.hpp"
#include "render/entry_queries.hpp"
#include "render/item_layout.hpp"

namespace vellum {

void GetImageColumns(const Menu& menu, std::int32_t& left, std::int32_t& right, bool* isXP) {
  left = menu.ImageMax_Left() != 0 ? menu.ImageMax_Left() + layout::kImageCellPadding : 0;
  right = menu.ImageMax_Right() != 0 ? menu.ImageMax_Right() + layout::kImageCellPadding : 0;
  if (isXP) *isXP = ActiveDrawStyle() == mdsOfficeXP;
}

}  // namespace vellum
