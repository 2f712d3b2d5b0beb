#include "model/menubar.hpp"

#include <gtest/gtest.h>

#include "items/sidebar.hpp"
#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "render/item_visual_properties.hpp"
#include "support/menu_fixture.hpp"
#include "support/native_menu.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::NativeIds;
using testing::OnFreshThread;
using testing::StandardMenus;

TEST_ON_FRESH_THREAD(Menubar, ANewBarHasAHandleAnIdAndAKey) {
  auto bar = Menubar::New();
  EXPECT_TRUE(IsMenu(bar->hMenu()));
  EXPECT_EQ(bar->ItemId(), 4680);
  EXPECT_EQ(bar->Key(), DefaultKey(bar->hMenu()));
  EXPECT_EQ(bar->Counter(), 0);
  EXPECT_EQ(bar->OldWndProc(), 0);
  EXPECT_EQ(bar->TopMostParent(), bar);
}

TEST_ON_FRESH_THREAD(MenubarAdd, InsertAfterShiftsLaterItemsInListAndNativeMenu) {
  StandardMenus menus;
  auto view = menus.bar->Add(u"&View", nullptr, u"View", u"File");
  EXPECT_EQ(menus.bar->Item(2), view);
  EXPECT_EQ(view->Index(), 1);
  EXPECT_EQ(menus.edit->Index(), 2);
  EXPECT_EQ(
      NativeIds(menus.bar->hMenu()),
      (std::vector<UINT>{static_cast<UINT>(menus.file->ItemId()), static_cast<UINT>(view->ItemId()),
                         static_cast<UINT>(menus.edit->ItemId())}));
  // An item ID anywhere in the tree names the anchor too.
  auto help = menus.bar->Add(u"&Help", nullptr, u"Help", menus.edit->ItemId());
  EXPECT_EQ(help->Index(), 3);
}

TEST_ON_FRESH_THREAD(MenubarAdd, BarItemsAreCentredAndFlatUnderOfficeXp) {
  StandardMenus menus;
  EXPECT_EQ(menus.file->Visual()->TextAlign(), taCenter);
  EXPECT_EQ(menus.file->Visual()->SelectionStyle(), mssDefault);
  Library().activeMenus->MenuDrawStyle(mdsOfficeXP);
  EXPECT_EQ(menus.bar->Add(u"&Tools")->Visual()->SelectionStyle(), 193);
}

TEST_ON_FRESH_THREAD(Menubar, ItemNeverFails) {
  StandardMenus menus;
  ClearLastError();
  EXPECT_EQ(menus.bar->Item(u"nope"), nullptr);
  EXPECT_EQ(menus.bar->Item(7), nullptr);
  EXPECT_EQ(LastError().Number(), 0);
  EXPECT_EQ(menus.bar->SubMenu(u"File"), menus.FileMenu());
}

TEST_ON_FRESH_THREAD(Menubar, DestroyThenAddStartsAnEmptyBarWithANewMenu) {
  StandardMenus menus;
  const HMENU old = menus.bar->hMenu();
  const HMENU fileMenu = menus.FileMenu()->hMenu();
  menus.bar->Destroy();
  EXPECT_EQ(menus.bar->hMenu(), 0u);
  EXPECT_FALSE(IsMenu(old));
  EXPECT_FALSE(IsMenu(fileMenu));
  auto item = menus.bar->Add(u"&Again");
  EXPECT_TRUE(IsMenu(menus.bar->hMenu()));
  EXPECT_EQ(menus.bar->Count(), 1);
  EXPECT_EQ(NativeIds(menus.bar->hMenu()), (std::vector<UINT>{static_cast<UINT>(item->ItemId())}));
}

TEST_ON_FRESH_THREAD(Menubar, SearchFindsItemsAndRefusesSidebars) {
  StandardMenus menus;
  EXPECT_EQ(menus.bar->Search(menus.recent2->ItemId()), menus.recent2);
  EXPECT_EQ(menus.bar->Search(12345), nullptr);
  EXPECT_THROW(menus.bar->Search(menus.RecentMenu()->Sidebar()->ItemId()), AutomationError);
}

TEST_ON_FRESH_THREAD(Menubar, AnswersLateBoundCalls) {
  auto bar = Menubar::New();
  auto item = bar->Invoke(u"Add", CallType::Method, {u"&File", Missing, u"File"});
  EXPECT_EQ(item.ToObjectOf<MenuItem>()->Key(), u"File");
  EXPECT_EQ(bar->Invoke(u"count", CallType::PropertyGet), Variant(1));
  EXPECT_EQ(bar->Invoke(u"Item", CallType::Method, {u"file"}), item);
  auto font = StdFont::New({.name = u"Tahoma", .size = 9});
  bar->Invoke(u"Font", CallType::PropertySet, {Variant(font)});
  EXPECT_EQ(bar->Font(), font);
  EXPECT_EQ(bar->Invoke(u"Font", CallType::PropertyGet), Variant(font));
}

}  // namespace
}  // namespace vellum
