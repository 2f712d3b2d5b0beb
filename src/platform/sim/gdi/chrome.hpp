#pragma once
// Internal to the sim: the window manager's own parts — window frames and title bars, the
// menu-bar row behind its entries, and the frame round a popup — painted in the system
// colours straight onto a surface, outside the call log, as the platform paints non-client
// areas without the application's involvement.

#include "platform/automation/string.hpp"
#include "platform/types.hpp"

namespace vellum::sim::detail {

// The window's frame, title bar (icon, title, caption buttons) and, below them, the client
// area; `caption` and `client` are window-relative.
void PaintWindowFrame(platform::HDC surface, const platform::RECT& caption,
                      const platform::RECT& client, const String& title);
// The menu-bar row in the menu colour, before the entries paint themselves over it.
void PaintMenuBarRow(platform::HDC surface, const platform::RECT& row);
// A raised edge round the whole surface of a popup, and the menu colour inside it.
void PaintPopupFrame(platform::HDC surface);
// The arrow of an entry that opens a submenu, at the right of `entry` (surface coordinates),
// in black or white, whichever stands out against what the entry painted there.
void PaintSubmenuArrow(platform::HDC surface, const platform::RECT& entry);

}  // namespace vellum::sim::detail
