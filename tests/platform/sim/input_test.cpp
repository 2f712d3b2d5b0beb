// The user's mouse and keys: non-client mouse moves carry the hit code and screen point, the
// cursor follows, key states read as the platform's, and key messages carry its lParam layout.
#include <gtest/gtest.h>

#include <vector>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "recording_owner.hpp"
#include "support/fresh_thread.hpp"

namespace vellum::platform {
namespace {

using testing::Recorder;

TEST(UserMouse, NonClientMovesCarryTheHitCodeAndTheScreenPoint) {
  testing::OnFreshThread([] {
    const HWND hWnd = testing::CreateRecordingWindow();  // (100, 100) - (500, 400)
    const HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_OWNERDRAW, 1, nullptr);
    SetMenu(hWnd, bar);
    sim::User user;
    const struct {
      POINT at;
      UINT message;
      WPARAM wParam;
      LPARAM lParam;
    } cases[] = {
        {{150, 130}, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(150, 130)},
        {{300, 110}, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(300, 110)},
        {{110, 110}, WM_NCMOUSEMOVE, HTSYSMENU, MAKELPARAM(110, 110)},
        {{102, 300}, WM_NCMOUSEMOVE, HTBORDER, MAKELPARAM(102, 300)},
        {{200, 200}, WM_MOUSEMOVE, 0, MAKELPARAM(96, 58)},  // client starts at (104, 142)
    };
    for (const auto& c : cases) {
      Recorder().messages.clear();
      user.MoveMouse(c.at);
      ASSERT_EQ(Recorder().messages.size(), 1u);
      EXPECT_EQ(Recorder().messages[0].message, c.message);
      EXPECT_EQ(Recorder().messages[0].wParam, c.wParam);
      EXPECT_EQ(Recorder().messages[0].lParam, c.lParam);
      POINT cursor;
      ASSERT_TRUE(GetCursorPos(&cursor));
      EXPECT_EQ(cursor, c.at);
    }
    Recorder().messages.clear();
    user.MoveMouse({700, 700});
    EXPECT_TRUE(Recorder().messages.empty()) << "no window under the point";
    EXPECT_FALSE(GetCursorPos(nullptr));

    ASSERT_TRUE(user.MoveMouseOverMenuBar(hWnd, 0));
    // The entry answers 100 and is drawn 14 wider, 18 high: its middle is 4 + 57 from the
    // window's left and 9 below the bar's top.
    EXPECT_EQ(Recorder().messages.back().lParam, MAKELPARAM(161, 132));
    EXPECT_FALSE(user.MoveMouseOverMenuBar(hWnd, 1));
  });
}

TEST(UserKeys, KeyStatesFollowTheUserAndKeyUpCarriesThePlatformLParam) {
  testing::OnFreshThread([] {
    const HWND hWnd = testing::CreateRecordingWindow();
    SHORT shiftDuringKeyUp = 0, controlDuringKeyUp = 0;
    Recorder().handler = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message == WM_KEYUP) {
        shiftDuringKeyUp = GetKeyState(VK_SHIFT);
        controlDuringKeyUp = GetKeyState(VK_CONTROL);
      }
      return std::nullopt;
    };
    sim::User user;
    user.PressKey(VK_LSHIFT);
    user.TapKey('A');
    EXPECT_LT(shiftDuringKeyUp, 0) << "a negative state means down";
    EXPECT_GE(controlDuringKeyUp, 0);
    EXPECT_LT(GetKeyState(VK_LSHIFT), 0);
    user.ReleaseKey(VK_LSHIFT);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);

    const auto ups = Recorder().Of(WM_KEYUP);
    ASSERT_EQ(ups.size(), 2u);
    EXPECT_EQ(ups[0].wParam, WPARAM{'A'});
    EXPECT_EQ(ups[0].lParam, LPARAM{0xC01E0001}) << "repeat 1, scan code, previous and transition";
    EXPECT_EQ(ups[1].wParam, WPARAM(VK_SHIFT)) << "the generic code for either Shift key";
    EXPECT_EQ(Recorder().Of(WM_KEYDOWN)[0].lParam, LPARAM{0x002A0001});
    EXPECT_EQ(sim::ActiveWindow(), hWnd);
  });
}

TEST(UserKeys, WithAltHeldKeysArriveAsSystemKeys) {
  testing::OnFreshThread([] {
    testing::CreateRecordingWindow();
    sim::User user;
    user.PressKey(VK_MENU);
    user.TapKey(VK_F4);
    user.ReleaseKey(VK_MENU);
    const auto ups = Recorder().Of(WM_SYSKEYUP);
    ASSERT_EQ(ups.size(), 2u);
    EXPECT_EQ(ups[0].wParam, WPARAM(VK_F4));
    EXPECT_NE(ups[0].lParam & (LPARAM{1} << 29), 0) << "the context bit says Alt is down";
    EXPECT_TRUE(Recorder().Of(WM_KEYUP).empty());
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
    user.TapKey(VK_CAPITAL);
    EXPECT_EQ(GetKeyState(VK_CAPITAL), 1) << "up, toggled on";
  });
}

}  // namespace
}  // namespace vellum::platform
