#include "native/menubar_hot_tracking.hpp"

#include "items/menu_item.hpp"
#include "model/library_state.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "platform/platform.hpp"
#include "render/draw_item.hpp"
#include "render/item_visual_properties.hpp"
#include "render/scoped_object.hpp"

namespace vellum {
namespace {

using namespace platform;

POINT PointOf(LPARAM lParam) {
  const auto value = static_cast<ULONG_PTR>(lParam);
  return {static_cast<SHORT>(LOWORD(value)), static_cast<SHORT>(HIWORD(value))};
}

// Where an item was last painted, on the screen, one pixel in from every side so that the
// cursor on the line between two entries lights neither. An item never painted has an empty
// rectangle and is never under the cursor.
bool IsUnder(const MenuItem& item, POINT origin, POINT cursor) {
  const RECT r = item.Visual()->FetchDrawItem().rcItem;
  return cursor.x >= r.left + origin.x + 1 && cursor.x < r.right + origin.x - 1 &&
         cursor.y >= r.top + origin.y + 1 && cursor.y < r.bottom + origin.y - 1;
}

Ref<MenuItem> ItemUnder(const Menubar& bar, POINT origin, POINT cursor) {
  for (const Ref<MenuItem>& item : bar.ItemList()) {
    if (IsUnder(*item, origin, cursor)) return item;
  }
  return nullptr;
}

// Points an item's stored paint request at the window context, so that repaints replay it there.
void UseContext(MenuItem& item, HDC windowDC) {
  DrawItemRecord request = item.Visual()->FetchDrawItem();
  request.hDC = static_cast<std::uint32_t>(windowDC);
  item.Visual()->StoreDrawItem(request);
}

void RepaintOn(MenuItem& item, HWND hWnd, HDC windowDC, std::uint32_t state) {
  UseContext(item, windowDC);
  RedrawItem(item, hWnd, state, false);
}

bool IsOpen(const MenuItem& item) {
  return (item.Visual()->FetchDrawItem().itemState & ODS_SELECTED) != 0;
}

POINT OriginOf(HDC hDC) {
  POINT origin{};
  GetDCOrgEx(hDC, &origin);
  return origin;
}

// The mouse moved over the window's frame: light the item under it, darken the one it left.
Ref<MenuItem> MouseMoved(const Menubar& bar, HWND hWnd, const Ref<MenuItem>& hot, UINT_PTR timerId,
                         LPARAM lParam) {
  const WholeWindowDC windowDC(hWnd);
  const POINT origin = OriginOf(windowDC.get());
  Ref<MenuItem> lit = hot;
  Ref<MenuItem> under;
  IgnoringErrors([&] { under = ItemUnder(bar, origin, PointOf(lParam)); });
  if (lit) {
    if (!under) KillTimer(hWnd, timerId);
    if (lit == under) {
      under = nullptr;  // still on the same item: nothing to repaint
    } else if (!IsOpen(*lit)) {
      // An item whose menu is open stays as the platform painted it.
      IgnoringErrors([&] { RepaintOn(*lit, hWnd, windowDC.get(), 0); });
      lit = nullptr;
    }
  }
  if (under) {
    lit = under;
    IgnoringErrors([&] { RepaintOn(*lit, hWnd, windowDC.get(), ODS_HOTLIGHT); });
    SetTimer(hWnd, timerId, kHotTrackingPeriod, nullptr);
  }
  return lit;
}

// The timer's tick: the lit item goes dark once the cursor is off it.
Ref<MenuItem> TimerTicked(HWND hWnd, const Ref<MenuItem>& hot, UINT_PTR timerId) {
  if (!hot) {
    KillTimer(hWnd, timerId);
    return nullptr;
  }
  const WholeWindowDC windowDC(hWnd);
  const POINT origin = OriginOf(windowDC.get());
  UseContext(*hot, windowDC.get());
  POINT cursor{};
  GetCursorPos(&cursor);
  if (IsUnder(*hot, origin, cursor)) return hot;
  IgnoringErrors([&] { RedrawItem(*hot, hWnd, 0, false); });
  KillTimer(hWnd, timerId);
  return nullptr;
}

// A window without a bar of the active set may still get the timer a bar started while its set
// was active: a timer named after a bar of the active set, or after the window's own menu bar,
// stops. (The window's own bar is checked too because a bar of a set that is no longer active
// cannot be found through the active set.)
void StopLeftoverTimer(HWND hWnd, UINT uMsg, WPARAM wParam) {
  if (uMsg != WM_TIMER || wParam == 0) return;
  bool barTimer = static_cast<WPARAM>(GetMenu(hWnd)) == wParam;
  const Ref<Menus> active = Library().activeMenus;
  const String key = DefaultKey(static_cast<std::uint32_t>(wParam));
  if (!barTimer && active && active->MemberCollection()->ContainsKey(key)) {
    barTimer = std::dynamic_pointer_cast<Menubar>(
                   active->MemberCollection()->Item(key).ToObject()) != nullptr;
  }
  if (barTimer) KillTimer(hWnd, wParam);
}

// The bar attached to the window, only while its set is the active one.
Ref<Menubar> GetMenubar(HWND hWnd) {
  const Ref<Menus> active = Library().activeMenus;
  return active ? active->GetMenubar(hWnd) : nullptr;
}

}  // namespace

void HotTrackMenubar(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  Ref<Menubar> bar;
  IgnoringErrors([&] { bar = GetMenubar(hWnd); });
  if (!bar) {
    IgnoringErrors([&] { StopLeftoverTimer(hWnd, uMsg, wParam); });
    return;
  }
  Ref<MenuItem> hot = bar->HotItem();
  const auto timerId = static_cast<UINT_PTR>(bar->hMenu());
  switch (uMsg) {
    case WM_DRAWITEM:
      hot = nullptr;  // the platform is painting the bar itself
      break;
    case WM_NCMOUSEMOVE:
      hot = MouseMoved(*bar, hWnd, hot, timerId, lParam);
      break;
    case WM_TIMER:
      if (wParam != timerId) return;  // another timer: the hot item is left as it is
      hot = TimerTicked(hWnd, hot, timerId);
      break;
    default:
      break;
  }
  bar->SetHotItem(hot);
}

}  // namespace vellum
