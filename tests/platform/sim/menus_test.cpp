// Menu handles through the boundary: where entries go, what removal keeps, what destruction
// takes with it, and how calls on dead handles fail.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"

namespace vellum::platform {
namespace {

std::vector<UINT> Ids(HMENU menu) {
  std::vector<UINT> ids;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOW info;
    info.cbSize = MENUITEMINFO_SIZE_WITHOUT_BITMAP;
    info.fMask = MIIM_ID;
    GetMenuItemInfoW(menu, i, TRUE, &info);
    ids.push_back(info.wID);
  }
  return ids;
}

MENUITEMINFOW ReadEntry(HMENU menu, UINT item, BOOL byPosition, UINT mask) {
  MENUITEMINFOW info;
  info.cbSize = MENUITEMINFO_SIZE_WITH_BITMAP;
  info.fMask = mask;
  EXPECT_TRUE(GetMenuItemInfoW(menu, item, byPosition, &info));
  return info;
}

// A popup holding the string entries 1 "A", 2 "B", 3 "C".
HMENU ThreeEntries() {
  const HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "A");
  AppendMenuA(menu, MF_STRING, 2, "B");
  AppendMenuA(menu, MF_STRING, 3, "C");
  return menu;
}

struct InsertCase {
  const char* name;
  UINT position;
  UINT flags;
  BOOL result;
  std::vector<UINT> ids;
};

void PrintTo(const InsertCase& c, std::ostream* os) {
  *os << c.name;
}

class InsertMenuPosition : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertMenuPosition, PlacesTheEntryOrFails) {
  const InsertCase& c = GetParam();
  const HMENU menu = ThreeEntries();
  EXPECT_EQ(InsertMenuA(menu, c.position, c.flags, 9, "new"), c.result);
  EXPECT_EQ(Ids(menu), c.ids);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertMenuPosition,
    ::testing::Values(InsertCase{"FirstByPosition", 0, MF_BYPOSITION, TRUE, {9, 1, 2, 3}},
                      InsertCase{"MiddleByPosition", 2, MF_BYPOSITION, TRUE, {1, 2, 9, 3}},
                      InsertCase{"EndByPosition", 3, MF_BYPOSITION, TRUE, {1, 2, 3, 9}},
                      InsertCase{"BeyondEndAppends", 100, MF_BYPOSITION, TRUE, {1, 2, 3, 9}},
                      InsertCase{"MinusOneAppends", 0xFFFFFFFF, MF_BYPOSITION, TRUE, {1, 2, 3, 9}},
                      InsertCase{"BeforeCommand", 2, MF_BYCOMMAND, TRUE, {1, 9, 2, 3}},
                      InsertCase{
                          "MinusOneByCommandAppends", 0xFFFFFFFF, MF_BYCOMMAND, TRUE, {1, 2, 3, 9}},
                      InsertCase{"MissingCommandFails", 77, MF_BYCOMMAND, FALSE, {1, 2, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RemoveCase {
  const char* name;
  UINT position;
  UINT flags;
  BOOL result;
  std::vector<UINT> ids;
};

void PrintTo(const RemoveCase& c, std::ostream* os) {
  *os << c.name;
}

class RemoveMenuPosition : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveMenuPosition, RemoveAndDeleteTakeOutTheSameEntry) {
  const RemoveCase& c = GetParam();
  const HMENU removed = ThreeEntries();
  const HMENU deleted = ThreeEntries();
  EXPECT_EQ(RemoveMenu(removed, c.position, c.flags), c.result);
  EXPECT_EQ(DeleteMenu(deleted, c.position, c.flags), c.result);
  EXPECT_EQ(Ids(removed), c.ids);
  EXPECT_EQ(Ids(deleted), c.ids);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemoveMenuPosition,
    ::testing::Values(RemoveCase{"FirstByPosition", 0, MF_BYPOSITION, TRUE, {2, 3}},
                      RemoveCase{"LastByPosition", 2, MF_BYPOSITION, TRUE, {1, 2}},
                      RemoveCase{"BeyondEndFails", 3, MF_BYPOSITION, FALSE, {1, 2, 3}},
                      RemoveCase{"ByCommand", 2, MF_BYCOMMAND, TRUE, {1, 3}},
                      RemoveCase{"MissingCommandFails", 99, MF_BYCOMMAND, FALSE, {1, 2, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuCommands, ByCommandReachesIntoSubmenus) {
  const HMENU bar = CreateMenu();
  const HMENU file = ThreeEntries();
  ASSERT_TRUE(AppendMenuA(bar, MF_POPUP, file, "&File"));
  ASSERT_TRUE(InsertMenuA(bar, 3, MF_BYCOMMAND, 9, "new"));
  EXPECT_EQ(Ids(file), (std::vector<UINT>{1, 2, 9, 3}));
  EXPECT_EQ(ReadEntry(bar, 9, FALSE, MIIM_ID).wID, 9u);
  ASSERT_TRUE(DeleteMenu(bar, 1, MF_BYCOMMAND));
  EXPECT_EQ(Ids(file), (std::vector<UINT>{2, 9, 3}));
  EXPECT_EQ(GetMenuItemCount(bar), 1);
}

TEST(MenuCommands, RemoveKeepsTheSubmenuAndDeleteDestroysIt) {
  const HMENU bar = CreateMenu();
  const HMENU kept = ThreeEntries();
  const HMENU destroyed = ThreeEntries();
  AppendMenuA(bar, MF_POPUP, kept, "Kept");
  AppendMenuA(bar, MF_POPUP, destroyed, "Destroyed");
  ASSERT_TRUE(RemoveMenu(bar, 0, MF_BYPOSITION));
  ASSERT_TRUE(DeleteMenu(bar, 0, MF_BYPOSITION));
  EXPECT_TRUE(IsMenu(kept));
  EXPECT_EQ(GetMenuItemCount(kept), 3);
  EXPECT_FALSE(IsMenu(destroyed));
  EXPECT_EQ(GetMenuItemCount(bar), 0);
}

TEST(MenuCommands, DestroyMenuTakesTheWholeTreeAndFailsTheSecondTime) {
  const HMENU root = CreatePopupMenu();
  const HMENU middle = CreatePopupMenu();
  const HMENU leaf = CreatePopupMenu();
  const HMENU sibling = CreatePopupMenu();
  AppendMenuA(middle, MF_POPUP, leaf, "Leaf");
  AppendMenuA(root, MF_POPUP, middle, "Middle");
  AppendMenuA(root, MF_STRING, 5, "Plain");
  ASSERT_TRUE(DestroyMenu(root));
  for (HMENU gone : {root, middle, leaf})
    EXPECT_FALSE(IsMenu(gone));
  EXPECT_TRUE(IsMenu(sibling));
  EXPECT_FALSE(DestroyMenu(root));
}

TEST(MenuCommands, FlagsBecomeTypeStateSubmenuAndData) {
  const HMENU menu = CreatePopupMenu();
  const HMENU sub = CreatePopupMenu();
  const auto data = reinterpret_cast<const char*>(std::uintptr_t{0xABCD});
  ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW | MF_MENUBREAK | MF_GRAYED | MF_CHECKED, 7, data));
  ASSERT_TRUE(AppendMenuA(menu, MF_OWNERDRAW | MF_SEPARATOR | MF_RIGHTJUSTIFY, 8, nullptr));
  ASSERT_TRUE(AppendMenuA(menu, MF_POPUP | MF_MENUBARBREAK, sub, "Sub"));

  const UINT all = MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
  const MENUITEMINFOW first = ReadEntry(menu, 0, TRUE, all);
  EXPECT_EQ(first.fType, MFT_OWNERDRAW | MFT_MENUBREAK) << sim::DebugString(first);
  EXPECT_EQ(first.fState, MF_GRAYED | MFS_CHECKED) << sim::DebugString(first);
  EXPECT_EQ(first.dwItemData, 0xABCDu);
  const MENUITEMINFOW second = ReadEntry(menu, 1, TRUE, all);
  EXPECT_EQ(second.fType, MFT_OWNERDRAW | MFT_SEPARATOR | MFT_RIGHTJUSTIFY)
      << sim::DebugString(second);
  const MENUITEMINFOW third = ReadEntry(menu, 2, TRUE, all);
  EXPECT_EQ(third.hSubMenu, sub);
  EXPECT_EQ(third.wID, sub) << "a popup entry carries its submenu handle as ID";
  EXPECT_EQ(third.fType, MFT_MENUBARBREAK) << sim::DebugString(third);
}

TEST(MenuCommands, RefusesSubmenusThatAreDeadOrWouldHoldTheirParent) {
  const HMENU outer = CreatePopupMenu();
  const HMENU inner = CreatePopupMenu();
  ASSERT_TRUE(AppendMenuA(outer, MF_POPUP, inner, "Inner"));
  EXPECT_FALSE(AppendMenuA(inner, MF_POPUP, outer, "Loop"));
  EXPECT_FALSE(AppendMenuA(inner, MF_POPUP, inner, "Self"));
  EXPECT_FALSE(AppendMenuA(outer, MF_POPUP, 0x4242, "Unknown"));

  AppendMenuA(inner, MF_STRING, 1, "Leaf");
  MENUITEMINFOA info;
  info.cbSize = MENUITEMINFO_SIZE_WITHOUT_BITMAP;
  info.fMask = MIIM_SUBMENU;
  info.hSubMenu = outer;
  EXPECT_FALSE(SetMenuItemInfoA(inner, 0, TRUE, &info));
  EXPECT_EQ(GetMenuItemCount(inner), 1);
}

TEST(MenuCommands, CallsOnDeadOrForeignHandlesFailAsThePlatformDoes) {
  const HMENU destroyed = CreatePopupMenu();
  DestroyMenu(destroyed);
  const HWND window = sim::CreateWindow(u"Not a menu", {0, 0, 100, 100});
  for (HMENU bad : {HMENU{0}, HMENU{12345}, destroyed, HMENU{window}}) {
    SCOPED_TRACE(bad);
    MENUITEMINFOW item;
    item.cbSize = MENUITEMINFO_SIZE_WITHOUT_BITMAP;
    item.fMask = MIIM_ID;
    MENUINFO info;
    info.cbSize = MENUINFO_SIZE;
    info.fMask = MIM_STYLE;
    EXPECT_EQ(GetMenuItemCount(bad), -1);
    EXPECT_FALSE(IsMenu(bad));
    EXPECT_FALSE(DestroyMenu(bad));
    EXPECT_FALSE(InsertMenuA(bad, 0, MF_BYPOSITION, 1, "x"));
    EXPECT_FALSE(AppendMenuA(bad, MF_STRING, 1, "x"));
    EXPECT_FALSE(RemoveMenu(bad, 0, MF_BYPOSITION));
    EXPECT_FALSE(DeleteMenu(bad, 1, MF_BYCOMMAND));
    EXPECT_FALSE(GetMenuItemInfoW(bad, 0, TRUE, &item));
    EXPECT_FALSE(SetMenuItemInfoW(bad, 0, TRUE, &item));
    EXPECT_FALSE(GetMenuInfo(bad, &info));
    EXPECT_FALSE(SetMenuInfo(bad, &info));
    EXPECT_FALSE(TrackPopupMenu(bad, TPM_RETURNCMD, 0, 0, 0, window, nullptr));
    if (bad != 0) {
      EXPECT_FALSE(SetMenu(window, bad));
    }
  }
}

TEST(MenuInfo, MaxHeightAndStyleRoundTripAndReachSubmenusOnRequest) {
  const HMENU menu = CreatePopupMenu();
  const HMENU sub = CreatePopupMenu();
  AppendMenuA(menu, MF_POPUP, sub, "Sub");
  MENUINFO set;
  set.cbSize = MENUINFO_SIZE;
  set.fMask = MIM_MAXHEIGHT | MIM_STYLE;
  set.cyMax = 120;
  set.dwStyle = MNS_AUTODISMISS;
  ASSERT_TRUE(SetMenuInfo(menu, &set));
  MENUINFO got;
  got.cbSize = MENUINFO_SIZE;
  got.fMask = MIM_MAXHEIGHT | MIM_STYLE;
  ASSERT_TRUE(GetMenuInfo(menu, &got));
  EXPECT_EQ(got.cyMax, 120u);
  EXPECT_EQ(got.dwStyle, MNS_AUTODISMISS);
  ASSERT_TRUE(GetMenuInfo(sub, &got));
  EXPECT_EQ(got.cyMax, 0u) << "without MIM_APPLYTOSUBMENUS the submenu keeps its own";

  set.fMask = MIM_STYLE | MIM_APPLYTOSUBMENUS;
  set.dwStyle = 0;
  ASSERT_TRUE(SetMenuInfo(menu, &set));
  got.dwStyle = 1;
  ASSERT_TRUE(GetMenuInfo(sub, &got));
  EXPECT_EQ(got.dwStyle, 0u);

  set.cbSize = sizeof(MENUINFO) + 4;
  EXPECT_FALSE(SetMenuInfo(menu, &set));
  EXPECT_FALSE(GetMenuInfo(menu, nullptr));
}

TEST(MenuCallLog, CountsCallsWithTheirArguments) {
  const HMENU menu = CreatePopupMenu();
  sim::Calls().Reset();
  InsertMenuA(menu, 0xFFFFFFFF, MF_BYPOSITION | MF_OWNERDRAW, 4681, nullptr);
  InsertMenuA(menu, 0, MF_BYPOSITION | MF_STRING, 4682, "Open");
  GetMenuItemCount(menu);
  EXPECT_EQ(sim::Calls().Count("InsertMenuA"), 2u);
  EXPECT_EQ(sim::Calls().Count("GetMenuItemCount"), 1u);
  const std::vector<std::string> arguments = sim::Calls().Arguments("InsertMenuA");
  EXPECT_NE(arguments[0].find("uFlags=MF_OWNERDRAW|MF_BYPOSITION"), std::string::npos)
      << arguments[0];
  EXPECT_NE(arguments[1].find("lpNewItem=\"Open\""), std::string::npos) << arguments[1];
  sim::Calls().Reset();
  EXPECT_EQ(sim::Calls().Count("InsertMenuA"), 0u);
}

}  // namespace
}  // namespace vellum::platform
