#include "items/system_menu.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "accel/accelerator.hpp"
#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "model/library_state.hpp"
#include "model/menu_lib_global.hpp"
#include "model/menus.hpp"
#include "native/handle_object.hpp"
#include "native/menu_wnd_proc.hpp"
#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "render/item_visual_properties.hpp"
#include "support/error_of.hpp"
#include "support/fresh_thread.hpp"
#include "support/native_menu.hpp"

namespace vellum {
namespace {

using testing::ErrorOf;

using namespace platform;
using testing::NativeEntries;
using testing::NativeEntry;
using testing::OnFreshThread;

// A window whose system menu is owner-drawn, with a host entry under the standard ones, and
// what the menu's events said.
struct SubclassedWindow {
  explicit SubclassedWindow(sim::Placement placement = sim::Placement::Normal) {
    window = sim::CreateWindow(u"App", {0, 0, 400, 300});
    sim::SetPlacement(window, placement);
    originalProc = GetWindowLongA(window, GWL_WNDPROC);
    menu = SystemMenu::New();
    menu->Subclass(window);
    about = menu->Add(u"&About...");
    menu->SysCommand.Connect([this](const Ref<MenuItem>& item) {
      heard.push_back("SysCommand " + StringToUtf8(item->CaptionPlain()));
    });
    menu->UserCommand.Connect([this](const Ref<MenuItem>& item) {
      heard.push_back("UserCommand " + StringToUtf8(item->CaptionPlain()));
    });
  }

  HWND window = 0;
  LONG_PTR originalProc = 0;
  Ref<SystemMenu> menu;
  Ref<MenuItem> about;
  std::vector<std::string> heard;
};

TEST_ON_FRESH_THREAD(SystemMenu, ANewOneStandsAloneWithoutSidebarOrHandle) {
  auto menu = SystemMenu::New();
  EXPECT_EQ(menu->Sidebar(), nullptr);
  EXPECT_EQ(menu->Parent(), nullptr);
  EXPECT_EQ(menu->TopMostParent(), menu);
  EXPECT_EQ(menu->hMenu(), 0u);
  EXPECT_EQ(menu->MenuType(), mtcSysmenu);
  EXPECT_NE(menu->Accelerators(), nullptr);
  sim::Calls().Reset();
  menu->Popup(0);  // nothing to show through
  EXPECT_EQ(sim::Calls().Count("TrackPopupMenu"), 0u);
}

TEST_ON_FRESH_THREAD(SystemMenuSubclass,
                     AMaximisedWindowsMenuHasItsStatesCaptionsPicturesAndClose) {
  SubclassedWindow app(sim::Placement::Maximized);
  const Ref<SystemMenu>& menu = app.menu;
  EXPECT_EQ(menu->hWnd(), app.window);
  EXPECT_EQ(menu->hMenu(), GetSystemMenu(app.window, FALSE));
  EXPECT_EQ(Library().activeMenus->SystemMenu(menu->Key()), menu);
  EXPECT_EQ(GetWindowLongA(app.window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&MenuWndProc));

  struct Row {
    const char16_t* caption;
    UINT id;
    bool enabled;
    bool picture;
  };
  // Move and Size too: the platform disables them itself on a maximised window.
  const Row rows[] = {
      {u"&Restore", SC_RESTORE, true, true},    {u"&Move", SC_MOVE, false, false},
      {u"&Size", SC_SIZE, false, false},        {u"Mi&nimize", SC_MINIMIZE, true, true},
      {u"Ma&ximize", SC_MAXIMIZE, false, true}, {u"-", 0, true, false},
      {u"&Close", SC_CLOSE, true, true},        {u"&About...", 0, true, false}};
  ASSERT_EQ(menu->Count(), 8);
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(i);
    const Ref<MenuItem> item = menu->Item(static_cast<std::int32_t>(i + 1));
    EXPECT_EQ(item->Caption(), rows[i].caption);
    if (rows[i].id) {
      EXPECT_EQ(item->ItemId(), static_cast<std::int32_t>(rows[i].id));
    }
    EXPECT_EQ(item->Enabled(), rows[i].enabled);
    EXPECT_EQ(item->Picture() != nullptr, rows[i].picture);
    EXPECT_EQ(item->ParentType(), mtcSysmenu);
  }
  const Ref<MenuItem> close = menu->Item(7);
  EXPECT_TRUE(close->Default());
  EXPECT_EQ(close->Accelerator()->AccelWord(), u"Alt+F4");
  for (const NativeEntry& entry : NativeEntries(menu->hMenu()))
    EXPECT_TRUE(entry.type & MFT_OWNERDRAW) << entry.id;

  // A system menu's accelerators want Alt.
  EXPECT_GT(ErrorOf([&] { app.about->Accelerator()->AccelWord(u"F4"); }), 5632);
  EXPECT_EQ(ErrorOf([&] { app.about->Accelerator()->AccelWord(u"Alt+A"); }), 0);
}

// The platform reports a minimised window as shown minimised: its menu can restore it.
TEST_ON_FRESH_THREAD(SystemMenuSubclass, AMinimisedWindowsMenuOffersRestoreButNotMinimize) {
  SubclassedWindow app(sim::Placement::Minimized);
  EXPECT_TRUE(app.menu->Item(1)->Enabled());   // Restore
  EXPECT_FALSE(app.menu->Item(4)->Enabled());  // Minimize
  EXPECT_TRUE(app.menu->Item(5)->Enabled());   // Maximize
}

TEST_ON_FRESH_THREAD(SystemMenuCommands,
                     StandardCommandsAreSysCommandsAndTheHostsOwnAreUserCommands) {
  SubclassedWindow app;
  int clicks = 0;
  app.about->Click.Connect([&] { ++clicks; });
  // Chosen as a user does: the icon click opens the owner-drawn menu.
  sim::User user;
  user.Choose(sim::ById(static_cast<UINT>(app.about->ItemId())));
  ASSERT_TRUE(user.OpenSystemMenu(app.window));
  EXPECT_EQ(clicks, 1);
  EXPECT_GT(app.about->Visual()->FetchMeasureItem().itemWidth, 0u);  // the library measured it

  SendMessageA(app.window, WM_SYSCOMMAND, SC_KEYMENU, 0);  // no entry carries it
  user.Choose(sim::ById(SC_MINIMIZE));
  user.OpenSystemMenu(app.window);
  EXPECT_EQ(app.heard, (std::vector<std::string>{"UserCommand About...", "SysCommand Minimize"}));
  // The window's own procedure still acts on it.
  EXPECT_EQ(sim::ReceivedMessages(app.window, WM_SYSCOMMAND).size(), 3u);
}

// Alt+Space opens the owner-drawn system menu from the keyboard, with keyboard cues.
TEST_ON_FRESH_THREAD(SystemMenuCommands, AltSpaceOpensTheMenuFromTheKeyboard) {
  SubclassedWindow app;
  sim::User user;
  user.Choose(sim::ById(static_cast<UINT>(app.about->ItemId())));
  user.PressKey(VK_MENU);
  user.TapKey(VK_SPACE);
  user.ReleaseKey(VK_MENU);
  EXPECT_EQ(app.heard, std::vector<std::string>{"UserCommand About..."});
  EXPECT_EQ(app.about->Visual()->FetchDrawItem().itemState & ODS_NOACCEL, 0u);
}

TEST_ON_FRESH_THREAD(SystemMenuCommands, EachWindowsCloseReachesItsOwnMenu) {
  SubclassedWindow first;
  SubclassedWindow second;
  SendMessageA(second.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(first.heard.empty());
  EXPECT_EQ(second.heard, std::vector<std::string>{"SysCommand Close"});
}

TEST_ON_FRESH_THREAD(SystemMenuSubclass, UnsubclassGivesTheWindowItsDefaultMenuAndProcedureBack) {
  SubclassedWindow app;
  const HMENU adopted = app.menu->hMenu();
  app.menu->Subclass(app.window);  // has a handle: nothing changes
  EXPECT_EQ(app.menu->hMenu(), adopted);
  EXPECT_EQ(app.menu->Count(), 8);

  app.menu->Unsubclass();
  EXPECT_EQ(app.menu->hMenu(), 0u);
  EXPECT_EQ(app.menu->hWnd(), 0u);
  EXPECT_EQ(GetWindowLongA(app.window, GWL_WNDPROC), app.originalProc);
  EXPECT_EQ(Library().windowRegistry, nullptr);
  const std::vector<NativeEntry> fresh = NativeEntries(GetSystemMenu(app.window, FALSE));
  ASSERT_EQ(fresh.size(), 7u);
  for (const NativeEntry& entry : fresh)
    EXPECT_FALSE(entry.type & MFT_OWNERDRAW);
}

// Destroying the menu (as switching sets does) must not leave the window subclassed, nor with a
// destroyed system menu.
TEST_ON_FRESH_THREAD(SystemMenuSubclass, DestroyLetsTheWindowGoAndGivesItsDefaultMenuBack) {
  SubclassedWindow app;
  MenuLibGlobal::New()->SetActiveMenuSet(Menus::New());
  EXPECT_EQ(app.menu->hMenu(), 0u);
  EXPECT_EQ(GetWindowLongA(app.window, GWL_WNDPROC), app.originalProc);
  EXPECT_EQ(Library().windowRegistry, nullptr);
  EXPECT_EQ(NativeEntries(GetSystemMenu(app.window, FALSE)).size(), 7u);
}

TEST_ON_FRESH_THREAD(SystemMenu, ItemTakesAnyNumberAndMaxHeightIsWrittenOnlyWhenItChanges) {
  SubclassedWindow app;
  EXPECT_EQ(app.menu->Item(1.0)->Caption(), u"&Restore");
  EXPECT_EQ(app.menu->Item(u"nothing"), nullptr);
  auto popup = SubMenu::New();
  popup->Add(u"&One");
  EXPECT_EQ(popup->Item(1.0), nullptr);  // a popup takes integer positions only

  sim::Calls().Reset();
  app.menu->MaxHeight(200);
  app.menu->MaxHeight(200);
  EXPECT_EQ(sim::Calls().Count("SetMenuInfo"), 1u);
  EXPECT_EQ(app.menu->MaxHeight(), 200);
}

TEST_ON_FRESH_THREAD(SystemMenu, CopySystemMenuTakesTheDefaultMenuWithoutSubclassing) {
  const HWND window = sim::CreateWindow(u"App", {0, 0, 400, 300});
  const LONG_PTR original = GetWindowLongA(window, GWL_WNDPROC);
  AppendMenuA(GetSystemMenu(window, FALSE), MF_STRING, 0x500, "Host entry\tAlt+H");
  auto menu = SystemMenu::New();
  menu->CopySystemMenu(window, tdBinary);
  EXPECT_EQ(menu->hWnd(), window);
  EXPECT_EQ(menu->Count(), 7);  // the default menu: the host's entry went with the reset
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), original);

  // Without the reset, the host's entry keeps its text and accelerator.
  auto subclassed = SystemMenu::New();
  AppendMenuA(GetSystemMenu(window, FALSE), MF_STRING, 0x500, "Host entry\tAlt+H");
  menu->Destroy();
  GetSystemMenu(window, TRUE);
  AppendMenuA(GetSystemMenu(window, FALSE), MF_STRING, 0x500, "Host entry\tAlt+H");
  subclassed->Subclass(window);
  ASSERT_EQ(subclassed->Count(), 8);
  EXPECT_EQ(subclassed->Item(8)->Caption(), u"Host entry");
  EXPECT_EQ(subclassed->Item(8)->Accelerator()->AccelWord(), u"Alt+H");
}

}  // namespace
}  // namespace vellum
