// The property-bag layout: every class writes its keys in its table's order under the prefix
// rule, nests its children, and loads them back by the loading rules — plain values stored as
// they are, missing keys leaving the current value, menus rebuilt, accelerator tables rebuilt.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accel/accelerator.hpp"
#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "items/system_menu.hpp"
#include "model/menu_lib_global.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "render/item_visual_properties.hpp"
#include "render/multi_gradient.hpp"
#include "support/fresh_thread.hpp"
#include "support/menu_fixture.hpp"

namespace vellum {
namespace {

using testing::OnFreshThread;

std::vector<std::string> NamesOf(const PropertyBag& bag) {
  std::vector<std::string> names;
  for (const String& name : bag.Names())
    names.push_back(StringToUtf8(name));
  return names;
}

// The names an object writes into a fresh bag under the empty prefix.
template <class T>
std::vector<std::string> SavedNames(T& object) {
  const Ref<PropertyBag> bag = PropertyBag::New();
  object.SaveProperties(*bag, String());
  return NamesOf(*bag);
}

// The submenu of a native entry, by position.
platform::HMENU SubmenuAt(platform::HMENU menu, int position) {
  platform::MENUITEMINFOW info;
  info.cbSize = platform::MENUITEMINFO_SIZE_WITHOUT_BITMAP;
  info.fMask = platform::MIIM_SUBMENU;
  platform::GetMenuItemInfoW(menu, static_cast<platform::UINT>(position), platform::TRUE, &info);
  return info.hSubMenu;
}

// The error number of a call, and its description.
int ErrorOf(const std::function<void()>& call, std::string* description = nullptr) {
  try {
    call();
  } catch (const AutomationError& e) {
    if (description) *description = StringToUtf8(e.Description());
    return e.Number();
  }
  return 0;
}

std::vector<std::string> Prefixed(const std::string& prefix, std::vector<std::string> names) {
  for (std::string& name : names)
    name = prefix + "." + name;
  return names;
}

std::vector<std::string> Joined(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (auto& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

const std::vector<std::string> kSidebarKeys = {"Visual",   "Key",        "Caption",
                                               "Enabled",  "Visible",    "RightToLeft",
                                               "Position", "Escapement", "Picture"};
const std::vector<std::string> kEmptyPopupKeys =
    Joined({{"ItemId", "RightToLeft", "AutoDismiss", "MaxHeight", "LargeIcons", "Key", "Font",
             "Count", "HasSidebar"},
            Prefixed("Sidebar", kSidebarKeys)});
const std::vector<std::string> kItemKeys =
    Joined({{"Visual", "Key", "Caption", "Default", "Enabled", "Grayed", "Visible", "Checkmark",
             "RadioGroup", "Checked", "RightToLeft", "RightAlign", "Tag", "Separator",
             "SeparatorType", "Accelerator", "Picture", "CheckedPicture"},
            Prefixed("SubMenu", kEmptyPopupKeys)});

TEST_ON_FRESH_THREAD(BagLayout, EveryClassWritesItsKeysInTheTablesOrder) {
  testing::StandardMenus menus;
  const Ref<MenuItem> item = menus.open;
  EXPECT_EQ(SavedNames(*item), kItemKeys);
  EXPECT_EQ(SavedNames(*item->Visual()), (std::vector<std::string>{"Font",
                                                                   "MultiGrad.Count",
                                                                   "SelMultiGrad.Count",
                                                                   "ItemForeground",
                                                                   "ItemBackground",
                                                                   "ItemBkGradient",
                                                                   "RunnerColor",
                                                                   "RunnerSelection",
                                                                   "ItemCheckBackground",
                                                                   "SelectForeground",
                                                                   "SelectBackground",
                                                                   "SelectBkGradient",
                                                                   "UserWidth",
                                                                   "UserHeight",
                                                                   "ImageScaleWidth",
                                                                   "ImageScaleHeight",
                                                                   "ScaleImages",
                                                                   "SelectionStyle",
                                                                   "DrawBoolPic",
                                                                   "TextAlign",
                                                                   "PictureVAlign"}));
  EXPECT_EQ(SavedNames(*item->Accelerator()),
            (std::vector<std::string>{"Shift", "KeyCode", "CommandKey", "ExtendedKeys", "ItemId"}));
  const std::vector<std::string> barNames = SavedNames(*menus.bar);
  EXPECT_EQ(
      (std::vector<std::string>(barNames.begin(), barNames.begin() + 6)),
      (std::vector<std::string>{"ItemId", "RightToLeft", "Key", "Font", "Count", "Item1.Visual"}));

  const Ref<SystemMenu> system = SystemMenu::New();
  system->Subclass(sim::CreateWindow(u"App", {0, 0, 300, 200}));
  const std::vector<std::string> systemNames = SavedNames(*system);
  EXPECT_EQ((std::vector<std::string>(systemNames.begin(), systemNames.begin() + 9)),
            (std::vector<std::string>{"ItemId", "RightToLeft", "NoSysCommand", "LargeIcons",
                                      "AutoDismiss", "MaxHeight", "Key", "Font", "Count"}));
  // A system menu has no sidebar until one is loaded.
  EXPECT_EQ(systemNames.back(), "HasSidebar");
  system->Unsubclass();
}

TEST_ON_FRESH_THREAD(BagLayout, AMenuSetNestsItsMenusItemsAndPopupsUnderTheirPrefixes) {
  const Ref<Menubar> bar = Menubar::New();
  const Ref<MenuItem> file = bar->Add(u"&File", nullptr, u"File");
  file->SubMenu()->Add(u"&Open", nullptr, u"Open");
  const Ref<Menus> set = MenuLibGlobal::New()->Menus();
  set->AddDesigner(HostObject::New()
                       ->Define(u"IsMenuDesigner", [](Invocation&) { return Variant(true); })
                       .shared_from_this(),
                   u"Designer");

  const Ref<PropertyBag> bag = PropertyBag::New();
  set->SaveProperties(*bag, u"Form1");
  const auto read = [&](const char16_t* name) { return bag->ReadProperty(name); };
  // The bar, and its popup, which registered in the set when it got its native menu; the
  // designer takes no number.
  EXPECT_EQ(read(u"Form1.Count"), Variant(2));
  EXPECT_EQ(read(u"Form1.ItemType1"), Variant(3));
  EXPECT_EQ(read(u"Form1.ItemType2"), Variant(1));
  EXPECT_FALSE(bag->Contains(u"Form1.ItemType3"));
  EXPECT_EQ(read(u"Form1.MenuDrawStyle"), Variant(0));
  EXPECT_EQ(read(u"Form1.Menu1.Count"), Variant(1));
  EXPECT_EQ(read(u"Form1.Menu1.Item1.Caption"), Variant(u"&File"));
  EXPECT_EQ(read(u"Form1.Menu1.Item1.SubMenu.Count"), Variant(1));
  EXPECT_EQ(read(u"Form1.Menu1.Item1.SubMenu.Item1.Caption"), Variant(u"&Open"));
  EXPECT_EQ(read(u"Form1.Menu1.Item1.SubMenu.HasSidebar"), Variant(true));
  EXPECT_EQ(read(u"Form1.Menu1.Item1.SubMenu.ItemId"), Variant(file->ItemId()));
  EXPECT_EQ(read(u"Form1.Menu2.Key"), Variant(file->SubMenu()->Key()));
  EXPECT_EQ(read(u"Form1.Menu2.Item1.Caption"), Variant(u"&Open"));
  EXPECT_TRUE(read(u"Form1.GlobalFont").IsObject());
}

TEST_ON_FRESH_THREAD(BagLayout, AGradientSavesItsStopsInOrderAndAMissingStopRepeatsTheOneBefore) {
  const Ref<MultiGradient> stops = ItemVisualProperties::New()->MultiGradient();
  stops->Add(0x0000FF, u"Red");
  stops->Add(0x00FF00);
  stops->Add(0xFF0000);
  const Ref<PropertyBag> bag = PropertyBag::New();
  stops->SaveProperties(*bag, u"Grad");
  EXPECT_EQ(NamesOf(*bag),
            (std::vector<std::string>{"Grad.Count", "Grad.Value1", "Grad.Value2", "Grad.Value3"}));
  const Ref<MultiGradient> loaded = ItemVisualProperties::New()->MultiGradient();
  loaded->Add(0x123456);
  loaded->LoadProperties(*bag, u"Grad");
  EXPECT_EQ(loaded->Colors(), (std::vector<std::int32_t>{0x0000FF, 0x00FF00, 0xFF0000}));

  bag->WriteProperty(u"Grad.Value2", 0x00FF00, 0x00FF00);  // equal to its default: removed
  loaded->LoadProperties(*bag, u"Grad");
  EXPECT_EQ(loaded->Colors(), (std::vector<std::int32_t>{0x0000FF, 0x0000FF, 0xFF0000}));
}

TEST_ON_FRESH_THREAD(BagLayout, LoadingAMenuBarReplacesItsItemsAndGivesThemNativeEntries) {
  testing::StandardMenus source;
  source.open->Tag(u"opens");
  source.open->Accelerator()->AccelWord(u"Ctrl+O");
  const Ref<PropertyBag> bag = PropertyBag::New();
  source.bar->SaveProperties(*bag, u"Bar");
  // A bag without the tag: the loaded item keeps its value at creation.
  bag->WriteProperty(u"Bar.Item1.SubMenu.Item1.Tag", u"opens", u"opens");

  const Ref<Menubar> bar = Menubar::New();
  bar->Add(u"&Old");
  bar->LoadProperties(*bag, u"Bar");
  ASSERT_EQ(bar->Count(), 2);
  const Ref<MenuItem> file = bar->Item(u"File");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Caption(), u"&File");
  EXPECT_EQ(file->Parent(), bar);
  EXPECT_EQ(file->NextItem(), bar->Item(u"Edit"));
  EXPECT_EQ(platform::GetMenuItemCount(bar->hMenu()), 2);

  const Ref<SubMenu> popup = file->SubMenu();
  EXPECT_EQ(popup->Count(), 4);
  EXPECT_EQ(popup->ItemId(), file->ItemId());  // the item's, not the saved one
  EXPECT_NE(popup->hMenu(), 0u);
  EXPECT_EQ(platform::GetMenuItemCount(popup->hMenu()), 4);
  EXPECT_EQ(SubmenuAt(bar->hMenu(), 0), popup->hMenu());
  const Ref<MenuItem> open = popup->Item(u"Open");
  EXPECT_EQ(open->Tag(), u"");
  EXPECT_NE(open->ItemId(), source.open->ItemId());
  // The accelerator keeps the ID it was saved with; the rebuilt table lists it by the item's.
  EXPECT_EQ(open->Accelerator()->ItemId(), source.open->ItemId());
  EXPECT_EQ(popup->Accelerators()->ItemByID(open->ItemId()), open->Accelerator());
  EXPECT_EQ(open->Accelerator()->Table(), popup->Accelerators());
  EXPECT_EQ(open->Accelerator()->AccelWord(), u"Ctrl+O");
  // Giving it a key again lists it once, under the item's ID.
  popup->Accelerators()->Add(u"Ctrl+Shift+O", open);
  EXPECT_EQ(popup->Accelerators()->Count(), 4);
  EXPECT_EQ(popup->Accelerators()->ItemByID(open->ItemId())->AccelWord(), u"Shift+Ctrl+O");

  // "Count" 0 clears the bar, natively too.
  const Ref<PropertyBag> empty = PropertyBag::New();
  empty->WriteProperty(u"Count", 0);
  bar->LoadProperties(*empty);
  EXPECT_EQ(bar->Count(), 0);
  EXPECT_EQ(platform::GetMenuItemCount(bar->hMenu()), 0);
}

TEST_ON_FRESH_THREAD(BagLayout, PlainValuesAreStoredAsTheyAreWithoutSideEffects) {
  testing::StandardMenus menus;
  const Ref<ItemVisualProperties> visual = menus.open->Visual();
  int announced = 0;
  const ScopedConnection counting(
      visual->PropertyChanged.Connect([&](const String&) { ++announced; }));
  const Ref<PropertyBag> bag = PropertyBag::New();
  visual->SaveProperties(*bag);
  // Set by its property, style 3 would turn the default selection colours blue on the menu
  // colour; loaded, it is only stored.
  bag->WriteProperty(u"SelectionStyle", 3);
  bag->WriteProperty(u"TextAlign", 6);
  visual->LoadProperties(*bag);
  EXPECT_EQ(visual->SelectionStyle(), 3);
  EXPECT_EQ(visual->SelectForeground(), static_cast<std::int32_t>(0x8000000E));
  EXPECT_EQ(visual->TextAlign(), taCenter);
  EXPECT_EQ(announced, 0);

  // An accelerator a menu bar would refuse (no Ctrl) loads without validation or notice.
  const Ref<Accelerator> accelerator = menus.file->Accelerator();
  int changes = 0;
  const ScopedConnection noticing(accelerator->AcceleratorChange.Connect([&] { ++changes; }));
  const Ref<PropertyBag> keys = PropertyBag::New();
  keys->WriteProperty(u"KeyCode", 65);
  keys->WriteProperty(u"Shift", 0);
  EXPECT_EQ(ErrorOf([&] { accelerator->LoadProperties(*keys); }), 0);
  EXPECT_EQ(accelerator->KeyCode(), 65);
  EXPECT_EQ(changes, 0);
}

TEST_ON_FRESH_THREAD(BagLayout, ALoadedTableHoldsItsEntriesButItemByIdFindsNone) {
  testing::StandardMenus menus;
  menus.open->Accelerator()->AccelWord(u"Ctrl+O");
  const Ref<Accelerators> table = menus.FileMenu()->Accelerators();
  const Ref<PropertyBag> bag = PropertyBag::New();
  bag->WriteProperty(u"Table", table);  // as an object value
  const Ref<Accelerators> loaded = bag->ReadProperty(u"Table").ToObjectOf<Accelerators>();
  ASSERT_NE(loaded, table);
  ASSERT_EQ(loaded->Count(), table->Count());
  EXPECT_EQ(loaded->Item(1)->AccelWord(), u"Ctrl+O");
  EXPECT_EQ(loaded->Item(1)->ItemId(), menus.open->ItemId());
  EXPECT_EQ(loaded->Item(1)->Table(), nullptr);
  EXPECT_EQ(ErrorOf([&] { loaded->ItemByID(menus.open->ItemId()); }), 5);
}

TEST_ON_FRESH_THREAD(BagLayout, ObjectValuesOfEachPersistableClassReadBackAsNewObjects) {
  testing::StandardMenus menus;
  menus.open->Visual()->ItemForeground(0x123456);
  menus.open->Visual()->MultiGradient()->Add(0x00FF00);
  const Ref<PropertyBag> bag = PropertyBag::New();
  bag->WriteProperty(u"Style", menus.open->Visual());
  bag->WriteProperty(u"Bar", menus.bar);
  const auto style = bag->ReadProperty(u"Style").ToObjectOf<ItemVisualProperties>();
  EXPECT_NE(style, menus.open->Visual());
  EXPECT_EQ(style->ItemForeground(), 0x123456);
  EXPECT_EQ(style->MultiGradient()->Colors(), std::vector<std::int32_t>{0x00FF00});
  const auto bar = bag->ReadProperty(u"Bar").ToObjectOf<Menubar>();
  EXPECT_NE(bar, menus.bar);
  ASSERT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->Item(u"File")->SubMenu()->Item(u"Recent")->SubMenu()->Count(), 2);
}

TEST_ON_FRESH_THREAD(BagLayout, AWrongTypeNamesItsKeyAndOnlyTheMenuSetSkipsIt) {
  testing::StandardMenus menus;
  const Ref<PropertyBag> bag = PropertyBag::New();
  menus.bar->SaveProperties(*bag, u"Bar");
  bag->WriteProperty(u"Bar.Item1.SubMenu.Count", u"many");
  std::string description;
  const Ref<Menubar> bar = Menubar::New();
  EXPECT_EQ(ErrorOf([&] { bar->LoadProperties(*bag, u"Bar"); }, &description), 13);
  EXPECT_NE(description.find("\"Bar.Item1.SubMenu.Count\""), std::string::npos) << description;
  EXPECT_NE(description.find("many"), std::string::npos) << description;
  // What was loaded before the failure stays, and shows.
  EXPECT_EQ(bar->Count(), 0);

  const Ref<PropertyBag> set = PropertyBag::New();
  set->WriteProperty(u"MenuDrawStyle", u"fancy");
  set->WriteProperty(u"Count", 1);
  set->WriteProperty(u"ItemType1", 3);
  menus.bar->SaveProperties(*set, u"Menu1");
  set->WriteProperty(u"Menu1.Item2.Caption", menus.open->Visual());
  const Ref<Menus> loaded = Menus::New();
  EXPECT_EQ(ErrorOf([&] { loaded->LoadProperties(*set); }), 0);
  ASSERT_EQ(loaded->Count(), 1);
  EXPECT_EQ(loaded->MenuDrawStyle(), mdsOffice);
  // The bar's load stopped at its second item; its first is there.
  EXPECT_EQ(AsMenu(loaded->Item(1))->Count(), 1);
}

}  // namespace
}  // namespace vellum
