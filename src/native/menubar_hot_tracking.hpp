#pragma once
// Hot tracking of a window's closed menu bar: the platform does not light owner-drawn bar
// entries under the mouse, so the library repaints them itself, and a short timer notices when
// the cursor has gone.

#include "platform/types.hpp"

namespace vellum {

// How often a lit entry checks whether the cursor is still on it.
constexpr platform::UINT kHotTrackingPeriod = 50;

// Follows the cursor over the window's menu bar for WM_NCMOUSEMOVE, WM_TIMER (the timer's ID
// is the bar's menu handle) and WM_DRAWITEM (the platform repaints the bar itself); any other
// message changes nothing.
void HotTrackMenubar(platform::HWND hWnd, platform::UINT uMsg, platform::WPARAM wParam,
                     platform::LPARAM lParam);

}  // namespace vellum
