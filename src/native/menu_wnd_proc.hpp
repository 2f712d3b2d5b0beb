#pragma once
// The window procedure the library installs on every window it attaches: it turns the menu
// messages of the library's entries into calls of the objects' handlers, and passes every
// message on to the window's previous procedure.

#include "platform/types.hpp"

namespace vellum {

platform::LRESULT MenuWndProc(platform::HWND hWnd, platform::UINT uMsg, platform::WPARAM wParam,
                              platform::LPARAM lParam);

// The standard system command of `code` (its low four bits cleared), or 0 for any other code.
platform::UINT IsSystemCommand(platform::UINT code);

}  // namespace vellum
