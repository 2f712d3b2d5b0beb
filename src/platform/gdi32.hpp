#pragma once
// The graphics engine (device contexts, objects, pixels, text) and the window manager's
// drawing helpers, with the platform's names, argument order and documented results.

#include "platform/gdi32_types.hpp"

namespace vellum::platform {

// --- device contexts --------------------------------------------------------------------------

HDC GetDC(HWND hWnd);        // client area; 0 gives the screen
HDC GetWindowDC(HWND hWnd);  // whole window, origin at its top-left; 0 gives the screen
int ReleaseDC(HWND hWnd, HDC hdc);
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
BOOL GetDCOrgEx(HDC hdc, POINT* lppt);
int GetDeviceCaps(HDC hdc, int index);

int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
UINT SetTextAlign(HDC hdc, UINT align);
UINT GetTextAlign(HDC hdc);

// --- objects ----------------------------------------------------------------------------------

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);
HPEN CreatePen(int iStyle, int cWidth, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateBrushIndirect(const LOGBRUSH* plbrush);
HFONT CreateFontIndirectA(const LOGFONTA* lplf);
HGDIOBJ GetStockObject(int i);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
BOOL DeleteObject(HGDIOBJ ho);
int GetObjectA(HGDIOBJ h, int c, void* pv);
DWORD GetObjectType(HGDIOBJ h);

// --- pixels -----------------------------------------------------------------------------------

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);  // hbr may also be a colour index + 1
BOOL MoveToEx(HDC hdc, int x, int y, POINT* lppt);
BOOL LineTo(HDC hdc, int x, int y);
COLORREF GetPixel(HDC hdc, int x, int y);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);

// --- text -------------------------------------------------------------------------------------

BOOL TextOutA(HDC hdc, int x, int y, const char* lpString, int c);
BOOL TextOutW(HDC hdc, int x, int y, const WCHAR* lpString, int c);
BOOL GetTextExtentPoint32A(HDC hdc, const char* lpString, int c, SIZE* psizl);
BOOL GetTextExtentPoint32W(HDC hdc, const WCHAR* lpString, int c, SIZE* psizl);

// --- drawing helpers of the window manager ---------------------------------------------------

// For DST_TEXT and DST_PREFIXTEXT lData is the address of the caller's text and wData its
// length (0: up to the terminator); for DST_BITMAP and DST_ICON lData is the image handle.
BOOL DrawStateA(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData, WPARAM wData,
                int x, int y, int cx, int cy, UINT uFlags);
BOOL DrawStateW(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData, WPARAM wData,
                int x, int y, int cx, int cy, UINT uFlags);
DWORD GetSysColor(int nIndex);
HANDLE CopyImage(HANDLE h, UINT type, int cx, int cy, UINT flags);
HICON CreateIconIndirect(const ICONINFO* piconinfo);
BOOL GetIconInfo(HICON hIcon, ICONINFO* piconinfo);
BOOL DestroyIcon(HICON hIcon);

}  // namespace vellum::platform
