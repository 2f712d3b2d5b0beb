#include "render/item_visual_properties.hpp"

#include "items/menu_item.hpp"
#include "items/sub_menu.hpp"
#include "model/menubar.hpp"
#include "platform/automation/announce.hpp"
#include "platform/automation/bag_section.hpp"
#include "platform/platform.hpp"
#include "render/colors.hpp"
#include "render/multi_gradient.hpp"

namespace vellum {
namespace {

using Color = ItemVisualProperties::Color;

// System colours as automation colours: the high bit set, the index below.
constexpr Color SystemColor(int index) {
  return static_cast<Color>(0x80000000u | index);
}
constexpr Color kHighlightText = SystemColor(14);
constexpr Color kHighlight = SystemColor(13);
constexpr Color kMenuText = SystemColor(7);
constexpr Color kMenu = SystemColor(4);
constexpr Color kAppWorkspace = SystemColor(12);
constexpr Color kInfoBackground = SystemColor(24);
constexpr Color kPureBlue = 0xFF0000;

[[maybe_unused]] const bool kPersistable = (RegisterPersistable<ItemVisualProperties>(), true);

}  // namespace

Ref<ItemVisualProperties> ItemVisualProperties::New() {
  return ObjectFactory::Make<ItemVisualProperties>();
}

void ItemVisualProperties::Created() {
  textAlign_ = taLeft;
  pictureVAlign_ = ppCenter;
  multiGradient_ = vellum::MultiGradient::New();
  selMultiGradient_ = vellum::MultiGradient::New();
  itemForeground_ = kMenuText;
  itemBackground_ = kMenu;
  itemBkGradient_ = kNoGradient;
  itemCheckBackground_ = kAppWorkspace;
  selectForeground_ = kHighlightText;
  selectBackground_ = kHighlight;
  selectBkGradient_ = kNoGradient;
  // The runner colours are mixed once from the hot-tracking colour as plain RGB values.
  const auto hotTrack = static_cast<Color>(platform::GetSysColor(platform::COLOR_HOTLIGHT));
  runnerColor_ = MixColor(0xBBFFFF, hotTrack);
  runnerSelection_ = MixColor(0xAFAFAF, hotTrack);
  scaleImages_ = true;
  // Nobody listens yet: the owner's SetItem comes after construction.
  SizeImage(16, 16);
}

void ItemVisualProperties::Announce(const String& name) {
  vellum::Announce(buddy_, u"ItemVisualProperties_PropertyChanged", PropertyChanged, name);
}

// The plain lets store, then announce with the errors of the notification ignored.
void ItemVisualProperties::TextAlign(TextAlignConstants value) {
  IgnoringErrors([&] { Let(textAlign_, value, u"TextAlign"); });
}
void ItemVisualProperties::PictureVAlign(PictureVAlignConstants value) {
  IgnoringErrors([&] { Let(pictureVAlign_, value, u"PictureVAlign"); });
}
void ItemVisualProperties::SelectForeground(Color value) {
  IgnoringErrors([&] { Let(selectForeground_, value, u"SelectForeground"); });
}
void ItemVisualProperties::SelectBackground(Color value) {
  IgnoringErrors([&] { Let(selectBackground_, value, u"SelectBackground"); });
}
void ItemVisualProperties::SelectBkGradient(Color value) {
  IgnoringErrors([&] { Let(selectBkGradient_, value, u"SelectBkGradient"); });
}
void ItemVisualProperties::ItemForeground(Color value) {
  IgnoringErrors([&] { Let(itemForeground_, value, u"ItemForeground"); });
}
void ItemVisualProperties::ItemBackground(Color value) {
  IgnoringErrors([&] { Let(itemBackground_, value, u"ItemBackground"); });
}
void ItemVisualProperties::ItemBkGradient(Color value) {
  IgnoringErrors([&] { Let(itemBkGradient_, value, u"ItemBkGradient"); });
}
void ItemVisualProperties::ItemCheckBackground(Color value) {
  IgnoringErrors([&] { Let(itemCheckBackground_, value, u"ItemCheckBackground"); });
}
void ItemVisualProperties::RunnerColor(Color value) {
  IgnoringErrors([&] { Let(runnerColor_, value, u"RunnerColor"); });
}
void ItemVisualProperties::RunnerSelection(Color value) {
  IgnoringErrors([&] { Let(runnerSelection_, value, u"RunnerSelection"); });
}
void ItemVisualProperties::DrawBoolPic(bool value) {
  IgnoringErrors([&] { Let(drawBoolPic_, value, u"DrawBoolPic"); });
}
void ItemVisualProperties::ScaleImages(bool value) {
  IgnoringErrors([&] { Let(scaleImages_, value, u"ScaleImages"); });
}
void ItemVisualProperties::ImageScaleWidth(std::int32_t value) {
  IgnoringErrors([&] { Let(imageScaleWidth_, value, u"ImageScaleWidth"); });
}
void ItemVisualProperties::ImageScaleHeight(std::int32_t value) {
  IgnoringErrors([&] { Let(imageScaleHeight_, value, u"ImageScaleHeight"); });
}
void ItemVisualProperties::UserWidth(std::int32_t value) {
  IgnoringErrors([&] { Let(userWidth_, value, u"UserWidth"); });
}
void ItemVisualProperties::UserHeight(std::int32_t value) {
  IgnoringErrors([&] { Let(userHeight_, value, u"UserHeight"); });
}

void ItemVisualProperties::WrapLimit(std::int32_t value) {
  if (value == wrapLimit_) return;
  IgnoringErrors([&] { Let(wrapLimit_, value, u"WrapLimit"); });
}

void ItemVisualProperties::SelectionStyle(std::int32_t value) {
  if (value == selectionStyle_) return;
  // Only colours still at the defaults of the old style follow the new one.
  if (value == mssDefault || value == mssColor) {
    if (selectForeground_ == kPureBlue) selectForeground_ = kHighlightText;
    if (selectBackground_ == kMenu) selectBackground_ = kHighlight;
  } else if (value == mssHotTrack) {
    if (selectForeground_ == kHighlightText) selectForeground_ = kPureBlue;
    if (selectBackground_ == kHighlight) selectBackground_ = kMenu;
  } else if ((value & mssFlat) == mssFlat) {
    if (selectForeground_ == kHighlightText) selectForeground_ = kPureBlue;
    if (selectBackground_ == kHighlight) selectBackground_ = kInfoBackground;
  }
  if (value == mssClear) UnifyColorScheme(false);
  Let(selectionStyle_, value, u"SelectionStyle");
}

void ItemVisualProperties::UnifyColorScheme(bool takeSelection) {
  if (takeSelection) {
    multiGradient_ = selMultiGradient_->CopyColors();
    itemForeground_ = selectForeground_;
    itemBackground_ = selectBackground_;
    itemBkGradient_ = selectBkGradient_;
  } else {
    selMultiGradient_ = multiGradient_->CopyColors();
    selectForeground_ = itemForeground_;
    selectBackground_ = itemBackground_;
    selectBkGradient_ = itemBkGradient_;
  }
}

void ItemVisualProperties::SizeImage(const Variant& width, const Variant& height) {
  imageScaleWidth_ = width.ToLong();
  if (!height.IsMissing()) imageScaleHeight_ = height.ToLong();
  scaleImages_ = imageScaleWidth_ != 0 || imageScaleHeight_ != 0;
  Announce(u"ImageScale");
}

void ItemVisualProperties::UserSize(const Variant& width, const Variant& height) {
  IgnoringErrors([&] { userWidth_ = width.ToLong(); });
  if (!height.IsMissing()) IgnoringErrors([&] { userHeight_ = height.ToLong(); });
  IgnoringErrors([&] { Announce(u"UserSize"); });
}

void ItemVisualProperties::Font(const Ref<StdFont>& font) {
  HoldFont(font);
  if (const auto item = std::dynamic_pointer_cast<MenuItem>(item_.lock())) {
    IgnoringErrors([&] { item->SubMenu()->Font(font); });
  }
  IgnoringErrors([&] { Announce(u"Font"); });
}

void ItemVisualProperties::HoldFont(const Ref<StdFont>& font) {
  font_ = font;
  fontConnection_ = ScopedConnection();
  if (!font_) return;
  const std::weak_ptr<ItemVisualProperties> self = Self<ItemVisualProperties>();
  fontConnection_ = font_->FontChanged.Connect([self](const String& property) {
    if (const auto visual = self.lock()) visual->OnFontChanged(property);
  });
}

void ItemVisualProperties::OnFontChanged(const String& property) {
  IgnoringErrors([&] {
    if (const auto item = std::dynamic_pointer_cast<MenuItem>(item_.lock())) {
      const Ref<Menu> parent = AsMenu(item->Parent());
      if (parent && parent->MenuType() == mtcMenubar) {
        platform::DrawMenuBar(parent->hWnd());
      }
    }
    Announce(u"Font." + property);
  });
}

void ItemVisualProperties::SaveProperties(PropertyBag& PropBag, const Variant& Prefix) const {
  const BagSection bag(PropBag, Prefix);
  bag.WriteObject(u"Font", font_);
  multiGradient_->SaveProperties(PropBag, bag.Key(u"MultiGrad"));
  selMultiGradient_->SaveProperties(PropBag, bag.Key(u"SelMultiGrad"));
  bag.Write(u"ItemForeground", itemForeground_);
  bag.Write(u"ItemBackground", itemBackground_);
  bag.Write(u"ItemBkGradient", itemBkGradient_);
  bag.Write(u"RunnerColor", runnerColor_);
  bag.Write(u"RunnerSelection", runnerSelection_);
  bag.Write(u"ItemCheckBackground", itemCheckBackground_);
  bag.Write(u"SelectForeground", selectForeground_);
  bag.Write(u"SelectBackground", selectBackground_);
  bag.Write(u"SelectBkGradient", selectBkGradient_);
  bag.Write(u"UserWidth", userWidth_);
  bag.Write(u"UserHeight", userHeight_);
  bag.Write(u"ImageScaleWidth", imageScaleWidth_);
  bag.Write(u"ImageScaleHeight", imageScaleHeight_);
  bag.Write(u"ScaleImages", scaleImages_);
  bag.Write(u"SelectionStyle", selectionStyle_);
  bag.Write(u"DrawBoolPic", drawBoolPic_);
  bag.Write(u"TextAlign", textAlign_);
  bag.Write(u"PictureVAlign", pictureVAlign_);
}

void ItemVisualProperties::LoadProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const BagSection bag(PropBag, Prefix);
  HoldFont(bag.ReadObject(u"Font", font_));
  multiGradient_->LoadProperties(PropBag, bag.Key(u"MultiGrad"));
  selMultiGradient_->LoadProperties(PropBag, bag.Key(u"SelMultiGrad"));
  itemForeground_ = bag.ReadLong(u"ItemForeground", itemForeground_);
  itemBackground_ = bag.ReadLong(u"ItemBackground", itemBackground_);
  itemBkGradient_ = bag.ReadLong(u"ItemBkGradient", itemBkGradient_);
  runnerColor_ = bag.ReadLong(u"RunnerColor", runnerColor_);
  runnerSelection_ = bag.ReadLong(u"RunnerSelection", runnerSelection_);
  itemCheckBackground_ = bag.ReadLong(u"ItemCheckBackground", itemCheckBackground_);
  selectForeground_ = bag.ReadLong(u"SelectForeground", selectForeground_);
  selectBackground_ = bag.ReadLong(u"SelectBackground", selectBackground_);
  selectBkGradient_ = bag.ReadLong(u"SelectBkGradient", selectBkGradient_);
  userWidth_ = bag.ReadLong(u"UserWidth", userWidth_);
  userHeight_ = bag.ReadLong(u"UserHeight", userHeight_);
  imageScaleWidth_ = bag.ReadLong(u"ImageScaleWidth", imageScaleWidth_);
  imageScaleHeight_ = bag.ReadLong(u"ImageScaleHeight", imageScaleHeight_);
  scaleImages_ = bag.ReadBool(u"ScaleImages", scaleImages_);
  selectionStyle_ = bag.ReadLong(u"SelectionStyle", selectionStyle_);
  drawBoolPic_ = bag.ReadBool(u"DrawBoolPic", drawBoolPic_);
  textAlign_ = static_cast<TextAlignConstants>(bag.ReadLong(u"TextAlign", textAlign_));
  pictureVAlign_ =
      static_cast<PictureVAlignConstants>(bag.ReadLong(u"PictureVAlign", pictureVAlign_));
}

const MemberTable& ItemVisualProperties::Members() const {
  using IVP = ItemVisualProperties;
  static const MemberTable table(
      {
          Property(u"TextAlign", &IVP::TextAlign, &IVP::TextAlign),
          Property(u"PictureVAlign", &IVP::PictureVAlign, &IVP::PictureVAlign),
          Property(u"Font", &IVP::Font, &IVP::Font),
          Property(u"SelectBackground", &IVP::SelectBackground, &IVP::SelectBackground),
          Property(u"SelectBkGradient", &IVP::SelectBkGradient, &IVP::SelectBkGradient),
          Property(u"SelectForeground", &IVP::SelectForeground, &IVP::SelectForeground),
          Property(u"ItemBackground", &IVP::ItemBackground, &IVP::ItemBackground),
          Property(u"ItemBkGradient", &IVP::ItemBkGradient, &IVP::ItemBkGradient),
          Property(u"ItemForeground", &IVP::ItemForeground, &IVP::ItemForeground),
          Property(u"ItemCheckBackground", &IVP::ItemCheckBackground, &IVP::ItemCheckBackground),
          Property(u"RunnerColor", &IVP::RunnerColor, &IVP::RunnerColor),
          Property(u"RunnerSelection", &IVP::RunnerSelection, &IVP::RunnerSelection),
          ReadOnly(u"MultiGradient", &IVP::MultiGradient),
          ReadOnly(u"SelMultiGradient", &IVP::SelMultiGradient),
          Custom<IVP>(u"UnifyColorScheme",
                      [](IVP& self, Invocation& call) {
                        members::CheckArgumentCount(call, 1);
                        self.UnifyColorScheme(members::OptionalArgument(call, 0, false));
                        return Variant();
                      }),
          Property(u"SelectionStyle", &IVP::SelectionStyle, &IVP::SelectionStyle),
          Property(u"DrawBoolPic", &IVP::DrawBoolPic, &IVP::DrawBoolPic),
          Property(u"ScaleImages", &IVP::ScaleImages, &IVP::ScaleImages),
          Property(u"ImageScaleWidth", &IVP::ImageScaleWidth, &IVP::ImageScaleWidth),
          Property(u"ImageScaleHeight", &IVP::ImageScaleHeight, &IVP::ImageScaleHeight),
          Method(u"SizeImage", &IVP::SizeImage),
          Property(u"UserWidth", &IVP::UserWidth, &IVP::UserWidth),
          Property(u"UserHeight", &IVP::UserHeight, &IVP::UserHeight),
          Method(u"UserSize", &IVP::UserSize),
          Property(u"WrapLimit", &IVP::WrapLimit, &IVP::WrapLimit),
          ReadOnly(u"Item", &IVP::Item),
          SavePropertiesMember<IVP>(),
          LoadPropertiesMember<IVP>(),
          Property(u"BuddyObject", &IVP::BuddyObject, &IVP::BuddyObject),
      },
      &Object::Members());
  return table;
}

const EventTable& ItemVisualProperties::Events() const {
  static const EventTable table(
      {
          EventMember(u"PropertyChanged", &ItemVisualProperties::PropertyChanged,
                      {u"PropertyName"}),
      },
      &Object::Events());
  return table;
}

}  // namespace vellum
