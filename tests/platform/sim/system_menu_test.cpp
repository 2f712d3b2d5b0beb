// System menus: each window has its own copy of the default seven entries, a revert brings the
// default back, and the entry states follow the window's placement.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"

namespace vellum::platform {
namespace {

struct Entry {
  UINT id;
  std::string text;
  UINT type;
  UINT state;
  bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Entry& e) {
  return os << "{" << std::hex << e.id << " \"" << e.text << "\" " << sim::ItemTypeName(e.type)
            << " " << sim::ItemStateName(e.state) << "}";
}

std::vector<Entry> Entries(HMENU menu) {
  std::vector<Entry> entries;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = {};
    MENUITEMINFOA info;
    info.cbSize = MENUITEMINFO_SIZE_WITHOUT_BITMAP;
    info.fMask = MIIM_ID | MIIM_TYPE | MIIM_STATE;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    entries.push_back({info.wID, text, info.fType, info.fState});
  }
  return entries;
}

TEST(SystemMenu, EachWindowHasItsOwnCopyOfTheDefault) {
  const HWND first = sim::CreateWindow(u"First", {0, 0, 200, 100});
  const HWND second = sim::CreateWindow(u"Second", {0, 0, 200, 100});
  const HMENU menu = GetSystemMenu(first, FALSE);
  EXPECT_EQ(GetSystemMenu(first, FALSE), menu);
  EXPECT_NE(GetSystemMenu(second, FALSE), menu);
  EXPECT_EQ(Entries(menu),
            (std::vector<Entry>{{SC_RESTORE, "&Restore", MFT_STRING, MF_GRAYED},
                                {SC_MOVE, "&Move", MFT_STRING, 0},
                                {SC_SIZE, "&Size", MFT_STRING, 0},
                                {SC_MINIMIZE, "Mi&nimize", MFT_STRING, 0},
                                {SC_MAXIMIZE, "Ma&ximize", MFT_STRING, 0},
                                {0, "", MFT_SEPARATOR, 0},
                                {SC_CLOSE, "&Close\tAlt+F4", MFT_STRING, MFS_DEFAULT}}));

  ASSERT_TRUE(DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND));
  EXPECT_EQ(GetMenuItemCount(menu), 6);
  EXPECT_EQ(GetMenuItemCount(GetSystemMenu(second, FALSE)), 7);
}

TEST(SystemMenu, RevertDestroysTheCopyAndTheNextCopyIsTheDefaultAgain) {
  const HWND hWnd = sim::CreateWindow(u"Revert", {0, 0, 200, 100});
  const HMENU changed = GetSystemMenu(hWnd, FALSE);
  AppendMenuA(changed, MF_STRING, 77, "Host entry");
  EXPECT_EQ(GetSystemMenu(hWnd, TRUE), 0u);
  EXPECT_FALSE(IsMenu(changed));
  const HMENU fresh = GetSystemMenu(hWnd, FALSE);
  EXPECT_NE(fresh, changed);
  EXPECT_EQ(GetMenuItemCount(fresh), 7);
  EXPECT_EQ(GetSystemMenu(hWnd, TRUE), 0u);
  EXPECT_EQ(GetSystemMenu(0xBAD, FALSE), 0u);
}

struct PlacementCase {
  sim::Placement placement;
  std::vector<UINT> grayed;
};

std::string PlacementName(sim::Placement placement) {
  switch (placement) {
    case sim::Placement::Normal:
      return "Normal";
    case sim::Placement::Maximized:
      return "Maximized";
    case sim::Placement::Minimized:
      return "Minimized";
  }
  return "Unknown";
}

void PrintTo(const PlacementCase& c, std::ostream* os) {
  *os << PlacementName(c.placement);
}

class SystemMenuPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(SystemMenuPlacement, GraysWhatThePlacementRulesOutWhenShown) {
  const HWND hWnd = sim::CreateWindow(u"Placement", {0, 0, 200, 100});
  const HMENU menu = GetSystemMenu(hWnd, FALSE);
  sim::SetPlacement(hWnd, GetParam().placement);
  std::vector<Entry> shown;
  sim::User user;
  user.Run([&] { shown = Entries(menu); });
  user.OpenSystemMenu(hWnd);
  std::vector<UINT> grayed;
  for (const Entry& e : shown) {
    if (e.state & MF_GRAYED) grayed.push_back(e.id);
  }
  EXPECT_EQ(grayed, GetParam().grayed);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, SystemMenuPlacement,
    ::testing::Values(PlacementCase{sim::Placement::Normal, {SC_RESTORE}},
                      PlacementCase{sim::Placement::Maximized, {SC_MOVE, SC_SIZE, SC_MAXIMIZE}},
                      PlacementCase{sim::Placement::Minimized, {SC_SIZE, SC_MINIMIZE}}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) {
      switch (info.param.placement) {
        case sim::Placement::Normal:
          return std::string("Normal");
        case sim::Placement::Maximized:
          return std::string("Maximized");
        case sim::Placement::Minimized:
          return std::string("Minimized");
      }
      return std::string("Unknown");
    });

}  // namespace
}  // namespace vellum::platform
