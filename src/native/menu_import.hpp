#pragma once
// Importing native menus a window already has: in place (adopting — the object takes over the
// very handle and every entry becomes owner-drawn at its position, keeping its command ID) or as
// a copy (the object keeps its own handle and gets owner-drawn copies; the source is left as it
// was). Nested menus are always copied into the items' own popups.
//
// Each routine stops at the first step that fails and passes the error on (typically an
// accelerator after a Tab that does not parse); what was imported so far stays.

#include "native/import_constants.hpp"
#include "platform/automation/object.hpp"
#include "platform/types.hpp"

namespace vellum {

class Menubar;
class SubMenu;
class SystemMenu;

void ImportMenubar(platform::HMENU source, Menubar& bar, bool adopting, bool tagOriginalIDs,
                   TranslateItemDataConstants translate);
void CopyNativePopup(platform::HMENU source, SubMenu& popup, bool adopting, bool tagOriginalIDs,
                     TranslateItemDataConstants translate);
// Takes over the window's system menu (reset to the platform's default first when
// `revertMenu`), giving the standard entries their captions, pictures and states.
void ImportSystemMenu(platform::HWND hWnd, SystemMenu& menu, bool revertMenu,
                      TranslateItemDataConstants translate);

// A member that imports by name: (handle, optional fTagOriginalIDs, optional fTranslate).
template <class T, class Handle>
MemberTable::Entry ImportMember(String name,
                                void (T::*import)(Handle, bool, TranslateItemDataConstants)) {
  return Custom<T>(std::move(name), [import](T& self, Invocation& call) {
    members::CheckArgumentCount(call, 3);
    (self.*import)(static_cast<Handle>(call.Required(0).ToLong()),
                   members::OptionalArgument(call, 1, false),
                   members::OptionalArgument(call, 2, tdNone));
    return Variant();
  });
}

}  // namespace vellum
