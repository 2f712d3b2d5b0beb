#pragma once
// One entry of a menu bar, popup or system menu: caption, pictures, check and radio state,
// separator kind, visual style and accelerator of one owner-drawn native entry. Every property
// change is written through to the native entry at once.

#include <cstdint>

#include "items/caption_layout.hpp"
#include "items/item_constants.hpp"
#include "model/menu_constants.hpp"
#include "platform/automation/event.hpp"
#include "platform/automation/object.hpp"
#include "platform/types.hpp"

namespace vellum {

class Accelerator;
class ItemVisualProperties;
class Menu;
class PropertyBag;
class SubMenu;

// The native entry record an item last computed.
struct NativeItemRecord {
  platform::UINT mask = 0;
  platform::UINT type = 0;
  platform::UINT state = 0;
  platform::UINT id = 0;
  platform::HMENU subMenu = 0;
};

class MenuItem : public Object {
 public:
  static Ref<MenuItem> New();
  ~MenuItem() override;

  Ref<MenuItem> PrevItem() const { return prevItem_.lock(); }
  Ref<MenuItem> NextItem() const { return nextItem_.lock(); }
  Ref<Object> Parent() const { return parent_.lock(); }
  Ref<vellum::SubMenu> SubMenu() const { return subMenu_; }
  Ref<Object> TopMostParent() const;
  Ref<vellum::Accelerator> Accelerator() const { return accelerator_; }
  Ref<ItemVisualProperties> Visual() const { return visual_; }
  void Visual(const Ref<ItemVisualProperties>& visual);
  Ref<Object> Picture() const { return picture_; }
  void Picture(const Ref<Object>& picture);
  Ref<Object> CheckedPicture() const { return checkedPicture_; }
  void CheckedPicture(const Ref<Object>& picture);

  std::int32_t ItemId() const { return itemId_; }
  std::int32_t Index() const { return index_; }
  String Key() const { return key_; }
  void Key(const String& value) { key_ = value; }
  String Tag() const { return tag_; }
  void Tag(const String& value) { tag_ = value; }
  std::int32_t ItemData() const { return itemData_; }
  void ItemData(std::int32_t value) { itemData_ = value; }
  // The zero-terminated text at the address ItemData holds (imported entries carry one).
  String ItemData_String() const;
  String CaptionPlain() const;
  String Caption() const { return caption_; }
  void Caption(const String& value);

  bool Checkmark() const { return checkmark_; }
  void Checkmark(bool value);
  bool RadioGroup() const { return radioGroup_; }
  void RadioGroup(bool value);
  bool Checked() const { return checked_; }
  void Checked(bool value);
  bool Enabled() const { return enabled_; }
  void Enabled(bool value);
  bool Grayed() const { return grayed_; }
  void Grayed(bool value);
  bool Visible() const { return visible_; }
  void Visible(bool value);
  bool Default() const { return default_; }
  void Default(bool value);
  bool Separator() const { return separator_; }
  void Separator(bool value);
  SeparatorTypeConstants SeparatorType() const { return separatorType_; }
  void SeparatorType(SeparatorTypeConstants value);
  bool RightAlign() const { return rightAlign_; }
  void RightAlign(bool value);
  bool RightToLeft() const { return rightToLeft_; }
  bool DesignMode() const { return designMode_; }
  MenuTypeConstants ParentType() const { return parentType_; }

  // The item or sidebar with that ID anywhere below this item (13 when the argument is not a
  // number).
  Ref<Object> Search(const Variant& indexKey);

  Ref<Object> BuddyObject() const { return buddy_; }
  void BuddyObject(const Ref<Object>& buddy) { buddy_ = buddy; }

  // Copies the item's saved state between this item and `Item` (a new item when missing or
  // none) through a fresh bag: with `IsSource` True from this item to `Item`, otherwise from
  // `Item` to this item. Returns the other item; bag failures reach the caller.
  Ref<MenuItem> CopyItem(const Variant& Item = Missing, const Variant& IsSource = Missing);
  // The item's keys under `Prefix` + "." when a prefix is given, its popup under "SubMenu".
  // Loading stores the values as they are (no property side effects), replaces the style,
  // accelerator and pictures, and rebuilds the popup; the item keeps its own ID.
  void SaveProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) const;
  void LoadProperties(PropertyBag& PropBag, const Variant& Prefix = Missing);

  // The entry was chosen, or released with the right mouse button.
  Event<> Click;
  Event<> RightClick;

  String ClassName() const override { return u"Vellum10.MenuItem"; }
  Variant DefaultValue() override { return caption_; }

  // --- for the library ---
  void SetPrevItem(const Ref<MenuItem>& item) { prevItem_ = item; }
  void SetNextItem(const Ref<MenuItem>& item) { nextItem_ = item; }
  void SetItemId(std::int32_t id);
  void SetIndex(std::int32_t index) { index_ = index; }
  void SetRightToLeft(bool value);
  void SetDesignMode(bool value) { designMode_ = value; }
  void SetParentType(MenuTypeConstants type) { parentType_ = type; }
  void SetSubMenu(const Ref<vellum::SubMenu>& subMenu);
  void SetParent(const Ref<Object>& parent);

  // Recomputes the native entry and writes it; unless `noRefresh`, makes the platform measure
  // and paint it again.
  void UpdateNative(bool noRefresh);
  // Copies the native type and state back into the properties.
  void ReadNative();
  bool UpdatesSuspended() const { return updatesSuspended_; }
  void SuspendUpdates() { updatesSuspended_ = true; }
  void ResumeUpdates() { updatesSuspended_ = false; }
  const NativeItemRecord& NativeInfo() const { return nativeInfo_; }
  // Raises Click or RightClick for this item's ID and passes the message to the parent.
  platform::LRESULT ExecCmd(platform::WPARAM id, platform::UINT message);
  // The cached caption layout, computed first when needed (hDC 0: the screen).
  const CaptionLayout& GetCaptionLines(platform::HDC hDC);
  // Deletes the native entry from the parent's menu.
  void RemoveNative();
  // Makes the platform measure and paint the entry again.
  void Refresh();

 protected:
  MenuItem() = default;
  void Created() override;
  const MemberTable& Members() const override;
  const EventTable& Events() const override;

 private:
  friend class ObjectFactory;

  // The parent as one of the three menu classes, or none.
  Ref<Menu> ParentMenu() const;
  // Takes a style or accelerator as the item's own, listening to it, without a native update.
  void AdoptVisual(const Ref<ItemVisualProperties>& visual);
  void AdoptAccelerator(const Ref<vellum::Accelerator>& accelerator);
  void ListenToVisual();
  void OnVisualChanged(const String& property);

  std::weak_ptr<Object> parent_;
  std::weak_ptr<MenuItem> prevItem_;
  std::weak_ptr<MenuItem> nextItem_;
  Ref<vellum::SubMenu> subMenu_;
  Ref<Object> picture_;
  Ref<Object> checkedPicture_;
  Ref<ItemVisualProperties> visual_;
  ScopedConnection visualConnection_;
  Ref<vellum::Accelerator> accelerator_;
  ScopedConnection acceleratorConnection_;
  std::int32_t itemId_ = 0;
  std::int32_t index_ = 0;
  String key_;
  String caption_;
  String tag_;
  std::int32_t itemData_ = 0;
  bool checked_ = false;
  bool radioGroup_ = false;
  bool checkmark_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  bool grayed_ = false;
  bool default_ = false;
  bool separator_ = false;
  SeparatorTypeConstants separatorType_ = mstNormal;
  bool rightAlign_ = false;
  bool rightToLeft_ = false;
  bool designMode_ = false;
  MenuTypeConstants parentType_ = mtcMenubar;
  Ref<Object> buddy_;
  bool updatesSuspended_ = true;
  NativeItemRecord nativeInfo_;
  CaptionLayout captionLayout_;
};

// Under the active set's flat draw style a new entry selects in the flat look: a bar entry as a
// coloured box with a frame, a popup entry with the frame added to its own look.
void ApplyFlatSelection(MenuItem& item, bool barEntry);

}  // namespace vellum
