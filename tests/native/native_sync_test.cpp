#include "native/native_sync.hpp"

#include <gtest/gtest.h>

#include "items/sidebar.hpp"
#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/driver.hpp"
#include "support/menu_fixture.hpp"
#include "support/native_menu.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::NativeIds;
using testing::OnFreshThread;

TEST_ON_FRESH_THREAD(NativeSync, MenusItemsAndSidebarsDrawFromOneCounter) {
  auto bar = Menubar::New();
  auto first = bar->Add(u"&File");
  auto second = bar->Add(u"&Edit");
  EXPECT_EQ(bar->ItemId(), 4680);
  EXPECT_EQ(first->ItemId(), 4681);
  EXPECT_EQ(first->SubMenu()->ItemId(), 4681);  // drew 4682, then took its item's ID
  EXPECT_EQ(first->SubMenu()->Sidebar()->ItemId(), 4683);
  EXPECT_EQ(first->SubMenu()->Sidebar()->BreakId(), 4684);
  EXPECT_EQ(second->ItemId(), 4685);
  EXPECT_EQ(first->Key(), u"_H1249");
}

TEST(NativeSync, RecordSizeFollowsThePlatformVersion) {
  for (auto [minor, size] : {std::pair{0u, 48u}, std::pair{1u, 44u}}) {
    OnFreshThread([minor, size] {
      sim::SetPlatformVersion(5, minor);
      EXPECT_EQ(Library().itemInfoSize, size) << "version 5." << minor;
    });
  }
}

TEST(NativeSync, NarrowCallsWhenTheActiveSetAsksForThem) {
  OnFreshThread([] {
    Library().activeMenus->GlobalNoUnicode(true);
    sim::Calls().Reset();
    testing::StandardMenus menus;
    menus.open->Caption(u"Open &file");
    EXPECT_EQ(sim::Calls().Count("SetMenuItemInfoW"), 0u);
    EXPECT_GT(sim::Calls().Count("SetMenuItemInfoA"), 0u);
  });
  OnFreshThread([] {
    testing::StandardMenus menus;
    sim::Calls().Reset();
    menus.open->Caption(u"Open &file");
    EXPECT_EQ(sim::Calls().Count("SetMenuItemInfoA"), 0u);
    EXPECT_GT(sim::Calls().Count("SetMenuItemInfoW"), 0u);
  });
}

TEST_ON_FRESH_THREAD(NativeSync, RebuildRestoresTheListOrder) {
  testing::StandardMenus menus;
  const HMENU file = menus.FileMenu()->hMenu();
  // Move Open to the end behind the objects' back.
  RemoveMenu(file, static_cast<UINT>(menus.open->ItemId()), MF_BYCOMMAND);
  AppendMenuA(file, MF_OWNERDRAW, static_cast<UINT>(menus.open->ItemId()), nullptr);
  RebuildNativeMenu(*menus.FileMenu());
  EXPECT_EQ(NativeIds(file), (std::vector<UINT>{static_cast<UINT>(menus.open->ItemId()),
                                                static_cast<UINT>(menus.save->ItemId()),
                                                static_cast<UINT>(menus.separator->ItemId()),
                                                static_cast<UINT>(menus.recent->ItemId())}));
}

TEST_ON_FRESH_THREAD(NativeSync, AVisibleLeftSidebarTakesTheFirstTwoPositions) {
  testing::StandardMenus menus;
  const HMENU file = menus.FileMenu()->hMenu();
  const auto sidebar = menus.FileMenu()->Sidebar();
  sidebar->Visible(true);
  const auto band = static_cast<UINT>(sidebar->ItemId());
  const auto columnBreak = static_cast<UINT>(sidebar->BreakId());
  ASSERT_EQ(NativeIds(file).size(), 6u);
  EXPECT_EQ(NativeIds(file)[0], band);
  EXPECT_EQ(NativeIds(file)[1], columnBreak);
  // Inserted as a separator break, then written by the band as a break that is never chosen.
  EXPECT_EQ(testing::NativeEntryById(file, columnBreak).type, MFT_OWNERDRAW | MFT_MENUBREAK);
  EXPECT_EQ(testing::NativeEntryById(file, columnBreak).state, 6u);
  // An item shown again lands behind the band and its break.
  menus.save->Visible(false);
  menus.save->Visible(true);
  EXPECT_EQ(NativeIds(file)[3], static_cast<UINT>(menus.save->ItemId()));
  sidebar->Visible(false);
  EXPECT_EQ(NativeIds(file).size(), 4u);
}

TEST_ON_FRESH_THREAD(NativeSync, RelinkSetsNeighboursAndIndexes) {
  testing::StandardMenus menus;
  menus.FileMenu()->Remove(u"Recent");
  EXPECT_EQ(menus.separator->NextItem(), nullptr);
  menus.FileMenu()->Remove(1);
  EXPECT_EQ(menus.save->PrevItem(), nullptr);
  EXPECT_EQ(menus.save->Index(), 0);
  EXPECT_EQ(menus.separator->Index(), 1);
  EXPECT_EQ(Library().activeMenus->FindMenuItem(menus.recent->ItemId()), nullptr);
}

}  // namespace
}  // namespace vellum
