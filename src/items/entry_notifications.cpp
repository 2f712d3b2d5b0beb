#include "items/entry_notifications.hpp"

#include "platform/automation/announce.hpp"
#include "platform/platform.hpp"

namespace vellum {

using namespace platform;

bool ResizesEntry(StringView property) {
  static constexpr StringView kSizeProperties[] = {
      u"UserWidth",   u"UserHeight", u"UserSize", u"ImageScaleWidth", u"ImageScaleHeight",
      u"ScaleImages", u"ImageScale", u"Font",     u"WrapLimit"};
  for (StringView name : kSizeProperties) {
    if (property == name) return true;
  }
  return false;
}

void AnnounceChoice(UINT message, const Ref<Object>& buddy, const ChoiceMethods& methods,
                    Event<>& click, Event<>& rightClick) {
  const bool chosen = message == WM_COMMAND || message == WM_SYSCOMMAND;
  if (!chosen && message != WM_MENURBUTTONUP) return;
  chosen ? Announce(buddy, methods.click, click) : Announce(buddy, methods.rightClick, rightClick);
}

}  // namespace vellum
