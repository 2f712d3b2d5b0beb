#pragma once
// The window manager's records and constants, as the boundary declares them: menu entries and
// menus, owner-draw requests, placement and non-client metrics, messages and their codes.

#include <cstddef>

#include "platform/types.hpp"

namespace vellum::platform {

using SHORT = std::int16_t;
using SIZE_T = std::size_t;
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

// --- menu entry flags (InsertMenuA, AppendMenuA, RemoveMenu, DeleteMenu) ---------------------

constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_BITMAP = 0x0004;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_MENUBARBREAK = 0x0020;
constexpr UINT MF_MENUBREAK = 0x0040;
constexpr UINT MF_UNHILITE = 0x0000;
constexpr UINT MF_HILITE = 0x0080;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_USECHECKBITMAPS = 0x0200;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_DEFAULT = 0x1000;
constexpr UINT MF_SYSMENU = 0x2000;
constexpr UINT MF_RIGHTJUSTIFY = 0x4000;
constexpr UINT MF_HELP = 0x4000;
constexpr UINT MF_MOUSESELECT = 0x8000;

// --- entry types and states (MENUITEMINFO) ---------------------------------------------------

constexpr UINT MFT_STRING = 0x0000;
constexpr UINT MFT_BITMAP = 0x0004;
constexpr UINT MFT_MENUBARBREAK = 0x0020;
constexpr UINT MFT_MENUBREAK = 0x0040;
constexpr UINT MFT_OWNERDRAW = 0x0100;
constexpr UINT MFT_RADIOCHECK = 0x0200;
constexpr UINT MFT_SEPARATOR = 0x0800;
constexpr UINT MFT_RIGHTORDER = 0x2000;
constexpr UINT MFT_RIGHTJUSTIFY = 0x4000;

constexpr UINT MFS_ENABLED = 0x0000;
constexpr UINT MFS_UNCHECKED = 0x0000;
constexpr UINT MFS_UNHILITE = 0x0000;
constexpr UINT MFS_GRAYED = 0x0003;
constexpr UINT MFS_DISABLED = 0x0003;
constexpr UINT MFS_CHECKED = 0x0008;
constexpr UINT MFS_HILITE = 0x0080;
constexpr UINT MFS_DEFAULT = 0x1000;

constexpr UINT MIIM_STATE = 0x0001;
constexpr UINT MIIM_ID = 0x0002;
constexpr UINT MIIM_SUBMENU = 0x0004;
constexpr UINT MIIM_CHECKMARKS = 0x0008;
constexpr UINT MIIM_TYPE = 0x0010;
constexpr UINT MIIM_DATA = 0x0020;
constexpr UINT MIIM_STRING = 0x0040;
constexpr UINT MIIM_BITMAP = 0x0080;
constexpr UINT MIIM_FTYPE = 0x0100;

// The sizes a caller puts into MENUITEMINFO's cbSize. The platform's 32-bit record is 44 bytes
// up to the text length (cch) and 48 with the entry bitmap (hbmpItem) after it; our records are
// laid out for this machine, so cbSize only says which of the two the caller means.
constexpr UINT MENUITEMINFO_SIZE_WITHOUT_BITMAP = 44;
constexpr UINT MENUITEMINFO_SIZE_WITH_BITMAP = 48;

struct MENUITEMINFOA {
  UINT cbSize = 0;
  UINT fMask = 0;
  UINT fType = 0;
  UINT fState = 0;
  UINT wID = 0;
  HMENU hSubMenu = 0;
  HBITMAP hbmpChecked = 0;
  HBITMAP hbmpUnchecked = 0;
  ULONG_PTR dwItemData = 0;
  char* dwTypeData = nullptr;  // text buffer (MFT_STRING); a bitmap handle for MFT_BITMAP
  UINT cch = 0;                // characters, without the terminating zero
  HBITMAP hbmpItem = 0;        // only when cbSize is 48
};

struct MENUITEMINFOW {
  UINT cbSize = 0;
  UINT fMask = 0;
  UINT fType = 0;
  UINT fState = 0;
  UINT wID = 0;
  HMENU hSubMenu = 0;
  HBITMAP hbmpChecked = 0;
  HBITMAP hbmpUnchecked = 0;
  ULONG_PTR dwItemData = 0;
  WCHAR* dwTypeData = nullptr;
  UINT cch = 0;
  HBITMAP hbmpItem = 0;
};

// --- menu-wide information (GetMenuInfo, SetMenuInfo) ----------------------------------------

constexpr DWORD MIM_MAXHEIGHT = 0x00000001;
constexpr DWORD MIM_BACKGROUND = 0x00000002;
constexpr DWORD MIM_HELPID = 0x00000004;
constexpr DWORD MIM_MENUDATA = 0x00000008;
constexpr DWORD MIM_STYLE = 0x00000010;
constexpr DWORD MIM_APPLYTOSUBMENUS = 0x80000000;

constexpr DWORD MNS_NOCHECK = 0x80000000;
constexpr DWORD MNS_MODELESS = 0x40000000;
constexpr DWORD MNS_DRAGDROP = 0x20000000;
constexpr DWORD MNS_AUTODISMISS = 0x10000000;
constexpr DWORD MNS_NOTIFYBYPOS = 0x08000000;
constexpr DWORD MNS_CHECKORBMP = 0x04000000;

// The platform's 32-bit MENUINFO is 28 bytes; that is the size cbSize must carry.
constexpr DWORD MENUINFO_SIZE = 28;

struct MENUINFO {
  DWORD cbSize = 0;
  DWORD fMask = 0;
  DWORD dwStyle = 0;
  UINT cyMax = 0;  // 0: as high as the screen
  HBRUSH hbrBack = 0;
  DWORD dwContextHelpID = 0;
  ULONG_PTR dwMenuData = 0;
};

// --- popup tracking (TrackPopupMenu) ---------------------------------------------------------

constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RECURSE = 0x0001;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_TOPALIGN = 0x0000;
constexpr UINT TPM_VCENTERALIGN = 0x0010;
constexpr UINT TPM_BOTTOMALIGN = 0x0020;
constexpr UINT TPM_HORIZONTAL = 0x0000;
constexpr UINT TPM_VERTICAL = 0x0040;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

// --- owner-draw requests ----------------------------------------------------------------------

constexpr UINT ODT_MENU = 1;

constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODA_SELECT = 0x0002;
constexpr UINT ODA_FOCUS = 0x0004;

constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_GRAYED = 0x0002;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_CHECKED = 0x0008;
constexpr UINT ODS_FOCUS = 0x0010;
constexpr UINT ODS_DEFAULT = 0x0020;
constexpr UINT ODS_HOTLIGHT = 0x0040;
constexpr UINT ODS_INACTIVE = 0x0080;
constexpr UINT ODS_NOACCEL = 0x0100;

// WM_MEASUREITEM: lParam is the address of this record; the owner writes width and height.
struct MEASUREITEMSTRUCT {
  UINT CtlType = 0;
  UINT CtlID = 0;
  UINT itemID = 0;
  UINT itemWidth = 0;
  UINT itemHeight = 0;
  ULONG_PTR itemData = 0;
};

// WM_DRAWITEM: lParam is the address of this record. For a menu entry hwndItem is the HMENU.
struct DRAWITEMSTRUCT {
  UINT CtlType = 0;
  UINT CtlID = 0;
  UINT itemID = 0;
  UINT itemAction = 0;
  UINT itemState = 0;
  HWND hwndItem = 0;
  HDC hDC = 0;
  RECT rcItem;
  ULONG_PTR itemData = 0;
};

// --- window placement -------------------------------------------------------------------------

constexpr UINT SW_HIDE = 0;
constexpr UINT SW_SHOWNORMAL = 1;
constexpr UINT SW_NORMAL = 1;
constexpr UINT SW_SHOWMINIMIZED = 2;
constexpr UINT SW_SHOWMAXIMIZED = 3;
constexpr UINT SW_MAXIMIZE = 3;
constexpr UINT SW_SHOW = 5;
constexpr UINT SW_MINIMIZE = 6;
constexpr UINT SW_RESTORE = 9;

struct WINDOWPLACEMENT {
  UINT length = 0;
  UINT flags = 0;
  UINT showCmd = 0;
  POINT ptMinPosition;
  POINT ptMaxPosition;
  RECT rcNormalPosition;
};

// --- window longs -----------------------------------------------------------------------------

constexpr int GWL_WNDPROC = -4;
constexpr int GWL_ID = -12;
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWL_USERDATA = -21;

// --- system parameters ------------------------------------------------------------------------

constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;

// The platform's 32-bit NONCLIENTMETRICSA is 340 bytes (five 60-byte fonts and eleven 32-bit
// fields); cbSize must carry exactly that.
constexpr UINT NONCLIENTMETRICSA_SIZE = 340;

struct NONCLIENTMETRICSA {
  UINT cbSize = 0;
  INT iBorderWidth = 0;
  INT iScrollWidth = 0;
  INT iScrollHeight = 0;
  INT iCaptionWidth = 0;
  INT iCaptionHeight = 0;
  LOGFONTA lfCaptionFont;
  INT iSmCaptionWidth = 0;
  INT iSmCaptionHeight = 0;
  LOGFONTA lfSmCaptionFont;
  INT iMenuWidth = 0;
  INT iMenuHeight = 0;
  LOGFONTA lfMenuFont;
  LOGFONTA lfStatusFont;
  LOGFONTA lfMessageFont;
};

// --- messages ---------------------------------------------------------------------------------

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_DRAWITEM = 0x002B;
constexpr UINT WM_MEASUREITEM = 0x002C;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_NCHITTEST = 0x0084;
constexpr UINT WM_NCMOUSEMOVE = 0x00A0;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_SYSCHAR = 0x0106;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_INITMENU = 0x0116;
constexpr UINT WM_INITMENUPOPUP = 0x0117;
constexpr UINT WM_MENUSELECT = 0x011F;
constexpr UINT WM_MENUCHAR = 0x0120;
constexpr UINT WM_MENURBUTTONUP = 0x0122;
constexpr UINT WM_UNINITMENUPOPUP = 0x0125;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_ENTERMENULOOP = 0x0211;
constexpr UINT WM_EXITMENULOOP = 0x0212;
constexpr UINT WM_MDIACTIVATE = 0x0222;
constexpr UINT WM_USER = 0x0400;

// WM_MENUCHAR results (high word).
constexpr WORD MNC_IGNORE = 0;
constexpr WORD MNC_CLOSE = 1;
constexpr WORD MNC_EXECUTE = 2;
constexpr WORD MNC_SELECT = 3;

// Non-client hit codes (wParam of WM_NCMOUSEMOVE).
constexpr UINT HTNOWHERE = 0;
constexpr UINT HTCLIENT = 1;
constexpr UINT HTCAPTION = 2;
constexpr UINT HTSYSMENU = 3;
constexpr UINT HTMENU = 5;
constexpr UINT HTBORDER = 18;

// --- system commands --------------------------------------------------------------------------

constexpr UINT SC_SIZE = 0xF000;
constexpr UINT SC_MOVE = 0xF010;
constexpr UINT SC_MINIMIZE = 0xF020;
constexpr UINT SC_MAXIMIZE = 0xF030;
constexpr UINT SC_NEXTWINDOW = 0xF040;
constexpr UINT SC_PREVWINDOW = 0xF050;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT SC_VSCROLL = 0xF070;
constexpr UINT SC_HSCROLL = 0xF080;
constexpr UINT SC_MOUSEMENU = 0xF090;
constexpr UINT SC_KEYMENU = 0xF100;
constexpr UINT SC_ARRANGE = 0xF110;
constexpr UINT SC_RESTORE = 0xF120;
constexpr UINT SC_TASKLIST = 0xF130;
constexpr UINT SC_SCREENSAVE = 0xF140;
constexpr UINT SC_HOTKEY = 0xF150;

// --- virtual keys -----------------------------------------------------------------------------

constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_CLEAR = 0x0C;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_PAUSE = 0x13;
constexpr int VK_CAPITAL = 0x14;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_SNAPSHOT = 0x2C;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_HELP = 0x2F;
// "0".."9" are 0x30..0x39 and "A".."Z" are 0x41..0x5A, as their characters.
constexpr int VK_LWIN = 0x5B;
constexpr int VK_RWIN = 0x5C;
constexpr int VK_APPS = 0x5D;
constexpr int VK_NUMPAD0 = 0x60;
constexpr int VK_NUMPAD9 = 0x69;
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SEPARATOR = 0x6C;
constexpr int VK_SUBTRACT = 0x6D;
constexpr int VK_DECIMAL = 0x6E;
constexpr int VK_DIVIDE = 0x6F;
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F3 = 0x72;
constexpr int VK_F4 = 0x73;
constexpr int VK_F5 = 0x74;
constexpr int VK_F6 = 0x75;
constexpr int VK_F7 = 0x76;
constexpr int VK_F8 = 0x77;
constexpr int VK_F9 = 0x78;
constexpr int VK_F10 = 0x79;
constexpr int VK_F11 = 0x7A;
constexpr int VK_F12 = 0x7B;
constexpr int VK_F24 = 0x87;
constexpr int VK_NUMLOCK = 0x90;
constexpr int VK_SCROLL = 0x91;
constexpr int VK_LSHIFT = 0xA0;
constexpr int VK_RSHIFT = 0xA1;
constexpr int VK_LCONTROL = 0xA2;
constexpr int VK_RCONTROL = 0xA3;
constexpr int VK_LMENU = 0xA4;
constexpr int VK_RMENU = 0xA5;
constexpr int VK_OEM_1 = 0xBA;
constexpr int VK_OEM_PLUS = 0xBB;
constexpr int VK_OEM_COMMA = 0xBC;
constexpr int VK_OEM_MINUS = 0xBD;
constexpr int VK_OEM_PERIOD = 0xBE;
constexpr int VK_OEM_2 = 0xBF;
constexpr int VK_OEM_3 = 0xC0;
constexpr int VK_OEM_4 = 0xDB;
constexpr int VK_OEM_5 = 0xDC;
constexpr int VK_OEM_6 = 0xDD;
constexpr int VK_OEM_7 = 0xDE;

}  // namespace vellum::platform
