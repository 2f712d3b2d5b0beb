#pragma once
// Internal to the sim: the modal menu loop — menus opened from a window's menu bar or system
// menu by the scripted user, and popups tracked with TrackPopupMenu.

#include <cstddef>
#include <optional>

#include "platform/types.hpp"

namespace vellum::sim::detail {

bool TrackMenuBar(platform::HWND hWnd, std::size_t position);
// `fromKeyboard` (Alt+Space): the mouse stays where it is and the menu shows keyboard cues.
bool TrackSystemMenu(platform::HWND hWnd, bool fromKeyboard = false);
// The menu bar worked from the keyboard: with no character its first entry is highlighted and
// nothing opens; with one, the entry with that mnemonic opens (or runs, without a popup).
bool TrackMenuBarFromKeyboard(platform::HWND hWnd, char16_t character);
// The menu-bar entry of the window whose popup is open now, -1 for none.
int OpenBarEntry(platform::HWND hWnd);
// The screen rectangle of an entry of an open popup.
std::optional<platform::RECT> OpenPopupEntryRect(platform::HMENU hMenu, platform::UINT position);

}  // namespace vellum::sim::detail
