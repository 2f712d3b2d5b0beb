// Messages: sending through a window's procedure chain, calling a previous procedure, and what
// the default procedure does with the messages that reach it.
#include "platform/sim/call_arguments.hpp"
#include "platform/sim/debug_string.hpp"
#include "platform/sim/input_state.hpp"
#include "platform/sim/menu_loop.hpp"
#include "platform/sim/window_table.hpp"
#include "platform/user32.hpp"

namespace vellum::sim::detail {

using namespace platform;

LRESULT Send(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const WindowRecord* window = FindWindow(hWnd);
  if (!window || !window->proc) return 0;
  return window->proc(hWnd, message, wParam, lParam);
}

// The default procedure records what reaches it; window-state system commands change the
// placement, Close asks the window to close, and closing destroys it. The keyboard opens the
// menu bar as on the platform: F10, or Alt pressed and released alone, or Alt+character, ask
// for SC_KEYMENU (with the character), which starts the menu loop from the keyboard.
LRESULT DefaultHandling(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* window = FindWindow(hWnd);
  if (!window) return 0;
  RecordReceived(hWnd, {message, wParam, lParam});
  switch (message) {
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
          window->placement = Placement::Minimized;
          break;
        case SC_MAXIMIZE:
          window->placement = Placement::Maximized;
          break;
        case SC_RESTORE:
          window->placement = Placement::Normal;
          break;
        case SC_CLOSE:
          Send(hWnd, WM_CLOSE, 0, 0);
          break;
        case SC_KEYMENU:
          // Alt+Space is the keyboard's way to the system menu.
          if (LOWORD(lParam) == u' ') {
            TrackSystemMenu(hWnd, true);
          } else {
            TrackMenuBarFromKeyboard(hWnd, static_cast<char16_t>(LOWORD(lParam)));
          }
          break;
      }
      return 0;
    case WM_SYSKEYUP:
      if (wParam == VK_F10 || (wParam == VK_MENU && AltReleasedAlone()))
        Send(hWnd, WM_SYSCOMMAND, SC_KEYMENU, 0);
      return 0;
    case WM_SYSCHAR:
      Send(hWnd, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam & 0xFFFF));
      return 0;
    case WM_CLOSE:
      DestroyWindowRecord(hWnd);
      return 0;
    case WM_NCHITTEST:
      return HitTest(*window, {static_cast<SHORT>(LOWORD(static_cast<ULONG_PTR>(lParam))),
                               static_cast<SHORT>(HIWORD(static_cast<ULONG_PTR>(lParam)))});
    default:
      // WM_MENUCHAR: 0 (ignore and beep); WM_MEASUREITEM / WM_DRAWITEM: not handled.
      return 0;
  }
}

LRESULT DefaultProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultHandling(hWnd, message, wParam, lParam);
}

}  // namespace vellum::sim::detail

namespace vellum::platform {

// Synchronous: through the window's current procedure; 0 for a window that does not exist.
LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  sim::detail::LogCall("SendMessageA",
                       {{"hWnd", sim::detail::Hex(hWnd)},
                        {"Msg", sim::MessageName(Msg)},
                        {"wParam", sim::detail::Hex(wParam)},
                        {"lParam", sim::detail::Hex(static_cast<ULONG_PTR>(lParam))}});
  return sim::detail::Send(hWnd, Msg, wParam, lParam);
}

// Calls only procedures this thread has seen installed (or the default one); any other address
// returns 0 without a call.
LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  const auto address = reinterpret_cast<UINT_PTR>(lpPrevWndFunc);
  sim::detail::LogCall("CallWindowProcA",
                       {{"lpPrevWndFunc", sim::detail::Hex(address)},
                        {"hWnd", sim::detail::Hex(hWnd)},
                        {"Msg", sim::MessageName(Msg)},
                        {"wParam", sim::detail::Hex(wParam)},
                        {"lParam", sim::detail::Hex(static_cast<ULONG_PTR>(lParam))}});
  if (!sim::detail::IsKnownProcedure(address)) return 0;
  return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  sim::detail::LogCall("DefWindowProcA",
                       {{"hWnd", sim::detail::Hex(hWnd)},
                        {"Msg", sim::MessageName(Msg)},
                        {"wParam", sim::detail::Hex(wParam)},
                        {"lParam", sim::detail::Hex(static_cast<ULONG_PTR>(lParam))}});
  return sim::detail::DefaultHandling(hWnd, Msg, wParam, lParam);
}

}  // namespace vellum::platform
