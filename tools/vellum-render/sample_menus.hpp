#pragma once
// The embedded sample: a menu bar with File, Edit, View and Help that shows what the library
// draws — pictures, check and radio marks, a default item, a caption separator, disabled and
// grayed items, accelerators with a two-keystroke sequence, nested popups and a gradient
// sidebar.

#include "model/menubar.hpp"

namespace vellum::render_tool {

// Builds the sample in the thread's active menu set (registering the Ctrl+K prefix it uses).
Ref<Menubar> BuildSampleMenus();

}  // namespace vellum::render_tool
