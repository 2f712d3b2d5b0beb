// Holds every live object to the interface table: the members and events it publishes for late
// binding, their call types, their order and argument names, and its default member. Each gap is
// reported on its own, by class and member, so that one run lists them all.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/automation/error.hpp"
#include "support/fresh_thread.hpp"
#include "surface/interface_table.hpp"

namespace vellum::testing {
namespace {

std::string Utf8(StringView text) {
  return StringToUtf8(text);
}

std::string Joined(const std::vector<String>& names) {
  std::string text;
  for (const String& name : names)
    text += (text.empty() ? "" : ", ") + Utf8(name);
  return "(" + text + ")";
}

// The gaps between what the object publishes as members and what its row says.
std::vector<std::string> MemberGaps(const InterfaceRow& row, const Object& object) {
  std::vector<std::string> gaps;
  const std::string where = Utf8(row.className) + ".";
  const MemberTable& published = object.Members();
  std::unordered_set<String, NoCaseHash, NoCaseEqual> listed;
  for (const MemberRow& member : row.members) {
    if (!listed.insert(member.name).second) {
      gaps.push_back(where + Utf8(member.name) + ": listed twice in the table");
    }
    const MemberTable::Entry* entry = published.Find(member.name);
    if (!entry) {
      gaps.push_back(where + Utf8(member.name) + ": missing from late binding");
      continue;
    }
    if (entry->name != member.name) {
      gaps.push_back(where + Utf8(member.name) + ": published as " + Utf8(entry->name));
    }
    if (entry->calls != member.calls) {
      gaps.push_back(where + Utf8(member.name) + ": published as " + DescribeCalls(entry->calls) +
                     ", the table says " + DescribeCalls(member.calls));
    }
  }
  for (const MemberTable::Entry* entry : published.Published()) {
    if (!listed.contains(entry->name)) {
      gaps.push_back(where + Utf8(entry->name) + ": published (" + DescribeCalls(entry->calls) +
                     ") but not in the table");
    }
  }
  return gaps;
}

// The gaps between the object's events and its row: names, order and argument names.
std::vector<std::string> EventGaps(const InterfaceRow& row, Object& object) {
  std::vector<std::string> gaps;
  const std::string where = Utf8(row.className) + ".";
  const std::vector<const EventTable::Entry*> published = object.Events().Published();
  const std::size_t common = std::min(published.size(), row.events.size());
  for (std::size_t i = 0; i < common; ++i) {
    const EventTable::Entry& event = *published[i];
    const EventRow& expected = row.events[i];
    if (event.name != expected.name) {
      gaps.push_back(where + Utf8(expected.name) + ": event " + std::to_string(i + 1) +
                     " is published as " + Utf8(event.name));
    } else if (event.parameters != expected.arguments) {
      gaps.push_back(where + Utf8(expected.name) + ": event arguments published as " +
                     Joined(event.parameters) + ", the table says " + Joined(expected.arguments));
    }
  }
  for (std::size_t i = common; i < row.events.size(); ++i) {
    gaps.push_back(where + Utf8(row.events[i].name) + ": event not published");
  }
  for (std::size_t i = common; i < published.size(); ++i) {
    gaps.push_back(where + Utf8(published[i]->name) + ": event published but not in the table");
  }
  // Every listed event accepts a handler by name.
  for (const EventRow& event : row.events) {
    try {
      object.ConnectEvent(event.name, [](std::span<Variant>) {}).Disconnect();
    } catch (const AutomationError& error) {
      gaps.push_back(where + Utf8(event.name) + ": connecting by name fails with " +
                     std::to_string(error.Number()));
    }
  }
  return gaps;
}

// The default member answers under the empty name exactly as under its own; a class without one
// refuses the empty name.
std::vector<std::string> DefaultMemberGaps(const InterfaceRow& row, Object& object) {
  std::vector<std::string> gaps;
  const std::string where = Utf8(row.className);
  const String& published = object.Members().DefaultMember();
  if (published != row.defaultMember) {
    gaps.push_back(where + ": default member is '" + Utf8(published) + "', the table says '" +
                   Utf8(row.defaultMember) + "'");
    return gaps;
  }
  std::vector<Variant> byDefault = row.defaultArguments;
  std::vector<Variant> byName = row.defaultArguments;
  if (row.defaultMember.empty()) {
    try {
      object.Invoke(u"", CallType::PropertyGet, byDefault);
      gaps.push_back(where + ": answers the empty name without a default member");
    } catch (const AutomationError& error) {
      if (error.Number() != error::kMemberNotFound) {
        gaps.push_back(where + ": the empty name fails with " + std::to_string(error.Number()));
      }
    }
    return gaps;
  }
  try {
    const Variant expected = object.Invoke(row.defaultMember, CallType::PropertyGet, byName);
    const Variant answered = object.Invoke(u"", CallType::PropertyGet, byDefault);
    if (expected.IsEmpty() || expected == Variant::Nothing()) {
      gaps.push_back(where + "." + Utf8(row.defaultMember) + " answers nothing with the " +
                     "table's arguments");
    }
    if (!(answered == expected)) {
      gaps.push_back(where + ": the empty name answers " + DebugString(answered) + ", " +
                     Utf8(row.defaultMember) + " answers " + DebugString(expected));
    }
  } catch (const AutomationError& error) {
    gaps.push_back(where + ": reading the default member fails with " +
                   std::to_string(error.Number()));
  }
  return gaps;
}

class InterfaceWalk : public ::testing::TestWithParam<InterfaceRow> {};

TEST_P(InterfaceWalk, PublishesWhatTheTableSays) {
  const InterfaceRow& row = GetParam();
  OnFreshThread([&] {
    Owners owners;
    const Ref<Object> object = row.make(owners);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(Utf8(object->ClassName()), Utf8(row.className));
    for (const std::string& gap : MemberGaps(row, *object))
      ADD_FAILURE() << gap;
    for (const std::string& gap : EventGaps(row, *object))
      ADD_FAILURE() << gap;
    for (const std::string& gap : DefaultMemberGaps(row, *object))
      ADD_FAILURE() << gap;
  });
}

INSTANTIATE_TEST_SUITE_P(Vellum10, InterfaceWalk, ::testing::ValuesIn(InterfaceTable()),
                         [](const ::testing::TestParamInfo<InterfaceRow>& info) {
                           // "Vellum10.MenuItem" names the case MenuItem.
                           const std::string name = Utf8(info.param.className);
                           return name.substr(name.find('.') + 1);
                         });

}  // namespace
}  // namespace vellum::testing
