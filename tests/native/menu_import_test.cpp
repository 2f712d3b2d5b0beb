#include "native/menu_import.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "accel/accelerator.hpp"
#include "items/menu_item.hpp"
#include "items/sub_menu.hpp"
#include "model/library_state.hpp"
#include "model/menubar.hpp"
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
using testing::NativeIds;
using testing::OnFreshThread;

void SetEntry(HMENU menu, UINT id, UINT mask, UINT type, UINT state, ULONG_PTR data = 0) {
  MENUITEMINFOW info;
  info.cbSize = MENUITEMINFO_SIZE_WITHOUT_BITMAP;
  info.fMask = mask;
  info.fType = type;
  info.fState = state;
  info.dwItemData = data;
  SetMenuItemInfoW(menu, id, FALSE, &info);
}

// A menu a host built natively: a bar with File (a popup of every kind of entry, one of them
// a nested popup) and a right-justified Help, shown on a window.
struct HostMenus {
  HostMenus() {
    recent = CreatePopupMenu();
    AppendMenuA(recent, MF_STRING, 120, "1 notes.txt");

    file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 100, "&Open...\tCtrl+O");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING | MF_CHECKED, 101, "&Wrap");
    AppendMenuA(file, MF_BITMAP, 102, nullptr);
    AppendMenuA(file, MF_STRING | MF_MENUBREAK | MF_GRAYED, 103, "&Next column");
    AppendMenuA(file, MF_STRING, 104, "&Icons");
    AppendMenuA(file, MF_STRING | MF_DEFAULT, 105, "&List");
    AppendMenuA(file, MF_POPUP, static_cast<UINT_PTR>(recent), "&Recent");
    SetEntry(file, 104, MIIM_FTYPE | MIIM_STATE, MFT_RADIOCHECK, MFS_CHECKED);
    SetEntry(file, 105, MIIM_FTYPE, MFT_RADIOCHECK, 0);
    SetEntry(file, 100, MIIM_DATA, 0, 0, 0x1234);

    bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, static_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_STRING | MF_RIGHTJUSTIFY, 200, "&Help");
    window = sim::CreateWindow(u"Host", {0, 0, 400, 300});
    SetMenu(window, bar);
  }

  HMENU bar = 0, file = 0, recent = 0;
  HWND window = 0;
};

std::vector<String> Captions(const Menu& menu) {
  std::vector<String> captions;
  for (const Ref<MenuItem>& item : menu.ItemList())
    captions.push_back(item->Caption());
  return captions;
}

TEST_ON_FRESH_THREAD(ImportAdopting, TakesOverTheWindowsBarKeepingIdsAndPositionsAllOwnerDrawn) {
  HostMenus host;
  const std::vector<NativeEntry> before = NativeEntries(host.bar);
  auto bar = Menubar::New();
  bar->Subclass(host.window);

  EXPECT_EQ(bar->hMenu(), host.bar);
  EXPECT_EQ(bar->hWnd(), host.window);
  EXPECT_EQ(GetMenu(host.window), host.bar);
  EXPECT_EQ(Library().activeMenus->Menubar(DefaultKey(host.bar)), bar);
  EXPECT_EQ(GetWindowLongA(host.window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&MenuWndProc));
  ASSERT_EQ(bar->Count(), 2);
  EXPECT_EQ(Captions(*bar), (std::vector<String>{u"&File", u"&Help"}));
  const std::vector<NativeEntry> after = NativeEntries(host.bar);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(after[i].id, before[i].id);
    EXPECT_EQ(static_cast<UINT>(bar->ItemList()[i]->ItemId()), before[i].id);
    EXPECT_TRUE(after[i].type & MFT_OWNERDRAW);
  }
  const Ref<MenuItem> help = bar->Item(2);
  EXPECT_EQ(help->Key(), DefaultKey(200));
  EXPECT_EQ(help->Visual()->TextAlign(), taRight);
  EXPECT_EQ(bar->Item(1)->Visual()->TextAlign(), taCenter);

  // The nested popup is a copy hung under the adopted entry.
  const Ref<SubMenu> file = bar->Item(1)->SubMenu();
  EXPECT_EQ(after[0].subMenu, file->hMenu());
  EXPECT_EQ(file->Count(), 7);  // the bitmap entry stays out
}

TEST_ON_FRESH_THREAD(ImportCopying, MapsEveryKindOfEntryAndLeavesTheSourceAlone) {
  HostMenus host;
  const std::vector<NativeEntry> before = NativeEntries(host.file);
  auto popup = SubMenu::New();
  popup->CopyMenu(host.file, true, tdBinary);

  // The source is untouched.
  const std::vector<NativeEntry> after = NativeEntries(host.file);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    EXPECT_EQ(after[i].id, before[i].id);
    EXPECT_EQ(after[i].type, before[i].type);
  }

  EXPECT_EQ(Captions(*popup), (std::vector<String>{u"&Open...", u"-", u"&Wrap", u"&Next column",
                                                   u"&Icons", u"&List", u"&Recent"}));
  const std::vector<Ref<MenuItem>> items = popup->ItemList();
  ASSERT_EQ(items.size(), 7u);
  const Ref<MenuItem> open = items[0], separator = items[1], wrap = items[2], next = items[3],
                      icons = items[4], list = items[5], recent = items[6];
  EXPECT_NE(open->ItemId(), 100);
  EXPECT_EQ(open->Tag(), u"100");
  EXPECT_EQ(open->Accelerator()->AccelWord(), u"Ctrl+O");
  EXPECT_EQ(open->ItemData(), 0x1234);
  EXPECT_TRUE(separator->Separator());
  EXPECT_EQ(separator->SeparatorType(), mstNormal);
  EXPECT_TRUE(wrap->Checked());
  EXPECT_EQ(next->SeparatorType(), mstBreak);
  EXPECT_FALSE(next->Enabled());
  EXPECT_TRUE(icons->RadioGroup());
  EXPECT_TRUE(icons->Checked());
  EXPECT_TRUE(list->RadioGroup());
  EXPECT_TRUE(list->Default());
  EXPECT_EQ(recent->SubMenu()->Count(), 1);
  EXPECT_EQ(recent->SubMenu()->Item(1)->Tag(), u"120");
  EXPECT_NE(recent->SubMenu()->Item(1)->ItemId(), 120);

  // Its own entries are owner-drawn copies under the new IDs.
  std::vector<UINT> ids;
  for (const Ref<MenuItem>& item : items)
    ids.push_back(static_cast<UINT>(item->ItemId()));
  EXPECT_EQ(NativeIds(popup->hMenu()), ids);
  EXPECT_EQ(testing::NativeEntryById(popup->hMenu(), ids[6]).subMenu, recent->SubMenu()->hMenu());
}

TEST_ON_FRESH_THREAD(ImportAdopting, APopupTakenOverKeepsItsEntriesInPlaceAndItsCommandsWork) {
  HostMenus host;
  auto popup = SubMenu::New();
  popup->Subclass(host.file, false, tdString);
  EXPECT_EQ(popup->hMenu(), host.file);
  const std::vector<NativeEntry> entries = NativeEntries(host.file);
  ASSERT_EQ(entries.size(), 8u);
  EXPECT_EQ(entries[0].id, 100u);
  EXPECT_EQ(entries[3].type, MFT_BITMAP);  // left as it was, in its place
  for (std::size_t i : {0u, 1u, 2u, 4u, 5u, 6u, 7u})
    EXPECT_TRUE(entries[i].type & MFT_OWNERDRAW) << i;
  EXPECT_EQ(popup->Item(1)->ItemId(), 100);
  EXPECT_EQ(popup->Item(1)->ItemData(), 0x1234);
  // A separator's ID 0 names no command: it keeps an ID of its own.
  EXPECT_NE(popup->Item(2)->ItemId(), 0);

  int clicks = 0;
  popup->Item(1)->Click.Connect([&] { ++clicks; });
  AttachWindow(host.window, MenuWndProc, 0);
  SendMessageA(host.window, WM_COMMAND, 100, 0);
  EXPECT_EQ(clicks, 1);
  // The host's window still gets its command.
  EXPECT_EQ(sim::ReceivedMessages(host.window, WM_COMMAND).size(), 1u);
}

TEST_ON_FRESH_THREAD(ImportFailure, ABadAcceleratorStopsTheImportWhereItIs) {
  const HMENU source = CreatePopupMenu();
  AppendMenuA(source, MF_STRING, 300, "&One");
  AppendMenuA(source, MF_STRING, 301, "&Two\tCtrl+Nonsense");
  AppendMenuA(source, MF_STRING, 302, "&Three");

  auto copied = SubMenu::New();
  EXPECT_GT(ErrorOf([&] { copied->CopyMenu(source); }), 0);
  EXPECT_EQ(Captions(*copied), std::vector<String>{u"&One"});
  EXPECT_EQ(NativeIds(copied->hMenu()).size(), 1u);
  EXPECT_EQ(NativeIds(source), (std::vector<UINT>{300, 301, 302}));

  auto bar = Menubar::New();
  EXPECT_GT(ErrorOf([&] { bar->CopyMenu(source); }), 0);
  EXPECT_EQ(bar->Count(), 1);

  // Taking over ignores it: the import simply ends there.
  auto adopted = SubMenu::New();
  EXPECT_EQ(ErrorOf([&] { adopted->Subclass(source); }), 0);
  EXPECT_EQ(Captions(*adopted), std::vector<String>{u"&One"});
  EXPECT_TRUE(NativeEntries(source)[0].type & MFT_OWNERDRAW);
  EXPECT_FALSE(NativeEntries(source)[1].type & MFT_OWNERDRAW);
}

TEST_ON_FRESH_THREAD(ImportCopying, CopyFromWindowAndTheOldMenuOfSetWindowHandle) {
  HostMenus host;
  auto copy = Menubar::New();
  copy->CopyFromWindow(host.window, true);
  EXPECT_EQ(Captions(*copy), (std::vector<String>{u"&File", u"&Help"}));
  EXPECT_EQ(copy->Item(2)->Tag(), u"200");
  EXPECT_EQ(GetMenu(host.window), host.bar);  // the window keeps its own menu

  // Attaching with CopyOldMenu brings the window's previous entries into the bar.
  auto attached = Menubar::New();
  attached->Add(u"&Tools");
  attached->SetWindowHandle(host.window, true);
  EXPECT_EQ(attached->OldWndMenu(), host.bar);
  EXPECT_EQ(Captions(*attached), (std::vector<String>{u"&Tools", u"&File", u"&Help"}));
  EXPECT_EQ(GetMenu(host.window), attached->hMenu());
  EXPECT_EQ(NativeIds(attached->hMenu()).size(), 3u);
}

}  // namespace
}  // namespace vellum
