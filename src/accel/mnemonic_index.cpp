#include "accel/mnemonic_index.hpp"

#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "model/menu.hpp"

namespace vellum {

std::int32_t FindMnemonicIndex(char16_t character, const Ref<Object>& menu) {
  const Ref<Menu> typed = AsMenu(menu);
  if (!typed) return -1;
  const String marker = FoldCase(String{u'&', character});
  // The platform runs the entry at a native position: hidden items have no entry, and a
  // visible left sidebar stands before the items.
  std::int32_t position = 0;
  if (const Ref<Sidebar> sidebar = typed->Sidebar();
      sidebar && sidebar->Visible() && sidebar->Position() == posLeft) {
    position = 2;
  }
  for (const Ref<MenuItem>& item : typed->ItemList()) {
    if (!item->Visible()) continue;
    if (FoldCase(item->Caption()).find(marker) != String::npos) return position;
    ++position;
  }
  return -1;
}

}  // namespace vellum
