#pragma once
// The window manager at the boundary: menus, windows and their procedures, messages, timers
// and input. The records and constants are in user32_types.hpp.

#include "platform/user32_types.hpp"

namespace vellum::platform {

// --- menus ------------------------------------------------------------------------------------

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU hMenu);
BOOL IsMenu(HMENU hMenu);
int GetMenuItemCount(HMENU hMenu);
BOOL GetMenuItemInfoA(HMENU hMenu, UINT item, BOOL fByPosition, MENUITEMINFOA* lpmii);
BOOL GetMenuItemInfoW(HMENU hMenu, UINT item, BOOL fByPosition, MENUITEMINFOW* lpmii);
BOOL SetMenuItemInfoA(HMENU hMenu, UINT item, BOOL fByPosition, const MENUITEMINFOA* lpmii);
BOOL SetMenuItemInfoW(HMENU hMenu, UINT item, BOOL fByPosition, const MENUITEMINFOW* lpmii);
// lpNewItem is the text for MF_STRING, the item data for MF_OWNERDRAW and a bitmap handle for
// MF_BITMAP; uIDNewItem is the submenu handle for MF_POPUP.
BOOL InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem,
                 const char* lpNewItem);
BOOL AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, const char* lpNewItem);
BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
BOOL GetMenuInfo(HMENU hMenu, MENUINFO* lpmi);
BOOL SetMenuInfo(HMENU hMenu, const MENUINFO* lpmi);

BOOL SetMenu(HWND hWnd, HMENU hMenu);
HMENU GetMenu(HWND hWnd);
BOOL DrawMenuBar(HWND hWnd);
HMENU GetSystemMenu(HWND hWnd, BOOL bRevert);
// Screen rectangle of an entry of the window's menu bar or of an open popup.
BOOL GetMenuItemRect(HWND hWnd, HMENU hMenu, UINT uItem, RECT* lprcItem);
// With TPM_RETURNCMD the result is the chosen command ID (0 for none).
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd,
                    const RECT* prcRect);

// --- windows, procedures and messages ---------------------------------------------------------

BOOL IsWindow(HWND hWnd);
BOOL DestroyWindow(HWND hWnd);
BOOL GetWindowRect(HWND hWnd, RECT* lpRect);
BOOL GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT* lpwndpl);
LONG_PTR GetWindowLongA(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);

// --- input and system information -------------------------------------------------------------

BOOL GetCursorPos(POINT* lpPoint);
SHORT GetKeyState(int nVirtKey);
BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, void* pvParam, UINT fWinIni);

}  // namespace vellum::platform
