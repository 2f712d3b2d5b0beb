#include "units/picture_size.hpp"

#include "platform/automation/error.hpp"
#include "units/screen_scale.hpp"

namespace vellum {

platform::SIZE PicturePixelSize(const Ref<Object>& picture) {
  platform::SIZE size;
  if (!picture) return size;
  // Pictures are automation objects: their size is read late-bound.
  IgnoringErrors([&] {
    size.cx = HimetricToPixelsX(picture->Invoke(u"Width", CallType::PropertyGet).ToDouble());
  });
  IgnoringErrors([&] {
    size.cy = HimetricToPixelsY(picture->Invoke(u"Height", CallType::PropertyGet).ToDouble());
  });
  return size;
}

}  // namespace vellum
