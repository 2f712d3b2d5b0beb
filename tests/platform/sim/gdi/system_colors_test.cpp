#include <gtest/gtest.h>

#include "platform/platform.hpp"
#include "platform/sim/gdi/memory_canvas.hpp"
#include "platform/sim/gdi/screen.hpp"
#include "support/fresh_thread.hpp"

namespace vellum {
namespace {

using namespace platform;

TEST(GetSysColor, ClassicTableByIndexAndZeroOutsideIt) {
  struct {
    int index;
    COLORREF color;
  } expected[] = {
      {COLOR_MENU, RGB(212, 208, 200)},
      {COLOR_MENUTEXT, RGB(0, 0, 0)},
      {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
      {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
      {COLOR_GRAYTEXT, RGB(128, 128, 128)},
      {COLOR_BTNFACE, RGB(212, 208, 200)},
      {COLOR_3DSHADOW, RGB(128, 128, 128)},
      {COLOR_3DHILIGHT, RGB(255, 255, 255)},
      {COLOR_3DDKSHADOW, RGB(64, 64, 64)},
      {COLOR_WINDOW, RGB(255, 255, 255)},
      {COLOR_MENUHILIGHT, RGB(10, 36, 106)},
      {COLOR_MENUBAR, RGB(212, 208, 200)},
      {-1, 0},
      {31, 0},
      {1000, 0},
  };
  for (const auto& e : expected)
    EXPECT_EQ(GetSysColor(e.index), e.color) << e.index;
}

TEST(ColorScheme, SwitchingTablesChangesWhatSystemColoursResolveTo) {
  testing::OnFreshThread([] {
    const COLORREF classicMenu = GetSysColor(COLOR_MENU);
    sim::SetColorScheme(sim::ColorScheme::Dark);
    EXPECT_EQ(sim::CurrentColorScheme(), sim::ColorScheme::Dark);
    EXPECT_NE(GetSysColor(COLOR_MENU), classicMenu);
    EXPECT_GT(GetRValue(GetSysColor(COLOR_MENUTEXT)), GetRValue(GetSysColor(COLOR_MENU)))
        << "light text on a dark menu";

    // Fills by colour index and the disabled look follow the table.
    testing::MemoryCanvas canvas(8, 8);
    const RECT all{0, 0, 8, 8};
    FillRect(canvas.dc, &all, static_cast<HBRUSH>(COLOR_MENU + 1));
    EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_MENU));
    const HICON dot = sim::CreateIconFromPixels(1, 1, {0}, RGB(255, 255, 255));
    DrawStateW(canvas.dc, 0, nullptr, static_cast<LPARAM>(dot), 0, 2, 2, 2, 2,
               DST_ICON | DSS_DISABLED);
    EXPECT_EQ(canvas.At(2, 2), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(canvas.At(3, 3), GetSysColor(COLOR_3DHILIGHT));
    DestroyIcon(dot);

    sim::SetColorScheme(sim::ColorScheme::HighContrast);
    EXPECT_EQ(GetSysColor(COLOR_MENU), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_MENUTEXT), RGB(255, 255, 255));
    sim::SetColorScheme(sim::ColorScheme::Classic);
    EXPECT_EQ(GetSysColor(COLOR_MENU), classicMenu);
  });
}

}  // namespace
}  // namespace vellum
