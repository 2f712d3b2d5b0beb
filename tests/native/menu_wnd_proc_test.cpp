#include "native/menu_wnd_proc.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "items/sidebar.hpp"
#include "model/library_state.hpp"
#include "model/menu_lib_global.hpp"
#include "model/menus.hpp"
#include "native/handle_object.hpp"
#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "support/menu_fixture.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::OnFreshThread;
using testing::StandardMenus;

// A menu bar attached to a simulated window, with what its events said.
struct AttachedBar : StandardMenus {
  AttachedBar() {
    window = sim::CreateWindow(u"App", {0, 0, 400, 300});
    bar->SetWindowHandle(window);
    recent1->Click.Connect([this] { heard.push_back("Click"); });
    RecentMenu()->UserCommand.Connect(
        [this](const Ref<MenuItem>& i) { heard.push_back("Recent " + StringToUtf8(i->Key())); });
    bar->UserCommand.Connect(
        [this](const Ref<MenuItem>& i) { heard.push_back("bar " + StringToUtf8(i->Key())); });
    bar->Initialize.Connect([this] { heard.push_back("bar Initialize"); });
    bar->SubmenuInitialize.Connect([this](const Ref<SubMenu>& popup) {
      heard.push_back(popup == FileMenu() ? "bar SubmenuInitialize File" : "bar SubmenuInitialize");
    });
  }
  HWND window = 0;
  std::vector<std::string> heard;
};

TEST_ON_FRESH_THREAD(MenuWndProc,
                     AChoiceInTheMenuLoopBecomesTheLibrarysEventsAndStillReachesTheWindow) {
  AttachedBar app;
  sim::User user;
  user.Choose(sim::ById(static_cast<UINT>(app.recent1->ItemId())));
  user.ClickMenuBar(app.window, 0);
  const std::vector<std::string> expected{"bar Initialize",        "bar SubmenuInitialize File",
                                          "bar SubmenuInitialize", "Click",
                                          "Recent Recent1",        "bar Recent1"};
  EXPECT_EQ(app.heard, expected);
  const auto commands = sim::ReceivedMessages(app.window, WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, static_cast<WPARAM>(app.recent1->ItemId()));
}

TEST_ON_FRESH_THREAD(MenuWndProc, AnAcceleratorCommandAndAForeignIdArePassedOn) {
  AttachedBar app;
  const auto id = static_cast<WPARAM>(app.recent1->ItemId());
  SendMessageA(app.window, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 1), 0);
  SendMessageA(app.window, WM_COMMAND, 99, 0);
  EXPECT_EQ(app.heard, (std::vector<std::string>{"Click", "Recent Recent1", "bar Recent1"}));
  EXPECT_EQ(sim::ReceivedMessages(app.window, WM_COMMAND).size(), 2u);
}

TEST_ON_FRESH_THREAD(MenuWndProc, ARightClickFindsTheEntryByPosition) {
  AttachedBar app;
  int rightClicks = 0;
  app.save->RightClick.Connect([&] { ++rightClicks; });
  SendMessageA(app.window, WM_MENURBUTTONUP, 1, static_cast<LPARAM>(app.FileMenu()->hMenu()));
  EXPECT_EQ(rightClicks, 1);
  EXPECT_EQ(sim::ReceivedMessages(app.window, WM_MENURBUTTONUP).size(), 1u);
}

TEST_ON_FRESH_THREAD(WindowRegistry, CountsAttachmentsAndRestoresTheProcedureAtTheLast) {
  const HWND window = sim::CreateWindow(u"App", {0, 0, 200, 100});
  const LONG_PTR original = GetWindowLongA(window, GWL_WNDPROC);
  EXPECT_EQ(PreviousWindowProc(window), 0);
  const Ref<HandleObject> record = AttachWindow(window, MenuWndProc, 0);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(AttachWindow(window, MenuWndProc, 0), nullptr);  // counted, not installed again
  EXPECT_EQ(record->References(), 2);
  EXPECT_EQ(PreviousWindowProc(window), original);
  EXPECT_NE(record->PaintDC(), 0u);

  ReleaseWindow(window);
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&MenuWndProc));
  ReleaseWindow(window);
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), original);
  EXPECT_EQ(record->PaintDC(), 0u);
  EXPECT_EQ(record->Key(), u"");
  EXPECT_EQ(Library().windowRegistry, nullptr);
}

TEST_ON_FRESH_THREAD(WindowRegistry, ABarReleasesItsWindowWhenDestroyed) {
  AttachedBar app;
  EXPECT_EQ(GetMenu(app.window), app.bar->hMenu());
  app.bar->SetWindowHandle(sim::CreateWindow(u"Other", {0, 0, 200, 100}));  // ignored
  EXPECT_EQ(app.bar->hWnd(), app.window);
  app.bar->Destroy();
  EXPECT_EQ(app.bar->hWnd(), 0u);
  EXPECT_EQ(PreviousWindowProc(app.window), 0);
  EXPECT_EQ(Library().windowRegistry, nullptr);
}

TEST(MenuWndProc, KnowsTheStandardSystemCommands) {
  EXPECT_EQ(IsSystemCommand(0xF061), 0xF060u);
  EXPECT_EQ(IsSystemCommand(SC_RESTORE), SC_RESTORE);
  EXPECT_EQ(IsSystemCommand(0xF100), 0u);  // the keyboard menu is not one of them
  EXPECT_EQ(IsSystemCommand(4681), 0u);
}

}  // namespace
}  // namespace vellum

namespace vellum {
namespace {

using namespace platform;
using testing::OnFreshThread;

TEST_ON_FRESH_THREAD(MenuWndProc, AMenuCharacterRunsTheEntryWithThatMnemonicAndIsNotPassedOn) {
  AttachedBar app;
  const auto file = static_cast<LPARAM>(app.FileMenu()->hMenu());
  EXPECT_EQ(SendMessageA(app.window, WM_MENUCHAR, u's', file), 0x20001);  // &Save, second
  EXPECT_EQ(SendMessageA(app.window, WM_MENUCHAR, u'R', file), 0x20003);
  EXPECT_EQ(SendMessageA(app.window, WM_MENUCHAR, u'z', file), -1);
  // Hidden items have no entry, and a left sidebar stands before the items.
  app.open->Visible(false);
  app.FileMenu()->Sidebar()->Visible(true);
  EXPECT_EQ(SendMessageA(app.window, WM_MENUCHAR, u's', file), 0x20002);
  EXPECT_TRUE(sim::ReceivedMessages(app.window, WM_MENUCHAR).empty());
}

TEST_ON_FRESH_THREAD(SubMenuPopup, OnAnUnmanagedWindowRaisesThePopupsEventsButNotTheItemsClick) {
  auto popup = SubMenu::New();
  auto copy = popup->Add(u"&Copy");
  int clicks = 0;
  std::vector<Ref<MenuItem>> commands;
  copy->Click.Connect([&] { ++clicks; });
  popup->UserCommand.Connect([&](const Ref<MenuItem>& item) { commands.push_back(item); });
  const HWND window = sim::CreateWindow(u"Host", {0, 0, 300, 200});
  const LONG_PTR original = GetWindowLongA(window, GWL_WNDPROC);

  sim::User user;
  user.Choose(0);
  popup->Popup(window, false, 50, 50);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(commands, std::vector<Ref<MenuItem>>{copy});
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), original);  // attached only for the call

  user.Cancel();
  popup->Popup(window);
  EXPECT_EQ(commands.size(), 1u);
  popup->Popup(0);  // a free-standing popup has no window to show on
  EXPECT_EQ(user.PendingSteps(), 0u);
}

TEST_ON_FRESH_THREAD(MenuLibGlobal, SwitchingSetsMovesWindowsToTheNewSetsBarWithTheSameKey) {
  auto global = MenuLibGlobal::New();
  const Ref<Menus> oldSet = global->Menus();
  auto oldBar = Menubar::New();
  oldSet->Add(oldBar, u"Main");
  const HWND window = sim::CreateWindow(u"App", {0, 0, 400, 300});
  oldBar->SetWindowHandle(window);

  auto newSet = Menus::New();
  auto newBar = Menubar::New();
  newBar->Add(u"&File");
  newSet->Add(newBar, u"Main");
  auto other = Menubar::New();
  newSet->Add(other, u"Other");
  Ref<Object> connected;
  auto mdi = HostObject::New();
  mdi->Define(u"Menubar", [&](Invocation&) { return Variant(other); });
  mdi->Define(u"Connect", [&](Invocation& call) {
    connected = call.Arg(0).ToObject();
    return Variant();
  });

  global->SetActiveMenuSet(newSet, mdi);
  EXPECT_EQ(global->Menus(), newSet);
  EXPECT_TRUE(newSet->Active());
  EXPECT_FALSE(oldSet->Active());
  EXPECT_EQ(oldBar->hMenu(), 0u);  // the old set's menus are destroyed
  EXPECT_EQ(newBar->hWnd(), window);
  EXPECT_EQ(GetMenu(window), newBar->hMenu());
  EXPECT_EQ(other->hWnd(), 0u);
  EXPECT_EQ(connected, other);
  EXPECT_EQ(global->MenuItems(newBar->Child()->Key()), newBar->Child());
  global->SetActiveMenuSet(nullptr);
  EXPECT_EQ(global->Menus(), newSet);
}

}  // namespace
}  // namespace vellum

namespace vellum {
namespace {

using namespace platform;
using testing::OnFreshThread;

TEST_ON_FRESH_THREAD(WindowList, ChoosingAChildOfAConnectedBarActivatesIt) {
  AttachedBar app;
  auto window = app.bar->Add(u"&Window", nullptr, u"Window");
  window->SubMenu()->Add(u"&Cascade");
  app.bar->SetWindowList(u"Window");
  ASSERT_EQ(app.bar->WindowList(), window->SubMenu());
  EXPECT_TRUE(window->SubMenu()->WindowList());
  EXPECT_FALSE(app.FileMenu()->WindowList());

  const HWND child = sim::CreateWindow(u"Child", {10, 10, 100, 100});
  auto entry = window->SubMenu()->Add(u"1 Child", nullptr, {}, Missing, child);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->ItemId(), static_cast<std::int32_t>(child));
  EXPECT_EQ(window->SubMenu()->Count(), 2);
  EXPECT_EQ(window->SubMenu()->Item(2), entry);

  app.bar->Connected(true);
  SendMessageA(app.window, WM_COMMAND, static_cast<WPARAM>(child), 0);
  const auto activations = sim::ReceivedMessages(child, WM_ACTIVATE);
  ASSERT_EQ(activations.size(), 1u);
  EXPECT_EQ(activations[0].wParam, 1u);

  // A popup of another bar is not taken.
  auto otherBar = Menubar::New();
  app.bar->SetWindowList(Variant(otherBar->Add(u"&X")->SubMenu()));
  EXPECT_EQ(app.bar->WindowList(), window->SubMenu());
  EXPECT_THROW(app.bar->SetWindowList(u"nope"), AutomationError);
}

}  // namespace
}  // namespace vellum

namespace vellum {
namespace {

// A window procedure of the host's, which answers commands itself.
thread_local int hostCommands = 0;
platform::LRESULT HostProcedure(platform::HWND hWnd, platform::UINT message,
                                platform::WPARAM wParam, platform::LPARAM lParam) {
  if (message == platform::WM_COMMAND) {
    ++hostCommands;
    return 0;
  }
  return platform::DefWindowProcA(hWnd, message, wParam, lParam);
}

TEST(MenuWndProc, AWindowReleasedWhileItsMessageIsInFlightGetsTheDefaultProcedure) {
  testing::OnFreshThread([] {
    StandardMenus menus;
    const platform::HWND window = sim::CreateWindow(u"Host", {0, 0, 300, 200}, HostProcedure);
    menus.bar->SetWindowHandle(window);
    const auto id = static_cast<platform::WPARAM>(menus.open->ItemId());
    platform::SendMessageA(window, platform::WM_COMMAND, id, 0);
    EXPECT_EQ(hostCommands, 1);  // passed on to the host's own procedure

    menus.open->Click.Connect([&] { menus.bar->ReleaseWindowHandle(); });
    platform::SendMessageA(window, platform::WM_COMMAND, id, 0);
    EXPECT_EQ(hostCommands, 1);  // the record is gone: the default procedure takes it
    EXPECT_EQ(sim::ReceivedMessages(window, platform::WM_COMMAND).size(), 1u);
  });
}

// Window 0 is no window: neither a bar nor a switch of sets may leave a record for it.
TEST_ON_FRESH_THREAD(WindowRegistry, WindowZeroIsNeverAttached) {
  auto detached = Menubar::New();
  detached->SetWindowHandle(0);
  EXPECT_EQ(detached->hWnd(), 0u);
  EXPECT_EQ(Library().windowRegistry, nullptr);
  EXPECT_EQ(AttachWindow(0, MenuWndProc, 0), nullptr);
  EXPECT_EQ(Library().windowRegistry, nullptr);

  // The new set uses the detached bar's key: nothing to hand over.
  auto next = Menus::New();
  auto successor = Menubar::New();
  next->Add(successor, detached->Key());
  MenuLibGlobal::New()->SetActiveMenuSet(next);
  EXPECT_EQ(successor->hWnd(), 0u);
  EXPECT_EQ(Library().windowRegistry, nullptr);
}

// Two bars shown on one window in turn: each holds the window, so releasing the first keeps
// the window subclassed for the second.
TEST_ON_FRESH_THREAD(WindowRegistry, EveryBarOnAWindowHoldsItsOwnReference) {
  AttachedBar app;
  const LONG_PTR original = PreviousWindowProc(app.window);
  auto second = Menubar::New();
  auto choice = second->Add(u"&Tools")->SubMenu()->Add(u"&Options");
  int clicks = 0;
  choice->Click.Connect([&] { ++clicks; });
  second->SetWindowHandle(app.window);
  EXPECT_EQ(WindowRecord(app.window)->References(), 2);

  app.bar->ReleaseWindowHandle();
  EXPECT_EQ(GetWindowLongA(app.window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&MenuWndProc));
  SendMessageA(app.window, WM_COMMAND, static_cast<WPARAM>(choice->ItemId()), 0);
  EXPECT_EQ(clicks, 1);

  second->ReleaseWindowHandle();
  EXPECT_EQ(GetWindowLongA(app.window, GWL_WNDPROC), original);
  EXPECT_EQ(Library().windowRegistry, nullptr);
}

}  // namespace
}  // namespace vellum
