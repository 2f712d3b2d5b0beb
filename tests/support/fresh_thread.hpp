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

// A test whose body runs on a new thread, with the library and the sim fresh:
//   TEST_ON_FRESH_THREAD(Menus, FindsItemsInNestedPopups) { ... }
#define TEST_ON_FRESH_THREAD(suite, name)                     \
  void suite##_##name##_Body();                               \
  TEST(suite, name) {                                         \
    ::vellum::testing::OnFreshThread(&suite##_##name##_Body); \
  }                                                           \
  void suite##_##name##_Body()
