#pragma once
// The library's state on one thread. Everything the library shares between objects lives here,
// one instance per thread, started the first time the library is used on that thread.

#include <cstdint>
#include <optional>

#include "accel/pending_prefix.hpp"
#include "platform/automation/object.hpp"

namespace vellum {

class Collection;
class Menus;
class StdFont;

struct LibraryState {
  // major x 100 + minor, and whether the platform is of the NT family.
  std::int32_t versionNumber = 0;
  bool ntPlatform = false;
  // The size of the native item record: 48 on version 500, 44 elsewhere.
  std::uint32_t itemInfoSize = 44;
  // Wide or narrow native text calls; undecided until first needed.
  std::optional<bool> useWideCalls;
  // The next item ID; IDs are never reused.
  std::int32_t nextItemId = 4680;
  // The active menu set; none after its last registered menu was destroyed.
  Ref<Menus> activeMenus;
  Ref<StdFont> globalFont;
  // The items that popups create for child windows, shared by every window-list popup.
  Ref<Collection> windowList;
  // The windows the library has subclassed; none while there are none.
  Ref<Collection> windowRegistry;
  // The prefix keystroke waiting for the second key of a sequence.
  PendingPrefix pendingPrefix;
};

// This thread's state, started on first use.
LibraryState& Library();

// The platform's menu font, the thread's GlobalFont until a host assigns another; read again
// from the platform when the library-wide objects were released.
Ref<StdFont> GlobalFont();

// The active set's final release: GlobalFont, the unit-conversion object and an empty shared
// window list go with it, to be made again on next use. The window registry goes by itself
// with its last record, never while a window is attached.
void ReleaseLibraryWideObjects();

// The item ID counter: the next ID, never reused.
std::int32_t NextItemId();

// Whether native text goes through the wide calls, decided on first use: the NT family and no
// active set that asks for narrow calls.
bool UseWideCalls();
// Decides it again (the active set's GlobalNoUnicode changed).
void DecideUnicodeMode();

// The key "_H" followed by the upper-case hexadecimal digits of `number`: 4680 gives "_H1248".
String DefaultKey(std::uint32_t number);

}  // namespace vellum
