#pragma once
// Internal to the sim: printf-style formatting of the arguments a boundary call logs.

#include <string>

namespace vellum::sim::detail {

std::string FormatArguments(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vellum::sim::detail
