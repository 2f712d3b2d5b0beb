#pragma once
// Internal to the sim: the queue of steps the scripted user left for the menu loop.

#include <deque>
#include <functional>

#include "platform/sim/user.hpp"

namespace vellum::sim::detail {

struct Step {
  enum class Kind { Hover, Open, Choose, RightClick, Character, Key, BarEntry, Cancel, Run };
  Kind kind = Kind::Cancel;
  Target target = 0;
  char16_t character = 0;
  platform::UINT key = 0;
  std::function<void()> action;
};

std::deque<Step>& Script();

}  // namespace vellum::sim::detail
