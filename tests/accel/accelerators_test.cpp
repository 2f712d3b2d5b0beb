#include "accel/accelerators.hpp"

#include <gtest/gtest.h>

#include "accel/accelerator.hpp"
#include "accel/accelerator_shift_states.hpp"
#include "accel/accelerator_test_support.hpp"
#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "support/menu_fixture.hpp"

namespace vellum {
namespace {

using testing::OnFreshThread;
using testing::RaisedBy;
using testing::StandardMenus;

Ref<Accelerators> PrefixLib() {
  return Library().activeMenus->PrefixLib();
}

TEST_ON_FRESH_THREAD(AcceleratorsPrefixLib, AddsEveryEntryWithoutItemEvenOneThatFailsValidation) {
  StandardMenus menus;
  const Ref<Accelerators> prefixes = PrefixLib();
  const Ref<Accelerator> ctrlK = prefixes->Add(u"Ctrl+K");
  EXPECT_EQ(ctrlK->Keys(), (AcceleratorKeys{75, acCtrl, 0}));
  EXPECT_EQ(ctrlK->ItemId(), -1);
  EXPECT_TRUE(ctrlK->IsCommandPrefix());
  EXPECT_EQ(ctrlK->Table(), prefixes);

  // A second key is wrong in the prefix library (4096), which Add does not report; an item
  // argument is ignored there, so the item keeps its own accelerator.
  ClearLastError();
  const Ref<Accelerator> sequence = prefixes->Add(u"Ctrl+K, C", menus.open);
  EXPECT_NE(sequence, menus.open->Accelerator());
  EXPECT_EQ(sequence->Keys(), (AcceleratorKeys{75, acCtrl, 67}));
  EXPECT_EQ(sequence->ItemId(), -1);
  EXPECT_EQ(menus.open->Accelerator()->KeyCode(), 0);
  EXPECT_EQ(LastError().Number(), 0);

  ASSERT_EQ(prefixes->Count(), 2);
  EXPECT_EQ(prefixes->Item(1), ctrlK);
  EXPECT_EQ(prefixes->Item(2), sequence);
  EXPECT_EQ(prefixes->EntriesOf()->KeyAt(1), u"");
  EXPECT_EQ(prefixes->EntriesOf()->KeyAt(2), u"");
}

TEST_ON_FRESH_THREAD(AcceleratorsAdd, GivesTheTextToTheAcceleratorOfARegisteredItem) {
  StandardMenus menus;
  const Ref<Accelerators> table = menus.bar->Accelerators();
  const std::int32_t entries = table->Count();

  // By the item and by its ID: an item already in the table stays one entry.
  EXPECT_EQ(table->Add(u"Ctrl+E", menus.edit), menus.edit->Accelerator());
  EXPECT_EQ(menus.edit->Accelerator()->AccelWord(), u"Ctrl+E");
  EXPECT_EQ(table->Add(u"Ctrl+F", menus.file->ItemId()), menus.file->Accelerator());
  EXPECT_EQ(menus.file->Accelerator()->AccelWord(), u"Ctrl+F");
  EXPECT_EQ(table->Count(), entries);

  // An item of a popup is found below the bar and becomes an entry of this table as well.
  EXPECT_EQ(table->Add(u"Ctrl+O", menus.open), menus.open->Accelerator());
  EXPECT_EQ(menus.open->Accelerator()->Table(), table);
  EXPECT_EQ(table->Count(), entries + 1);
  EXPECT_EQ(table->ItemByID(menus.open->ItemId()), menus.open->Accelerator());
}

TEST_ON_FRESH_THREAD(AcceleratorsAdd, MakesANewAcceleratorWhenNoRegisteredItemIsNamed) {
  StandardMenus menus;
  const Ref<Accelerators> table = menus.FileMenu()->Accelerators();
  const Ref<MenuItem> loose = MenuItem::New();  // in no menu of the active set
  const struct {
    const char* name;
    Variant item;
  } cases[] = {
      {"unregistered item", Variant(loose)}, {"other object", Variant(HostObject::New())},
      {"unknown ID", Variant(99)},           {"ID 0", Variant(0)},
      {"not a number", Variant(u"abc")},     {"missing", Variant(Missing)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::int32_t before = table->Count();
    const Ref<Accelerator> made = table->Add(u"Ctrl+N", c.item);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->ItemId(), 0);
    EXPECT_EQ(made->Table(), table);
    EXPECT_EQ(made->AccelWord(), u"Ctrl+N");
    ASSERT_EQ(table->Count(), before + 1);
    EXPECT_EQ(table->Item(table->Count()), made);
  }
  EXPECT_EQ(loose->Accelerator()->KeyCode(), 0);
}

TEST_ON_FRESH_THREAD(AcceleratorsLookUp, ItemIdsZeroAndMinusOneNameNoEntry) {
  StandardMenus menus;
  const Ref<Accelerators> table = menus.FileMenu()->Accelerators();
  table->Add(u"Ctrl+N");  // an entry without item ID
  const std::int32_t entries = table->Count();

  EXPECT_EQ(table->ItemByID(0), nullptr);
  EXPECT_EQ(table->ItemByID(-1), nullptr);
  table->RemoveByID(-1);
  table->RemoveByID(0);
  EXPECT_EQ(table->Count(), entries);

  EXPECT_EQ(table->ItemByID(menus.save->ItemId()), menus.save->Accelerator());
  table->RemoveByID(menus.save->ItemId());
  EXPECT_EQ(table->Count(), entries - 1);
  // Removed entries stay attached to the table.
  EXPECT_EQ(menus.save->Accelerator()->Table(), table);
  const auto absent = RaisedBy([&] { table->ItemByID(menus.save->ItemId()); });
  ASSERT_TRUE(absent);
  EXPECT_EQ(absent->Number(), 5);
  const auto outOfRange = RaisedBy([&] { table->Item(entries + 1); });
  ASSERT_TRUE(outOfRange);
  EXPECT_EQ(outOfRange->Number(), 9);

  table->Clear();
  EXPECT_EQ(table->Count(), 0);
  EXPECT_EQ(menus.open->Accelerator()->Table(), table);
}

TEST_ON_FRESH_THREAD(RebuildAcceleratorTable, DetachesTheAcceleratorOfAHiddenItem) {
  StandardMenus menus;
  const Ref<Accelerators> table = menus.FileMenu()->Accelerators();
  const auto isEntry = [&](const Ref<MenuItem>& item) {
    return table->EntriesOf()->ContainsKey(DefaultKey(static_cast<std::uint32_t>(item->ItemId())));
  };
  ASSERT_TRUE(isEntry(menus.open));
  menus.open->Visible(false);
  menus.FileMenu()->Remove(u"Sep");  // relinks the rest

  EXPECT_EQ(menus.open->Accelerator()->Table(), nullptr);
  EXPECT_FALSE(isEntry(menus.open));
  EXPECT_FALSE(isEntry(menus.separator));
  // Every visible item is an entry, with or without a key code.
  EXPECT_TRUE(isEntry(menus.save));
  EXPECT_TRUE(isEntry(menus.recent));
  EXPECT_EQ(menus.save->Accelerator()->Table(), table);
  EXPECT_EQ(table->Count(), 2);
}

TEST_ON_FRESH_THREAD(AcceleratorsMembers, AnswerByNameWithItemAsTheDefault) {
  StandardMenus menus;
  const Ref<Accelerators> table = menus.bar->Accelerators();
  const Variant added = table->Invoke(u"add", CallType::Method, {u"Ctrl+E", Variant(menus.edit)});
  EXPECT_EQ(added.ToObject(), menus.edit->Accelerator());
  EXPECT_EQ(table->Invoke(u"Count", CallType::PropertyGet), Variant(2));
  EXPECT_EQ(table->Invoke(u"Item", CallType::Method, {2}).ToObject(), menus.edit->Accelerator());
  EXPECT_EQ(table->Invoke(u"ItemByID", CallType::Method, {menus.file->ItemId()}).ToObject(),
            menus.file->Accelerator());
  EXPECT_EQ(table->Invoke(u"Menu", CallType::PropertyGet).ToObject(), menus.bar);
  EXPECT_EQ(table->Invoke(u"IsPrefixLib", CallType::PropertyGet), Variant(false));
  EXPECT_EQ(PrefixLib()->Invoke(u"IsPrefixLib", CallType::PropertyGet), Variant(true));
  EXPECT_EQ(table->Invoke(u"ExtendedKeys", CallType::PropertyGet), Variant(false));
  table->Invoke(u"RemoveByID", CallType::Method, {menus.file->ItemId()});
  table->Invoke(u"Remove", CallType::Method, {1});
  EXPECT_EQ(table->Count(), 0);
}

}  // namespace
}  // namespace vellum
