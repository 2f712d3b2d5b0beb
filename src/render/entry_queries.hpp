#pragma once
// What measuring and painting ask about an entry and the menu set it belongs to.

#include "model/menu_constants.hpp"
#include "platform/automation/string.hpp"
#include "platform/user32_types.hpp"
#include "render/item_visual_properties.hpp"

namespace vellum {

class MenuItem;

// Whether the item stands in a menu bar (not in a popup or system menu).
bool IsMenuBarItem(const MenuItem& item);
// The draw style of the thread's active menu set; mdsOffice without one.
MenuDrawStyleBits ActiveDrawStyle();
// The item's accelerator as shown beside its caption; empty without one.
String AcceleratorText(const MenuItem& item);

// The size an entry paints its image at: the style's scale when it scales images, else the
// image's own pixel size, else (no image) 16 x 16.
platform::SIZE PaintedImageSize(const ItemVisualProperties& visual, const Ref<Object>& image);

// The platform's requests in the 32-bit layout the visual record keeps.
MeasureItemRecord ToMeasureItemRecord(const platform::MEASUREITEMSTRUCT& request);
DrawItemRecord ToDrawItemRecord(const platform::DRAWITEMSTRUCT& request);
platform::DRAWITEMSTRUCT FromDrawItemRecord(const DrawItemRecord& record);

}  // namespace vellum
