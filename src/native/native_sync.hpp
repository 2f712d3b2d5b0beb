#pragma once
// Keeping native menus in step with the objects: every entry the library inserts is
// owner-drawn, carries its object's ID as command ID and no text. Entries are read and written
// through the two record wrappers here, in wide or narrow text as the thread decided.

#include <cstdint>

#include "platform/automation/object.hpp"
#include "platform/user32_types.hpp"

namespace vellum {

class Menu;
class MenuItem;

// Reads entry `item` (a command ID, or a position when `byPosition`) into `record`; the record's
// size is set here. With MIIM_TYPE on a text entry, `text` receives the entry's text. Failures
// are ignored: the record stays as the platform left it.
void GetItemInfo(platform::HMENU hMenu, platform::UINT item, bool byPosition,
                 platform::MENUITEMINFOW& record, String* text = nullptr);
// Writes `record` into entry `item`; `text` goes with a text entry (type 0 with MIIM_TYPE).
void SetItemInfo(platform::HMENU hMenu, platform::UINT item, bool byPosition,
                 platform::MENUITEMINFOW record, const String& text = {});

// Removes the entry of the item or sidebar with ID `id` and, when it is visible, inserts it
// again at its position with its latest state (which also makes the platform measure it).
// `fallback` stands in when the active set does not find the ID.
void ReinsertNativeItem(std::int32_t id, bool relinkParent, const Ref<Object>& fallback);
// Sets every item's neighbours and Index from its list position, then rebuilds the menu's
// accelerator table.
void RelinkItems(Menu& menu);
// Re-inserts every entry of the menu in list order, so that the native order is the list order
// and every entry is measured again.
void RebuildNativeMenu(Menu& menu);
// The native position of an item: its Index, behind a visible left sidebar of a popup.
platform::UINT NativePosition(const MenuItem& item);

}  // namespace vellum
