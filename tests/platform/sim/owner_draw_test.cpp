// The owner-draw protocol: an owner-drawn entry is measured once after it was inserted and
// painted on every show, with the platform's state bits, the popup's surface and rectangles
// from the measured sizes; menu bars are laid out in rows under the title bar and painted on
// the window's surface.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "recording_owner.hpp"
#include "support/fresh_thread.hpp"

namespace vellum::platform {
namespace {

using testing::Recorder;

std::vector<UINT> MeasuredIds() {
  std::vector<UINT> ids;
  for (const MEASUREITEMSTRUCT& m : Recorder().measured)
    ids.push_back(m.itemID);
  return ids;
}

std::vector<UINT> DrawnIds() {
  std::vector<UINT> ids;
  for (const DRAWITEMSTRUCT& d : Recorder().drawn)
    ids.push_back(d.itemID);
  return ids;
}

void Show(HMENU menu, HWND owner) {
  TrackPopupMenu(menu, TPM_RETURNCMD, 200, 150, 0, owner, nullptr);
}

TEST(OwnerDraw, MeasuresOnceAfterInsertionAndPaintsEveryShow) {
  testing::OnFreshThread([] {
    const HWND owner = testing::CreateRecordingWindow();
    const HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_OWNERDRAW, 10, nullptr);
    AppendMenuA(menu, MF_STRING, 11, "Plain");
    AppendMenuA(menu, MF_OWNERDRAW, 12, reinterpret_cast<const char*>(std::uintptr_t{0x77}));
    EXPECT_TRUE(Recorder().measured.empty()) << "nothing is measured before the menu shows";

    Show(menu, owner);
    EXPECT_EQ(MeasuredIds(), (std::vector<UINT>{10, 12}));
    EXPECT_EQ(Recorder().measured[1].CtlType, ODT_MENU);
    EXPECT_EQ(Recorder().measured[1].itemData, 0x77u);
    EXPECT_EQ(DrawnIds(), (std::vector<UINT>{10, 12}));

    Show(menu, owner);
    EXPECT_EQ(MeasuredIds().size(), 2u);
    EXPECT_EQ(DrawnIds(), (std::vector<UINT>{10, 12, 10, 12}));

    // Changing the entry does not measure it again; inserting it again does.
    Recorder().sizeOf = [](UINT) { return SIZE{150, 30}; };
    MENUITEMINFOA info;
    info.cbSize = MENUITEMINFO_SIZE_WITHOUT_BITMAP;
    info.fMask = MIIM_STATE | MIIM_TYPE;
    info.fType = MFT_OWNERDRAW;
    info.fState = MFS_CHECKED;
    SetMenuItemInfoA(menu, 10, FALSE, &info);
    Show(menu, owner);
    EXPECT_EQ(MeasuredIds().size(), 2u);
    RemoveMenu(menu, 10, MF_BYCOMMAND);
    InsertMenuA(menu, 0, MF_BYPOSITION | MF_OWNERDRAW, 10, nullptr);
    Show(menu, owner);
    EXPECT_EQ(MeasuredIds(), (std::vector<UINT>{10, 12, 10}));
    EXPECT_EQ(Recorder().drawn.back().rcItem.right - Recorder().drawn.back().rcItem.left, 164)
        << "entries span their column, as wide as the widest answer and a check mark";
  });
}

TEST(OwnerDraw, PaintRequestsCarryTheEntryStateThePopupAndItsSurface) {
  testing::OnFreshThread([] {
    const HWND owner = testing::CreateRecordingWindow();
    const HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_OWNERDRAW, 1, nullptr);
    AppendMenuA(menu, MF_OWNERDRAW | MF_GRAYED, 2, nullptr);
    AppendMenuA(menu, MF_OWNERDRAW | MF_DISABLED | MF_CHECKED, 3, nullptr);
    AppendMenuA(menu, MF_OWNERDRAW | MF_DEFAULT, 4, nullptr);
    std::vector<sim::OpenPopup> open;
    sim::User().Run([&] { open = sim::OpenPopups(); });
    Show(menu, owner);

    ASSERT_EQ(open.size(), 1u);
    const std::vector<UINT> expected = {ODS_NOACCEL, ODS_GRAYED | ODS_NOACCEL,
                                        ODS_DISABLED | ODS_CHECKED | ODS_NOACCEL,
                                        ODS_DEFAULT | ODS_NOACCEL};
    ASSERT_EQ(Recorder().drawn.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const DRAWITEMSTRUCT& d = Recorder().drawn[i];
      EXPECT_EQ(d.itemState, expected[i]) << sim::DebugString(d);
      EXPECT_EQ(d.itemAction, ODA_DRAWENTIRE);
      EXPECT_EQ(d.CtlType, ODT_MENU);
      EXPECT_EQ(d.hwndItem, menu);
      EXPECT_EQ(d.hDC, open[0].surface);
      // Relative to the popup: stacked inside its 3-pixel border, answered 100 x 20 each and
      // drawn a check mark (14) wider, as the platform does.
      const LONG top = 3 + 20 * static_cast<LONG>(i);
      EXPECT_EQ(d.rcItem, (RECT{3, top, 117, top + 20})) << sim::DebugString(d);
      EXPECT_EQ(open[0].entries[i], (RECT{203, 150 + top, 317, 170 + top}));
    }
    EXPECT_EQ(open[0].screen, (RECT{200, 150, 320, 236}));
  });
}

TEST(OwnerDraw, HoverRepaintsTheOldAndNewEntryAndKeyboardUseShowsCues) {
  testing::OnFreshThread([] {
    const HWND owner = testing::CreateRecordingWindow();
    const HMENU menu = CreatePopupMenu();
    for (UINT id : {1u, 2u})
      AppendMenuA(menu, MF_OWNERDRAW, id, nullptr);
    AppendMenuA(menu, MF_OWNERDRAW | MF_SEPARATOR, 3, nullptr);
    sim::User().Hover(0).Hover(1).Hover(2).Key(VK_UP);
    Show(menu, owner);

    std::vector<std::pair<UINT, UINT>> selects;  // (id, state) of ODA_SELECT requests
    for (const DRAWITEMSTRUCT& d : Recorder().drawn) {
      if (d.itemAction == ODA_SELECT) selects.emplace_back(d.itemID, d.itemState);
    }
    const UINT hidden = ODS_NOACCEL;
    EXPECT_EQ(selects, (std::vector<std::pair<UINT, UINT>>{
                           {1, ODS_SELECTED | hidden},  // hover 0
                           {1, hidden},                 // hover 1
                           {2, ODS_SELECTED | hidden},
                           {2, hidden},          // the separator takes no highlight
                           {2, ODS_SELECTED}}))  // up wraps to the last entry it can
        << "separators are never highlighted; keyboard use drops ODS_NOACCEL";
  });
}

TEST(OwnerDraw, ColumnsBreakAndMaximumHeightCutsEntriesOff) {
  testing::OnFreshThread([] {
    const HWND owner = testing::CreateRecordingWindow();
    const HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_OWNERDRAW, 1, nullptr);
    AppendMenuA(menu, MF_OWNERDRAW, 2, nullptr);
    AppendMenuA(menu, MF_OWNERDRAW | MF_MENUBREAK, 3, nullptr);
    Recorder().sizeOf = [](UINT id) { return id == 3 ? SIZE{60, 25} : SIZE{80, 20}; };
    std::vector<sim::OpenPopup> open;
    sim::User().Run([&] { open = sim::OpenPopups(); });
    TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr);
    ASSERT_EQ(open.size(), 1u);
    // Each column is its widest answer and a check mark (14) wide.
    EXPECT_EQ(open[0].entries[2], (RECT{97, 3, 171, 28})) << "a break starts the next column";
    EXPECT_EQ(open[0].screen, (RECT{0, 0, 174, 46}));

    MENUINFO info;
    info.cbSize = MENUINFO_SIZE;
    info.fMask = MIM_MAXHEIGHT;
    info.cyMax = 30;
    SetMenuInfo(menu, &info);
    Recorder().drawn.clear();
    sim::User().Run([&] { open = sim::OpenPopups(); });
    TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr);
    EXPECT_EQ(open[0].screen.bottom - open[0].screen.top, 30);
    EXPECT_EQ(DrawnIds(), (std::vector<UINT>{1})) << "entries beyond the height are not shown";
  });
}

TEST(OwnerDraw, PopupsStayOnTheScreenAndHonourAlignment) {
  testing::OnFreshThread([] {
    const HWND owner = testing::CreateRecordingWindow();
    const HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_OWNERDRAW, 1, nullptr);  // the popup is 120 x 26
    const struct {
      POINT at;
      UINT flags;
      RECT expected;
    } cases[] = {
        {{1000, 760}, 0, {904, 742, 1024, 768}},
        {{300, 300}, TPM_RIGHTALIGN | TPM_BOTTOMALIGN, {180, 274, 300, 300}},
        {{300, 300}, TPM_CENTERALIGN | TPM_VCENTERALIGN, {240, 287, 360, 313}},
    };
    for (const auto& c : cases) {
      std::vector<sim::OpenPopup> open;
      sim::User().Run([&] { open = sim::OpenPopups(); });
      TrackPopupMenu(menu, c.flags | TPM_RETURNCMD, c.at.x, c.at.y, 0, owner, nullptr);
      ASSERT_EQ(open.size(), 1u);
      EXPECT_EQ(open[0].screen, c.expected) << c.flags;
    }
  });
}

// A window at (100, 100), 400 wide: its bar row starts under the 19-pixel title bar inside the
// 4-pixel frame, at window coordinates (4, 23), and may be 392 pixels wide.
struct BarFixture {
  BarFixture() {
    Recorder().sizeOf = [this](UINT id) { return SIZE{widths[id], 20}; };
  }
  // An entry that gets `width`: owner-drawn bar entries are drawn a check mark (14) wider than
  // they answered, and 18 high in their 19-pixel row whatever height they answered.
  void Entry(UINT id, LONG width, UINT flags = 0) {
    widths[id] = width - 14;
    AppendMenuA(bar, MF_OWNERDRAW | flags, id, nullptr);
  }
  std::vector<RECT> WindowRects() {
    std::vector<RECT> rects;
    for (RECT r : sim::MenuBarEntryRects(owner))
      rects.push_back({r.left - 100, r.top - 100, r.right - 100, r.bottom - 100});
    return rects;
  }
  HWND owner = testing::CreateRecordingWindow();
  HMENU bar = CreateMenu();
  std::map<UINT, LONG> widths;
};

TEST(MenuBarLayout, EntriesRunLeftToRightAndWrapWhenTheWidthRunsOut) {
  testing::OnFreshThread([] {
    BarFixture f;
    f.Entry(1, 100);
    f.Entry(2, 150);
    f.Entry(3, 120);
    f.Entry(4, 60);
    ASSERT_TRUE(SetMenu(f.owner, f.bar));
    EXPECT_TRUE(Recorder().measured.empty()) << "SetMenu does not measure";
    EXPECT_EQ(f.WindowRects(),
              (std::vector<RECT>{
                  {4, 23, 104, 41}, {104, 23, 254, 41}, {254, 23, 374, 41}, {4, 42, 64, 60}}));
    const auto layout = sim::LayoutOf(f.owner);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->menuBar, (RECT{104, 123, 496, 161}));
    EXPECT_EQ(layout->client.top, 161);
  });
}

TEST(MenuBarLayout, RightJustifiedEntriesMoveTheRestOfTheirRowToTheRightEdge) {
  testing::OnFreshThread([] {
    BarFixture f;
    f.Entry(1, 100);
    f.Entry(2, 50, MF_RIGHTJUSTIFY);
    f.Entry(3, 40);
    f.Entry(4, 70, MF_MENUBREAK);
    SetMenu(f.owner, f.bar);
    EXPECT_EQ(f.WindowRects(),
              (std::vector<RECT>{
                  {4, 23, 104, 41}, {306, 23, 356, 41}, {356, 23, 396, 41}, {4, 42, 74, 60}}));
  });
}

TEST(MenuBarLayout, DrawMenuBarMeasuresTheEntriesAgainAndPaintsThemOnTheWindowSurface) {
  testing::OnFreshThread([] {
    BarFixture f;
    f.Entry(1, 100);
    AppendMenuA(f.bar, MF_STRING, 2, "&Edit");  // 4 characters: 7 * 4 + 12 = 40 wide
    f.Entry(3, 60, MF_GRAYED);
    SetMenu(f.owner, f.bar);
    ASSERT_TRUE(DrawMenuBar(f.owner));
    ASSERT_TRUE(DrawMenuBar(f.owner));
    EXPECT_EQ(MeasuredIds(), (std::vector<UINT>{1, 3, 1, 3})) << "as the platform does";
    EXPECT_EQ(DrawnIds(), (std::vector<UINT>{1, 3, 1, 3}));
    const DRAWITEMSTRUCT& grayed = Recorder().drawn[1];
    EXPECT_EQ(grayed.hDC, sim::LayoutOf(f.owner)->surface);
    EXPECT_EQ(grayed.hwndItem, f.bar);
    EXPECT_EQ(grayed.rcItem, (RECT{144, 23, 204, 41})) << "relative to the window's top-left";
    EXPECT_EQ(grayed.itemState, ODS_GRAYED | ODS_NOACCEL);
    EXPECT_EQ(grayed.itemAction, ODA_DRAWENTIRE);
  });
}

}  // namespace
}  // namespace vellum::platform
