#pragma once
// Events by name: each class publishes its events, in interface order with the names of their
// arguments, and lets a handler that takes the arguments as Variants connect to any of them.
// Script hosts and the automation server connect through this, not through the typed events.

#include <array>
#include <functional>
#include <initializer_list>
#include <span>
#include <unordered_map>
#include <vector>

#include "platform/automation/event.hpp"
#include "platform/automation/variant.hpp"

namespace vellum {

class Object;

// A handler connected by name: the event's arguments in the published order.
using EventHandler = std::function<void(std::span<Variant> arguments)>;

class EventTable {
 public:
  struct Entry {
    String name;
    std::vector<String> parameters;
    std::function<Connection(Object&, EventHandler)> connect;
  };

  EventTable(std::initializer_list<Entry> entries, const EventTable* base = nullptr);

  const Entry* Find(StringView name) const;
  // The base table's events first, then this table's, each in declaration order.
  std::vector<const Entry*> Published() const;

 private:
  std::vector<Entry> entries_;
  std::unordered_map<String, std::size_t, NoCaseHash, NoCaseEqual> byName_;
  const EventTable* base_;
};

// Declares the event `event` of class T under `name`, its arguments named by `parameters`:
//   EventMember(u"UserCommand", &Menubar::UserCommand, {u"Item"}),
template <class T, class... Args>
EventTable::Entry EventMember(String name, Event<Args...> T::*event,
                              std::initializer_list<String> parameters) {
  EventTable::Entry entry{std::move(name), parameters, nullptr};
  entry.connect = [event](Object& self, EventHandler handler) {
    return (static_cast<T&>(self).*event).Connect([handler](Args... args) {
      std::array<Variant, sizeof...(Args)> values{Variant(args)...};
      handler(values);
    });
  };
  return entry;
}

}  // namespace vellum
