#include "items/sub_menu.hpp"

#include <gtest/gtest.h>

#include "accel/accelerators.hpp"
#include "items/sidebar.hpp"
#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "render/item_visual_properties.hpp"
#include "support/menu_fixture.hpp"
#include "support/native_menu.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::NativeEntries;
using testing::NativeIds;
using testing::OnFreshThread;
using testing::StandardMenus;

std::vector<UINT> IdsOf(std::initializer_list<Ref<MenuItem>> items) {
  std::vector<UINT> ids;
  for (const auto& item : items)
    ids.push_back(static_cast<UINT>(item->ItemId()));
  return ids;
}

TEST_ON_FRESH_THREAD(SubMenuAdd, FirstAddCreatesTheNativePopupWithOneOwnerDrawnEntry) {
  auto popup = SubMenu::New();
  EXPECT_EQ(popup->hMenu(), 0u);
  auto item = popup->Add(u"&Open");
  ASSERT_NE(popup->hMenu(), 0u);
  const auto entries = NativeEntries(popup->hMenu());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].id, static_cast<UINT>(item->ItemId()));
  EXPECT_EQ(entries[0].type, MFT_OWNERDRAW);
  EXPECT_EQ(item->Key(), DefaultKey(static_cast<std::uint32_t>(item->ItemId())));
  EXPECT_EQ(Library().activeMenus->MenuByHandle(popup->hMenu()), popup);
}

TEST_ON_FRESH_THREAD(SubMenuAdd, InsertAfterPlacesItemBehindAnchorInListAndNativeMenu) {
  auto popup = SubMenu::New();
  auto a = popup->Add(u"A", nullptr, u"A");
  auto b = popup->Add(u"B", nullptr, u"B");
  auto x = popup->Add(u"X", nullptr, u"X", u"A");
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(popup->Item(2), x);
  EXPECT_EQ((std::vector<std::int32_t>{a->Index(), x->Index(), b->Index()}),
            (std::vector<std::int32_t>{0, 1, 2}));
  EXPECT_EQ(NativeIds(popup->hMenu()), IdsOf({a, x, b}));
  EXPECT_EQ(x->PrevItem(), a);
  EXPECT_EQ(x->NextItem(), b);
  // By item ID and by object, too.
  auto y = popup->Add(u"Y", nullptr, u"Y", b->ItemId());
  auto z = popup->Add(u"Z", nullptr, u"Z", Variant(a));
  EXPECT_EQ(NativeIds(popup->hMenu()), IdsOf({a, z, x, b, y}));
}

TEST_ON_FRESH_THREAD(SubMenuAdd, AnAnchorThatNamesNothingAddsNothing) {
  auto popup = SubMenu::New();
  popup->Add(u"A", nullptr, u"A");
  EXPECT_EQ(popup->Add(u"X", nullptr, u"X", u"nope"), nullptr);
  EXPECT_EQ(popup->Count(), 1);
  EXPECT_EQ(NativeIds(popup->hMenu()).size(), 1u);
}

TEST_ON_FRESH_THREAD(SubMenuAdd, AnAnchorInAPopupBelowAddsThere) {
  StandardMenus menus;
  // A key names only this popup's own items; an item or an ID reaches below.
  EXPECT_EQ(menus.FileMenu()->Add(u"3 plan.txt", nullptr, u"Recent3", u"Recent1"), nullptr);
  auto added = menus.FileMenu()->Add(u"3 plan.txt", nullptr, u"Recent3", Variant(menus.recent1));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->Parent(), menus.RecentMenu());
  EXPECT_EQ(menus.RecentMenu()->Item(2), added);
  EXPECT_EQ(menus.FileMenu()->Count(), 4);
}

TEST_ON_FRESH_THREAD(SubMenuAdd, ADuplicateKeyIsShownButNotListed) {
  auto popup = SubMenu::New();
  auto first = popup->Add(u"A", nullptr, u"K");
  auto second = popup->Add(u"B", nullptr, u"k");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(popup->Count(), 1);
  EXPECT_EQ(popup->Item(u"K"), first);
  EXPECT_EQ(NativeIds(popup->hMenu()), IdsOf({first, second}));
}

TEST_ON_FRESH_THREAD(SubMenuAdd, AddingBelowAnItemHangsThePopupUnderItsEntry) {
  StandardMenus menus;
  const auto entry = testing::NativeEntryById(menus.FileMenu()->hMenu(), menus.recent->ItemId());
  EXPECT_EQ(entry.subMenu, menus.RecentMenu()->hMenu());
  EXPECT_EQ(menus.RecentMenu()->Parent(), menus.FileMenu());
  EXPECT_EQ(menus.RecentMenu()->TopMostParent(), menus.bar);
}

TEST_ON_FRESH_THREAD(SubMenuAdd, OfficeXpStyleAddsTheFlatFrame) {
  Library().activeMenus->MenuDrawStyle(mdsOfficeXP);
  auto popup = SubMenu::New();
  EXPECT_EQ(popup->Add(u"A")->Visual()->SelectionStyle(), mssFlat);
}

TEST_ON_FRESH_THREAD(SubMenuItem, TakesOnlyIntegerPositionsAndNeverFails) {
  StandardMenus menus;
  auto popup = menus.FileMenu();
  EXPECT_EQ(popup->Item(1), menus.open);
  EXPECT_EQ(popup->Item(std::int16_t{2}), menus.save);
  EXPECT_EQ(popup->Item(std::uint8_t{4}), menus.recent);
  EXPECT_EQ(popup->Item(u"save"), menus.save);
  for (const Variant& nothing :
       {Variant(0), Variant(5), Variant(2.0), Variant(), Variant(u"x"), Variant(menus.open)}) {
    EXPECT_EQ(popup->Item(nothing), nullptr) << DebugString(nothing);
  }
  EXPECT_EQ(popup->SubMenuOf(u"Recent"), menus.RecentMenu());
  EXPECT_EQ(popup->SubMenuOf(9), nullptr);
}

TEST_ON_FRESH_THREAD(SubMenuRemove, FailsForAbsentItemsAndChangesNothing) {
  StandardMenus menus;
  auto popup = menus.FileMenu();
  for (auto [index, number] : {std::pair{Variant(u"nope"), 5}, std::pair{Variant(9), 9}}) {
    try {
      popup->Remove(index);
      ADD_FAILURE() << "no error";
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number(), number);
    }
  }
  EXPECT_EQ(popup->Count(), 4);
}

TEST_ON_FRESH_THREAD(SubMenuRemove, TheEntryGoesWhenTheItemIsReleased) {
  StandardMenus menus;
  auto popup = menus.FileMenu();
  popup->Remove(u"Save");
  // The fixture still holds Save: its entry stays until it goes.
  EXPECT_EQ(NativeIds(popup->hMenu()).size(), 4u);
  menus.save.reset();
  EXPECT_EQ(NativeIds(popup->hMenu()), IdsOf({menus.open, menus.separator, menus.recent}));
}

TEST_ON_FRESH_THREAD(SubMenu, DestroyReleasesTheNativeSide) {
  StandardMenus menus;
  auto recent = menus.RecentMenu();
  const HMENU handle = recent->hMenu();
  recent->Destroy();
  EXPECT_EQ(recent->hMenu(), 0u);
  EXPECT_EQ(recent->Count(), 0);
  EXPECT_EQ(recent->Sidebar(), nullptr);
  EXPECT_FALSE(IsMenu(handle));
  EXPECT_FALSE(Library().activeMenus->HasMenu(handle));
}

TEST_ON_FRESH_THREAD(SubMenu, MenuInfoIsStoredUntilThereIsAHandle) {
  auto popup = SubMenu::New();
  popup->MaxHeight(200);
  EXPECT_EQ(popup->MaxHeight(), 200);
  popup->Create();
  EXPECT_EQ(popup->MaxHeight(), 0);  // not applied by Create
  popup->MaxHeight(120);
  popup->AutoDismiss(true);
  MENUINFO info;
  info.cbSize = MENUINFO_SIZE;
  info.fMask = MIM_MAXHEIGHT | MIM_STYLE;
  GetMenuInfo(popup->hMenu(), &info);
  EXPECT_EQ(info.cyMax, 120u);
  EXPECT_EQ(info.dwStyle, MNS_AUTODISMISS);
  popup->AutoDismiss(false);
  EXPECT_FALSE(popup->AutoDismiss());
}

TEST_ON_FRESH_THREAD(SubMenu, AcceleratorsShowOnlyOnceThePopupHasAParent) {
  auto popup = SubMenu::New();
  EXPECT_EQ(popup->Accelerators(), nullptr);
  StandardMenus menus;
  EXPECT_NE(menus.FileMenu()->Accelerators(), nullptr);
}

TEST_ON_FRESH_THREAD(SubMenuEvents, InitializationReachesThePopupAndThoseAboveIt) {
  StandardMenus menus;
  std::vector<std::string> heard;
  menus.RecentMenu()->Initialize.Connect([&] { heard.push_back("Recent Initialize"); });
  menus.FileMenu()->SubmenuInitialize.Connect(
      [&](const Ref<SubMenu>&) { heard.push_back("File SubmenuInitialize"); });
  menus.bar->SubmenuInitialize.Connect([&](const Ref<SubMenu>& popup) {
    heard.push_back(popup == menus.RecentMenu() ? "bar SubmenuInitialize Recent" : "?");
  });
  const auto wParam = static_cast<WPARAM>(menus.RecentMenu()->hMenu());
  menus.RecentMenu()->ExecCmd(wParam, WM_INITMENUPOPUP);
  menus.FileMenu()->ExecCmd(wParam, WM_INITMENUPOPUP);
  EXPECT_EQ(heard,
            (std::vector<std::string>{"Recent Initialize", "bar SubmenuInitialize Recent",
                                      "File SubmenuInitialize", "bar SubmenuInitialize Recent"}));
}

}  // namespace
}  // namespace vellum
