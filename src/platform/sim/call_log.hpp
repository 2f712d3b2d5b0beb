#pragma once
// The simulation's instrumented call log: every boundary function records its name and a
// readable form of its arguments, so that tests can count calls and see what they carried.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vellum::sim {

struct LoggedCall {
  std::string function;   // "InsertMenuA"
  std::string arguments;  // "hMenu=0x105 uPosition=4294967295 uFlags=MF_OWNERDRAW ..."
};

class CallLog {
 public:
  void Record(std::string_view function, std::string arguments = {});

  // How often `function` was called since the last Reset.
  std::size_t Count(std::string_view function) const;
  // The arguments of each call of `function`, oldest first.
  std::vector<std::string> Arguments(std::string_view function) const;
  const std::vector<LoggedCall>& Calls() const { return calls_; }
  void Reset() { calls_.clear(); }

 private:
  std::vector<LoggedCall> calls_;
};

// This thread's log.
CallLog& Calls();

}  // namespace vellum::sim
