#pragma once
// Events: handlers connected to an object's event run synchronously, in connection order,
// when it is raised. A handler may disconnect itself or connect others while the event runs;
// those connected during a raise first run at the next one.

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace vellum {

namespace detail {
struct SlotState {
  bool connected = true;
};
}  // namespace detail

// A handle to one connected handler. Copies refer to the same connection.
class Connection {
 public:
  Connection() = default;
  explicit Connection(std::weak_ptr<detail::SlotState> slot) : slot_(std::move(slot)) {}

  void Disconnect() {
    if (auto slot = slot_.lock()) slot->connected = false;
  }
  bool Connected() const {
    auto slot = slot_.lock();
    return slot && slot->connected;
  }

 private:
  std::weak_ptr<detail::SlotState> slot_;
};

// Disconnects when it goes out of scope.
class ScopedConnection {
 public:
  ScopedConnection() = default;
  ScopedConnection(Connection connection) : connection_(std::move(connection)) {}
  ScopedConnection(ScopedConnection&& other) noexcept
      : connection_(std::exchange(other.connection_, {})) {}
  ScopedConnection& operator=(ScopedConnection&& other) noexcept {
    if (this != &other) {
      connection_.Disconnect();
      connection_ = std::exchange(other.connection_, {});
    }
    return *this;
  }
  ~ScopedConnection() { connection_.Disconnect(); }

  void Disconnect() { connection_.Disconnect(); }
  bool Connected() const { return connection_.Connected(); }

 private:
  Connection connection_;
};

template <class... Args>
class Event {
 public:
  using Handler = std::function<void(Args...)>;

  Event() = default;
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  Connection Connect(Handler handler) {
    Prune();
    auto slot = std::make_shared<Slot>(std::move(handler));
    slots_.push_back(slot);
    return Connection(std::shared_ptr<detail::SlotState>(slot, &slot->state));
  }

  // Runs the handlers connected now, in order, skipping any disconnected meanwhile.
  void Raise(Args... args) {
    const std::vector<std::shared_ptr<Slot>> snapshot = slots_;
    for (const auto& slot : snapshot) {
      if (slot->state.connected) slot->handler(args...);
    }
  }

  bool HasHandlers() const {
    for (const auto& slot : slots_) {
      if (slot->state.connected) return true;
    }
    return false;
  }

  void DisconnectAll() {
    for (const auto& slot : slots_)
      slot->state.connected = false;
    slots_.clear();
  }

 private:
  struct Slot {
    explicit Slot(Handler h) : handler(std::move(h)) {}
    Handler handler;
    detail::SlotState state;
  };

  void Prune() {
    std::erase_if(slots_, [](const auto& slot) { return !slot->state.connected; });
  }

  std::vector<std::shared_ptr<Slot>> slots_;
};

}  // namespace vellum
