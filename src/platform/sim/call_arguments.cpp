#include "platform/sim/call_arguments.hpp"

#include <cstdio>

#include "platform/sim/call_log.hpp"

namespace vellum::sim::detail {

std::string Hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}

std::string Dec(std::int64_t value) {
  return std::to_string(value);
}

std::string Quoted(std::string_view text) {
  // Built by appending: prepending to a temporary trips a false overlap warning of GCC 12.
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted.append(1, '"').append(text).append(1, '"');
  return quoted;
}

void LogCall(std::string_view function, std::initializer_list<Argument> arguments) {
  std::string text;
  for (const Argument& argument : arguments) {
    if (!text.empty()) text += ' ';
    text += argument.first;
    text += '=';
    text += argument.second;
  }
  Calls().Record(function, std::move(text));
}

}  // namespace vellum::sim::detail
