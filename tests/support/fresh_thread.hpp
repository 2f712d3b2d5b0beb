#pragma once
// Library and sim state live per thread: a test that needs it fresh (item IDs from the start,
// an empty screen, no windows) runs its body on a new thread.

#include <exception>
#include <functional>
#include <thread>

namespace vellum::testing {

// Runs `body` on a new thread and waits; an exception escaping it is rethrown here.
inline void OnFreshThread(const std::function<void()>& body) {
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      body();
    } catch (...) {
      failure = std::current_exception();
    }
  });
  worker.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace vellum::testing
