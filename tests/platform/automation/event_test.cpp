#include "platform/automation/event.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellum {
namespace {

TEST(Event, RunsHandlersInConnectionOrder) {
  Event<int> event;
  std::vector<std::string> log;
  event.Connect([&](int v) { log.push_back("first " + std::to_string(v)); });
  event.Connect([&](int v) { log.push_back("second " + std::to_string(v)); });
  event.Raise(7);
  EXPECT_EQ(log, (std::vector<std::string>{"first 7", "second 7"}));
}

TEST(Event, AHandlerMayDisconnectItselfAndConnectAnother) {
  Event<> event;
  std::vector<std::string> log;
  Connection self;
  self = event.Connect([&] {
    log.push_back("once");
    self.Disconnect();
    event.Connect([&] { log.push_back("added"); });
  });
  event.Connect([&] { log.push_back("always"); });
  event.Raise();  // the handler added now first runs at the next raise
  event.Raise();
  EXPECT_EQ(log, (std::vector<std::string>{"once", "always", "always", "added"}));
  EXPECT_FALSE(self.Connected());
}

TEST(Event, AHandlerDisconnectedByAnEarlierOneDoesNotRun) {
  Event<> event;
  std::vector<std::string> log;
  Connection second;
  event.Connect([&] {
    log.push_back("first");
    second.Disconnect();
  });
  second = event.Connect([&] { log.push_back("second"); });
  event.Raise();
  EXPECT_EQ(log, std::vector<std::string>{"first"});
}

TEST(Event, ScopedConnectionDisconnectsAtScopeEnd) {
  Event<> event;
  int calls = 0;
  {
    ScopedConnection scoped = event.Connect([&] { ++calls; });
    event.Raise();
    EXPECT_TRUE(event.HasHandlers());
  }
  event.Raise();
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(event.HasHandlers());
}

TEST(Event, ConnectionOutlivesItsEvent) {
  Connection connection;
  {
    Event<> event;
    connection = event.Connect([] {});
  }
  EXPECT_FALSE(connection.Connected());
  connection.Disconnect();  // harmless
}

TEST(Event, ByReferenceArgumentsReachTheRaiser) {
  Event<bool&> event;
  event.Connect([](bool& cancel) { cancel = true; });
  bool cancel = false;
  event.Raise(cancel);
  EXPECT_TRUE(cancel);
}

}  // namespace
}  // namespace vellum
