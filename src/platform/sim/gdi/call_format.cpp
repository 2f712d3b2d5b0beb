#include "platform/sim/gdi/call_format.hpp"

#include <cstdarg>
#include <cstdio>

namespace vellum::sim::detail {

std::string FormatArguments(const char* format, ...) {
  char buffer[256];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (length < 0) return {};
  return std::string(buffer, static_cast<std::size_t>(length) < sizeof buffer
                                 ? static_cast<std::size_t>(length)
                                 : sizeof buffer - 1);
}

}  // namespace vellum::sim::detail
