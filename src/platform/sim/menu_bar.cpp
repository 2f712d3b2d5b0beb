// Menu bars: a window's menu, its rows of entries under the title bar, and DrawMenuBar, which
// paints the owner-drawn entries on the window's surface.
#include "platform/sim/call_arguments.hpp"
#include "platform/sim/gdi/chrome.hpp"
#include "platform/sim/menu_layout.hpp"
#include "platform/sim/menu_loop.hpp"
#include "platform/sim/window_table.hpp"
#include "platform/user32.hpp"

namespace vellum::sim {

std::vector<platform::RECT> MenuBarEntryRects(platform::HWND hWnd) {
  detail::LayOutMenuBar(hWnd);
  std::vector<platform::RECT> rects;
  if (const detail::WindowRecord* window = detail::FindWindow(hWnd)) {
    for (const platform::RECT& rect : window->bar.entries)
      rects.push_back(detail::ToScreen(*window, rect));
  }
  return rects;
}

}  // namespace vellum::sim

namespace vellum::platform {

using sim::detail::Hex;
using sim::detail::LogCall;

// The bar is laid out (and its entries measured) lazily, when it is drawn or hit-tested, so
// that a procedure installed right after SetMenu still answers the measure requests.
BOOL SetMenu(HWND hWnd, HMENU hMenu) {
  LogCall("SetMenu", {{"hWnd", Hex(hWnd)}, {"hMenu", Hex(hMenu)}});
  sim::detail::WindowRecord* window = sim::detail::FindWindow(hWnd);
  if (!window || (hMenu != 0 && !sim::detail::FindMenu(hMenu))) return FALSE;
  window->menu = hMenu;
  window->bar = {};
  return TRUE;
}

HMENU GetMenu(HWND hWnd) {
  LogCall("GetMenu", {{"hWnd", Hex(hWnd)}});
  const sim::detail::WindowRecord* window = sim::detail::FindWindow(hWnd);
  return window ? sim::detail::LiveMenuOf(*window) : 0;
}

// Measures the bar's owner-drawn entries again (as the platform does at every DrawMenuBar),
// lays the bar out and sends WM_DRAWITEM for each owner-drawn entry, with the window's surface
// and rectangles relative to the window's top-left corner. An entry whose popup is open is
// painted selected. The platform lights no entry by itself (no ODS_HOTLIGHT).
// Painting is synchronous: under Wine the repaint arrives before DrawMenuBar returns.
BOOL DrawMenuBar(HWND hWnd) {
  LogCall("DrawMenuBar", {{"hWnd", Hex(hWnd)}});
  using namespace sim::detail;
  const WindowRecord* shown = FindWindow(hWnd);
  if (!shown) return FALSE;
  if (const HMENU bar = LiveMenuOf(*shown)) ForgetMeasurements(bar);
  LayOutMenuBar(hWnd);
  if (const WindowRecord* window = FindWindow(hWnd))
    PaintMenuBarRow(window->surface, MenuBarArea(*window));
  const int open = OpenBarEntry(hWnd);
  for (std::size_t i = 0;; ++i) {
    const WindowRecord* window = FindWindow(hWnd);
    if (!window || i >= window->bar.entries.size()) break;
    const HMENU menu = LiveMenuOf(*window);
    const MenuEntry* entry = FindEntry({menu, i});
    if (!entry) break;
    UINT state = DrawStateOf(*entry) | ODS_NOACCEL;
    if (static_cast<int>(i) == open) state |= ODS_SELECTED;
    PaintEntry(hWnd, menu, i, window->surface, window->bar.entries[i], ODA_DRAWENTIRE, state);
  }
  return TRUE;
}

// uItem is a position: in the window's menu bar, or in a popup that is open now.
BOOL GetMenuItemRect(HWND hWnd, HMENU hMenu, UINT uItem, RECT* lprcItem) {
  LogCall("GetMenuItemRect",
          {{"hWnd", Hex(hWnd)}, {"hMenu", Hex(hMenu)}, {"uItem", sim::detail::Dec(uItem)}});
  using namespace sim::detail;
  if (!lprcItem || !FindMenu(hMenu)) return FALSE;
  const WindowRecord* window = FindWindow(hWnd);
  if (window && LiveMenuOf(*window) == hMenu) {
    LayOutMenuBar(hWnd);
    window = FindWindow(hWnd);
    if (!window || uItem >= window->bar.entries.size()) return FALSE;
    *lprcItem = ToScreen(*window, window->bar.entries[uItem]);
    return TRUE;
  }
  if (auto rect = OpenPopupEntryRect(hMenu, uItem)) {
    *lprcItem = *rect;
    return TRUE;
  }
  return FALSE;
}

}  // namespace vellum::platform
