#include "items/menu_item.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/debug_string.hpp"
#include "render/item_visual_properties.hpp"
#include "support/menu_fixture.hpp"
#include "support/native_menu.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::NativeEntryById;
using testing::NativeIds;
using testing::OnFreshThread;
using testing::StandardMenus;

TEST_ON_FRESH_THREAD(MenuItem, AFreeItemTouchesNoNativeMenu) {
  auto item = MenuItem::New();
  EXPECT_EQ(item->ItemId(), 4680);
  EXPECT_EQ(item->SubMenu()->ItemId(), 4680);
  EXPECT_EQ(item->Index(), 0);
  EXPECT_TRUE(item->Visible());
  EXPECT_TRUE(item->Enabled());
  sim::Calls().Reset();
  item->Caption(u"&Free");
  item->Checked(true);
  EXPECT_EQ(sim::Calls().Calls().size(), 0u);
}

TEST(MenuItemNative, PropertiesMapToTheEntrysTypeAndState) {
  struct Case {
    const char* name;
    std::function<void(MenuItem&)> set;
    UINT type;
    UINT state;
  };
  const Case cases[] = {
      {"plain", [](MenuItem&) {}, MFT_OWNERDRAW, 0},
      {"separator caption", [](MenuItem& i) { i.Caption(u"-"); }, MFT_SEPARATOR | MFT_OWNERDRAW, 0},
      {"caption band with empty popup", [](MenuItem& i) { i.SeparatorType(mstCaption); },
       MFT_OWNERDRAW, MFS_DISABLED},
      {"column break", [](MenuItem& i) { i.SeparatorType(mstBreak); },
       MFT_MENUBREAK | MFT_OWNERDRAW, 0},
      {"bar break", [](MenuItem& i) { i.SeparatorType(mstBarBreak); },
       MFT_MENUBARBREAK | MFT_OWNERDRAW, 0},
      {"disabled", [](MenuItem& i) { i.Enabled(false); }, MFT_OWNERDRAW, MFS_DISABLED},
      {"grayed", [](MenuItem& i) { i.Grayed(true); }, MFT_OWNERDRAW | MFT_SEPARATOR, 3},
      {"checked", [](MenuItem& i) { i.Checked(true); }, MFT_OWNERDRAW, MFS_CHECKED},
      {"checked radio",
       [](MenuItem& i) {
         i.RadioGroup(true);
         i.Checked(true);
       },
       MFT_OWNERDRAW | MFT_RADIOCHECK, MFS_CHECKED},
      {"right aligned", [](MenuItem& i) { i.RightAlign(true); }, MFT_OWNERDRAW | MFT_RIGHTJUSTIFY,
       0},
      {"right text",
       [](MenuItem& i) {
         i.Visual()->TextAlign(taRight);  // written with the next update
         i.Default(true);
       },
       MFT_OWNERDRAW | MFT_RIGHTJUSTIFY, MFS_DEFAULT},
      {"default", [](MenuItem& i) { i.Default(true); }, MFT_OWNERDRAW, MFS_DEFAULT},
  };
  for (const Case& c : cases) {
    OnFreshThread([&c] {
      StandardMenus menus;
      c.set(*menus.save);
      const auto entry = NativeEntryById(menus.FileMenu()->hMenu(), menus.save->ItemId());
      EXPECT_EQ(entry.type, c.type) << c.name << ": " << sim::ItemTypeName(entry.type);
      EXPECT_EQ(entry.state, c.state) << c.name << ": " << sim::ItemStateName(entry.state);
    });
  }
}

TEST_ON_FRESH_THREAD(MenuItemNative, ACheckedPlainItemStaysACheckMarkItem) {
  StandardMenus menus;
  menus.save->Checked(true);
  menus.save->Checked(false);
  EXPECT_TRUE(menus.save->Checkmark());
}

TEST(MenuItemNative, ReadNativeCopiesTheEntryBack) {
  struct Case {
    const char* name;
    UINT type;
    UINT state;
    std::function<void(const MenuItem&)> check;
  };
  const Case cases[] = {
      {"checked default", MFT_OWNERDRAW, MFS_CHECKED | MFS_DEFAULT,
       [](const MenuItem& i) {
         EXPECT_TRUE(i.Checked());
         EXPECT_TRUE(i.Checkmark());
         EXPECT_TRUE(i.Default());
         EXPECT_TRUE(i.Enabled());
       }},
      {"disabled radio", MFT_OWNERDRAW | MFT_RADIOCHECK, MFS_DISABLED,
       [](const MenuItem& i) {
         EXPECT_FALSE(i.Enabled());
         EXPECT_TRUE(i.RadioGroup());
         EXPECT_FALSE(i.Checkmark());
       }},
      {"right justified", MFT_OWNERDRAW | MFT_RIGHTJUSTIFY, 0,
       [](const MenuItem& i) { EXPECT_EQ(i.Visual()->TextAlign(), taRight); }},
      {"column break", MFT_OWNERDRAW | MFT_MENUBREAK, 0,
       [](const MenuItem& i) {
         EXPECT_TRUE(i.Separator());
         EXPECT_EQ(i.SeparatorType(), mstBreak);
       }},
      {"bar break", MFT_OWNERDRAW | MFT_MENUBARBREAK, 0,
       [](const MenuItem& i) { EXPECT_EQ(i.SeparatorType(), mstBarBreak); }},
      {"separator", MFT_OWNERDRAW | MFT_SEPARATOR, 0,
       [](const MenuItem& i) {
         EXPECT_TRUE(i.Separator());
         EXPECT_EQ(i.SeparatorType(), mstNormal);
       }},
  };
  for (const Case& c : cases) {
    OnFreshThread([&c] {
      StandardMenus menus;
      MENUITEMINFOW info;
      info.cbSize = MENUITEMINFO_SIZE_WITHOUT_BITMAP;
      info.fMask = MIIM_FTYPE | MIIM_STATE;
      info.fType = c.type;
      info.fState = c.state;
      SetMenuItemInfoW(menus.FileMenu()->hMenu(), static_cast<UINT>(menus.save->ItemId()), FALSE,
                       &info);
      menus.save->ReadNative();
      SCOPED_TRACE(c.name);
      c.check(*menus.save);
    });
  }
}

TEST_ON_FRESH_THREAD(MenuItemNative, ABreakWrittenAndReadBackKeepsItsKind) {
  StandardMenus menus;
  menus.save->SeparatorType(mstBarBreak);
  menus.save->ReadNative();
  EXPECT_EQ(menus.save->SeparatorType(), mstBarBreak);
}

TEST_ON_FRESH_THREAD(MenuItem, RadioGroupsSpanSeparators) {
  StandardMenus menus;
  auto popup = menus.FileMenu();
  auto c = popup->Add(u"C");
  for (auto& item : {menus.open, menus.save, c})
    item->RadioGroup(true);
  menus.open->Checked(true);
  c->Checked(true);  // the separator lies between Open and C
  EXPECT_FALSE(menus.open->Checked());
  EXPECT_FALSE(menus.save->Checked());
  EXPECT_TRUE(c->Checked());
  EXPECT_EQ(NativeEntryById(popup->hMenu(), menus.open->ItemId()).state, 0u);
}

TEST_ON_FRESH_THREAD(MenuItem, AHiddenItemWaitsOutsideTheNativeMenu) {
  StandardMenus menus;
  const HMENU file = menus.FileMenu()->hMenu();
  const auto saveId = static_cast<UINT>(menus.save->ItemId());
  menus.save->Visible(false);
  EXPECT_EQ(NativeIds(file).size(), 3u);
  EXPECT_TRUE(menus.save->UpdatesSuspended());
  sim::Calls().Reset();
  menus.save->Checked(true);
  menus.save->Caption(u"Save &all");
  EXPECT_EQ(sim::Calls().Count("SetMenuItemInfoW"), 0u);

  menus.save->Visible(true);
  EXPECT_EQ(NativeIds(file)[1], saveId);
  EXPECT_EQ(NativeEntryById(file, saveId).state, MFS_CHECKED);
}

TEST_ON_FRESH_THREAD(MenuItem, CaptionDashMakesANormalSeparatorOnce) {
  StandardMenus menus;
  menus.save->SeparatorType(mstBreak);
  menus.save->Caption(u"-");
  EXPECT_TRUE(menus.save->Separator());
  EXPECT_EQ(menus.save->SeparatorType(), mstNormal);
  sim::Calls().Reset();
  menus.save->Caption(u"-");
  EXPECT_EQ(sim::Calls().Calls().size(), 0u);
  EXPECT_EQ(menus.save->CaptionPlain(), u"-");
}

TEST_ON_FRESH_THREAD(MenuItem, CaptionBandTakesTheTooltipColourAndCentres) {
  StandardMenus menus;
  menus.save->SeparatorType(mstCaption);
  EXPECT_TRUE(menus.save->Separator());
  EXPECT_EQ(menus.save->Visual()->TextAlign(), taCenter);
  EXPECT_EQ(menus.save->Visual()->ItemBackground(),
            static_cast<std::int32_t>(GetSysColor(COLOR_INFOBK)));
}

// The road of one command: the item's Click, then the popup holding it, then the top menu.
TEST_ON_FRESH_THREAD(MenuItemCommand, ClimbsFromItemThroughItsPopupToTheBar) {
  StandardMenus menus;
  std::vector<std::string> heard;
  menus.recent1->Click.Connect([&] { heard.push_back("item Click"); });
  menus.RecentMenu()->UserCommand.Connect([&](const Ref<MenuItem>& i) {
    heard.push_back("Recent UserCommand " + StringToUtf8(i->Key()));
  });
  menus.FileMenu()->UserCommand.Connect([&](const Ref<MenuItem>&) { heard.push_back("File"); });
  menus.bar->UserCommand.Connect([&](const Ref<MenuItem>& i) {
    heard.push_back("bar UserCommand " + StringToUtf8(i->Key()));
  });
  menus.recent1->ExecCmd(static_cast<WPARAM>(menus.recent1->ItemId()), WM_COMMAND);
  EXPECT_EQ(heard, (std::vector<std::string>{"item Click", "Recent UserCommand Recent1",
                                             "bar UserCommand Recent1"}));
}

TEST_ON_FRESH_THREAD(MenuItemCommand, RightClickTakesTheSameRoad) {
  StandardMenus menus;
  std::vector<std::string> heard;
  menus.open->RightClick.Connect([&] { heard.push_back("RightClick"); });
  menus.open->Click.Connect([&] { heard.push_back("Click"); });
  menus.FileMenu()->ItemRightClick.Connect(
      [&](const Ref<MenuItem>&) { heard.push_back("popup ItemRightClick"); });
  menus.bar->ItemRightClick.Connect(
      [&](const Ref<MenuItem>&) { heard.push_back("bar ItemRightClick"); });
  menus.open->ExecCmd(static_cast<WPARAM>(menus.open->ItemId()), WM_MENURBUTTONUP);
  EXPECT_EQ(heard,
            (std::vector<std::string>{"RightClick", "popup ItemRightClick", "bar ItemRightClick"}));
}

TEST_ON_FRESH_THREAD(MenuItemCommand, AForeignIdRaisesNoItemEventButStillClimbs) {
  StandardMenus menus;
  int clicks = 0;
  int barCommands = 0;
  menus.open->Click.Connect([&] { ++clicks; });
  menus.bar->UserCommand.Connect([&](const Ref<MenuItem>&) { ++barCommands; });
  menus.open->ExecCmd(static_cast<WPARAM>(menus.save->ItemId()), WM_COMMAND);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(barCommands, 1);  // the bar finds Save in its tree
}

TEST_ON_FRESH_THREAD(MenuItemCommand, BuddiesReceiveTheEventsInstead) {
  StandardMenus menus;
  std::vector<std::string> heard;
  auto itemBuddy = HostObject::New();
  itemBuddy->Define(u"MenuItem_Click", [&](Invocation&) {
    heard.push_back("MenuItem_Click");
    return Variant();
  });
  auto barBuddy = HostObject::New();
  barBuddy->Define(u"Menubar_UserCommand", [&](Invocation& call) {
    heard.push_back("Menubar_UserCommand " +
                    StringToUtf8(call.Arg(0).ToObjectOf<MenuItem>()->Key()));
    return Variant();
  });
  int events = 0;
  menus.open->Click.Connect([&] { ++events; });
  menus.bar->UserCommand.Connect([&](const Ref<MenuItem>&) { ++events; });
  menus.open->BuddyObject(itemBuddy);
  menus.bar->BuddyObject(barBuddy);
  menus.open->ExecCmd(static_cast<WPARAM>(menus.open->ItemId()), WM_COMMAND);
  EXPECT_EQ(heard, (std::vector<std::string>{"MenuItem_Click", "Menubar_UserCommand Open"}));
  EXPECT_EQ(events, 0);
}

TEST_ON_FRESH_THREAD(MenuItemCommand, AHandlerMayRemoveTheMenuThatRaisedIt) {
  StandardMenus menus;
  const auto id = static_cast<WPARAM>(menus.recent1->ItemId());
  int barCommands = 0;
  menus.bar->UserCommand.Connect([&](const Ref<MenuItem>&) { ++barCommands; });
  menus.recent1->Click.Connect([&] {
    menus.FileMenu()->Remove(u"Recent");
    menus.recent.reset();
    menus.recent1.reset();
    menus.recent2.reset();
  });
  Ref<MenuItem> item = menus.recent1;
  item->ExecCmd(id, WM_COMMAND);
  item.reset();
  EXPECT_EQ(menus.FileMenu()->Count(), 3);
  EXPECT_EQ(barCommands, 0);  // the item is no longer in the bar's tree
}

TEST_ON_FRESH_THREAD(MenuItem, AnswersLateBoundCalls) {
  StandardMenus menus;
  menus.save->Invoke(u"caption", CallType::PropertyLet, {u"Save &As..."});
  EXPECT_EQ(menus.save->Caption(), u"Save &As...");
  EXPECT_EQ(menus.save->Invoke(u"CaptionPlain", CallType::PropertyGet), Variant(u"Save As..."));
  EXPECT_EQ(Variant(menus.save).ToString(), u"Save &As...");  // Caption is the default member
  menus.save->Invoke(u"Checked", CallType::PropertyLet, {true});
  EXPECT_TRUE(menus.save->Checked());
  EXPECT_EQ(menus.file->Invoke(u"Search", CallType::Method, {menus.recent2->ItemId()}),
            Variant(menus.recent2));
  EXPECT_THROW(menus.file->Search(u"x"), AutomationError);
}

}  // namespace
}  // namespace vellum
