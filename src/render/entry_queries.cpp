#include "render/entry_queries.hpp"

#include "accel/accelerator.hpp"
#include "items/menu_item.hpp"
#include "model/library_state.hpp"
#include "model/menu.hpp"
#include "model/menus.hpp"
#include "units/picture_size.hpp"

namespace vellum {

bool IsMenuBarItem(const MenuItem& item) {
  const Ref<Menu> menu = AsMenu(item.Parent());
  return menu && menu->MenuType() == mtcMenubar;
}

MenuDrawStyleBits ActiveDrawStyle() {
  const Ref<Menus> active = Library().activeMenus;
  return active ? active->MenuDrawStyle() : mdsOffice;
}

String AcceleratorText(const MenuItem& item) {
  const Ref<Accelerator> accelerator = item.Accelerator();
  return accelerator ? accelerator->AccelWord() : String();
}

platform::SIZE PaintedImageSize(const ItemVisualProperties& visual, const Ref<Object>& image) {
  constexpr platform::LONG kDefaultImageSize = 16;
  if (visual.ScaleImages()) return {visual.ImageScaleWidth(), visual.ImageScaleHeight()};
  if (image) return PicturePixelSize(image);
  return {kDefaultImageSize, kDefaultImageSize};
}

MeasureItemRecord ToMeasureItemRecord(const platform::MEASUREITEMSTRUCT& request) {
  return {request.CtlType,   request.CtlID,      request.itemID,
          request.itemWidth, request.itemHeight, static_cast<std::uint32_t>(request.itemData)};
}

DrawItemRecord ToDrawItemRecord(const platform::DRAWITEMSTRUCT& request) {
  return {request.CtlType,    request.CtlID,     request.itemID,
          request.itemAction, request.itemState, request.hwndItem,
          request.hDC,        request.rcItem,    static_cast<std::uint32_t>(request.itemData)};
}

platform::DRAWITEMSTRUCT FromDrawItemRecord(const DrawItemRecord& record) {
  platform::DRAWITEMSTRUCT request;
  request.CtlType = record.ctlType;
  request.CtlID = record.ctlId;
  request.itemID = record.itemId;
  request.itemAction = record.itemAction;
  request.itemState = record.itemState;
  request.hwndItem = record.hwndItem;
  request.hDC = record.hDC;
  request.rcItem = record.rcItem;
  request.itemData = record.itemData;
  return request;
}

}  // namespace vellum
