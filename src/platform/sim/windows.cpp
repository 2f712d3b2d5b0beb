// Top-level windows: creation through the driver, placement, the procedure chain
// (GetWindowLongA / SetWindowLongA), destruction, and their geometry for the raster engine.
#include "platform/sim/call_arguments.hpp"
#include "platform/sim/gdi/chrome.hpp"
#include "platform/sim/menu_table.hpp"
#include "platform/sim/surfaces.hpp"
#include "platform/sim/timer_table.hpp"
#include "platform/sim/window_table.hpp"
#include "platform/user32.hpp"

namespace vellum::sim::detail {

using namespace platform;

// The platform destroys a window's menu bar and system menu with the window.
bool DestroyWindowRecord(HWND hWnd) {
  WindowRecord* window = FindWindow(hWnd);
  if (!window || window->destroying) return false;
  window->destroying = true;
  Send(hWnd, WM_DESTROY, 0, 0);
  Send(hWnd, WM_NCDESTROY, 0, 0);
  window = FindWindow(hWnd);
  DestroyMenuTree(window->menu);
  DestroyMenuTree(window->systemMenu);
  KillTimersOf(hWnd);
  DestroySurfaceDC(window->surface);
  RemoveWindow(hWnd);
  return true;
}

std::optional<WindowGeometry> GetWindowGeometry(HWND hWnd) {
  const WindowRecord* window = FindWindow(hWnd);
  if (!window) return std::nullopt;
  return WindowGeometry{window->bounds, ToScreen(*window, ClientArea(*window)), window->surface};
}

std::vector<HWND> WindowsBottomToTop() {
  return WindowsInZOrder();
}

}  // namespace vellum::sim::detail

namespace vellum::sim {

using namespace platform;

HWND CreateWindow(const String& title, const RECT& bounds, WNDPROC proc) {
  detail::WindowRecord record;
  record.title = title;
  record.bounds = bounds;
  record.proc = proc ? proc : &detail::DefaultProcedure;
  detail::RememberProcedure(record.proc);
  record.surface = detail::CreateSurfaceDC(bounds.right - bounds.left, bounds.bottom - bounds.top,
                                           {bounds.left, bounds.top});
  const HWND hWnd = detail::AddWindow(std::move(record));
  const detail::WindowRecord& added = *detail::FindWindow(hWnd);
  detail::PaintWindowFrame(added.surface, detail::CaptionArea(added), detail::ClientArea(added),
                           title);
  return hWnd;
}

void SetPlacement(HWND hWnd, Placement placement) {
  if (detail::WindowRecord* window = detail::FindWindow(hWnd)) window->placement = placement;
}

HWND ActiveWindow() {
  return detail::ActiveWindowSlot();
}

void Activate(HWND hWnd) {
  if (!detail::FindWindow(hWnd)) return;
  detail::ActiveWindowSlot() = hWnd;
  detail::BringToTop(hWnd);
}

std::optional<WindowLayout> LayoutOf(HWND hWnd) {
  const detail::WindowRecord* window = detail::FindWindow(hWnd);
  if (!window) return std::nullopt;
  const RECT bar = detail::LiveMenuOf(*window) ? detail::MenuBarArea(*window) : RECT{};
  return WindowLayout{window->bounds, detail::ToScreen(*window, detail::CaptionArea(*window)),
                      bar.bottom > bar.top ? detail::ToScreen(*window, bar) : RECT{},
                      detail::ToScreen(*window, detail::ClientArea(*window)), window->surface};
}

}  // namespace vellum::sim

namespace vellum::platform {

using sim::detail::Dec;
using sim::detail::Hex;
using sim::detail::LogCall;

BOOL IsWindow(HWND hWnd) {
  LogCall("IsWindow", {{"hWnd", Hex(hWnd)}});
  return sim::detail::FindWindow(hWnd) ? TRUE : FALSE;
}

// Sends WM_DESTROY and WM_NCDESTROY, then destroys the window's menus, timers and surface.
BOOL DestroyWindow(HWND hWnd) {
  LogCall("DestroyWindow", {{"hWnd", Hex(hWnd)}});
  return sim::detail::DestroyWindowRecord(hWnd) ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND hWnd, RECT* lpRect) {
  LogCall("GetWindowRect", {{"hWnd", Hex(hWnd)}});
  const sim::detail::WindowRecord* window = sim::detail::FindWindow(hWnd);
  if (!window || !lpRect) return FALSE;
  *lpRect = window->bounds;
  return TRUE;
}

// showCmd is SW_SHOWNORMAL, SW_SHOWMINIMIZED or SW_SHOWMAXIMIZED; the sim does not move a
// window when its placement changes, so the normal position is its bounds.
BOOL GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT* lpwndpl) {
  LogCall("GetWindowPlacement", {{"hWnd", Hex(hWnd)}});
  const sim::detail::WindowRecord* window = sim::detail::FindWindow(hWnd);
  if (!window || !lpwndpl) return FALSE;
  lpwndpl->length = sizeof(WINDOWPLACEMENT);
  lpwndpl->flags = 0;
  switch (window->placement) {
    case sim::Placement::Normal:
      lpwndpl->showCmd = SW_SHOWNORMAL;
      break;
    case sim::Placement::Minimized:
      lpwndpl->showCmd = SW_SHOWMINIMIZED;
      break;
    case sim::Placement::Maximized:
      lpwndpl->showCmd = SW_SHOWMAXIMIZED;
      break;
  }
  lpwndpl->ptMinPosition = {-1, -1};
  lpwndpl->ptMaxPosition = {-1, -1};
  lpwndpl->rcNormalPosition = window->bounds;
  return TRUE;
}

LONG_PTR GetWindowLongA(HWND hWnd, int nIndex) {
  LogCall("GetWindowLongA", {{"hWnd", Hex(hWnd)}, {"nIndex", Dec(nIndex)}});
  const sim::detail::WindowRecord* window = sim::detail::FindWindow(hWnd);
  if (!window) return 0;
  if (nIndex == GWL_WNDPROC) return reinterpret_cast<LONG_PTR>(window->proc);
  if (nIndex == GWL_USERDATA) return window->userData;
  return 0;
}

// GWL_WNDPROC installs a new procedure and returns the previous one; the sim remembers every
// procedure installed so that CallWindowProcA and IsBadCodePtr know it. A null procedure is
// refused (0, nothing changes), as are indexes other than GWL_WNDPROC and GWL_USERDATA.
LONG_PTR SetWindowLongA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  LogCall("SetWindowLongA", {{"hWnd", Hex(hWnd)},
                             {"nIndex", Dec(nIndex)},
                             {"dwNewLong", Hex(static_cast<ULONG_PTR>(dwNewLong))}});
  sim::detail::WindowRecord* window = sim::detail::FindWindow(hWnd);
  if (!window) return 0;
  if (nIndex == GWL_USERDATA) {
    const LONG_PTR previous = window->userData;
    window->userData = dwNewLong;
    return previous;
  }
  if (nIndex != GWL_WNDPROC || dwNewLong == 0) return 0;
  const LONG_PTR previous = reinterpret_cast<LONG_PTR>(window->proc);
  window->proc = reinterpret_cast<WNDPROC>(dwNewLong);
  sim::detail::RememberProcedure(window->proc);
  return previous;
}

}  // namespace vellum::platform
