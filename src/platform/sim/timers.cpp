// Timers: a per-thread table of window timers and the simulated clock that fires them.
#include <algorithm>
#include <vector>

#include "platform/sim/call_arguments.hpp"
#include "platform/sim/driver.hpp"
#include "platform/sim/timer_table.hpp"
#include "platform/sim/window_table.hpp"
#include "platform/user32.hpp"

namespace vellum::sim::detail {
namespace {

using namespace platform;

// The platform's bounds for a period.
constexpr UINT kMinimumPeriod = 10;
constexpr UINT kMaximumPeriod = 0x7FFFFFFF;
// IDs of timers without a window are the platform's to choose.
constexpr UINT_PTR kFirstThreadTimerId = 0x7000;

struct Timer {
  HWND hWnd = 0;
  UINT_PTR id = 0;
  UINT period = 0;
  std::uint64_t due = 0;
  TIMERPROC proc = nullptr;
};

struct TimerSpace {
  std::uint64_t now = 0;
  std::vector<Timer> timers;
  UINT_PTR nextThreadTimerId = kFirstThreadTimerId;
};

TimerSpace& Space() {
  thread_local TimerSpace space;
  return space;
}

std::vector<Timer>::iterator FindTimer(HWND hWnd, UINT_PTR id) {
  auto& timers = Space().timers;
  return std::find_if(timers.begin(), timers.end(),
                      [&](const Timer& t) { return t.hWnd == hWnd && t.id == id; });
}

// The earliest timer due at or before `until`; on a tie, the one set first.
Timer* NextDue(std::uint64_t until) {
  Timer* next = nullptr;
  for (Timer& timer : Space().timers) {
    if (timer.due <= until && (!next || timer.due < next->due)) next = &timer;
  }
  return next;
}

}  // namespace

void KillTimersOf(HWND hWnd) {
  auto& timers = Space().timers;
  timers.erase(
      std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hWnd == hWnd; }),
      timers.end());
}

}  // namespace vellum::sim::detail

namespace vellum::sim {

platform::DWORD Now() {
  return static_cast<platform::DWORD>(detail::Space().now);
}

// Each period that elapses delivers one WM_TIMER, in time order across timers, as a thread
// that keeps pumping messages sees them. A handler may set or kill timers meanwhile.
void AdvanceClock(platform::DWORD milliseconds) {
  detail::TimerSpace& space = detail::Space();
  const std::uint64_t until = space.now + milliseconds;
  while (detail::Timer* timer = detail::NextDue(until)) {
    space.now = timer->due;
    timer->due += timer->period;
    const detail::Timer fired = *timer;  // the table may change while it fires
    if (fired.proc)
      fired.proc(fired.hWnd, platform::WM_TIMER, fired.id, Now());
    else
      detail::Send(fired.hWnd, platform::WM_TIMER, fired.id, 0);
  }
  space.now = until;
}

}  // namespace vellum::sim

namespace vellum::platform {

// A window timer is identified by (window, ID) and replaced when set again; without a window
// the sim picks a new ID. Periods are clamped to 10 ms .. 0x7FFFFFFF ms.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
  sim::detail::LogCall("SetTimer", {{"hWnd", sim::detail::Hex(hWnd)},
                                    {"nIDEvent", sim::detail::Hex(nIDEvent)},
                                    {"uElapse", sim::detail::Dec(uElapse)}});
  using namespace sim::detail;
  if (hWnd != 0 && !FindWindow(hWnd)) return 0;
  const UINT period = std::clamp(uElapse, kMinimumPeriod, kMaximumPeriod);
  const UINT_PTR id = hWnd != 0 ? nIDEvent : Space().nextThreadTimerId++;
  auto existing = FindTimer(hWnd, id);
  Timer timer{hWnd, id, period, Space().now + period, lpTimerFunc};
  if (existing != Space().timers.end())
    *existing = timer;
  else
    Space().timers.push_back(timer);
  return id != 0 ? id : 1;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  sim::detail::LogCall(
      "KillTimer", {{"hWnd", sim::detail::Hex(hWnd)}, {"uIDEvent", sim::detail::Hex(uIDEvent)}});
  auto found = sim::detail::FindTimer(hWnd, uIDEvent);
  if (found == sim::detail::Space().timers.end()) return FALSE;
  sim::detail::Space().timers.erase(found);
  return TRUE;
}

}  // namespace vellum::platform
