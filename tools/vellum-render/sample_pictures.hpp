#pragma once
// The toolbar-style pictures of the embedded sample: 16 x 16 icons drawn from character tables.

#include "platform/automation/std_picture.hpp"

namespace vellum::render_tool {

enum class SamplePicture { New, Open, Save, Print, Cut, Copy, Paste, Find, Help };

// A new picture that owns its icon.
Ref<StdPicture> MakeSamplePicture(SamplePicture which);

// The product's mark for the sidebar: a white "V" on a gold disc, 32 x 32.
Ref<StdPicture> MakeSidebarLogo();

}  // namespace vellum::render_tool
