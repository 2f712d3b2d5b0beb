#include "model/menu_lib_global.hpp"

#include <algorithm>
#include <utility>
#include <vector>

#include "items/menu_item.hpp"
#include "model/library_state.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"

namespace vellum {

Ref<MenuLibGlobal> MenuLibGlobal::New() {
  return ObjectFactory::Make<MenuLibGlobal>();
}

Ref<Menus> MenuLibGlobal::Menus() const {
  return Library().activeMenus;
}

Ref<MenuItem> MenuLibGlobal::MenuItems(const Variant& indexKey) const {
  const Ref<vellum::Menus> active = Library().activeMenus;
  if (!active) RaiseError(error::kObjectVariableNotSet);
  return active->ItemByKey(indexKey);
}

void MenuLibGlobal::SetActiveMenuSet(const Ref<vellum::Menus>& menuSet,
                                     const Ref<Object>& mdiConnection) {
  if (!menuSet) return;
  // Every step runs whatever the one before it did.
  String handOver;
  if (mdiConnection) {
    IgnoringErrors([&] {
      const Ref<Object> bar = mdiConnection->Invoke(u"Menubar", CallType::PropertyGet).ToObject();
      if (bar) handOver = bar->Invoke(u"Key", CallType::PropertyGet).ToString();
    });
  }

  LibraryState& state = Library();
  const Ref<vellum::Menus> old = state.activeMenus;
  std::vector<std::pair<platform::HWND, String>> windows;
  if (old) {
    const std::vector<Ref<Object>> kept = menuSet->MemberList();
    for (const Ref<Object>& member : old->MemberList()) {
      // A detached bar has no window to hand over.
      if (const Ref<Menu> menu = AsMenu(member);
          menu && menu->MenuType() == mtcMenubar && menu->hWnd() != 0) {
        windows.emplace_back(menu->hWnd(), menu->Key());
      }
      // Menus built for the new set registered in the old one too: they stay.
      if (std::find(kept.begin(), kept.end(), member) != kept.end()) continue;
      IgnoringErrors([&] { member->Invoke(u"Destroy", CallType::Method); });
    }
    old->SetActive(false);
  }
  state.activeMenus = menuSet;
  menuSet->SetActive(true);

  for (const auto& [hWnd, key] : windows) {
    IgnoringErrors([&, &hWnd = hWnd, &key = key] {
      if (!menuSet->MemberCollection()->ContainsKey(key)) return;
      const auto bar =
          std::dynamic_pointer_cast<Menubar>(menuSet->MemberCollection()->Item(key).ToObject());
      if (bar) bar->SetWindowHandle(hWnd);
    });
  }
  if (!handOver.empty() && menuSet->MemberCollection()->ContainsKey(handOver)) {
    IgnoringErrors([&] {
      const auto bar = std::dynamic_pointer_cast<Menubar>(
          menuSet->MemberCollection()->Item(handOver).ToObject());
      if (bar) mdiConnection->Invoke(u"Connect", CallType::Method, {Variant(bar)});
    });
  }
}

const MemberTable& MenuLibGlobal::Members() const {
  static const MemberTable table(
      {
          ReadOnly(u"Menus", &MenuLibGlobal::Menus),
          ReadOnly(u"MenuItems", &MenuLibGlobal::MenuItems),
          Custom<MenuLibGlobal>(u"SetActiveMenuSet",
                                [](MenuLibGlobal& self, Invocation& call) {
                                  members::CheckArgumentCount(call, 2);
                                  const Variant& set = call.Required(0);
                                  const Variant& mdi = call.Arg(1);
                                  self.SetActiveMenuSet(
                                      set.IsObject() ? set.ToObjectOf<vellum::Menus>() : nullptr,
                                      mdi.IsObject() ? mdi.ToObject() : nullptr);
                                  return Variant();
                                }),
      },
      &Object::Members());
  return table;
}

}  // namespace vellum
