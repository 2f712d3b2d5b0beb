#include "platform/sim/call_log.hpp"

namespace vellum::sim {

void CallLog::Record(std::string_view function, std::string arguments) {
  calls_.push_back({std::string(function), std::move(arguments)});
}

std::size_t CallLog::Count(std::string_view function) const {
  std::size_t count = 0;
  for (const LoggedCall& call : calls_)
    count += call.function == function;
  return count;
}

std::vector<std::string> CallLog::Arguments(std::string_view function) const {
  std::vector<std::string> out;
  for (const LoggedCall& call : calls_) {
    if (call.function == function) out.push_back(call.arguments);
  }
  return out;
}

CallLog& Calls() {
  thread_local CallLog log;
  return log;
}

}  // namespace vellum::sim
