#pragma once
// The vertical caption band of a popup or system menu. It stands in its menu as two native
// entries: the band itself and a column break that puts the items into the next column.

#include <cstdint>

#include "items/item_constants.hpp"
#include "platform/automation/object.hpp"

namespace vellum {

class Sidebar : public Object {
 public:
  static Ref<Sidebar> New();

  std::int32_t ItemId() const { return itemId_; }
  std::int32_t BreakId() const { return breakId_; }
  Ref<Object> Parent() const { return parent_.lock(); }
  bool Visible() const { return visible_; }
  // Shows or hides the band: its two entries go in or out of the menu.
  void Visible(bool value);
  bool Enabled() const { return enabled_; }
  SidebarPositionConstants Position() const { return position_; }
  SidebarEscapementConstants Escapement() const { return escapement_; }
  void Escapement(SidebarEscapementConstants value) { escapement_ = value; }

  String ClassName() const override { return u"Vellum10.Sidebar"; }

  // --- for the library ---
  void SetParent(const Ref<Object>& parent) { parent_ = parent; }
  // Takes the band's two entries out of its menu and, when visible, inserts them again at the
  // band's side: the band at 0 and the break at 1 on the left, break then band at the end on
  // the right.
  void Reinsert();
  // Removes the two native entries.
  void RemoveNative();

 protected:
  Sidebar() = default;
  void Created() override;

 private:
  friend class ObjectFactory;

  std::int32_t itemId_ = 0;
  std::int32_t breakId_ = 0;
  std::weak_ptr<Object> parent_;
  bool visible_ = false;
  bool enabled_ = true;
  SidebarPositionConstants position_ = posLeft;
  SidebarEscapementConstants escapement_ = esc90;
};

}  // namespace vellum
