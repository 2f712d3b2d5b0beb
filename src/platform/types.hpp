#pragma once
// The platform's basic types, handles and geometry records, as the boundary declares them.
// Handles are 32-bit values; message parameters are pointer-sized so that lParam can carry the
// address of a request record.

#include <cstdint>

namespace vellum::platform {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using INT = std::int32_t;
using LONG = std::int32_t;
using BOOL = std::int32_t;
using WCHAR = char16_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;

// Every handle is a 32-bit value; 0 is no handle.
using HANDLE = std::uint32_t;
using HWND = HANDLE;
using HMENU = HANDLE;
using HDC = HANDLE;
using HGDIOBJ = HANDLE;
using HBITMAP = HANDLE;
using HPEN = HANDLE;
using HBRUSH = HANDLE;
using HFONT = HANDLE;
using HICON = HANDLE;
using HINSTANCE = HANDLE;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using FARPROC = void (*)();

// 0x00BBGGRR.
using COLORREF = DWORD;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
         (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
  return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
  return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
  return static_cast<BYTE>((c >> 16) & 0xFF);
}

constexpr WORD LOWORD(ULONG_PTR v) {
  return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(ULONG_PTR v) {
  return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr DWORD MAKELONG(WORD low, WORD high) {
  return static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16);
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
  return MAKELONG(low, high);
}
// lParam packs a point as two signed 16-bit coordinates.
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
  return static_cast<LPARAM>(static_cast<LONG>(MAKELONG(low, high)));
}
constexpr LRESULT MAKELRESULT(WORD low, WORD high) {
  return MAKELPARAM(low, high);
}

struct POINT {
  LONG x = 0;
  LONG y = 0;
};

struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
};

// Right and bottom are exclusive.
struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
};

constexpr bool operator==(const POINT& a, const POINT& b) {
  return a.x == b.x && a.y == b.y;
}
constexpr bool operator==(const SIZE& a, const SIZE& b) {
  return a.cx == b.cx && a.cy == b.cy;
}
constexpr bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A font description (the platform's logical font record, narrow face name).
constexpr int LF_FACESIZE = 32;
struct LOGFONTA {
  LONG lfHeight = 0;  // < 0: character height in pixels; > 0: cell height; 0: default
  LONG lfWidth = 0;
  LONG lfEscapement = 0;  // tenths of a degree, counter-clockwise
  LONG lfOrientation = 0;
  LONG lfWeight = 0;  // 400 normal, 700 bold
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = 0;
  BYTE lfOutPrecision = 0;
  BYTE lfClipPrecision = 0;
  BYTE lfQuality = 0;
  BYTE lfPitchAndFamily = 0;
  char lfFaceName[LF_FACESIZE] = {};
};

}  // namespace vellum::platform
