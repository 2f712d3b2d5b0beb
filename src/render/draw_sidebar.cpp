#include "items/caption_text.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "platform/platform.hpp"
#include "render/colors.hpp"
#include "render/entry_paint.hpp"
#include "render/entry_queries.hpp"
#include "render/fonts.hpp"
#include "render/frames.hpp"
#include "render/gradient.hpp"
#include "render/item_layout.hpp"
#include "render/item_visual_properties.hpp"
#include "render/measure_text.hpp"
#include "render/multi_gradient.hpp"
#include "render/picture_drawing.hpp"
#include "render/scoped_object.hpp"
#include "render/text_drawing.hpp"

namespace vellum {

using namespace platform;

namespace {

// The colour the band ends in, which the picture's background takes so that it blends in.
std::int32_t EndColor(const ItemVisualProperties& visual, bool selected) {
  if (selected) {
    if (HasStops(visual.MultiGradient())) return visual.MultiGradient()->ResolvedColors().back();
    if (visual.SelectBkGradient() != ItemVisualProperties::kNoGradient) {
      return ResolveColor(visual.SelectBkGradient());
    }
    return ResolveColor(visual.SelectBackground());
  }
  if (visual.ItemBkGradient() != ItemVisualProperties::kNoGradient) {
    return ResolveColor(visual.ItemBkGradient());
  }
  return ResolveColor(visual.ItemBackground());
}

class SidebarPainter {
 public:
  SidebarPainter(Sidebar& sidebar, EntryPaint& paint)
      : sidebar_(sidebar), visual_(*sidebar.Visual()), paint_(paint), dc_(paint.paintDC) {}

  void Paint() {
    // A disabled band never looks selected.
    if (paint_.disabled) paint_.selected = false;
    IgnoringErrors([&] { visual_.StoreDrawItem(ToDrawItemRecord(paint_.request)); });
    IgnoringErrors([&] { FillSolid(dc_, {0, 0, W(), H()}, visual_.ItemBackground()); });
    SetBkMode(dc_, TRANSPARENT);
    // Without its own font the caption is still drawn, in the one the paint context holds.
    HFONT bandFont = 0;
    IgnoringErrors(
        [&] { bandFont = CreateItemFont(sidebar_.shared_from_this(), dc_, paint_.selected); });
    const SelectedObject font(dc_, bandFont);
    IgnoringErrors([&] { endColor_ = EndColor(visual_, paint_.selected); });
    IgnoringErrors([&] { PictureSize(); });
    IgnoringErrors([&] { Background(); });
    IgnoringErrors([&] { Picture(); });
    IgnoringErrors([&] { Frame(); });
    IgnoringErrors([&] { Caption(); });
  }

 private:
  std::int32_t W() const { return paint_.width; }
  std::int32_t H() const { return paint_.height; }
  bool HotLit() const { return (paint_.request.itemState & ODS_HOTLIGHT) != 0; }

  void PictureSize() {
    image_ = sidebar_.Picture();
    const SIZE size = PaintedImageSize(visual_, image_);
    imgW_ = size.cx;
    imgH_ = size.cy;
  }

  // The band's colours run from top to bottom.
  void Background() {
    const RECT all{0, 0, W(), H()};
    const bool selectedLook =
        (visual_.SelectionStyle() != mssClear || HasStops(visual_.MultiGradient())) &&
        paint_.selected && !paint_.grayed;
    if (selectedLook) {
      if (HasStops(visual_.MultiGradient())) {
        FillMultiGradient(dc_, *visual_.MultiGradient(), all, true);
      } else if (visual_.SelectBkGradient() == ItemVisualProperties::kNoGradient) {
        FillSolid(dc_, all, visual_.SelectBackground());
      } else {
        FillGradient(dc_, visual_.SelectBackground(), visual_.SelectBkGradient(), all, true);
      }
      SetTextColor(dc_, static_cast<COLORREF>(ResolveColor(visual_.SelectForeground())));
      return;
    }
    SetTextColor(dc_, static_cast<COLORREF>(ResolveColor(visual_.ItemForeground())));
    SetBkColor(dc_, static_cast<COLORREF>(endColor_));
    if (visual_.ItemBkGradient() != ItemVisualProperties::kNoGradient) {
      FillGradient(dc_, visual_.ItemBackground(), visual_.ItemBkGradient(), all, true);
    }
  }

  // The picture sits centred at the bottom; the caption band is what is left above it.
  void Picture() {
    band_ = {0, 0, W(), H()};
    if (!image_) return;
    pictureX_ = RoundToLong(W() / 2.0 - (imgW_ + 2) / 2.0);
    pictureY_ = H() - (imgH_ + layout::kSidebarPictureInset);
    band_ = {0, 1, W(), H() - (imgH_ + 2)};
    DrawPicture(dc_, image_,
                {pictureX_ + 2, pictureY_ + 1, pictureX_ + imgW_ + 1, pictureY_ + imgH_}, false,
                endColor_, false);
  }

  void Frame() {
    if (!paint_.selected && !HotLit()) return;
    const std::int32_t chosen = visual_.SelectionStyle();
    const std::int32_t style = (chosen & 15) != 0 ? chosen : mssHotTrack;
    const RECT frame{band_.left, band_.top, band_.right - 1, band_.bottom - 1};
    if (style == mssClear) {
      if (HotLit()) {
        DrawRaisedFrame(dc_, frame);
      } else {
        DrawSunkenFrame(dc_, frame);
      }
    }
    // A flat style outlines the band, whatever its base style resolved to.
    if ((chosen & mssFlat) == mssFlat) DrawFlatFrame(dc_, frame);
  }

  void Caption() {
    const CaptionLayout& caption = sidebar_.GetCaptionLines(dc_);
    const std::int32_t escapement = sidebar_.Escapement();
    std::int32_t x = image_ ? pictureX_ : 0;
    std::int32_t y = image_ ? pictureY_ : 0;
    if (escapement == esc90) {
      x = RoundToLong(W() / 2.0 - caption.size.cy / 2.0);
      y = band_.bottom - layout::kSidebarCaptionInset;
    } else if (escapement == esc270) {
      x = RoundToLong(W() - (W() / 2.0 - caption.size.cy / 2.0));
      y = band_.top + layout::kSidebarCaptionInset;
    }
    const double lineSpace = band_.bottom - band_.top + 1;
    for (const String& line : caption.lines) {
      const String text = PlainCaption(line);
      SIZE extent;
      MeasureText(dc_, text, extent, false);
      y = LineY(escapement, extent.cx, lineSpace, y);
      DrawPlainText(dc_, text, x, y);
      // Lines stack across the band, away from the text's top.
      x += escapement == esc90 ? extent.cy : -extent.cy;
    }
  }

  // Where a rotated line of length `length` starts along the band; other alignments and
  // escapements keep `y`.
  std::int32_t LineY(std::int32_t escapement, std::int32_t length, double lineSpace,
                     std::int32_t y) const {
    const std::int32_t inset = layout::kSidebarCaptionInset;
    const TextAlignConstants align = visual_.TextAlign();
    if (escapement == esc90) {
      if (align == taLeft) return band_.bottom - inset;
      if (align == taRight) return band_.top + length + inset;
      if (align == taCenter) return RoundToLong(band_.bottom - (lineSpace / 2 - length / 2.0));
    } else if (escapement == esc270) {
      if (align == taLeft) return band_.bottom - (length + inset);
      if (align == taRight) return band_.top + inset;
      if (align == taCenter) return RoundToLong(lineSpace / 2 - length / 2.0 + band_.top);
    }
    return y;
  }

  Sidebar& sidebar_;
  ItemVisualProperties& visual_;
  EntryPaint& paint_;
  HDC dc_;
  std::int32_t endColor_ = 0;
  Ref<Object> image_;
  std::int32_t imgW_ = 0;
  std::int32_t imgH_ = 0;
  std::int32_t pictureX_ = 0;
  std::int32_t pictureY_ = 0;
  RECT band_;
};

}  // namespace

bool PaintSidebar(Sidebar& sidebar, EntryPaint& paint) {
  // The break entry only starts the next column: it shows nothing.
  if (paint.request.itemID == static_cast<UINT>(sidebar.BreakId())) return false;
  SidebarPainter(sidebar, paint).Paint();
  return true;
}

}  // namespace vellum
