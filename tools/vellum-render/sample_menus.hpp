#pragma once
// The embedded sample: a menu bar with File, Edit, View and Help that shows what the library
// draws — pictures, check and radio marks, a default item, a caption separator, disabled and
// grayed items, accelerators with a two-keystroke sequence, nested popups and a gradient
// sidebar.

#include "items/system_menu.hpp"
#include "model/menubar.hpp"

namespace vellum::render_tool {

// Builds the sample in the thread's active menu set (registering the Ctrl+K prefix it uses).
Ref<Menubar> BuildSampleMenus();
// Takes over the window's system menu, owner-drawn, with the sample's own entry under the
// standard ones.
Ref<SystemMenu> BuildSampleSystemMenu(platform::HWND window);

}  // namespace vellum::render_tool
