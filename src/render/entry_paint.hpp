#pragma once
// The working values of painting one entry, shared by the item and the sidebar painters.

#include <cstdint>

#include "platform/user32_types.hpp"

namespace vellum {

class Sidebar;

struct EntryPaint {
  platform::HDC paintDC = 0;  // the window's off-screen context, the entry's bitmap selected
  platform::DRAWITEMSTRUCT request;
  std::int32_t width = 0;  // the drawing width and height
  std::int32_t height = 0;
  bool selected = false;
  bool grayed = false;
  bool disabled = false;
};

// Paints a sidebar's band. False for its break entry, which shows nothing and is not copied.
bool PaintSidebar(Sidebar& sidebar, EntryPaint& paint);

}  // namespace vellum
