#include "render/measure_item.hpp"

#include <algorithm>

#include "accel/accelerator.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "model/library_state.hpp"
#include "model/menu.hpp"
#include "model/menus.hpp"
#include "platform/platform.hpp"
#include "render/builtin_pictures.hpp"
#include "render/entry_queries.hpp"
#include "render/fonts.hpp"
#include "render/item_layout.hpp"
#include "render/item_visual_properties.hpp"
#include "render/measure_text.hpp"
#include "render/scoped_object.hpp"
#include "units/picture_size.hpp"

namespace vellum {

using namespace platform;

namespace {

struct EntrySize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The image box of an item: the pictures it can show with their margin, or the plain box.
EntrySize ImageBox(MenuItem& item) {
  EntrySize box{layout::kImageBox, layout::kImageBox};
  const bool showsImage = item.Picture() || (item.Checked() && item.CheckedPicture());
  if (!showsImage) return box;
  const ItemVisualProperties& visual = *item.Visual();
  if (visual.ScaleImages()) {
    return {visual.ImageScaleWidth() + layout::kImageMargin,
            visual.ImageScaleHeight() + layout::kImageMargin};
  }
  // Both pictures count, checked or not: the box must not change size when the check does.
  if (item.Picture()) {
    const SIZE picture = PicturePixelSize(item.Picture());
    box = {picture.cx, picture.cy};
  }
  const SIZE check = PicturePixelSize(item.CheckedPicture());
  box.width =
      std::max(std::max(box.width, static_cast<std::int32_t>(check.cx)) + layout::kImageMargin,
               layout::kImageBox);
  box.height =
      std::max(std::max(box.height, static_cast<std::int32_t>(check.cy)) + layout::kImageMargin,
               layout::kImageBox);
  return box;
}

EntrySize MeasureMenuItem(MenuItem& item, HWND hWnd) {
  // A checked item without its own check picture shows the built-in one.
  if (item.Checked() && !item.CheckedPicture()) {
    item.CheckedPicture(LoadBuiltInCheckPicture(item.RadioGroup()));
  }
  const bool bar = IsMenuBarItem(item);
  EntrySize size;
  std::int32_t leftColumn = 0;
  if (!bar) {
    const EntrySize box = ImageBox(item);
    leftColumn = box.width + layout::kCaptionGap;
    size.height = box.height;
  }

  std::int32_t lastTextHeight = 0;
  {
    WindowDC dc(hWnd);
    SelectedObject font(dc.get(), CreateItemFont(item.shared_from_this(), dc.get(), false));
    const CaptionLayout& caption = item.GetCaptionLines(dc.get());
    size.width = caption.size.cx + leftColumn;
    size.height = std::max<std::int32_t>(size.height, caption.size.cy);
    lastTextHeight = caption.size.cy;
    if (caption.lines.size() >= 2 && size.height > layout::kImageBox) {
      size.height += layout::kWrappedCaptionExtra;
    }
    const String accelerator = AcceleratorText(item);
    if (!accelerator.empty()) {
      SIZE extent;
      const String gapped = String(layout::kAcceleratorGapSpaces, u' ') + accelerator;
      MeasureText(dc.get(), gapped, extent, false);
      size.width += extent.cx;
      size.height = std::max<std::int32_t>(size.height, extent.cy);
      lastTextHeight = extent.cy;
    }
  }

  if (item.Separator()) {
    if (item.SeparatorType() == mstNormal) size.height = layout::kSeparatorHeight;
    if (item.SeparatorType() == mstCaption) size.height = lastTextHeight - 1;
  } else if (!bar) {
    size.height = std::max(size.height, layout::kImageBox) + layout::kPopupItemExtra;
  }
  if (ActiveDrawStyle() == mdsOfficeXP) {
    size.width += layout::kShadowExtra;
    size.height += layout::kShadowExtra;
  }
  size.height += layout::kFinalHeightExtra;
  return size;
}

EntrySize MeasureSidebar(Sidebar& sidebar, std::uint32_t itemId, HWND hWnd) {
  // The break entry only starts the next column.
  if (itemId == static_cast<std::uint32_t>(sidebar.BreakId())) return {};
  EntrySize picture;
  if (sidebar.Picture()) {
    const ItemVisualProperties& visual = *sidebar.Visual();
    if (visual.ScaleImages()) {
      picture = {visual.ImageScaleWidth(), visual.ImageScaleHeight()};
    } else {
      const SIZE pixels = PicturePixelSize(sidebar.Picture());
      picture = {std::max<std::int32_t>(pixels.cx, layout::kSidebarPictureMinimum),
                 std::max<std::int32_t>(pixels.cy, layout::kSidebarPictureMinimum)};
    }
  }
  WindowDC dc(hWnd);
  SelectedObject font(dc.get(), CreateItemFont(sidebar.shared_from_this(), dc.get(), false));
  // The caption runs along the band: its lines' length is the band's, their height its width.
  const CaptionLayout& caption = sidebar.GetCaptionLines(dc.get());
  return {std::max<std::int32_t>(picture.width, caption.size.cy),
          picture.height + caption.size.cx + layout::kSidebarExtraLength};
}

}  // namespace

bool MeasureItem(HWND hWnd, LPARAM request) {
  if (!hWnd || !IsWindow(hWnd) || !request) return false;
  MEASUREITEMSTRUCT record;
  RtlMoveMemory(&record, reinterpret_cast<const void*>(request), sizeof record);

  const Ref<Menus> active = Library().activeMenus;
  if (!active) return false;
  Ref<Object> object;
  IgnoringErrors(
      [&] { object = active->FindMenuItem(static_cast<std::int32_t>(record.itemID), hWnd); });

  EntrySize size;
  Ref<ItemVisualProperties> visual;
  if (const auto item = std::dynamic_pointer_cast<MenuItem>(object)) {
    size = MeasureMenuItem(*item, hWnd);
    visual = item->Visual();
  } else if (const auto sidebar = std::dynamic_pointer_cast<Sidebar>(object)) {
    size = MeasureSidebar(*sidebar, record.itemID, hWnd);
    visual = sidebar->Visual();
  } else {
    return false;
  }
  record.itemWidth = static_cast<UINT>(size.width);
  record.itemHeight = static_cast<UINT>(size.height);
  if (visual) visual->StoreMeasureItem(ToMeasureItemRecord(record));
  RtlMoveMemory(reinterpret_cast<void*>(request), &record, sizeof record);
  return true;
}

}  // namespace vellum
