#pragma once
// The global access object: the active menu set, its top-level items by key, and switching the
// active set (handing the windows of the old set's menu bars to the new set's bars).

#include "platform/automation/object.hpp"

namespace vellum {

class MenuItem;
class Menus;

class MenuLibGlobal : public Object {
 public:
  static Ref<MenuLibGlobal> New();

  // The active menu set, or none after its last registered menu was destroyed.
  Ref<vellum::Menus> Menus() const;
  // The first top-level item with that key (or at that position) in any menu of the active set
  // (91 when there is no active set).
  Ref<MenuItem> MenuItems(const Variant& indexKey) const;
  // Destroys the active set's menus and makes `menuSet` active: every window that showed a
  // menu bar of the old set shows the new set's bar with the same key; `mdiConnection`, when
  // given, is connected to the new bar under the key its own Menubar names.
  void SetActiveMenuSet(const Ref<vellum::Menus>& menuSet,
                        const Ref<Object>& mdiConnection = nullptr);

  String ClassName() const override { return u"Vellum10.MenuLibGlobal"; }

 protected:
  MenuLibGlobal() = default;
  const MemberTable& Members() const override;

 private:
  friend class ObjectFactory;
};

}  // namespace vellum
