#include "items/sidebar.hpp"

#include "model/library_state.hpp"
#include "model/menu.hpp"
#include "platform/platform.hpp"

namespace vellum {

using namespace platform;

Ref<Sidebar> Sidebar::New() {
  return ObjectFactory::Make<Sidebar>();
}

void Sidebar::Created() {
  itemId_ = NextItemId();
  breakId_ = NextItemId();
}

void Sidebar::Visible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Reinsert();
}

void Sidebar::RemoveNative() {
  const Ref<Menu> menu = AsMenu(parent_.lock());
  if (!menu) return;
  RemoveMenu(menu->hMenu(), static_cast<UINT>(itemId_), MF_BYCOMMAND);
  RemoveMenu(menu->hMenu(), static_cast<UINT>(breakId_), MF_BYCOMMAND);
}

void Sidebar::Reinsert() {
  const Ref<Menu> menu = AsMenu(parent_.lock());
  if (!menu) return;
  RemoveNative();
  if (!visible_) return;
  const HMENU hMenu = menu->hMenu();
  // A disabled band is typed as a separator so that it cannot be selected.
  const UINT bandFlags = MF_OWNERDRAW | (enabled_ ? 0 : MF_SEPARATOR);
  const UINT breakFlags = MF_OWNERDRAW | MF_SEPARATOR | MF_MENUBREAK;
  const auto band = static_cast<UINT_PTR>(static_cast<UINT>(itemId_));
  const auto columnBreak = static_cast<UINT_PTR>(static_cast<UINT>(breakId_));
  if (position_ == posLeft) {
    InsertMenuA(hMenu, 0, MF_BYPOSITION | bandFlags, band, nullptr);
    InsertMenuA(hMenu, 1, MF_BYPOSITION | breakFlags, columnBreak, nullptr);
  } else {
    AppendMenuA(hMenu, breakFlags, columnBreak, nullptr);
    AppendMenuA(hMenu, bandFlags, band, nullptr);
  }
}

}  // namespace vellum
