#pragma once
// The visual style record of one menu item or sidebar: colours of the normal and selected
// states, gradients, selection style, alignment, image box, font and wrap width. It announces
// every change to its owner, and keeps the last measure and draw request made for the owner.

#include <cstdint>

#include "platform/automation/event.hpp"
#include "platform/automation/property_bag.hpp"
#include "platform/automation/std_font.hpp"
#include "platform/types.hpp"
#include "render/visual_constants.hpp"

namespace vellum {

class MultiGradient;

// The platform's measure and draw requests in their 32-bit layouts.
struct MeasureItemRecord {
  std::uint32_t ctlType = 0, ctlId = 0, itemId = 0, itemWidth = 0, itemHeight = 0, itemData = 0;
};
struct DrawItemRecord {
  std::uint32_t ctlType = 0, ctlId = 0, itemId = 0, itemAction = 0, itemState = 0;
  std::uint32_t hwndItem = 0, hDC = 0;
  platform::RECT rcItem;
  std::uint32_t itemData = 0;
};

class ItemVisualProperties : public Object, public Persistable {
 public:
  static constexpr const char16_t* kClassName = u"Vellum10.ItemVisualProperties";
  using Color = std::int32_t;  // an automation colour
  static constexpr Color kNoGradient = -1;

  static Ref<ItemVisualProperties> New();

  TextAlignConstants TextAlign() const { return textAlign_; }
  void TextAlign(TextAlignConstants value);
  PictureVAlignConstants PictureVAlign() const { return pictureVAlign_; }
  void PictureVAlign(PictureVAlignConstants value);
  Ref<StdFont> Font() const { return font_; }
  void Font(const Ref<StdFont>& font);

  Color SelectForeground() const { return selectForeground_; }
  void SelectForeground(Color value);
  Color SelectBackground() const { return selectBackground_; }
  void SelectBackground(Color value);
  Color SelectBkGradient() const { return selectBkGradient_; }
  void SelectBkGradient(Color value);
  Color ItemForeground() const { return itemForeground_; }
  void ItemForeground(Color value);
  Color ItemBackground() const { return itemBackground_; }
  void ItemBackground(Color value);
  Color ItemBkGradient() const { return itemBkGradient_; }
  void ItemBkGradient(Color value);
  Color ItemCheckBackground() const { return itemCheckBackground_; }
  void ItemCheckBackground(Color value);
  Color RunnerColor() const { return runnerColor_; }
  void RunnerColor(Color value);
  Color RunnerSelection() const { return runnerSelection_; }
  void RunnerSelection(Color value);
  Ref<vellum::MultiGradient> MultiGradient() const { return multiGradient_; }
  Ref<vellum::MultiGradient> SelMultiGradient() const { return selMultiGradient_; }

  // Copies the item colours into the selection colours (or, with `takeSelection`, back).
  void UnifyColorScheme(bool takeSelection = false);
  std::int32_t SelectionStyle() const { return selectionStyle_; }
  void SelectionStyle(std::int32_t value);
  bool DrawBoolPic() const { return drawBoolPic_; }
  void DrawBoolPic(bool value);
  bool ScaleImages() const { return scaleImages_; }
  void ScaleImages(bool value);
  std::int32_t ImageScaleWidth() const { return imageScaleWidth_; }
  void ImageScaleWidth(std::int32_t value);
  std::int32_t ImageScaleHeight() const { return imageScaleHeight_; }
  void ImageScaleHeight(std::int32_t value);
  void SizeImage(const Variant& width, const Variant& height = Missing);
  std::int32_t UserWidth() const { return userWidth_; }
  void UserWidth(std::int32_t value);
  std::int32_t UserHeight() const { return userHeight_; }
  void UserHeight(std::int32_t value);
  void UserSize(const Variant& width, const Variant& height = Missing);
  std::int32_t WrapLimit() const { return wrapLimit_; }
  void WrapLimit(std::int32_t value);
  Ref<Object> Item() const { return item_.lock(); }
  Ref<Object> BuddyObject() const { return buddy_; }
  void BuddyObject(const Ref<Object>& buddy) { buddy_ = buddy; }

  // The keys of the record's part of a bag, under `Prefix` + "." when a prefix is given. Loading
  // stores the values as they are: nothing is announced.
  void SaveProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) const;
  void LoadProperties(PropertyBag& PropBag, const Variant& Prefix = Missing);
  // A bag that writes or reads the record as an object value.
  void WriteProperties(PropertyBag& bag) override { SaveProperties(bag); }
  void ReadProperties(PropertyBag& bag) override { LoadProperties(bag); }

  // The name of the property that changed ("TextAlign", "Font.Bold").
  Event<const String&> PropertyChanged;

  String ClassName() const override { return kClassName; }

  // --- for the library ---
  void SetItem(const Ref<Object>& owner) { item_ = owner; }
  void StoreMeasureItem(const MeasureItemRecord& record) { lastMeasure_ = record; }
  MeasureItemRecord FetchMeasureItem() const { return lastMeasure_; }
  void StoreDrawItem(const DrawItemRecord& record) { lastDraw_ = record; }
  DrawItemRecord FetchDrawItem() const { return lastDraw_; }

 protected:
  ItemVisualProperties() = default;
  void Created() override;
  const MemberTable& Members() const override;
  const EventTable& Events() const override;

 private:
  friend class ObjectFactory;

  // Stores first, announces after.
  template <class T>
  void Let(T& field, T value, const char16_t* name) {
    field = value;
    Announce(name);
  }
  void Announce(const String& name);
  // Holds `font` and listens to it, announcing nothing.
  void HoldFont(const Ref<StdFont>& font);
  void OnFontChanged(const String& property);

  TextAlignConstants textAlign_ = taLeft;
  PictureVAlignConstants pictureVAlign_ = ppCenter;
  Ref<StdFont> font_;
  ScopedConnection fontConnection_;
  Color selectForeground_ = 0;
  Color selectBackground_ = 0;
  Color selectBkGradient_ = kNoGradient;
  Color itemForeground_ = 0;
  Color itemBackground_ = 0;
  Color itemBkGradient_ = kNoGradient;
  Color itemCheckBackground_ = 0;
  Color runnerColor_ = 0;
  Color runnerSelection_ = 0;
  Ref<vellum::MultiGradient> multiGradient_;
  Ref<vellum::MultiGradient> selMultiGradient_;
  std::int32_t selectionStyle_ = mssDefault;
  bool drawBoolPic_ = false;
  bool scaleImages_ = true;
  std::int32_t imageScaleWidth_ = 16;
  std::int32_t imageScaleHeight_ = 16;
  std::int32_t userWidth_ = 0;
  std::int32_t userHeight_ = 0;
  std::int32_t wrapLimit_ = 0;
  std::weak_ptr<Object> item_;
  Ref<Object> buddy_;
  MeasureItemRecord lastMeasure_;
  DrawItemRecord lastDraw_;
};

}  // namespace vellum
