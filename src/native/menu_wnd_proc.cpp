#include "native/menu_wnd_proc.hpp"

#include "accel/keystroke_matching.hpp"
#include "accel/mnemonic_index.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "model/library_state.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "native/handle_object.hpp"
#include "native/menubar_hot_tracking.hpp"
#include "native/native_sync.hpp"
#include "platform/platform.hpp"
#include "render/draw_item.hpp"
#include "render/measure_item.hpp"

namespace vellum {
namespace {

using namespace platform;

// The message goes on to the window's previous procedure, or to the default one when the
// window has no record (or its recorded procedure is not one that can be called).
LRESULT PassOn(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  const LONG_PTR proc = PreviousWindowProc(hWnd);
  const auto previous = reinterpret_cast<WNDPROC>(proc);
  if (proc != 0 && !IsBadCodePtr(reinterpret_cast<FARPROC>(previous))) {
    return CallWindowProcA(previous, hWnd, uMsg, wParam, lParam);
  }
  return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// Commands, system commands and right-button releases become the objects' events.
void HandleCommand(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_MENURBUTTONUP) {
    // wParam is the entry's position in the menu lParam: read its command ID.
    MENUITEMINFOW record;
    record.fMask = MIIM_ID;
    GetItemInfo(static_cast<HMENU>(lParam), static_cast<UINT>(wParam), true, record);
    wParam = record.wID;
  }
  // A high word of 1 (the platform's own accelerators) is not part of the ID.
  const WPARAM id = (wParam & 0xFFFE0000u) ? wParam : (wParam & 0xFFFF);
  const Ref<Menus> active = Library().activeMenus;
  if (!active) return;
  // The window picks its own system menu among those whose standard IDs repeat.
  Ref<Object> found = active->FindMenuItem(static_cast<std::int32_t>(id), hWnd);
  // Window-list entries stand in no item list: they are found by their child window's handle.
  const Ref<Collection>& windowList = Library().windowList;
  const String windowKey = DefaultKey(static_cast<std::uint32_t>(wParam));
  if (!found && windowList && windowList->ContainsKey(windowKey)) {
    found = windowList->Item(windowKey).ToObject();
  }
  if (const auto item = std::dynamic_pointer_cast<MenuItem>(found)) {
    item->ExecCmd(wParam & 0xFFFF, uMsg);
    if (uMsg == WM_MENURBUTTONUP) return;
    // Window-list activation: an entry of a connected bar's window list is an MDI child.
    const auto bar = std::dynamic_pointer_cast<Menubar>(item->TopMostParent());
    if (bar && bar->Connected() && windowList && windowList->ContainsKey(windowKey)) {
      SendMessageA(static_cast<HWND>(wParam), WM_ACTIVATE, 1, 0);
    }
  } else if (const auto sidebar = std::dynamic_pointer_cast<Sidebar>(found);
             sidebar && (wParam & 0xFFFF) != 0) {
    // The only other owner of an ID: a sidebar's band (or its break, which is never chosen).
    sidebar->ExecCmd(wParam & 0xFFFF, uMsg);
  }
}

void HandleMenuInit(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  const Ref<Menus> active = Library().activeMenus;
  if (!active) return;
  RouteToMenu(active->MenuByHandle(static_cast<HMENU>(wParam), lParam), wParam, uMsg);
}

// The position of the entry whose mnemonic was typed, with high word 2 (run it); -1 when none.
LRESULT HandleMenuChar(WPARAM wParam, LPARAM lParam) {
  const Ref<Menus> active = Library().activeMenus;
  if (!active) return -1;
  const String key = DefaultKey(static_cast<std::uint32_t>(lParam));
  Ref<Object> menu;
  if (active->MemberCollection()->ContainsKey(key)) {
    menu = active->MemberCollection()->Item(key).ToObject();
  } else {
    // A menu the host registered under a key of its own (a bar asked from the keyboard, most
    // often) is found by its handle.
    menu = active->MenuByHandle(static_cast<HMENU>(lParam), 0);
  }
  const std::int32_t position = FindMnemonicIndex(static_cast<char16_t>(LOWORD(wParam)), menu);
  return position < 0 ? -1 : (position | 0x20000);
}

// Bar entries are not hot-tracked on platform version 5.0.
void HotTrack(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (Library().versionNumber == 500) return;
  IgnoringErrors([&] { HotTrackMenubar(hWnd, uMsg, wParam, lParam); });
}

}  // namespace

LRESULT MenuWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  // No error leaves the procedure: a failing step is skipped.
  switch (uMsg) {
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_MENURBUTTONUP:
      IgnoringErrors([&] { HandleCommand(hWnd, uMsg, wParam, lParam); });
      break;
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
      IgnoringErrors([&] { HandleMenuInit(uMsg, wParam, lParam); });
      break;
    case WM_KEYUP: {
      // An accelerator runs its item as a choice from the menu would, and eats the key.
      Ref<MenuItem> item;
      IgnoringErrors([&] { item = HandleKeyUp(hWnd, static_cast<std::int32_t>(wParam)); });
      if (item && IgnoringErrors([&] {
            item->ExecCmd(static_cast<WPARAM>(static_cast<UINT>(item->ItemId())), WM_COMMAND);
          })) {
        return 0;
      }
      break;
    }
    case WM_MENUCHAR: {
      LRESULT result = -1;
      IgnoringErrors([&] { result = HandleMenuChar(wParam, lParam); });
      return result;  // answered here, not passed on
    }
    case WM_NCMOUSEMOVE:
    case WM_TIMER:
      HotTrack(hWnd, uMsg, wParam, lParam);
      break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM: {
      if (uMsg == WM_DRAWITEM) HotTrack(hWnd, uMsg, wParam, lParam);
      // A request the library fails on counts as answered: the entry is its own.
      bool answered = true;
      IgnoringErrors([&] {
        answered = uMsg == WM_MEASUREITEM ? MeasureItem(hWnd, lParam) : DrawItem(hWnd, lParam);
      });
      if (answered) return -1;
      break;
    }
    default:
      break;
  }
  return PassOn(hWnd, uMsg, wParam, lParam);
}

UINT IsSystemCommand(UINT code) {
  static constexpr UINT kStandard[] = {SC_SIZE,       SC_MOVE,       SC_MINIMIZE, SC_MAXIMIZE,
                                       SC_NEXTWINDOW, SC_PREVWINDOW, SC_CLOSE,    SC_VSCROLL,
                                       SC_HSCROLL,    SC_MOUSEMENU,  SC_ARRANGE,  SC_RESTORE,
                                       SC_TASKLIST,   SC_SCREENSAVE, SC_HOTKEY};
  const UINT command = code & 0xFFF0;
  for (UINT standard : kStandard) {
    if (command == standard) return command;
  }
  return 0;
}

}  // namespace vellum
