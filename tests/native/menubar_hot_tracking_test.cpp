#include "native/menubar_hot_tracking.hpp"

#include <gtest/gtest.h>

#include "model/menu_lib_global.hpp"
#include "render/draw_item.hpp"
#include "support/owner_drawn.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::OnFreshThread;
using testing::OwnerDrawnMenus;
using testing::ReadBarEntry;

COLORREF System(int index) {
  return GetSysColor(index);
}

// The attached bar, painted once by the window manager so that its entries know where they are.
struct TrackedBar : OwnerDrawnMenus {
  TrackedBar() {
    DrawMenuBar(window);
    sim::Calls().Reset();
    sim::ClearReceivedMessages(window);
  }

  // The left edge of a hot-lit bar entry is the raised frame's light line.
  bool IsLit(std::size_t position) const {
    return ReadBarEntry(window, position).At(0, 5) == System(COLOR_BTNHIGHLIGHT);
  }
  std::size_t Repaints() const { return sim::Calls().Count("BitBlt"); }
  std::size_t Ticks() const { return sim::ReceivedMessages(window, WM_TIMER).size(); }
  // A timer message as the platform would deliver it, with the bar's handle as its ID.
  void Tick(WPARAM id) const { SendMessageA(window, WM_TIMER, id, 0); }
  WPARAM BarTimer() const { return static_cast<WPARAM>(bar->hMenu()); }
  POINT ClientPoint() const {
    const auto layout = sim::LayoutOf(window);
    return {layout->client.left + 20, layout->client.top + 20};
  }

  sim::User user;
};

TEST_ON_FRESH_THREAD(HotTrackMenubar, MovingFromOneEntryToTheNextRepaintsEachOnceAndKeepsOneTimer) {
  TrackedBar app;
  const COLORREF normalEdge = ReadBarEntry(app.window, 1).At(0, 5);
  ASSERT_NE(normalEdge, System(COLOR_BTNHIGHLIGHT));

  app.user.MoveMouseOverMenuBar(app.window, 0);
  EXPECT_TRUE(app.IsLit(0));
  EXPECT_EQ(app.Repaints(), 1u);
  EXPECT_EQ(app.bar->HotItem(), app.file);
  // Moving within the lit entry repaints nothing.
  const RECT file = sim::MenuBarEntryRects(app.window)[0];
  app.user.MoveMouse({file.left + 3, file.top + 3});
  EXPECT_EQ(app.Repaints(), 1u);

  app.user.MoveMouseOverMenuBar(app.window, 1);
  EXPECT_FALSE(app.IsLit(0));
  EXPECT_EQ(ReadBarEntry(app.window, 0).At(0, 5), normalEdge);
  EXPECT_TRUE(app.IsLit(1));
  EXPECT_EQ(app.Repaints(), 3u);
  EXPECT_EQ(app.bar->HotItem(), app.edit);
  EXPECT_EQ(sim::Calls().Count("KillTimer"), 0u);
  for (const std::string& call : sim::Calls().Arguments("SetTimer")) {
    EXPECT_NE(call.find("uElapse=50"), std::string::npos) << call;
  }

  // One timer, named after the bar: it ticks once per period and the entry stays lit.
  sim::AdvanceClock(kHotTrackingPeriod);
  EXPECT_EQ(app.Ticks(), 1u);
  EXPECT_TRUE(app.IsLit(1));
}

TEST_ON_FRESH_THREAD(HotTrackMenubar,
                     LeavingThroughTheClientAreaDarkensTheEntryAtTheNextTickAndStopsTheTimer) {
  TrackedBar app;
  app.user.MoveMouseOverMenuBar(app.window, 0);
  app.user.MoveMouse(app.ClientPoint());  // a client-area move: nothing yet
  EXPECT_TRUE(app.IsLit(0));

  sim::AdvanceClock(kHotTrackingPeriod);
  EXPECT_FALSE(app.IsLit(0));
  EXPECT_EQ(app.bar->HotItem(), nullptr);
  EXPECT_EQ(sim::Calls().Count("KillTimer"), 1u);
  sim::AdvanceClock(10 * kHotTrackingPeriod);
  EXPECT_EQ(app.Ticks(), 1u);
}

TEST_ON_FRESH_THREAD(HotTrackMenubar, AMoveOverTheFrameOffTheEntriesDarkensTheEntryAtOnce) {
  TrackedBar app;
  app.user.MoveMouseOverMenuBar(app.window, 0);
  const auto layout = sim::LayoutOf(app.window);
  app.user.MoveMouse({layout->menuBar.right - 3, layout->menuBar.top + 5});
  EXPECT_FALSE(app.IsLit(0));
  EXPECT_EQ(sim::Calls().Count("KillTimer"), 1u);
  EXPECT_EQ(app.bar->HotItem(), nullptr);
}

TEST_ON_FRESH_THREAD(HotTrackMenubar, AnotherTimersTickChangesNothing) {
  TrackedBar app;
  app.user.MoveMouseOverMenuBar(app.window, 0);
  app.user.MoveMouse(app.ClientPoint());
  const std::size_t repaints = app.Repaints();
  app.Tick(7);
  EXPECT_TRUE(app.IsLit(0));
  EXPECT_EQ(app.Repaints(), repaints);
  EXPECT_EQ(app.bar->HotItem(), app.file);
  EXPECT_EQ(sim::Calls().Count("KillTimer"), 0u);
  // The message still reaches the window.
  EXPECT_EQ(app.Ticks(), 1u);
}

TEST_ON_FRESH_THREAD(HotTrackMenubar, AnEntryNeverPaintedIsNeverLit) {
  TrackedBar app;
  app.file->Visual()->StoreDrawItem({});  // as before its first paint request
  app.user.MoveMouseOverMenuBar(app.window, 0);
  EXPECT_EQ(app.bar->HotItem(), nullptr);
  EXPECT_EQ(sim::Calls().Count("SetTimer"), 0u);
  EXPECT_EQ(app.Repaints(), 0u);
}

TEST_ON_FRESH_THREAD(HotTrackMenubar, TheOnePixelBetweenTwoEntriesBelongsToNeither) {
  TrackedBar app;
  const RECT edit = sim::MenuBarEntryRects(app.window)[1];
  app.user.MoveMouse({edit.left, (edit.top + edit.bottom) / 2});
  EXPECT_EQ(app.bar->HotItem(), nullptr);
  app.user.MoveMouse({edit.left + 1, (edit.top + edit.bottom) / 2});
  EXPECT_EQ(app.bar->HotItem(), app.edit);
}

TEST_ON_FRESH_THREAD(HotTrackMenubar,
                     ThePlatformPaintingTheBarEndsTheHotLightAndTheNextTickStopsTheTimer) {
  TrackedBar app;
  app.user.MoveMouseOverMenuBar(app.window, 0);
  DrawMenuBar(app.window);
  EXPECT_FALSE(app.IsLit(0));
  EXPECT_EQ(app.bar->HotItem(), nullptr);
  sim::AdvanceClock(kHotTrackingPeriod);
  EXPECT_EQ(sim::Calls().Count("KillTimer"), 1u);
  EXPECT_EQ(app.Ticks(), 1u);
}

TEST_ON_FRESH_THREAD(HotTrackMenubar, AnEntryWhoseMenuIsOpenStaysAsThePlatformPaintedIt) {
  TrackedBar app;
  app.user.MoveMouseOverMenuBar(app.window, 0);
  // Inside the menu loop the platform paints File selected; the mouse then moves to Edit.
  bool fileStayedOpen = false;
  app.user.Run([&] {
    app.user.MoveMouseOverMenuBar(app.window, 1);
    fileStayedOpen =
        (app.file->Visual()->FetchDrawItem().itemState & ODS_SELECTED) != 0 && !app.IsLit(0);
  });
  app.user.ClickMenuBar(app.window, 0);
  EXPECT_TRUE(fileStayedOpen);
}

TEST_ON_FRESH_THREAD(HotTrackMenubar, ABarOfASetThatIsNotActiveIsNotLitAndItsLeftoverTimerStops) {
  TrackedBar app;
  app.user.MoveMouseOverMenuBar(app.window, 0);
  Library().activeMenus->SetActive(false);
  const std::size_t repaints = app.Repaints();
  app.user.MoveMouseOverMenuBar(app.window, 1);
  EXPECT_EQ(app.Repaints(), repaints);
  EXPECT_FALSE(app.IsLit(1));
  EXPECT_EQ(sim::Calls().Count("KillTimer"), 0u);

  sim::AdvanceClock(kHotTrackingPeriod);
  EXPECT_EQ(sim::Calls().Count("KillTimer"), 1u);
  sim::AdvanceClock(10 * kHotTrackingPeriod);
  EXPECT_EQ(app.Ticks(), 1u);
  Library().activeMenus->SetActive(true);
}

TEST_ON_FRESH_THREAD(HotTrackMenubar, ALitBarLeavingItsWindowTakesItsTimerAlong) {
  TrackedBar app;
  app.user.MoveMouseOverMenuBar(app.window, 0);
  MenuLibGlobal::New()->SetActiveMenuSet(Menus::New());  // the old set's bar is destroyed
  sim::AdvanceClock(10 * kHotTrackingPeriod);
  EXPECT_EQ(app.Ticks(), 0u);
}

TEST_ON_FRESH_THREAD(HotTrackMenubar, PlatformVersion500DoesNoHotTracking) {
  sim::SetPlatformVersion(5, 0);
  TrackedBar app;
  app.user.MoveMouseOverMenuBar(app.window, 0);
  EXPECT_FALSE(app.IsLit(0));
  EXPECT_EQ(sim::Calls().Count("SetTimer"), 0u);
  app.Tick(app.BarTimer());
  EXPECT_EQ(sim::Calls().Count("KillTimer"), 0u);
}

}  // namespace
}  // namespace vellum
