#pragma once
// What an owner-drawn entry (an item or a sidebar) does when it is told something: which
// changes of its style make it measure again, and how a choice of it reaches the host.

#include "platform/automation/event.hpp"
#include "platform/automation/object.hpp"
#include "platform/types.hpp"

namespace vellum {

// Whether a change of the style property `property` (exact name) can change the entry's size.
bool ResizesEntry(StringView property);

// The buddy methods that stand for an entry's two choice events.
struct ChoiceMethods {
  const char16_t* click;
  const char16_t* rightClick;
};

// A command or system command raises `click`, a right-button release `rightClick`; with a
// buddy, its method of that name is called instead. Other messages do nothing. Errors of the
// host's handlers are the caller's to ignore.
void AnnounceChoice(platform::UINT message, const Ref<Object>& buddy, const ChoiceMethods& methods,
                    Event<>& click, Event<>& rightClick);

}  // namespace vellum
