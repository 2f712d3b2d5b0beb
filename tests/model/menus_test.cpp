#include "model/menus.hpp"

#include <gtest/gtest.h>

#include "items/sidebar.hpp"
#include "model/library_state.hpp"
#include "support/menu_fixture.hpp"
#include "units/scale_numeric.hpp"
#include "units/screen_scale.hpp"

namespace vellum {
namespace {

using testing::OnFreshThread;
using testing::StandardMenus;

TEST_ON_FRESH_THREAD(Menus, LookupsReportErrorsInTheThreadsErrorInformation) {
  StandardMenus menus;
  const Ref<Menus> set = Library().activeMenus;
  ClearLastError();
  EXPECT_EQ(set->Item(u"nope"), nullptr);
  EXPECT_EQ(LastError().Number(), 9);
  EXPECT_EQ(LastError().Source(), u"Vellum10.Menus");

  ClearLastError();
  EXPECT_EQ(set->SubMenu(menus.bar->Key()), nullptr);
  EXPECT_EQ(LastError().Number(), 13);
  EXPECT_EQ(LastError().Description(), u"This is an internal error.  Please contact the author.");

  EXPECT_EQ(set->ItemType(u"nope"), mtcMenubar);
  EXPECT_EQ(set->ItemType(menus.FileMenu()->Key()), mtcPopup);
  ClearLastError();
  set->Add(HostObject::New());
  EXPECT_EQ(LastError().Number(), 13);
}

TEST_ON_FRESH_THREAD(Menus, EveryMenuWithAHandleRegistersUnderItsKey) {
  const Ref<Menus> set = Library().activeMenus;
  EXPECT_FALSE(set->Active());
  StandardMenus menus;
  EXPECT_TRUE(set->Active());
  EXPECT_EQ(menus.bar->Key(), DefaultKey(menus.bar->hMenu()));
  EXPECT_EQ(set->Item(menus.bar->Key()), menus.bar);
  EXPECT_EQ(set->MenubarCount(), 1);
  EXPECT_EQ(set->SubmenuCount(), 2);  // File and Recent have handles; Edit's popup has none
  EXPECT_EQ(set->MenuByHandle(menus.FileMenu()->hMenu()), menus.FileMenu());
  EXPECT_EQ(set->MenuByHandle(menus.FileMenu()->hMenu(), 0x10000), nullptr);  // system only
}

TEST_ON_FRESH_THREAD(Menus, AddUnderAnExistingKeyReplacesTheMember) {
  auto set = Menus::New();
  auto first = Menubar::New();
  auto second = Menubar::New();
  set->Add(first, u"Main");
  set->Add(second, u"main");
  EXPECT_EQ(set->Count(), 1);
  EXPECT_EQ(set->Item(u"Main"), second);
  EXPECT_NE(first->hMenu(), 0u);  // the first keeps its native menu
  set->Add(first);
  EXPECT_EQ(first->Key(), u"");
  EXPECT_EQ(set->Count(), 2);
}

TEST_ON_FRESH_THREAD(Menus, FindMenuItemSearchesNestedPopupsAndSidebars) {
  StandardMenus menus;
  const Ref<Menus> set = Library().activeMenus;
  EXPECT_EQ(set->FindMenuItem(menus.recent2->ItemId()), menus.recent2);
  const auto sidebar = menus.RecentMenu()->Sidebar();
  EXPECT_EQ(set->FindMenuItem(sidebar->ItemId()), sidebar);
  EXPECT_EQ(set->FindMenuItem(sidebar->BreakId()), sidebar);
  EXPECT_EQ(set->FindMenuItem(99999), nullptr);
}

TEST_ON_FRESH_THREAD(Menus, ItemByCaptionMatchesPlainOrFullCaptionOfTopLevelItems) {
  StandardMenus menus;
  const Ref<Menus> set = Library().activeMenus;
  EXPECT_EQ(set->ItemByCaption(u"Edit"), menus.edit);
  EXPECT_EQ(set->ItemByCaption(u"&Edit"), menus.edit);
  EXPECT_EQ(set->ItemByCaption(u"edit"), nullptr);
  EXPECT_EQ(set->ItemByCaption(u"Save", menus.FileMenu()), menus.save);
  EXPECT_EQ(set->ItemByCaption(u"1 notes.txt", menus.FileMenu()), nullptr);  // nested
  EXPECT_EQ(set->ItemByKey(u"Edit"), menus.edit);
  EXPECT_EQ(set->ItemByKey(u"Recent1", menus.RecentMenu()), menus.recent1);
}

TEST_ON_FRESH_THREAD(Menus, DesignersAreAcceptedAndCountedByTheirOwnProperties) {
  auto set = Menus::New();
  auto both = HostObject::New();
  both->Define(u"IsMenuDesigner", [](Invocation&) { return Variant(true); });
  both->Define(u"IsDesigner", [](Invocation&) { return Variant(true); });
  auto onlyMenuDesigner = HostObject::New();
  onlyMenuDesigner->Define(u"IsMenuDesigner", [](Invocation&) { return Variant(true); });
  set->AddDesigner(both, u"D1");
  set->AddDesigner(onlyMenuDesigner, u"D2");
  ClearLastError();
  set->AddDesigner(HostObject::New(), u"D3");
  EXPECT_EQ(LastError().Number(), 13);
  EXPECT_EQ(set->Count(), 2);
  EXPECT_EQ(set->DesignerCount(), 1);
  EXPECT_EQ(set->ItemType(u"D2"), mtcDesigner);
}

TEST_ON_FRESH_THREAD(Menus, DestroyingTheLastMenuEndsTheActiveSet) {
  auto bar = Menubar::New();
  const Ref<Menus> first = Library().activeMenus;
  bar->Destroy();
  EXPECT_EQ(Library().activeMenus, nullptr);
  bar->Add(u"&File");  // a new native menu, and a new active set for it
  ASSERT_NE(Library().activeMenus, nullptr);
  EXPECT_NE(Library().activeMenus, first);
  EXPECT_TRUE(Library().activeMenus->Active());
  EXPECT_EQ(bar->Count(), 1);
}

TEST_ON_FRESH_THREAD(Menus, GetMenubarNeedsAnActiveSet) {
  auto set = Menus::New();
  auto bar = Menubar::New();
  set->Add(bar, u"Main");
  EXPECT_EQ(set->GetMenubar(0), nullptr);
  EXPECT_EQ(Library().activeMenus->GetMenubar(0), bar);
}

// A host may rename a registered menu or add it under a second key: destroying it still takes
// it out of the set entirely, and leaves other members alone.
TEST_ON_FRESH_THREAD(Menus, ADestroyedMenuLeavesTheSetWhateverKeysItHas) {
  const Ref<Menus> set = Library().activeMenus;
  auto renamed = Menubar::New();
  auto twice = Menubar::New();
  auto other = Menubar::New();
  renamed->Key(u"Renamed");
  set->Add(twice, u"Alias");  // also under its handle key, which it now calls "Alias"
  ASSERT_EQ(set->Count(), 4);

  renamed->Destroy();
  twice->Destroy();
  EXPECT_EQ(set->Count(), 1);
  EXPECT_EQ(set->Item(1).get(), other.get());
  EXPECT_EQ(set->FindMenuItem(renamed->ItemId()), nullptr);
}

// When the active set ends, the library-wide objects go with it and come back on next use.
TEST_ON_FRESH_THREAD(Menus, TheEndOfTheActiveSetReleasesTheLibraryWideObjects) {
  auto bar = Menubar::New();
  const std::weak_ptr<StdFont> font = Library().activeMenus->GlobalFont();
  const std::weak_ptr<Object> scale = ScreenScale().weak_from_this();
  ASSERT_NE(Library().windowList, nullptr);

  bar->Destroy();
  EXPECT_TRUE(font.expired());
  EXPECT_TRUE(scale.expired());
  EXPECT_EQ(Library().windowList, nullptr);

  bar->Add(u"&File");
  ASSERT_NE(Library().activeMenus->GlobalFont(), nullptr);
  EXPECT_EQ(Library().activeMenus->GlobalFont()->Name(), u"Tahoma");
  EXPECT_EQ(HimetricToPixelsX(2540), 96);  // a new conversion object reads the screen again
}

}  // namespace
}  // namespace vellum
