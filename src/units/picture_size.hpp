#pragma once
// The size of a picture object in screen pixels. Pictures report their size in HIMETRIC;
// menus lay out in pixels.

#include "platform/automation/object.hpp"
#include "platform/types.hpp"

namespace vellum {

// Width and height through the thread's screen scale, each rounded half to even. A missing
// picture, or an object that reports no usable size, measures 0 x 0.
platform::SIZE PicturePixelSize(const Ref<Object>& picture);

}  // namespace vellum
