// Windows and their procedure chains through the boundary: subclassing returns the previous
// procedure, forwarding runs the chain in order, restoring unwinds it, unknown addresses are
// never called, and destroyed windows fail quietly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "support/fresh_thread.hpp"

namespace vellum::platform {
namespace {

thread_local std::vector<std::string> trace;
thread_local LONG_PTR previousOfOuter = 0;
thread_local LONG_PTR previousOfInner = 0;

LRESULT Base(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  trace.push_back("base");
  return DefWindowProcA(hWnd, message, wParam, lParam) + 1;
}

LRESULT Inner(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  trace.push_back("inner");
  return CallWindowProcA(reinterpret_cast<WNDPROC>(previousOfInner), hWnd, message, wParam,
                         lParam) +
         10;
}

LRESULT Outer(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  trace.push_back("outer");
  return CallWindowProcA(reinterpret_cast<WNDPROC>(previousOfOuter), hWnd, message, wParam,
                         lParam) +
         100;
}

thread_local bool strangerCalled = false;
LRESULT NeverInstalled(HWND, UINT, WPARAM, LPARAM) {
  strangerCalled = true;
  return 7;
}

TEST(WindowSubclass, ChainRunsNewestFirstAndUnwindsOnRestore) {
  testing::OnFreshThread([] {
    const HWND hWnd = sim::CreateWindow(u"Chain", {0, 0, 200, 100}, &Base);
    previousOfInner = SetWindowLongA(hWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Inner));
    EXPECT_EQ(previousOfInner, reinterpret_cast<LONG_PTR>(&Base));
    previousOfOuter = SetWindowLongA(hWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Outer));
    EXPECT_EQ(previousOfOuter, reinterpret_cast<LONG_PTR>(&Inner));

    EXPECT_EQ(SendMessageA(hWnd, WM_USER, 1, 2), 111);
    EXPECT_EQ(trace, (std::vector<std::string>{"outer", "inner", "base"}));
    ASSERT_EQ(sim::ReceivedMessages(hWnd, WM_USER).size(), 1u);
    EXPECT_EQ(sim::ReceivedMessages(hWnd, WM_USER)[0].lParam, 2);

    // Restoring the outer layer's predecessor takes it out of the chain.
    trace.clear();
    EXPECT_EQ(SetWindowLongA(hWnd, GWL_WNDPROC, previousOfOuter),
              reinterpret_cast<LONG_PTR>(&Outer));
    EXPECT_EQ(GetWindowLongA(hWnd, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&Inner));
    EXPECT_EQ(SendMessageA(hWnd, WM_USER, 0, 0), 11);
    EXPECT_EQ(trace, (std::vector<std::string>{"inner", "base"}));
  });
}

TEST(WindowSubclass, UnknownProcedureAddressesAreNeverCalled) {
  testing::OnFreshThread([] {
    const HWND plain = sim::CreateWindow(u"Default", {0, 0, 100, 100});
    const auto defaultProc = reinterpret_cast<WNDPROC>(GetWindowLongA(plain, GWL_WNDPROC));
    EXPECT_FALSE(IsBadCodePtr(reinterpret_cast<FARPROC>(defaultProc)));
    EXPECT_TRUE(IsBadCodePtr(reinterpret_cast<FARPROC>(&NeverInstalled)));
    EXPECT_TRUE(IsBadCodePtr(reinterpret_cast<FARPROC>(std::uintptr_t{0x1234})));
    EXPECT_TRUE(IsBadCodePtr(nullptr));

    EXPECT_EQ(CallWindowProcA(&NeverInstalled, plain, WM_USER, 0, 0), 0);
    EXPECT_FALSE(strangerCalled);
    EXPECT_EQ(
        CallWindowProcA(reinterpret_cast<WNDPROC>(std::uintptr_t{0x1234}), plain, WM_USER, 0, 0),
        0);
    // Once installed somewhere, the procedure is known.
    SetWindowLongA(plain, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&NeverInstalled));
    EXPECT_FALSE(IsBadCodePtr(reinterpret_cast<FARPROC>(&NeverInstalled)));
    EXPECT_EQ(CallWindowProcA(defaultProc, plain, WM_USER + 3, 0, 0), 0);
    EXPECT_EQ(sim::ReceivedMessages(plain, WM_USER + 3).size(), 1u);
  });
}

TEST(WindowSubclass, RefusesANullProcedureAndUnsupportedIndexes) {
  const HWND hWnd = sim::CreateWindow(u"Refuse", {0, 0, 100, 100}, &Base);
  EXPECT_EQ(SetWindowLongA(hWnd, GWL_WNDPROC, 0), 0);
  EXPECT_EQ(GetWindowLongA(hWnd, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&Base));
  EXPECT_EQ(SetWindowLongA(hWnd, GWL_STYLE, 5), 0);
  EXPECT_EQ(SetWindowLongA(hWnd, GWL_USERDATA, 42), 0);
  EXPECT_EQ(GetWindowLongA(hWnd, GWL_USERDATA), 42);
}

TEST(WindowLifetime, DestroyedWindowsFailQuietlyAndTakeTheirMenus) {
  const HWND hWnd = sim::CreateWindow(u"Short-lived", {0, 0, 100, 100});
  const HMENU bar = CreateMenu();
  const HMENU file = CreatePopupMenu();
  AppendMenuA(bar, MF_POPUP, file, "&File");
  ASSERT_TRUE(SetMenu(hWnd, bar));
  const HMENU system = GetSystemMenu(hWnd, FALSE);
  ASSERT_TRUE(IsMenu(system));

  ASSERT_TRUE(DestroyWindow(hWnd));
  const auto received = sim::ReceivedMessages(hWnd);
  ASSERT_GE(received.size(), 2u);
  EXPECT_EQ(received[received.size() - 2].message, WM_DESTROY);
  EXPECT_EQ(received.back().message, WM_NCDESTROY);
  for (HMENU gone : {bar, file, system})
    EXPECT_FALSE(IsMenu(gone));

  WINDOWPLACEMENT placement;
  RECT rect;
  EXPECT_FALSE(IsWindow(hWnd));
  EXPECT_FALSE(DestroyWindow(hWnd));
  EXPECT_EQ(SendMessageA(hWnd, WM_USER, 0, 0), 0);
  EXPECT_EQ(SetWindowLongA(hWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Base)), 0);
  EXPECT_FALSE(GetWindowPlacement(hWnd, &placement));
  EXPECT_FALSE(GetWindowRect(hWnd, &rect));
  EXPECT_EQ(GetMenu(hWnd), 0u);
  EXPECT_EQ(GetSystemMenu(hWnd, FALSE), 0u);
  EXPECT_FALSE(DrawMenuBar(hWnd));
  EXPECT_EQ(SetTimer(hWnd, 1, 50, nullptr), 0u);
}

TEST(WindowDefaultProcedure, WindowCommandsChangePlacementAndCloseDestroys) {
  const HWND hWnd = sim::CreateWindow(u"Commands", {10, 20, 110, 220});
  WINDOWPLACEMENT placement;
  ASSERT_TRUE(GetWindowPlacement(hWnd, &placement));
  EXPECT_EQ(placement.showCmd, SW_SHOWNORMAL);
  EXPECT_EQ(placement.rcNormalPosition, (RECT{10, 20, 110, 220}));

  const struct {
    UINT command;
    UINT showCmd;
  } steps[] = {{SC_MAXIMIZE, SW_SHOWMAXIMIZED},
               {SC_RESTORE, SW_SHOWNORMAL},
               {SC_MINIMIZE | 0x2, SW_SHOWMINIMIZED}};
  for (const auto& step : steps) {
    SendMessageA(hWnd, WM_SYSCOMMAND, step.command, 0);
    ASSERT_TRUE(GetWindowPlacement(hWnd, &placement));
    EXPECT_EQ(placement.showCmd, step.showCmd) << std::hex << step.command;
  }
  SendMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(hWnd));
  EXPECT_EQ(sim::ReceivedMessages(hWnd, WM_CLOSE).size(), 1u);
}

}  // namespace
}  // namespace vellum::platform
