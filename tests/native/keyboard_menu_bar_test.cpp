// The menu bar worked from the keyboard, through the library's window procedure: the sim opens
// it on F10, Alt alone and Alt+letter as the platform does, asks the window for the mnemonics
// of owner-drawn entries (WM_MENUCHAR), and shows keyboard cues in what it opens.
#include <gtest/gtest.h>

#include "support/owner_drawn.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::EntryImage;
using testing::OnFreshThread;
using testing::OwnerDrawnMenus;

constexpr COLORREF kGreen = 0x00FF00, kBlack = 0x000000;

// The standard menus with a popup below Edit too, and what is open while the script runs.
struct KeyboardBar : OwnerDrawnMenus {
  KeyboardBar() {
    cut = edit->SubMenu()->Add(u"Cu&t", nullptr, u"Cut");
    save->Visual()->ItemBackground(kGreen);
    save->Visual()->ItemForeground(kBlack);
    DrawMenuBar(window);
    sim::ClearReceivedMessages(window);
  }

  // Queues a look at the menus as they are at this step of the script.
  void Look() {
    user.Run([this] {
      Seen seen;
      for (const sim::OpenPopup& popup : sim::OpenPopups())
        seen.popups.push_back({popup.menu, popup.hot});
      seen.fileState = file->Visual()->FetchDrawItem().itemState;
      seen.editState = edit->Visual()->FetchDrawItem().itemState;
      if (!sim::OpenPopups().empty() && sim::OpenPopups()[0].menu == FileMenu()->hMenu())
        seen.save = testing::ReadPopupEntry(sim::OpenPopups()[0], 1);
      looks.push_back(seen);
    });
  }
  void AltWith(UINT vk) {
    user.PressKey(VK_MENU);
    user.TapKey(vk);
    user.ReleaseKey(VK_MENU);
  }
  std::size_t MenuChars() const { return sim::ReceivedMessages(window, WM_MENUCHAR).size(); }

  struct Seen {
    std::vector<std::pair<HMENU, int>> popups;  // menu and highlighted entry
    std::uint32_t fileState = 0, editState = 0;
    EntryImage save;
  };
  std::vector<Seen> looks;
  Ref<MenuItem> cut;
  sim::User user;
};

TEST_ON_FRESH_THREAD(KeyboardMenuBar,
                     AltAndAMnemonicOpensThatPopupWithItsFirstEntrySelectedAndCuesShown) {
  KeyboardBar app;
  app.Look();
  app.AltWith('F');
  ASSERT_EQ(app.looks.size(), 1u);
  const KeyboardBar::Seen& seen = app.looks[0];
  // The library answered the window's WM_MENUCHAR (the bar's entries are owner-drawn) and
  // the message stopped there.
  EXPECT_EQ(app.MenuChars(), 0u);
  EXPECT_EQ(seen.popups, (std::vector<std::pair<HMENU, int>>{{app.FileMenu()->hMenu(), 0}}));
  EXPECT_EQ(seen.fileState & (ODS_SELECTED | ODS_NOACCEL), ODS_SELECTED);
  // Save, unselected, shows the underline under its S (the fixed face inks the cell's last
  // row, row 15 here): keyboard cues are on.
  for (int x = 25; x < 25 + testing::kCharWidth; ++x)
    EXPECT_EQ(seen.save.At(x, 15), kBlack) << "under the S at " << x;
  EXPECT_EQ(seen.save.At(25 + testing::kCharWidth + 1, 15), kGreen) << "nothing under the a";
  // The script ran out inside the menu, which cancelled it; Alt's release opened nothing more.
  EXPECT_TRUE(sim::OpenPopups().empty());
  EXPECT_EQ(app.looks.size(), 1u);
}

TEST_ON_FRESH_THREAD(KeyboardMenuBar, F10HighlightsTheFirstEntryRightMovesAlongTheBarAndDownOpens) {
  KeyboardBar app;
  app.Look();
  app.user.Key(VK_RIGHT);
  app.Look();
  app.user.Key(VK_DOWN);
  app.Look();
  app.user.TapKey(VK_F10);
  ASSERT_EQ(app.looks.size(), 3u);
  EXPECT_TRUE(app.looks[0].popups.empty()) << "F10 opens nothing";
  EXPECT_EQ(app.looks[0].fileState & ODS_SELECTED, ODS_SELECTED);
  EXPECT_TRUE(app.looks[1].popups.empty()) << "Right only moves the highlight";
  EXPECT_EQ(app.looks[1].fileState & ODS_SELECTED, 0u);
  EXPECT_EQ(app.looks[1].editState & (ODS_SELECTED | ODS_NOACCEL), ODS_SELECTED);
  EXPECT_EQ(app.looks[2].popups,
            (std::vector<std::pair<HMENU, int>>{{app.edit->SubMenu()->hMenu(), 0}}));
}

TEST_ON_FRESH_THREAD(KeyboardMenuBar, EscapeBacksOutALevelAtATime) {
  KeyboardBar app;
  int commands = 0;
  app.bar->UserCommand.Connect([&](const Ref<MenuItem>&) { ++commands; });
  app.user.Key(VK_ESCAPE);
  app.Look();
  app.user.Key(VK_ESCAPE);
  app.Look();  // never reached: the second Escape ends the menu
  app.AltWith('F');
  ASSERT_EQ(app.looks.size(), 1u);
  EXPECT_TRUE(app.looks[0].popups.empty());
  EXPECT_EQ(app.looks[0].fileState & ODS_SELECTED, ODS_SELECTED) << "File stays highlighted";
  EXPECT_EQ(app.user.PendingSteps(), 1u);
  EXPECT_EQ(app.file->Visual()->FetchDrawItem().itemState & ODS_SELECTED, 0u);
  EXPECT_EQ(commands, 0);
  app.user.ForgetSteps();
}

TEST_ON_FRESH_THREAD(KeyboardMenuBar,
                     AltAloneHighlightsAndAltWithAnotherKeyOrAnUnknownLetterOpensNothing) {
  KeyboardBar app;
  app.Look();
  app.user.TapKey(VK_MENU);
  ASSERT_EQ(app.looks.size(), 1u);
  EXPECT_TRUE(app.looks[0].popups.empty());
  EXPECT_EQ(app.looks[0].fileState & ODS_SELECTED, ODS_SELECTED);

  // A letter no entry carries: the window answers -1 and the menu closes at once.
  app.Look();
  app.AltWith('Q');
  EXPECT_EQ(app.looks.size(), 1u) << "no menu loop ran the step";
  EXPECT_EQ(app.user.PendingSteps(), 1u);
  // Alt with Ctrl types no character and opens nothing.
  app.user.PressKey(VK_CONTROL);
  app.AltWith('F');
  app.user.ReleaseKey(VK_CONTROL);
  EXPECT_EQ(app.looks.size(), 1u);
  app.user.ForgetSteps();
}

TEST_ON_FRESH_THREAD(KeyboardMenuBar, ReturnOnAnEntryWithoutAPopupRunsIt) {
  KeyboardBar app;
  const Ref<MenuItem> about = app.bar->Add(u"&About", nullptr, u"About");
  int clicks = 0;
  about->Click.Connect([&] { ++clicks; });
  app.AltWith('A');
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace vellum
