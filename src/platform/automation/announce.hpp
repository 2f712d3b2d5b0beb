#pragma once
// The buddy convention every class follows: an object raises its event, unless a buddy object
// is set, whose method of the event's name is called instead, with the same arguments.

#include <type_traits>

#include "platform/automation/event.hpp"
#include "platform/automation/object.hpp"

namespace vellum {

// Raises `event` with `args`, or calls `buddy.method(args...)` by name when there is a buddy.
// Errors of the host's handlers reach the caller, whose to ignore they are.
template <class... Args>
void Announce(const Ref<Object>& buddy, StringView method, Event<Args...>& event,
              std::type_identity_t<Args>... args) {
  if (!buddy) {
    event.Raise(args...);
    return;
  }
  // The buddy stays alive through its own call even if the call drops the object's reference.
  const Ref<Object> receiver = buddy;
  receiver->Invoke(method, CallType::Method, {Variant(args)...});
}

}  // namespace vellum
