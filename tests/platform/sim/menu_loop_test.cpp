// The menu loop as the owner window sees it: the order of the menu messages for a choice, a
// right-click, a cancel and a menu character; TPM_RETURNCMD against WM_COMMAND; menus opened
// from inside the loop; and handlers that pull the menu away.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "recording_owner.hpp"
#include "support/fresh_thread.hpp"

namespace vellum::platform {
namespace {

using sim::ById;
using testing::Recorder;
using Names = std::vector<std::string>;

// A window with the bar File | Edit | Help. File: Open 101, Save 102, a separator 103,
// Recent ▸ (201, 202), Locked 104 (grayed), all owner-drawn; Edit: Cut 301; Help is the command
// 401 without a popup.
struct MenuFixture {
  MenuFixture() {
    AppendMenuA(recent, MF_OWNERDRAW, 201, nullptr);
    AppendMenuA(recent, MF_OWNERDRAW, 202, nullptr);
    AppendMenuA(file, MF_OWNERDRAW, 101, nullptr);
    AppendMenuA(file, MF_OWNERDRAW, 102, nullptr);
    AppendMenuA(file, MF_OWNERDRAW | MF_SEPARATOR, 103, nullptr);
    AppendMenuA(file, MF_OWNERDRAW | MF_POPUP, recent, nullptr);
    AppendMenuA(file, MF_OWNERDRAW | MF_GRAYED, 104, nullptr);
    AppendMenuA(edit, MF_OWNERDRAW, 301, nullptr);
    AppendMenuA(bar, MF_OWNERDRAW | MF_POPUP, file, nullptr);
    AppendMenuA(bar, MF_OWNERDRAW | MF_POPUP, edit, nullptr);
    AppendMenuA(bar, MF_OWNERDRAW, 401, nullptr);
    SetMenu(owner, bar);
  }
  // The commands the window received, as (wParam, lParam).
  std::vector<std::pair<WPARAM, LPARAM>> Commands(UINT message = WM_COMMAND) const {
    std::vector<std::pair<WPARAM, LPARAM>> out;
    for (const testing::Seen& s : Recorder().Of(message))
      out.emplace_back(s.wParam, s.lParam);
    return out;
  }
  HWND owner = testing::CreateRecordingWindow();
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  HMENU edit = CreatePopupMenu();
  HMENU recent = CreatePopupMenu();
  sim::User user;
};

TEST(MenuLoop, ChoosingFromTheBarSendsTheMessagesInThePlatformsOrder) {
  testing::OnFreshThread([] {
    MenuFixture f;
    f.user.Choose(1);
    ASSERT_TRUE(f.user.ClickMenuBar(f.owner, 0));
    EXPECT_EQ(Recorder().MenuMessageNames(),
              (Names{"WM_ENTERMENULOOP", "WM_INITMENU", "WM_MENUSELECT", "WM_INITMENUPOPUP",
                     "WM_MENUSELECT", "WM_UNINITMENUPOPUP", "WM_MENUSELECT", "WM_EXITMENULOOP",
                     "WM_COMMAND"}));
    EXPECT_EQ(Recorder().Of(WM_INITMENU)[0].wParam, f.bar);
    const testing::Seen init = Recorder().Of(WM_INITMENUPOPUP)[0];
    EXPECT_EQ(init.wParam, f.file);
    EXPECT_EQ(init.lParam, MAKELPARAM(0, FALSE));
    EXPECT_EQ(f.Commands(), (std::vector<std::pair<WPARAM, LPARAM>>{{102, 0}}));
    EXPECT_TRUE(sim::OpenPopups().empty());
  });
}

TEST(MenuLoop, TheBarEntryIsPaintedSelectedWhileItsPopupIsOpen) {
  testing::OnFreshThread([] {
    MenuFixture f;
    DrawMenuBar(f.owner);
    Recorder().drawn.clear();
    f.user.Run([&] { DrawMenuBar(f.owner); });
    f.user.ClickMenuBar(f.owner, 0);
    std::vector<UINT> barStates;
    for (const DRAWITEMSTRUCT& d : Recorder().drawn) {
      if (d.itemID == f.file) barStates.push_back(d.itemState & ODS_SELECTED);
    }
    // Highlighted on the click, still selected when redrawn inside the loop, normal at the end.
    EXPECT_EQ(barStates, (std::vector<UINT>{ODS_SELECTED, ODS_SELECTED, 0}));
  });
}

TEST(MenuLoop, RightClickReportsPositionAndMenuAndLeavesTheMenuOpen) {
  testing::OnFreshThread([] {
    MenuFixture f;
    std::size_t openDuring = 0;
    f.user.RightClick(1).Run([&] { openDuring = sim::OpenPopups().size(); }).Cancel();
    f.user.ClickMenuBar(f.owner, 0);
    const auto up = Recorder().Of(WM_MENURBUTTONUP);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].wParam, 1u);
    EXPECT_EQ(up[0].lParam, static_cast<LPARAM>(f.file));
    EXPECT_EQ(openDuring, 1u);
    EXPECT_TRUE(f.Commands().empty());
    EXPECT_EQ(f.user.PendingSteps(), 0u);
  });
}

TEST(MenuLoop, CancelAndAnExhaustedScriptCloseWithoutACommand) {
  testing::OnFreshThread([] {
    MenuFixture f;
    f.user.Hover(0).Cancel().Hover(1);
    f.user.ClickMenuBar(f.owner, 0);
    EXPECT_EQ(f.user.PendingSteps(), 1u) << "steps after the cancel wait for the next loop";
    f.user.ClickMenuBar(f.owner, 1);  // consumes the hover, then runs out
    EXPECT_EQ(f.user.PendingSteps(), 0u);
    EXPECT_TRUE(f.Commands().empty());
    EXPECT_EQ(Recorder().Of(WM_EXITMENULOOP).size(), 2u);
    EXPECT_TRUE(sim::OpenPopups().empty());
  });
}

TEST(MenuLoop, InactiveAndSeparatorEntriesIgnoreTheChoice) {
  testing::OnFreshThread([] {
    MenuFixture f;
    f.user.Choose(4).Choose(2).Choose(ById(104)).Choose(0);
    f.user.ClickMenuBar(f.owner, 0);
    EXPECT_EQ(f.Commands(), (std::vector<std::pair<WPARAM, LPARAM>>{{101, 0}}))
        << "the menu stayed open until an active entry was chosen";
  });
}

TEST(MenuLoop, ChoosingByCommandOpensTheSubmenusOnTheWay) {
  testing::OnFreshThread([] {
    MenuFixture f;
    f.user.Choose(ById(202));
    f.user.ClickMenuBar(f.owner, 0);
    const auto inits = Recorder().Of(WM_INITMENUPOPUP);
    ASSERT_EQ(inits.size(), 2u);
    EXPECT_EQ(inits[1].wParam, f.recent);
    EXPECT_EQ(inits[1].lParam, MAKELPARAM(3, FALSE)) << "position of Recent in File";
    EXPECT_EQ(f.Commands(), (std::vector<std::pair<WPARAM, LPARAM>>{{202, 0}}));
  });
}

TEST(MenuLoop, MovingAlongTheBarSwitchesPopupsAndCommandEntriesRunAtOnce) {
  testing::OnFreshThread([] {
    MenuFixture f;
    f.user.MoveToMenuBarEntry(1).Choose(0);
    f.user.ClickMenuBar(f.owner, 0);
    const auto inits = Recorder().Of(WM_INITMENUPOPUP);
    ASSERT_EQ(inits.size(), 2u);
    EXPECT_EQ(inits[1].wParam, f.edit);
    EXPECT_EQ(inits[1].lParam, MAKELPARAM(1, FALSE));
    EXPECT_EQ(Recorder().Of(WM_UNINITMENUPOPUP)[0].wParam, f.file);

    f.user.ClickMenuBar(f.owner, 2);
    EXPECT_EQ(f.Commands(), (std::vector<std::pair<WPARAM, LPARAM>>{{301, 0}, {401, 0}}));
  });
}

TEST(MenuLoop, KeyboardNavigationWalksEntriesSubmenusAndTheBar) {
  testing::OnFreshThread([] {
    MenuFixture f;
    // Down x3 skips the separator to Recent; Right opens it; Left closes it; Up goes back to
    // Save, which has no submenu, so Right moves along the bar to Edit; Down, Return runs Cut.
    for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP, VK_RIGHT,
                     VK_DOWN, VK_RETURN})
      f.user.Key(key);
    f.user.ClickMenuBar(f.owner, 0);
    std::vector<WPARAM> opened;
    for (const testing::Seen& s : Recorder().Of(WM_INITMENUPOPUP))
      opened.push_back(s.wParam);
    EXPECT_EQ(opened, (std::vector<WPARAM>{f.file, f.recent, f.edit}));
    EXPECT_EQ(f.Commands(), (std::vector<std::pair<WPARAM, LPARAM>>{{301, 0}}));

    // Escape backs out a level at a time: the innermost popup, the bar entry's popup (its
    // entry stays highlighted, as under Wine), then the menu.
    f.user.Open(3).Key(VK_ESCAPE).Key(VK_ESCAPE).Key(VK_ESCAPE).Hover(0);
    f.user.ClickMenuBar(f.owner, 0);
    EXPECT_EQ(f.user.PendingSteps(), 1u);
    EXPECT_EQ(f.Commands().size(), 1u);
    f.user.ForgetSteps();
  });
}

// What the owner's WM_MENUCHAR answer makes of a typed character in File.
struct MenuCharCase {
  const char* name;
  LRESULT answer;
  std::vector<WPARAM> commands;
  std::size_t popupsOpened;  // WM_INITMENUPOPUP count
  std::size_t pendingAfter;  // the script's last step, a choice of Open, may be left over
};

void PrintTo(const MenuCharCase& c, std::ostream* os) {
  *os << c.name;
}

class MenuCharacter : public ::testing::TestWithParam<MenuCharCase> {};

TEST_P(MenuCharacter, TheAnswerDecides) {
  testing::OnFreshThread([c = GetParam()] {
    MenuFixture f;
    std::optional<testing::Seen> asked;
    Recorder().handler = [&](HWND, UINT message, WPARAM wParam,
                             LPARAM lParam) -> std::optional<LRESULT> {
      if (message != WM_MENUCHAR) return std::nullopt;
      asked = testing::Seen{0, message, wParam, lParam};
      return c.answer;
    };
    f.user.Type(u's').Choose(ById(101));
    f.user.ClickMenuBar(f.owner, 0);
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->wParam, MAKEWPARAM(u's', MF_POPUP));
    EXPECT_EQ(asked->lParam, static_cast<LPARAM>(f.file));
    std::vector<WPARAM> commands;
    for (const auto& [w, l] : f.Commands())
      commands.push_back(w);
    EXPECT_EQ(commands, c.commands);
    EXPECT_EQ(Recorder().Of(WM_INITMENUPOPUP).size(), c.popupsOpened);
    EXPECT_EQ(f.user.PendingSteps(), c.pendingAfter);
    f.user.ForgetSteps();
  });
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MenuCharacter,
    ::testing::Values(
        MenuCharCase{"IgnoreBeeps", 0, {101}, 1, 0},
        MenuCharCase{"NoMatchFromTheLibrary", -1, {101}, 1, 0},
        MenuCharCase{"Close", MAKELRESULT(0, MNC_CLOSE), {}, 1, 1},
        MenuCharCase{"ExecuteRunsTheEntry", MAKELRESULT(1, MNC_EXECUTE), {102}, 1, 1},
        MenuCharCase{"ExecuteOpensASubmenu", MAKELRESULT(3, MNC_EXECUTE), {101}, 2, 0},
        MenuCharCase{"ExecuteIgnoresGrayed", MAKELRESULT(4, MNC_EXECUTE), {101}, 1, 0},
        MenuCharCase{"SelectOnlyHighlights", MAKELRESULT(1, MNC_SELECT), {101}, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuLoop, TextMnemonicsAreHandledWithoutAskingTheOwner) {
  testing::OnFreshThread([] {
    const HWND owner = testing::CreateRecordingWindow();
    const HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "&Alpha");
    AppendMenuA(menu, MF_STRING, 2, "&Beta");
    AppendMenuA(menu, MF_STRING, 3, "Also &a");
    sim::User().Type(u'B');
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 2);
    sim::User().Type(u'a').Type(u'a').Key(VK_RETURN);  // two matches: each press moves on
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 3);
    EXPECT_TRUE(Recorder().Of(WM_MENUCHAR).empty());
  });
}

TEST(MenuLoop, ReturnCmdGivesTheIdInsteadOfSendingACommand) {
  testing::OnFreshThread([] {
    MenuFixture f;
    f.user.Choose(1);
    EXPECT_EQ(TrackPopupMenu(f.file, TPM_RETURNCMD, 10, 10, 0, f.owner, nullptr), 102);
    EXPECT_TRUE(f.Commands().empty());
    f.user.Cancel();
    EXPECT_EQ(TrackPopupMenu(f.file, TPM_RETURNCMD, 10, 10, 0, f.owner, nullptr), 0);

    f.user.Choose(1);
    EXPECT_EQ(TrackPopupMenu(f.file, 0, 10, 10, 0, f.owner, nullptr), TRUE);
    EXPECT_EQ(f.Commands(), (std::vector<std::pair<WPARAM, LPARAM>>{{102, 0}}));
    f.user.Cancel();
    EXPECT_EQ(TrackPopupMenu(f.file, 0, 10, 10, 0, f.owner, nullptr), TRUE);
    EXPECT_EQ(f.Commands().size(), 1u);
    EXPECT_EQ(Recorder().Of(WM_ENTERMENULOOP).back().wParam, static_cast<WPARAM>(TRUE));
  });
}

TEST(MenuLoop, NoNotifyKeepsOnlyTheOwnerDrawRequests) {
  testing::OnFreshThread([] {
    MenuFixture f;
    f.user.Hover(0).Choose(1);
    EXPECT_EQ(TrackPopupMenu(f.file, TPM_RETURNCMD | TPM_NONOTIFY, 0, 0, 0, f.owner, nullptr), 102);
    EXPECT_TRUE(Recorder().MenuMessageNames().empty());
    EXPECT_FALSE(Recorder().Of(WM_MEASUREITEM).empty());
    EXPECT_FALSE(Recorder().Of(WM_DRAWITEM).empty());
  });
}

TEST(MenuLoop, AHandlerMayOpenAnotherMenuInsideTheLoopWithRecurse) {
  testing::OnFreshThread([] {
    MenuFixture f;
    const HMENU context = CreatePopupMenu();
    AppendMenuA(context, MF_OWNERDRAW, 901, nullptr);
    AppendMenuA(context, MF_OWNERDRAW, 902, nullptr);
    BOOL withoutRecurse = -5, nested = -5;
    std::size_t openInside = 0;
    // On the right-click the owner opens a context menu; the nested loop takes the steps that
    // follow (a choice of 902), then the outer loop goes on with the rest.
    Recorder().handler = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message != WM_MENURBUTTONUP) return std::nullopt;
      withoutRecurse = TrackPopupMenu(context, TPM_RETURNCMD, 50, 50, 0, f.owner, nullptr);
      nested = TrackPopupMenu(context, TPM_RETURNCMD | TPM_RECURSE, 50, 50, 0, f.owner, nullptr);
      return 0;
    };
    f.user.RightClick(0).Run([&] { openInside = sim::OpenPopups().size(); }).Choose(1).Choose(0);
    f.user.ClickMenuBar(f.owner, 0);
    EXPECT_EQ(withoutRecurse, FALSE);
    EXPECT_EQ(nested, 902);
    EXPECT_EQ(openInside, 2u) << "the outer popup stays open under the nested one";
    EXPECT_EQ(f.Commands(), (std::vector<std::pair<WPARAM, LPARAM>>{{101, 0}}));
  });
}

TEST(MenuLoop, AMenuDestroyedByAHandlerEndsTheLoopWithoutAChoice) {
  testing::OnFreshThread([] {
    MenuFixture f;
    Recorder().handler = [&](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
      if (message == WM_INITMENUPOPUP && wParam == f.recent) DestroyMenu(f.file);
      return std::nullopt;
    };
    f.user.Open(3).Choose(0);
    f.user.ClickMenuBar(f.owner, 0);
    EXPECT_TRUE(f.Commands().empty());
    EXPECT_TRUE(sim::OpenPopups().empty());
    EXPECT_EQ(Recorder().Of(WM_EXITMENULOOP).size(), 1u);
    f.user.ForgetSteps();
  });
}

TEST(MenuLoop, ABarTakenOffTheWindowWhileItsEntryLightsUpOpensNothing) {
  testing::OnFreshThread([] {
    MenuFixture f;
    Recorder().handler = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message == WM_MENUSELECT && GetMenu(f.owner) != 0) {
        SetMenu(f.owner, 0);
        DestroyMenu(f.bar);
      }
      return std::nullopt;
    };
    f.user.Choose(0);
    f.user.ClickMenuBar(f.owner, 0);
    EXPECT_TRUE(Recorder().Of(WM_INITMENUPOPUP).empty());
    EXPECT_TRUE(f.Commands().empty());
    EXPECT_EQ(Recorder().Of(WM_EXITMENULOOP).size(), 1u);
    f.user.ForgetSteps();
  });
}

TEST(MenuLoop, SystemMenusAreFlaggedAndSendSystemCommands) {
  testing::OnFreshThread([] {
    const HWND owner = testing::CreateRecordingWindow();
    sim::User user;
    user.Choose(ById(SC_MAXIMIZE));
    ASSERT_TRUE(user.OpenSystemMenu(owner));
    const HMENU system = GetSystemMenu(owner, FALSE);
    const auto init = Recorder().Of(WM_INITMENUPOPUP);
    ASSERT_EQ(init.size(), 1u);
    EXPECT_EQ(init[0].wParam, system);
    EXPECT_EQ(HIWORD(static_cast<ULONG_PTR>(init[0].lParam)), TRUE);
    const auto command = Recorder().Of(WM_SYSCOMMAND);
    ASSERT_EQ(command.size(), 1u);
    EXPECT_EQ(command[0].wParam, SC_MAXIMIZE);
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(command[0].lParam,
              MAKELPARAM(static_cast<WORD>(cursor.x), static_cast<WORD>(cursor.y)));
    WINDOWPLACEMENT placement;
    GetWindowPlacement(owner, &placement);
    EXPECT_EQ(placement.showCmd, SW_SHOWMAXIMIZED) << "the default procedure carried it out";
    EXPECT_TRUE(Recorder().Of(WM_COMMAND).empty());
  });
}

}  // namespace
}  // namespace vellum::platform
