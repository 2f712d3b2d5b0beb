#pragma once
// Internal to the sim: how boundary functions write their arguments into the call log.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace vellum::sim::detail {

std::string Hex(std::uint64_t value);
std::string Dec(std::int64_t value);
// The text between double quotes.
std::string Quoted(std::string_view text);

using Argument = std::pair<std::string_view, std::string>;

// Records `function` with "name=value" pairs separated by spaces.
void LogCall(std::string_view function, std::initializer_list<Argument> arguments = {});

}  // namespace vellum::sim::detail
