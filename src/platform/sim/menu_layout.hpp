#pragma once
// Internal to the sim: how menus are measured and laid out — popups as columns of entries,
// menu bars as rows under the title bar — and how entries are asked to paint themselves.

#include <cstddef>
#include <vector>

#include "platform/sim/menu_table.hpp"
#include "platform/user32_types.hpp"

namespace vellum::sim::detail {

// Sends WM_MEASUREITEM to `owner` for each owner-drawn entry of the menu that was never
// measured; the answers are kept with the entries.
void MeasureEntries(platform::HMENU hMenu, platform::HWND owner);

// The menu's owner-drawn entries are measured again when next laid out.
void ForgetMeasurements(platform::HMENU hMenu);

struct PopupLayout {
  platform::SIZE size;                  // of the popup's surface
  std::vector<platform::RECT> entries;  // relative to the surface
  std::vector<bool> visible;            // false for entries cut off by the maximum height
};
PopupLayout LayOutPopup(platform::HMENU hMenu);

// Measures the window's bar entries where needed and lays them out into the window record.
void LayOutMenuBar(platform::HWND hWnd);

// The ODS_* bits an entry's own type and state give.
platform::UINT DrawStateOf(const MenuEntry& entry);
// Sends WM_DRAWITEM to `owner` for entry `index` of `hMenu` if it is owner-drawn.
void PaintEntry(platform::HWND owner, platform::HMENU hMenu, std::size_t index, platform::HDC dc,
                const platform::RECT& rect, platform::UINT action, platform::UINT itemState);

// The mnemonic character of a text ("&File" gives "f", folded), 0 for none.
char16_t MnemonicOf(const String& text);

}  // namespace vellum::sim::detail
