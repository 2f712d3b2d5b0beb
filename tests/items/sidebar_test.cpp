#include "items/sidebar.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "platform/platform.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/sim.hpp"
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

UINT Id(std::int32_t id) {
  return static_cast<UINT>(id);
}

// The standard menus with the File popup's band at hand.
struct FileBand : StandardMenus {
  HMENU fileMenu() const { return FileMenu()->hMenu(); }
  Ref<Sidebar> band = FileMenu()->Sidebar();
};

TEST_ON_FRESH_THREAD(Sidebar, ANewPopupsBandIsHiddenDisabledAndSuspendedWithTheBandStyle) {
  auto popup = SubMenu::New();
  const Ref<Sidebar> band = popup->Sidebar();
  EXPECT_FALSE(band->Visible());
  EXPECT_FALSE(band->Enabled());
  EXPECT_TRUE(band->UpdatesSuspended());
  EXPECT_EQ(band->Position(), posLeft);
  EXPECT_EQ(band->Escapement(), esc90);
  EXPECT_EQ(band->BreakId(), band->ItemId() + 1);
  EXPECT_EQ(band->Index(), 0);
  EXPECT_EQ(band->Parent(), popup);
  EXPECT_EQ(band->ParentType(), mtcPopup);
  EXPECT_FALSE(band->DesignMode());

  const Ref<ItemVisualProperties> style = band->Visual();
  EXPECT_EQ(style->Item(), band);
  EXPECT_EQ(static_cast<std::uint32_t>(style->ItemBackground()), 0x8000000Fu);
  EXPECT_EQ(static_cast<std::uint32_t>(style->ItemBkGradient()), 0x80000018u);
  EXPECT_EQ(style->ItemForeground(), 0);
  EXPECT_EQ(static_cast<std::uint32_t>(style->SelectBackground()), 0x8000000Fu);
  EXPECT_EQ(static_cast<std::uint32_t>(style->SelectBkGradient()), 0x80000018u);
  EXPECT_EQ(style->SelectionStyle(), mssHotTrack);
  EXPECT_EQ(style->SelectForeground(), 0xFF0000);
  EXPECT_EQ(style->TextAlign(), taCenter);

  // Hidden, nothing reaches the native popup.
  popup->Add(u"&Copy");
  sim::Calls().Reset();
  band->Caption(u"Vellum");
  band->Enabled(true);
  band->Position(posRight);
  EXPECT_EQ(sim::Calls().Count("InsertMenuA") + sim::Calls().Count("AppendMenuA") +
                sim::Calls().Count("SetMenuItemInfoW"),
            0u);
  EXPECT_EQ(NativeIds(popup->hMenu()).size(), 1u);
}

TEST(SidebarNative, AVisibleBandStandsAtItsSideWithItsBreak) {
  struct Case {
    const char* name;
    SidebarPositionConstants position;
    // Native order, with B for the band, K for its break and digits for items by Index.
    std::string order;
  };
  const Case cases[] = {{"left", posLeft, "BK0123"}, {"right", posRight, "0123KB"}};
  for (const Case& c : cases) {
    OnFreshThread([&c] {
      FileBand menus;
      menus.band->Position(c.position);  // hidden: stored only
      menus.band->Visible(true);
      std::string order;
      for (UINT id : NativeIds(menus.fileMenu())) {
        if (id == Id(menus.band->ItemId()))
          order += 'B';
        else if (id == Id(menus.band->BreakId()))
          order += 'K';
        for (const auto& item : menus.FileMenu()->ItemList()) {
          if (id == Id(item->ItemId())) order += static_cast<char>('0' + item->Index());
        }
      }
      EXPECT_EQ(order, c.order) << c.name;
      EXPECT_FALSE(menus.band->UpdatesSuspended()) << c.name;
      const auto columnBreak = NativeEntryById(menus.fileMenu(), Id(menus.band->BreakId()));
      EXPECT_EQ(columnBreak.type, MFT_MENUBREAK | MFT_OWNERDRAW) << c.name;
      EXPECT_EQ(columnBreak.state, 6u) << c.name;
    });
  }
}

TEST_ON_FRESH_THREAD(SidebarNative, MovingAVisibleBandAndHidingItUpdateTheNativeMenu) {
  FileBand menus;
  menus.band->Visible(true);
  menus.band->Position(posRight);
  const std::vector<UINT> ids = NativeIds(menus.fileMenu());
  ASSERT_EQ(ids.size(), 6u);
  EXPECT_EQ(ids[0], Id(menus.open->ItemId()));
  EXPECT_EQ(ids[5], Id(menus.band->ItemId()));
  // An item shown again goes to its Index: nothing stands in front of it now.
  menus.open->Visible(false);
  menus.open->Visible(true);
  EXPECT_EQ(NativeIds(menus.fileMenu())[0], Id(menus.open->ItemId()));

  menus.band->Visible(false);
  EXPECT_EQ(NativeIds(menus.fileMenu()).size(), 4u);
  EXPECT_TRUE(menus.band->UpdatesSuspended());
}

TEST_ON_FRESH_THREAD(SidebarNative, EnabledDecidesTheBandsStateAndIsWrittenEvenWhenUnchanged) {
  FileBand menus;
  menus.band->Visible(true);
  auto band = NativeEntryById(menus.fileMenu(), Id(menus.band->ItemId()));
  EXPECT_EQ(band.type, MFT_OWNERDRAW);
  EXPECT_EQ(band.state, MFS_DISABLED);

  menus.band->Enabled(true);
  band = NativeEntryById(menus.fileMenu(), Id(menus.band->ItemId()));
  EXPECT_EQ(band.type, MFT_OWNERDRAW);
  EXPECT_EQ(band.state, 0u);

  sim::Calls().Reset();
  menus.band->Enabled(true);
  // Both records, and no re-insertion: the band's size did not change.
  EXPECT_EQ(sim::Calls().Count("SetMenuItemInfoW"), 2u);
  EXPECT_EQ(sim::Calls().Count("InsertMenuA"), 0u);
}

TEST_ON_FRESH_THREAD(SidebarNative, ReadNativeTakesEnabledFromTheBandsState) {
  FileBand menus;
  menus.band->Visible(true);
  menus.band->Enabled(true);
  MENUITEMINFOW record;
  record.cbSize = MENUITEMINFO_SIZE_WITHOUT_BITMAP;
  record.fMask = MIIM_STATE;
  record.fState = MFS_GRAYED;
  ASSERT_TRUE(SetMenuItemInfoW(menus.fileMenu(), Id(menus.band->ItemId()), FALSE, &record));
  menus.band->ReadNative();
  EXPECT_FALSE(menus.band->Enabled());

  // A band that is not in the menu cannot be read: Enabled stays as it is.
  menus.band->Visible(false);
  menus.band->ReadNative();
  EXPECT_FALSE(menus.band->Enabled());
}

TEST_ON_FRESH_THREAD(SidebarNative, RemovingTheBandLeavesNoStrayColumnBreak) {
  FileBand menus;
  menus.band->Visible(true);
  menus.band->RemoveNative();
  EXPECT_EQ(NativeIds(menus.fileMenu()).size(), 4u);
}

// The File popup's band on a window, with what the events said.
struct ChoosableBand : FileBand {
  ChoosableBand() {
    window = sim::CreateWindow(u"App", {0, 0, 400, 300});
    bar->SetWindowHandle(window);
    band->Caption(u"Vellum");
    band->Visible(true);
    band->Click.Connect([this] { heard.push_back("Click"); });
    band->RightClick.Connect([this] { heard.push_back("RightClick"); });
    FileMenu()->SidebarClick.Connect([this] { heard.push_back("SidebarClick"); });
    FileMenu()->SidebarRightClick.Connect([this] { heard.push_back("SidebarRightClick"); });
    FileMenu()->UserCommand.Connect([this](const Ref<MenuItem>&) { heard.push_back("item"); });
  }
  // Opens File from the menu bar and does `step` to the band.
  void OnTheBand(sim::User& (sim::User::*step)(sim::Target)) {
    sim::User user;
    (user.*step)(sim::ById(Id(band->ItemId())));
    user.ClickMenuBar(window, 0);
  }
  HWND window = 0;
  std::vector<std::string> heard;
};

TEST_ON_FRESH_THREAD(SidebarChoice,
                     AnEnabledBandRaisesItsEventThenThePopupsAndStillReachesTheWindow) {
  ChoosableBand app;
  app.band->Enabled(true);
  app.OnTheBand(&sim::User::Choose);
  EXPECT_EQ(app.heard, (std::vector<std::string>{"Click", "SidebarClick"}));
  const auto commands = sim::ReceivedMessages(app.window, WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, static_cast<WPARAM>(app.band->ItemId()));

  app.heard.clear();
  app.OnTheBand(&sim::User::RightClick);
  EXPECT_EQ(app.heard, (std::vector<std::string>{"RightClick", "SidebarRightClick"}));
}

TEST_ON_FRESH_THREAD(SidebarChoice, ADisabledBandCannotBeChosen) {
  ChoosableBand app;
  app.OnTheBand(&sim::User::Choose);
  EXPECT_TRUE(app.heard.empty());
  EXPECT_TRUE(sim::ReceivedMessages(app.window, WM_COMMAND).empty());
}

TEST_ON_FRESH_THREAD(SidebarChoice, ABuddyHearsTheChoiceInsteadOfTheEvent) {
  ChoosableBand app;
  app.band->Enabled(true);
  std::vector<std::string> buddyHeard;
  auto buddy = HostObject::New();
  buddy->Define(u"Sidebar_Click", [&](Invocation&) {
    buddyHeard.push_back("Sidebar_Click");
    return Variant();
  });
  buddy->Define(u"Sidebar_RightClick", [&](Invocation&) {
    buddyHeard.push_back("Sidebar_RightClick");
    return Variant();
  });
  app.band->BuddyObject(buddy);
  app.band->ExecCmd(static_cast<WPARAM>(app.band->ItemId()), WM_COMMAND);
  app.band->ExecCmd(static_cast<WPARAM>(app.band->ItemId()), WM_MENURBUTTONUP);
  EXPECT_EQ(buddyHeard, (std::vector<std::string>{"Sidebar_Click", "Sidebar_RightClick"}));
  // The popup still raises its own events.
  EXPECT_EQ(app.heard, (std::vector<std::string>{"SidebarClick", "SidebarRightClick"}));
}

TEST_ON_FRESH_THREAD(Sidebar, SearchFindsAnythingInItsPopupByCommandId) {
  FileBand menus;
  EXPECT_EQ(menus.band->Search(menus.save->ItemId()), menus.save);
  EXPECT_EQ(menus.band->Search(menus.recent2->ItemId()), menus.recent2);  // nested
  EXPECT_EQ(menus.band->Search(menus.band->ItemId()), menus.band);
  EXPECT_EQ(menus.band->Search(menus.edit->ItemId()), nullptr);  // not in this popup
  const String openId = Utf8ToString(std::to_string(menus.open->ItemId()));
  EXPECT_EQ(menus.band->Search(openId), menus.open);  // a number as text
  try {
    menus.band->Search(String(u"Save"));
    ADD_FAILURE() << "a key is not an ID";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 13);
  }
}

TEST_ON_FRESH_THREAD(Sidebar, ACaptionChangeLaysTheBandOutAndMeasuresItAgain) {
  FileBand menus;
  menus.band->Visible(true);
  menus.band->Caption(u"Vellum\r\n&Menus");
  const CaptionLayout& first = menus.band->GetCaptionLines(0);
  ASSERT_TRUE(first.valid);
  EXPECT_EQ(first.lines.size(), 2u);
  EXPECT_EQ(first.mnemonicLine, 1);
  EXPECT_GT(first.size.cx, 0);

  sim::Calls().Reset();
  menus.band->Caption(u"Vellum");
  // Re-inserted, so that the platform measures it again.
  EXPECT_EQ(sim::Calls().Count("InsertMenuA"), 2u);
  const CaptionLayout& second = menus.band->GetCaptionLines(0);
  EXPECT_EQ(second.lines, std::vector<String>{u"Vellum"});
  EXPECT_EQ(second.mnemonicLine, 0);

  sim::Calls().Reset();
  menus.band->Caption(u"Vellum");  // the same text: nothing happens
  EXPECT_EQ(sim::Calls().Calls().size(), 0u);
}

TEST_ON_FRESH_THREAD(Sidebar, OnlyStyleChangesOfSizeMeasureTheBandAgain) {
  FileBand menus;
  menus.band->Visible(true);
  const Ref<ItemVisualProperties> original = menus.band->Visual();
  sim::Calls().Reset();
  original->SelectForeground(0x00FF00);
  EXPECT_EQ(sim::Calls().Count("InsertMenuA"), 0u);
  original->WrapLimit(120);
  EXPECT_EQ(sim::Calls().Count("InsertMenuA"), 2u);

  // A style set later takes over the notifications; the old one no longer reaches the band.
  auto replacement = ItemVisualProperties::New();
  menus.band->Visual(replacement);
  EXPECT_EQ(menus.band->Visual(), replacement);
  sim::Calls().Reset();
  original->WrapLimit(60);
  EXPECT_EQ(sim::Calls().Count("InsertMenuA"), 0u);
  replacement->ImageScaleWidth(32);
  EXPECT_EQ(sim::Calls().Count("InsertMenuA"), 2u);
  menus.band->Visual(nullptr);  // refused: the band always has a style
  EXPECT_EQ(menus.band->Visual(), replacement);
}

TEST_ON_FRESH_THREAD(Sidebar, TheParentDecidesTypeDesignModeAndReadingOrder) {
  auto popup = SubMenu::New();
  popup->RightToLeft(true);
  auto band = Sidebar::New();
  band->SetParent(popup);
  EXPECT_TRUE(band->RightToLeft());
  EXPECT_EQ(band->ParentType(), mtcPopup);

  auto designer = HostObject::New();
  designer->Define(u"TopMostParent", [&](Invocation&) { return Variant(designer); });
  band->SetParent(designer);
  EXPECT_TRUE(band->DesignMode());
  EXPECT_EQ(band->ParentType(), mtcPopup);  // kept
  EXPECT_EQ(band->TopMostParent(), designer);
  band->SetParent(nullptr);
  EXPECT_FALSE(band->DesignMode());
  EXPECT_EQ(band->TopMostParent(), nullptr);
}

TEST_ON_FRESH_THREAD(Sidebar, AnswersByLateBinding) {
  FileBand menus;
  const Ref<Object> band = menus.band;
  band->Invoke(u"caption", CallType::PropertyLet, {Variant(String(u"Vellum"))});
  band->Invoke(u"Enabled", CallType::PropertyLet, {Variant(true)});
  band->Invoke(u"Visible", CallType::PropertyLet, {Variant(true)});
  band->Invoke(u"Escapement", CallType::PropertyLet, {Variant(1)});
  EXPECT_EQ(menus.band->Caption(), u"Vellum");
  EXPECT_EQ(menus.band->Escapement(), esc270);
  EXPECT_EQ(NativeIds(menus.fileMenu()).size(), 6u);
  EXPECT_EQ(band->Invoke(u"BreakId", CallType::PropertyGet).ToLong(), menus.band->BreakId());
  EXPECT_EQ(band->Invoke(u"Visual", CallType::PropertyGet).ToObject(), menus.band->Visual());
  EXPECT_EQ(band->Invoke(u"Search", CallType::Method, {Variant(menus.save->ItemId())}).ToObject(),
            menus.save);
  // Caption is not the default member, and Index cannot be assigned.
  EXPECT_THROW(band->DefaultValue(), AutomationError);
  EXPECT_THROW(band->Invoke(u"Index", CallType::PropertyLet, {Variant(3)}), AutomationError);
}

// A band shown before the popup has its native menu stands there from the first item on.
TEST_ON_FRESH_THREAD(SidebarNative, ABandShownBeforeThePopupsFirstItemIsInsertedWithTheNativeMenu) {
  StandardMenus menus;
  const Ref<SubMenu> help = menus.bar->Add(u"&Help")->SubMenu();
  ASSERT_EQ(help->hMenu(), 0u);
  const Ref<Sidebar> band = help->Sidebar();
  band->Visible(true);
  const Ref<MenuItem> about = help->Add(u"&About");
  EXPECT_EQ(NativeIds(help->hMenu()),
            (std::vector<UINT>{Id(band->ItemId()), Id(band->BreakId()), Id(about->ItemId())}));
}

}  // namespace
}  // namespace vellum
