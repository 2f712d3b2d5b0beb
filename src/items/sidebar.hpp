#pragma once
// The vertical caption band of a popup or system menu: a tall owner-drawn entry down one edge
// of the menu with a rotated caption, a picture and a style of its own. It stands in its menu
// as two native entries, the band itself and a column break that puts the items into the next
// column; both are there only while the band is visible.

#include <cstdint>

#include "items/caption_layout.hpp"
#include "items/item_constants.hpp"
#include "model/menu_constants.hpp"
#include "platform/automation/event.hpp"
#include "platform/automation/object.hpp"
#include "platform/types.hpp"

namespace vellum {

class ItemVisualProperties;
class Menu;
class PropertyBag;

class Sidebar : public Object {
 public:
  static Ref<Sidebar> New();
  ~Sidebar() override;

  Ref<Object> Parent() const { return parent_.lock(); }
  Ref<Object> TopMostParent() const;
  Ref<ItemVisualProperties> Visual() const { return visual_; }
  void Visual(const Ref<ItemVisualProperties>& visual);
  Ref<Object> Picture() const { return picture_; }
  void Picture(const Ref<Object>& picture);

  std::int32_t ItemId() const { return itemId_; }
  std::int32_t BreakId() const { return breakId_; }
  std::int32_t Index() const { return 0; }
  String Key() const { return key_; }
  void Key(const String& value) { key_ = value; }
  String Caption() const { return caption_; }
  void Caption(const String& value);
  bool Enabled() const { return enabled_; }
  void Enabled(bool value);
  bool Visible() const { return visible_; }
  // Shows or hides the band: its two entries go in or out of the menu.
  void Visible(bool value);
  SidebarEscapementConstants Escapement() const { return escapement_; }
  void Escapement(SidebarEscapementConstants value);
  SidebarPositionConstants Position() const { return position_; }
  void Position(SidebarPositionConstants value);
  bool RightToLeft() const { return rightToLeft_; }
  bool DesignMode() const { return designMode_; }
  MenuTypeConstants ParentType() const { return parentType_; }

  // The item or sidebar with that ID anywhere in the band's menu (13 when the argument is not
  // a number).
  Ref<Object> Search(const Variant& indexKey);

  Ref<Object> BuddyObject() const { return buddy_; }
  void BuddyObject(const Ref<Object>& buddy) { buddy_ = buddy; }

  // As MenuItem.CopyItem, between sidebars.
  Ref<Sidebar> CopyItem(const Variant& Item = Missing, const Variant& IsSource = Missing);
  // The band's keys under `Prefix` + "." when a prefix is given. Loading stores the values as
  // they are, replaces the style and picture, and shows the result in the band's menu.
  void SaveProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) const;
  void LoadProperties(PropertyBag& PropBag, const Variant& Prefix = Missing);

  // The band was chosen, or released with the right mouse button.
  Event<> Click;
  Event<> RightClick;

  String ClassName() const override { return u"Vellum10.Sidebar"; }

  // --- for the library ---
  // A menu becomes the parent with its type and reading order; any other object is a designer.
  void SetParent(const Ref<Object>& parent);

  // Writes the native records of the band and its break; unless `noRefresh`, makes the
  // platform measure the band again.
  void UpdateNative(bool noRefresh);
  // Takes Enabled back from the band's native state.
  void ReadNative();
  bool UpdatesSuspended() const { return updatesSuspended_; }
  void SuspendUpdates() { updatesSuspended_ = true; }
  void ResumeUpdates() { updatesSuspended_ = false; }
  // Raises Click or RightClick for the band's ID and passes the message to the parent.
  platform::LRESULT ExecCmd(platform::WPARAM id, platform::UINT message);
  // The cached caption layout, computed first when needed (hDC 0: the screen).
  const CaptionLayout& GetCaptionLines(platform::HDC hDC);
  // Takes the band's two entries out of its menu and, when visible, inserts them again at the
  // band's side (the band at 0 and the break at 1 on the left, break then band at the end on
  // the right) with their latest state. A hidden band stays suspended.
  void Reinsert();
  // Deletes the two native entries from the parent's menu.
  void RemoveNative();
  // Makes the platform measure and paint the band again.
  void Refresh();

 protected:
  Sidebar() = default;
  void Created() override;
  const MemberTable& Members() const override;
  const EventTable& Events() const override;

 private:
  friend class ObjectFactory;

  // The parent as one of the three menu classes, or none.
  Ref<Menu> ParentMenu() const;
  void ListenTo(const Ref<ItemVisualProperties>& visual);

  std::weak_ptr<Object> parent_;
  Ref<ItemVisualProperties> visual_;
  ScopedConnection visualConnection_;
  Ref<Object> picture_;
  std::int32_t itemId_ = 0;
  std::int32_t breakId_ = 0;
  String key_;
  String caption_;
  bool visible_ = false;
  bool enabled_ = false;
  SidebarEscapementConstants escapement_ = esc90;
  SidebarPositionConstants position_ = posLeft;
  bool rightToLeft_ = false;
  bool designMode_ = false;
  MenuTypeConstants parentType_ = mtcMenubar;
  Ref<Object> buddy_;
  bool updatesSuspended_ = true;
  CaptionLayout captionLayout_;
};

}  // namespace vellum
