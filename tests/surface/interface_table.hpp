#pragma once
// The library's automation interfaces as one table: for every class, how a test comes by a live
// instance, its default member, each member with the ways a host may call it, and its events in
// interface order with the names of their arguments. The interface walk holds every live object
// to this table, so the table is what hosts and type libraries may rely on.

#include <ostream>
#include <string>
#include <vector>

#include "platform/automation/object.hpp"

namespace vellum::testing {

// What a maker creates besides its specimen, to keep the specimen where hosts meet it (the menu
// bar an item stands in, the popup a sidebar belongs to).
using Owners = std::vector<Ref<Object>>;

struct MemberRow {
  String name;
  CallTypes calls;
};

struct EventRow {
  String name;
  std::vector<String> arguments;
};

struct InterfaceRow {
  String className;
  // Makes a live instance the way a host comes by one.
  Ref<Object> (*make)(Owners& owners);
  // The default member (empty when the class has none) and arguments it answers with on the
  // instance `make` returns.
  String defaultMember;
  std::vector<Variant> defaultArguments;
  std::vector<MemberRow> members;
  std::vector<EventRow> events;
};

const std::vector<InterfaceRow>& InterfaceTable();

// "get | let", "method", … for failure messages.
std::string DescribeCalls(CallTypes calls);
// A row prints as its class name in test names and messages.
void PrintTo(const InterfaceRow& row, std::ostream* out);

}  // namespace vellum::testing
