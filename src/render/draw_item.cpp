#include "render/draw_item.hpp"

#include "items/caption_text.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "model/library_state.hpp"
#include "model/menu.hpp"
#include "model/menus.hpp"
#include "native/handle_object.hpp"
#include "platform/platform.hpp"
#include "render/colors.hpp"
#include "render/draw_text_run.hpp"
#include "render/entry_paint.hpp"
#include "render/entry_queries.hpp"
#include "render/fonts.hpp"
#include "render/frames.hpp"
#include "render/gradient.hpp"
#include "render/image_column_widths.hpp"
#include "render/item_layout.hpp"
#include "render/item_visual_properties.hpp"
#include "render/measure_text.hpp"
#include "render/multi_gradient.hpp"
#include "render/picture_drawing.hpp"
#include "render/scoped_object.hpp"

namespace vellum {

using namespace platform;

namespace {

constexpr std::int32_t kMenuColor = 0x80000004;  // the platform's menu colour
constexpr std::int32_t kShadowColor = 0x606060;
constexpr std::int32_t kShadowWidth = 2;

// Fills `rect` with a style's background: its colour stops when it has some, else its colour
// or its two-colour gradient.
void FillBackground(HDC hDC, const RECT& rect, const Ref<MultiGradient>& stops, std::int32_t color,
                    std::int32_t gradientEnd, bool vertical) {
  if (HasStops(stops)) {
    FillMultiGradient(hDC, *stops, rect, vertical);
  } else if (gradientEnd == ItemVisualProperties::kNoGradient) {
    FillSolid(hDC, rect, color);
  } else {
    FillGradient(hDC, color, gradientEnd, rect, vertical);
  }
}

// The position of the mnemonic marker of a caption line: the first "&" that does not stand
// for a literal ampersand ("&&") and has a character to mark. npos when there is none.
std::size_t MnemonicMarker(StringView line) {
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    if (line[i] != u'&') continue;
    if (line[i + 1] != u'&') return i;
    ++i;
  }
  return StringView::npos;
}

// The font selected in `hDC`, underlined; the caller deletes it.
HFONT CreateUnderlinedCopy(HDC hDC) {
  LOGFONTA description{};
  GetObjectA(GetCurrentObject(hDC, OBJ_FONT), sizeof description, &description);
  description.lfUnderline = 1;
  return CreateFontIndirectA(&description);
}

// Paints one menu item, stage by stage, into the paint context. A step that fails is skipped
// and painting goes on, so that a fault shows as a missing element, never as a missing item:
// each stage runs its own steps apart where a later one does not depend on an earlier one.
class ItemPainter {
 public:
  ItemPainter(MenuItem& item, EntryPaint& paint)
      : item_(item), visual_(*item.Visual()), paint_(paint), dc_(paint.paintDC) {}

  void Paint() {
    IgnoringErrors([&] { Bookkeeping(); });
    IgnoringErrors([&] { ResolveStyle(); });
    IgnoringErrors([&] { FollowCheckState(); });
    IgnoringErrors([&] { BaseFills(); });
    IgnoringErrors([&] { ImageStage(); });
    IgnoringErrors([&] { TextBackground(); });
    IgnoringErrors([&] { SelectionFrame(); });
    IgnoringErrors([&] { SeparatorLine(); });
    IgnoringErrors([&] { CaptionAndAccelerator(); });
    if (xp_) {
      paint_.width += kShadowWidth;
      paint_.height += kShadowWidth;
    }
  }

 private:
  std::int32_t& W() { return paint_.width; }
  std::int32_t& H() { return paint_.height; }
  std::uint32_t State() const { return paint_.request.itemState; }
  bool Flat() const { return (style_ & mssFlat) == mssFlat; }
  bool Bevel() const { return (style_ & mssBevel) != 0; }
  bool Enabled() const { return !(paint_.grayed || paint_.disabled); }

  void Bookkeeping() {
    const Ref<Menu> parent = AsMenu(item_.Parent());
    // A system-menu entry's state may be changed natively by the window manager.
    if (parent && parent->MenuType() == mtcSysmenu) IgnoringErrors([&] { item_.ReadNative(); });
    visual_.StoreDrawItem(ToDrawItemRecord(paint_.request));
    bar_ = IsMenuBarItem(item_);
    if (bar_) W() -= 1;
    capSep_ = item_.Separator() && item_.SeparatorType() == mstCaption;
  }

  void ResolveStyle() {
    const std::int32_t chosen = visual_.SelectionStyle();
    if ((chosen & 15) != 0) {
      style_ = chosen;
    } else {
      // The frame and check bits keep their meaning over the default base style.
      style_ = ((capSep_ || bar_) ? mssClear : mssColor) | (chosen & 0xFF0);
    }
  }

  void FollowCheckState() {
    rtl_ = item_.RightToLeft() || visual_.TextAlign() == taRight;
    const bool checkedNatively = (State() & ODS_CHECKED) != 0;
    if (item_.Checked() != checkedNatively) {
      item_.SuspendUpdates();
      item_.Checked(checkedNatively);
      item_.ResumeUpdates();
    }
  }

  void BaseFills() {
    FillSolid(dc_, {0, 0, W(), H()}, kMenuColor);
    xp_ = ActiveDrawStyle() == mdsOfficeXP && !bar_;
    if (xp_) {
      if (const Ref<Menu> parent = AsMenu(item_.Parent())) {
        GetImageColumns(*parent, colL_, colR_);
      }
      style_ |= mssFlat;
      if (paint_.selected) {
        FillSolid(dc_, {kShadowWidth, H() - kShadowWidth, W(), H()}, kShadowColor);
        FillSolid(dc_, {W() - kShadowWidth, kShadowWidth, W(), H()}, kShadowColor);
      }
      W() -= kShadowWidth;
      H() -= kShadowWidth;
    }
    FillSolid(dc_, {0, 1, W(), H() - 1}, visual_.ItemBackground());
    cellColor_ = visual_.ItemBackground();
    SetBkMode(dc_, TRANSPARENT);
  }

  void ImageStage() {
    const bool showsPicture = item_.Picture() || (item_.Checked() && item_.CheckedPicture());
    if (!showsPicture && (bar_ || capSep_)) return;
    imageStageRan_ = true;

    // A checked item shows only its check picture, an unchecked one only its picture.
    image_ = item_.Checked() ? item_.CheckedPicture() : item_.Picture();
    const SIZE size = PaintedImageSize(visual_, image_);
    imgW_ = size.cx;
    imgH_ = size.cy;
    // The flat style lines every image up in the menu's widest column.
    if (xp_) imgW_ = (rtl_ ? colR_ : colL_) - layout::kImageCellPadding;

    const std::int32_t left =
        rtl_ ? W() - (imgW_ + layout::kImageCellPadding) : layout::kImageMargin;
    imgBox_ = {left, 0, left + imgW_ + 3, H() - 1};

    if (xp_) PaintRunner();
    imageDone_ = true;
    if (!image_) return;

    if (item_.Checked() && paint_.selected && !paint_.disabled && !(style_ & mssNoCheckBevel)) {
      cellColor_ = visual_.ItemCheckBackground();
    }
    FillSolid(dc_, {imgBox_.left + 1, 1, imgBox_.right, imgBox_.bottom}, cellColor_);

    const double cellWidth = imgBox_.right - imgBox_.left + 1;
    const double cellHeight = imgBox_.bottom + 1;
    const std::int32_t x = RoundToLong(cellWidth / 2 - imgW_ / 2.0 + imgBox_.left);
    const std::int32_t y = RoundToLong(cellHeight / 2 - imgH_ / 2.0);
    IgnoringErrors([&] {
      DrawPicture(dc_, image_, {x, y, x + imgW_ - 1, y + imgH_ - 1}, paint_.grayed,
                  ResolveColor(cellColor_), visual_.DrawBoolPic() && !paint_.selected);
    });

    RECT frame = imgBox_;
    frame.bottom -= 1;
    if (style_ & mssFlat) {
      if (paint_.selected) DrawFlatFrame(dc_, frame);
    } else if (item_.Checked() && !(style_ & mssNoCheckBevel)) {
      DrawSunkenFrame(dc_, frame);
    } else if (paint_.selected && !paint_.disabled) {
      frame.top += 1;
      DrawRaisedFrame(dc_, frame);
    }
  }

  // The coloured image columns of the flat style; unselected, they run on through the shadow
  // band so that neighbouring items join up.
  void PaintRunner() {
    const std::int32_t bottom = paint_.selected ? H() : H() + kShadowWidth;
    if (colL_ > 0) FillSolid(dc_, {layout::kImageMargin, 0, colL_, bottom}, visual_.RunnerColor());
    if (colR_ > 0) FillSolid(dc_, {W() - colR_, 0, W(), bottom}, visual_.RunnerColor());
    cellColor_ = paint_.selected ? visual_.RunnerSelection() : visual_.RunnerColor();
  }

  void TextBackground() {
    RECT text{0, 1, W(), H() - 1};
    if (imageDone_) {
      if (image_ && !xp_) {
        const std::int32_t box = imgW_ + layout::kImageCellPadding;
        text.left = rtl_ ? 2 : box;
        text.right = rtl_ ? W() - 1 - box : W();
      } else {
        text.left = colL_;
        text.right = W() - colR_;
      }
    }
    if (paint_.grayed) {
      // Grayed text is drawn in the disabled look on the plain menu colour.
      FillSolid(dc_, text, kMenuColor);
    } else if ((style_ & 15) == mssColor && paint_.selected) {
      // A gradient that cannot be laid over the band leaves the plain background; the text
      // colour is set all the same.
      IgnoringErrors([&] {
        FillBackground(dc_, text, visual_.SelMultiGradient(), visual_.SelectBackground(),
                       visual_.SelectBkGradient(), false);
      });
      SetTextColor(dc_, static_cast<COLORREF>(ResolveColor(visual_.SelectForeground())));
    } else {
      IgnoringErrors([&] {
        FillBackground(dc_, text, visual_.MultiGradient(), visual_.ItemBackground(),
                       visual_.ItemBkGradient(), false);
      });
      const bool itemColors = !paint_.selected || style_ == mssClear;
      SetTextColor(dc_, static_cast<COLORREF>(ResolveColor(
                            itemColors ? visual_.ItemForeground() : visual_.SelectForeground())));
    }
  }

  void SelectionFrame() {
    const bool image = image_ != nullptr;
    frame_ = {0, image ? 0 : 1, 0, image ? H() - 2 : H() - 1};
    if (rtl_) {
      frame_.left = 1;
      frame_.right = image ? imgBox_.right : W() - 2;
    } else {
      frame_.left = image ? imgBox_.left : 1;
      frame_.right = W() - 2;
    }
    if (image && bar_) {
      frame_.top = 0;
      frame_.right += 1;
    }
    if ((style_ & 15) != mssClear && !Flat()) return;

    // A frame drawn round the entry starts at its top-left corner.
    if ((State() & ODS_HOTLIGHT) || (capSep_ && !paint_.selected)) {
      frame_.left = frame_.top = 0;
      if (Flat()) {
        DrawFlatFrame(dc_, frame_);
      } else if (Bevel()) {
        DrawBevelFrame(dc_, frame_, false);
      } else {
        DrawRaisedFrame(dc_, frame_);
      }
    } else if (paint_.selected && !(capSep_ && !SubMenuShowsItems())) {
      frame_.left = frame_.top = 0;
      if (Flat()) {
        DrawFlatFrame(dc_, frame_);
      } else if (Bevel()) {
        DrawBevelFrame(dc_, frame_, true);
      } else {
        DrawSunkenFrame(dc_, frame_);
      }
    }
  }

  bool SubMenuShowsItems() const {
    const Ref<SubMenu> subMenu = item_.SubMenu();
    return subMenu && subMenu->AnyItemVisible();
  }

  void SeparatorLine() {
    if (item_.Caption() != u"-") return;
    const std::int32_t middle = RoundToLong(H() / 2.0);
    POINT from{frame_.left, middle};
    POINT to{frame_.right, middle};
    if (image_) {
      if (rtl_) {
        to.x -= colR_;
      } else {
        from.x += colL_;
      }
    }
    DrawEtchedLine(dc_, from, to, false, false);
  }

  void CaptionAndAccelerator() {
    // Without its own font the text is still drawn, in the one the paint context holds.
    HFONT itemFont = 0;
    IgnoringErrors([&] {
      itemFont = CreateItemFont(item_.shared_from_this(), dc_, paint_.selected && !paint_.grayed);
    });
    const SelectedObject font(dc_, itemFont);
    IgnoringErrors([&] { Caption(); });
    IgnoringErrors([&] { Accelerator(); });
  }

  void Caption() {
    const CaptionLayout& caption = item_.GetCaptionLines(dc_);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    if (caption.lines.empty()) return;
    std::int32_t y = caption.size.cy < H() ? RoundToLong(H() / 2.0 - caption.size.cy / 2.0 - 1) : 0;
    if (bar_) y += 1;
    std::int32_t x = 0;
    for (const String& line : caption.lines)
      IgnoringErrors([&] { CaptionLine(line, x, y); });
  }

  // One line of the caption at `y`, the line below it next; a line that fails leaves `y`.
  void CaptionLine(const String& line, std::int32_t& x, std::int32_t& y) {
    SIZE extent;
    MeasureText(dc_, line, extent, true);
    x = CaptionX(extent.cx, x);
    const std::size_t marker = MnemonicMarker(line);
    if (marker == StringView::npos || (State() & ODS_NOACCEL)) {
      DrawTextRun(PlainCaption(line), dc_, x, y, Enabled(), true);
      return;
    }
    // The marked character in an underlined copy of the font; the pieces around it in their
    // plain form, so that a literal "&&" shows as one ampersand.
    if (marker > 0) {
      DrawTextRun(PlainCaption(StringView(line).substr(0, marker)), dc_, x, y, Enabled(), false);
    }
    const bool last = marker + 2 >= line.size();
    {
      const SelectedObject underlined(dc_, CreateUnderlinedCopy(dc_));
      DrawTextRun(StringView(line).substr(marker + 1, 1), dc_, x, y, Enabled(), last);
    }
    if (!last) {
      DrawTextRun(PlainCaption(StringView(line).substr(marker + 2)), dc_, x, y, Enabled(), true);
    }
  }

  // Where a caption line of width `lineWidth` starts; an unknown alignment keeps `x`.
  std::int32_t CaptionX(std::int32_t lineWidth, std::int32_t x) {
    const bool plainBarItem = bar_ && !imageStageRan_;
    switch (visual_.TextAlign()) {
      case taLeft:
        return plainBarItem ? layout::kBarCaptionIndent : imgW_ + layout::kCaptionIndent;
      case taRight:
        return plainBarItem ? W() - (lineWidth + layout::kBarCaptionIndent)
                            : W() - (lineWidth + layout::kCaptionIndent + imgW_);
      case taCenter:
        return RoundToLong(W() / 2.0 - lineWidth / 2.0);
      default:
        return x;
    }
  }

  void Accelerator() {
    const String text = AcceleratorText(item_);
    if (text.empty() || visual_.TextAlign() == taCenter) return;
    SIZE extent;
    MeasureText(dc_, text, extent, false);
    std::int32_t x = visual_.TextAlign() == taLeft ? W() - layout::kAcceleratorIndent - extent.cx
                                                   : layout::kAcceleratorIndent;
    std::int32_t y = RoundToLong(H() / 2.0 - extent.cy / 2.0 - 1);
    DrawTextRun(text, dc_, x, y, Enabled(), true);
  }

  MenuItem& item_;
  ItemVisualProperties& visual_;
  EntryPaint& paint_;
  HDC dc_;
  bool bar_ = false;
  bool capSep_ = false;
  bool xp_ = false;
  bool rtl_ = false;
  std::int32_t style_ = 0;
  Ref<Object> image_;
  std::int32_t imgW_ = 0;
  std::int32_t imgH_ = 0;
  std::int32_t colL_ = 0;
  std::int32_t colR_ = 0;
  RECT imgBox_;
  RECT frame_;
  std::int32_t cellColor_ = 0;
  bool imageStageRan_ = false;
  bool imageDone_ = false;
};

// Paints the entry of `request` through the window's paint context. False when it is not the
// library's to paint.
bool PaintEntry(HWND hWnd, const DRAWITEMSTRUCT& request) {
  const Ref<HandleObject> record = WindowRecord(hWnd);
  if (!record || !record->PaintDC()) return false;
  const Ref<Menus> active = Library().activeMenus;
  if (!active) return false;

  EntryPaint paint;
  paint.paintDC = record->PaintDC();
  paint.request = request;
  paint.width = request.rcItem.right - request.rcItem.left + 1;
  paint.height = request.rcItem.bottom - request.rcItem.top;
  paint.disabled = (request.itemState & ODS_DISABLED) != 0;
  paint.grayed = (request.itemState & ODS_GRAYED) != 0;
  paint.selected = (request.itemState & ODS_SELECTED) != 0;

  Ref<Object> object;
  IgnoringErrors(
      [&] { object = active->FindMenuItem(static_cast<std::int32_t>(request.itemID), hWnd); });
  const auto item = std::dynamic_pointer_cast<MenuItem>(object);
  const auto sidebar = std::dynamic_pointer_cast<Sidebar>(object);
  if (!item && !sidebar) return false;

  // Everything is painted off screen first, so the visible entry changes in one step.
  const ScopedObject bitmap(CreateCompatibleBitmap(request.hDC, paint.width, paint.height));
  const HGDIOBJ displaced = SelectObject(paint.paintDC, bitmap.get());
  bool copy = true;
  if (item) {
    ItemPainter(*item, paint).Paint();
  } else {
    IgnoringErrors([&] { copy = PaintSidebar(*sidebar, paint); });
  }
  if (copy) {
    BitBlt(request.hDC, request.rcItem.left, request.rcItem.top, paint.width, paint.height,
           paint.paintDC, 0, 0, SRCCOPY);
  }
  SelectObject(paint.paintDC, displaced);
  return true;
}

}  // namespace

bool DrawItem(HWND hWnd, LPARAM request) {
  if (!hWnd || !IsWindow(hWnd) || !request) return false;
  DRAWITEMSTRUCT record;
  RtlMoveMemory(&record, reinterpret_cast<const void*>(request), sizeof record);
  return PaintEntry(hWnd, record);
}

void RedrawItem(MenuItem& item, HWND hWnd, std::uint32_t state, bool newDC) {
  DRAWITEMSTRUCT request = FromDrawItemRecord(item.Visual()->FetchDrawItem());
  request.hwndItem = hWnd;
  request.itemState = (request.itemState & ~(ODS_SELECTED | ODS_HOTLIGHT)) | state;
  // A new context replaces the stored one even when none could be had: the stored one may be
  // long gone, and painting into nothing is safe.
  const HDC client = newDC ? GetDC(hWnd) : 0;
  if (newDC) request.hDC = client;
  if (hWnd && IsWindow(hWnd)) PaintEntry(hWnd, request);
  if (client) ReleaseDC(hWnd, client);
}

}  // namespace vellum
