// The reference the simulated menu manager is checked against: what the platform does with
// owner-drawn entries and the menu-bar keyboard. It is not part of the test build (the sim's
// tests compare with the figures below); rebuild and run it when the sim's imitation is in
// doubt.
//
//   x86_64-w64-mingw32-g++ -O2 -static -o owner_draw_sizes.exe owner_draw_sizes.cpp -lgdi32
//   Xvfb :57 &
//   DISPLAY=:57 WINEPREFIX=/tmp/wineprefix-hot WINEARCH=win64 WINEDEBUG=-all
//     /usr/lib/wine/wine64 owner_draw_sizes.exe
//
// It printed, under Wine 8.0 (64-bit, default prefix; bar rectangles in window coordinates
// from the draw requests):
//
//   SM_CXMENUCHECK 13 SM_CYMENU 19
//   measure 1001 answered 100x20
//   measure 1002 answered 100x20
//   bar entry 0 (4,1)-(118,19)
//   bar entry 1 (118,1)-(232,19)
//   draw 1001 (4,24)-(118,42) state 0x0 action 0x1
//   draw 1002 (118,24)-(232,42) state 0x0 action 0x1
//   draw 1001 (4,24)-(118,42) state 0x0 action 0x1
//   draw 1002 (118,24)-(232,42) state 0x0 action 0x1
//   measure 1001 answered 100x20
//   measure 1002 answered 100x20
//   draw 1001 (4,24)-(118,42) state 0x0 action 0x1
//   draw 1002 (118,24)-(232,42) state 0x0 action 0x1
//   DrawMenuBar returned
//   -- mouse over bar entry 1
//   -- popup
//   measure 2001 answered 100x20
//   draw 2001 (3,3)-(117,23) state 0x0 action 0x1
//   -- Alt
//   draw 1001 (4,24)-(118,42) state 0x1 action 0x2
//   -- Down
//   measure 3001 answered 100x20
//   draw 3001 (3,3)-(117,23) state 0x0 action 0x1
//   draw 3001 (3,3)-(117,23) state 0x1 action 0x2
//   -- Escape
//   draw 3001 (3,3)-(117,23) state 0x0 action 0x2
//   -- Escape
//   draw 1001 (4,24)-(118,42) state 0x0 action 0x2
//   -- F10 then Right
//   draw 1001 (4,24)-(118,42) state 0x1 action 0x2
//   draw 1001 (4,24)-(118,42) state 0x0 action 0x2
//   draw 1002 (118,24)-(232,42) state 0x1 action 0x2
//   -- Escape
//   draw 1002 (118,24)-(232,42) state 0x0 action 0x2
//   -- Alt+F
//   menuchar 'f' flags 0x0 menu bar
//   draw 1001 (4,24)-(118,42) state 0x1 action 0x2
//   -- (the popup opens from a key the platform posted)
//   -- Escape
//   measure 3001 answered 100x20
//   draw 3001 (3,3)-(117,23) state 0x0 action 0x1
//   draw 3001 (3,3)-(117,23) state 0x1 action 0x2
//   draw 3001 (3,3)-(117,23) state 0x0 action 0x2
//   -- Escape
//   draw 1001 (4,24)-(118,42) state 0x0 action 0x2
//   -- done
//
// That is: the platform draws an owner-drawn entry its answered width plus a check-mark width
// (SM_CXMENUCHECK + 1 = 14) wider, in popups and in the bar alike; bar entries start at x = 4
// and are 18 high (the bar row's height less one), not their answered 20; every DrawMenuBar
// measures the bar's entries again and, here, repaints them before it returns; the mouse over a
// closed bar lights nothing; a bar entry chosen from the keyboard is painted ODS_SELECTED
// without a popup, Down opens its popup with the first entry selected, the first Escape closes
// the popup and the second leaves the bar; Right moves along the bar without opening; Alt+F asks
// the window with WM_MENUCHAR (flags 0, the bar's handle) and then opens the entry's popup with
// its first entry selected. (The GetMenuItemRect lines are off by one row: the program's own
// sum of the frame.) Wine sends neither ODS_HOTLIGHT nor ODS_NOACCEL; the sim keeps
// ODS_NOACCEL for menus worked with the mouse only, as the classic platform hides keyboard cues.
#include <windows.h>

#include <cstdio>

namespace {

constexpr UINT kBarFile = 1001, kBarEdit = 1002, kTracked = 2001, kFileOpen = 3001;
constexpr UINT kStep = WM_APP + 1;
HMENU g_bar;

void Say(const char* text) {
  std::printf("%s\n", text);
  std::fflush(stdout);
}

void AppendOwnerDrawn(HMENU menu, UINT id, HMENU popup = nullptr) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID | (popup ? MIIM_SUBMENU : 0);
  info.fType = MFT_OWNERDRAW;
  info.wID = id;
  info.hSubMenu = popup;
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

void PrintBarRects(HWND hWnd) {
  RECT window;
  GetWindowRect(hWnd, &window);
  for (int i = 0; i < 2; ++i) {
    RECT r;
    GetMenuItemRect(hWnd, g_bar, i, &r);
    std::printf("bar entry %d (%ld,%ld)-(%ld,%ld)\n", i, r.left - window.left,
                r.top - window.top - GetSystemMetrics(SM_CYCAPTION) - 4, r.right - window.left,
                r.bottom - window.top - GetSystemMetrics(SM_CYCAPTION) - 4);
  }
  std::fflush(stdout);
}

void Post(HWND hWnd, UINT message, WPARAM key, bool alt) {
  PostMessageW(
      hWnd, message, key,
      1 | (alt ? 1 << 29 : 0) | (message == WM_KEYUP || message == WM_SYSKEYUP ? 3u << 30 : 0));
}

// Each step posts its keys and then the next step, so the menu loop reads them in order.
void RunStep(HWND hWnd, int step) {
  switch (step) {
    case 0:
      Say("-- mouse over bar entry 1");
      SendMessageW(hWnd, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(200, 40));
      break;
    case 1: {
      Say("-- popup");
      HMENU popup = CreatePopupMenu();
      AppendOwnerDrawn(popup, kTracked);
      PostMessageW(hWnd, WM_KEYDOWN, VK_ESCAPE, 1);
      TrackPopupMenu(popup, TPM_RETURNCMD, 300, 300, 0, hWnd, nullptr);
      DestroyMenu(popup);
      break;
    }
    case 2:
      Say("-- Alt");
      Post(hWnd, WM_SYSKEYDOWN, VK_MENU, true);
      Post(hWnd, WM_SYSKEYUP, VK_MENU, false);
      break;
    case 3:
      Say("-- Down");
      Post(hWnd, WM_KEYDOWN, VK_DOWN, false);
      break;
    case 4:
    case 5:
    case 8:
    case 11:
    case 12:
      Say("-- Escape");
      Post(hWnd, WM_KEYDOWN, VK_ESCAPE, false);
      break;
    case 6:
      Say("-- F10 then Right");
      Post(hWnd, WM_SYSKEYDOWN, VK_F10, false);
      Post(hWnd, WM_SYSKEYUP, VK_F10, false);
      PostMessageW(hWnd, kStep, 7, 0);
      return;
    case 7:
      Post(hWnd, WM_KEYDOWN, VK_RIGHT, false);
      break;
    case 10:
      Say("-- (the popup opens from a key the platform posted)");
      break;
    case 9:
      Say("-- Alt+F");
      // The character alone: a posted key-down would be translated into a second one.
      Post(hWnd, WM_SYSCHAR, 'f', true);
      break;
    default:
      Say("-- done");
      PostQuitMessage(0);
      return;
  }
  PostMessageW(hWnd, kStep, step + 1, 0);
}

LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MEASUREITEM: {
      auto* request = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      request->itemWidth = 100;
      request->itemHeight = 20;
      std::printf("measure %u answered 100x20\n", request->itemID);
      std::fflush(stdout);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* request = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const RECT& r = request->rcItem;
      std::printf("draw %u (%ld,%ld)-(%ld,%ld) state 0x%x action 0x%x\n", request->itemID, r.left,
                  r.top, r.right, r.bottom, request->itemState, request->itemAction);
      std::fflush(stdout);
      return TRUE;
    }
    case WM_MENUCHAR:
      std::printf("menuchar '%c' flags 0x%x %s\n", LOWORD(wParam), HIWORD(wParam),
                  reinterpret_cast<HMENU>(lParam) == g_bar ? "menu bar" : "popup");
      std::fflush(stdout);
      return MAKELRESULT(0, MNC_EXECUTE);
    case kStep:
      RunStep(hWnd, static_cast<int>(wParam));
      return 0;
    case WM_TIMER:  // a watchdog: never hang the caller
      Say("-- timed out");
      ExitProcess(1);
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hWnd, message, wParam, lParam);
}

}  // namespace

int main() {
  std::printf("SM_CXMENUCHECK %d SM_CYMENU %d\n", GetSystemMetrics(SM_CXMENUCHECK),
              GetSystemMetrics(SM_CYMENU));
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"OwnerDrawSizes";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassW(&wc);

  g_bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendOwnerDrawn(file, kFileOpen);
  AppendOwnerDrawn(g_bar, kBarFile, file);
  AppendOwnerDrawn(g_bar, kBarEdit);
  HWND hWnd = CreateWindowW(wc.lpszClassName, L"sizes", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                            nullptr, g_bar, wc.hInstance, nullptr);
  PrintBarRects(hWnd);
  ShowWindow(hWnd, SW_SHOW);
  UpdateWindow(hWnd);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&msg);
  DrawMenuBar(hWnd);
  Say("DrawMenuBar returned");
  SetTimer(hWnd, 1, 10000, nullptr);
  PostMessageW(hWnd, kStep, 0, 0);
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
