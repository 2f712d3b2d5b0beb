#include "accel/mnemonic_index.hpp"

#include <gtest/gtest.h>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "support/menu_fixture.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::OnFreshThread;
using testing::StandardMenus;

TEST_ON_FRESH_THREAD(MenuCharacter, AnswersWithThePositionToRunOrMinusOne) {
  StandardMenus menus;
  const HWND window = sim::CreateWindow(u"App", {0, 0, 400, 300});
  menus.bar->SetWindowHandle(window);
  const auto file = static_cast<LPARAM>(menus.FileMenu()->hMenu());
  EXPECT_EQ(SendMessageA(window, WM_MENUCHAR, 's', file), 131073);  // Save, and run it
  EXPECT_EQ(SendMessageA(window, WM_MENUCHAR, 'S', file), 131073);
  EXPECT_EQ(SendMessageA(window, WM_MENUCHAR, 'x', file), -1);
  EXPECT_EQ(SendMessageA(window, WM_MENUCHAR, 'o', 12345), -1);  // no such popup
  EXPECT_TRUE(sim::ReceivedMessages(window, WM_MENUCHAR).empty());
}

}  // namespace
}  // namespace vellum
