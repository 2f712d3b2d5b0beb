#include "accel/accelerator.hpp"

#include <gtest/gtest.h>

#include "accel/accelerator_shift_states.hpp"
#include "accel/accelerator_test_support.hpp"
#include "accel/accelerators.hpp"
#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "platform/sim/sim.hpp"
#include "support/menu_fixture.hpp"

namespace vellum {
namespace {

using testing::OnFreshThread;
using testing::RaisedBy;
using testing::StandardMenus;

// Registers «Ctrl+K» as a prefix in the thread's active set.
void RegisterCtrlK() {
  Library().activeMenus->PrefixLib()->Add(u"Ctrl+K");
}

TEST_ON_FRESH_THREAD(AcceleratorAccelWord, AnnouncesOnlyWhenTheCanonicalTextChanges) {
  const Ref<Accelerator> accelerator = Accelerator::New();
  int announced = 0;
  accelerator->AcceleratorChange.Connect([&] { ++announced; });

  accelerator->AccelWord(u"Ctrl+A");
  EXPECT_EQ(announced, 1);
  accelerator->AccelWord(u"");
  EXPECT_EQ(accelerator->KeyCode(), 0);
  EXPECT_EQ(accelerator->AccelWord(), u"");
  EXPECT_EQ(announced, 1);
  accelerator->AccelWord(u"Ctrl+A");  // the same text as last announced
  EXPECT_EQ(announced, 1);
  accelerator->AccelWord(u"Ctrl+Shift+B");
  accelerator->AccelWord(u"Shift+Ctrl+B");  // another spelling of the same accelerator
  EXPECT_EQ(announced, 2);
  EXPECT_EQ(accelerator->AccelWord(), u"Shift+Ctrl+B");
}

TEST_ON_FRESH_THREAD(AcceleratorAccelWord,
                     AFailedValidationKeepsTheValuesAndAFailedParseStoresNothing) {
  const Ref<Accelerator> accelerator = Accelerator::New();
  int announced = 0;
  accelerator->AcceleratorChange.Connect([&] { ++announced; });
  accelerator->AccelWord(u"Ctrl+B");

  const auto rejected = RaisedBy([&] { accelerator->AccelWord(u"Alt+X"); });
  ASSERT_TRUE(rejected);
  EXPECT_EQ(rejected->Number(), 6913);
  EXPECT_EQ(rejected->Source(), u"Vellum10.modAccelerators");
  EXPECT_EQ(accelerator->Keys(), (AcceleratorKeys{88, acAlt, 0}));
  EXPECT_EQ(announced, 1);

  const auto unknown = RaisedBy([&] { accelerator->AccelWord(u"Ctrl+a"); });
  ASSERT_TRUE(unknown);
  EXPECT_EQ(unknown->Number(), 7680);
  EXPECT_EQ(accelerator->Keys(), (AcceleratorKeys{88, acAlt, 0}));
  EXPECT_EQ(announced, 1);
}

TEST_ON_FRESH_THREAD(AcceleratorAccelWord, ABuddyIsCalledInsteadOfTheEvent) {
  const Ref<Accelerator> accelerator = Accelerator::New();
  int raised = 0;
  int called = 0;
  accelerator->AcceleratorChange.Connect([&] { ++raised; });
  const Ref<HostObject> buddy = HostObject::New();
  buddy->Define(u"Accelerator_AcceleratorChange", [&](Invocation& call) {
    EXPECT_EQ(call.Count(), 0u);
    ++called;
    return Variant();
  });
  accelerator->BuddyObject(buddy);
  accelerator->AccelWord(u"Ctrl+A");
  accelerator->AccelWord(u"Ctrl+A");
  EXPECT_EQ(called, 1);
  EXPECT_EQ(raised, 0);

  // A buddy without the method makes the assignment fail after it stored the new text.
  accelerator->BuddyObject(HostObject::New());
  const auto missing = RaisedBy([&] { accelerator->AccelWord(u"Ctrl+B"); });
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->Number(), 438);
  EXPECT_EQ(accelerator->AccelWord(), u"Ctrl+B");
}

TEST_ON_FRESH_THREAD(AcceleratorAccelWord, EmptyTextKeepsTheSecondKeyForTheNextKeyCode) {
  RegisterCtrlK();
  const Ref<Accelerator> accelerator = Accelerator::New();
  accelerator->AccelWord(u"Ctrl+K, C");
  accelerator->AccelWord(u"");
  EXPECT_EQ(accelerator->Keys(), (AcceleratorKeys{0, 0, 67}));
  EXPECT_EQ(accelerator->AccelWord(), u"");
  accelerator->KeyCode(75);
  EXPECT_EQ(accelerator->AccelWord(), u"K, C");
  accelerator->Shift(acCtrl);
  EXPECT_EQ(accelerator->AccelWord(), u"Ctrl+K, C");
}

TEST_ON_FRESH_THREAD(AcceleratorAssignment, KeyCodeStoresOnlyWhileShiftAndCommandKeyValidate) {
  StandardMenus menus;
  const Ref<Accelerator> accelerator = menus.edit->Accelerator();
  ASSERT_EQ(accelerator->Table(), menus.bar->Accelerators());
  accelerator->KeyCode(65);  // «A» alone would not validate

  // The accelerator finds itself in its bar's table: 1 + 256 (no Ctrl) + 2.
  const auto noCtrl = RaisedBy([&] { accelerator->Shift(0); });
  ASSERT_TRUE(noCtrl);
  EXPECT_EQ(noCtrl->Number(), 5891);
  EXPECT_EQ(noCtrl->Description(),
            u"Invalid keyboard accelerator: Sequence must contain the 'Ctrl' key.");

  accelerator->Shift(acCtrl);
  // A second key under «Ctrl+A», which is no registered prefix; the value stays.
  const auto unregistered = RaisedBy([&] { accelerator->CommandKey(67); });
  ASSERT_TRUE(unregistered);
  EXPECT_EQ(unregistered->Number(), 5632 + 1 + 64);
  EXPECT_EQ(accelerator->CommandKey(), 67);
}

TEST_ON_FRESH_THREAD(AcceleratorAccelWord, AnAnnouncedChangeRemeasuresTheItemsEntry) {
  StandardMenus menus;
  sim::Calls().Reset();
  menus.open->Accelerator()->AccelWord(u"Ctrl+O");
  // The entry is inserted again, so that the platform measures the wider text.
  EXPECT_EQ(sim::Calls().Count("InsertMenuA"), 1u);
  sim::Calls().Reset();
  menus.open->Accelerator()->AccelWord(u"Ctrl+O");
  EXPECT_EQ(sim::Calls().Count("InsertMenuA"), 0u);
}

TEST_ON_FRESH_THREAD(AcceleratorMembers, AnswerByName) {
  StandardMenus menus;
  const Ref<Accelerator> accelerator = menus.open->Accelerator();
  accelerator->Invoke(u"accelword", CallType::PropertyLet, {u"Ctrl+Shift+O"});
  EXPECT_EQ(accelerator->Invoke(u"AccelWord", CallType::PropertyGet), Variant(u"Shift+Ctrl+O"));
  EXPECT_EQ(accelerator->Invoke(u"Shift", CallType::PropertyGet), Variant(3));
  EXPECT_EQ(accelerator->Invoke(u"ItemId", CallType::PropertyGet), Variant(menus.open->ItemId()));
  EXPECT_EQ(accelerator->Invoke(u"IsCommandPrefix", CallType::PropertyGet), Variant(false));
  EXPECT_EQ(accelerator->Invoke(u"Table", CallType::PropertyGet).ToObject(),
            menus.FileMenu()->Accelerators());
  EXPECT_EQ(accelerator->Invoke(u"ExtendedKeys", CallType::PropertyGet), Variant(false));
  Library().activeMenus->AcceleratorStyle(sbExtendedKeys);
  EXPECT_EQ(accelerator->Invoke(u"ExtendedKeys", CallType::PropertyGet), Variant(true));

  const auto rejected =
      RaisedBy([&] { accelerator->Invoke(u"Shift", CallType::PropertyLet, {0}); });
  ASSERT_TRUE(rejected);
  EXPECT_EQ(rejected->Number(), 5632 + 32 + 256 + 2);  // no sides under sbExtendedKeys
}

}  // namespace
}  // namespace vellum
