// Timers on the simulated clock: each period delivers WM_TIMER in time order, setting again
// restarts, killing stops, and timers go with their window.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "support/fresh_thread.hpp"

namespace vellum::platform {
namespace {

// (time, timer ID) of every tick.
thread_local std::vector<std::pair<DWORD, UINT_PTR>> ticks;
thread_local UINT_PTR killOnTick = 0;

LRESULT TimerWindow(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    ticks.emplace_back(sim::Now(), wParam);
    if (wParam == killOnTick) KillTimer(hWnd, wParam);
    return 0;
  }
  return DefWindowProcA(hWnd, message, wParam, lParam);
}

void TimerCallback(HWND, UINT message, UINT_PTR id, DWORD time) {
  if (message == WM_TIMER) ticks.emplace_back(time, id);
}

using Ticks = std::vector<std::pair<DWORD, UINT_PTR>>;

TEST(Timers, EachPeriodDeliversOneTickInTimeOrder) {
  testing::OnFreshThread([] {
    const HWND hWnd = sim::CreateWindow(u"Timers", {0, 0, 100, 100}, &TimerWindow);
    EXPECT_EQ(SetTimer(hWnd, 50, 50, nullptr), 50u);
    EXPECT_EQ(SetTimer(hWnd, 30, 30, nullptr), 30u);
    sim::AdvanceClock(100);
    EXPECT_EQ(ticks, (Ticks{{30, 30}, {50, 50}, {60, 30}, {90, 30}, {100, 50}}));
    EXPECT_EQ(sim::Now(), 100u);
  });
}

TEST(Timers, SettingAgainRestartsAndKillingStops) {
  testing::OnFreshThread([] {
    const HWND hWnd = sim::CreateWindow(u"Timers", {0, 0, 100, 100}, &TimerWindow);
    SetTimer(hWnd, 7, 50, nullptr);
    sim::AdvanceClock(40);
    SetTimer(hWnd, 7, 50, nullptr);  // restarts: next tick at 90, not 50
    sim::AdvanceClock(60);
    EXPECT_EQ(ticks, (Ticks{{90, 7}}));
    EXPECT_TRUE(KillTimer(hWnd, 7));
    EXPECT_FALSE(KillTimer(hWnd, 7));
    EXPECT_FALSE(KillTimer(hWnd, 8));
    sim::AdvanceClock(500);
    EXPECT_EQ(ticks.size(), 1u);
  });
}

TEST(Timers, AHandlerThatKillsItsTimerGetsNoMoreTicks) {
  testing::OnFreshThread([] {
    const HWND hWnd = sim::CreateWindow(u"Timers", {0, 0, 100, 100}, &TimerWindow);
    killOnTick = 3;
    SetTimer(hWnd, 3, 20, nullptr);
    SetTimer(hWnd, 4, 1, nullptr);  // clamped to the 10 ms minimum
    sim::AdvanceClock(45);
    // At 20 both are due: the timer set first ticks first.
    EXPECT_EQ(ticks, (Ticks{{10, 4}, {20, 3}, {20, 4}, {30, 4}, {40, 4}}));
  });
}

TEST(Timers, TimersGoWithTheirWindowAndCallbacksGetTheirId) {
  testing::OnFreshThread([] {
    const HWND hWnd = sim::CreateWindow(u"Timers", {0, 0, 100, 100}, &TimerWindow);
    SetTimer(hWnd, 1, 10, nullptr);
    DestroyWindow(hWnd);
    EXPECT_FALSE(KillTimer(hWnd, 1));
    const UINT_PTR id = SetTimer(0, 99, 25, &TimerCallback);
    EXPECT_NE(id, 0u);
    sim::AdvanceClock(60);
    EXPECT_EQ(ticks, (Ticks{{25, id}, {50, id}}));
  });
}

}  // namespace
}  // namespace vellum::platform
