#include "accel/keystroke_matching.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "accel/accelerator.hpp"
#include "accel/accelerator_shift_states.hpp"
#include "accel/accelerator_test_support.hpp"
#include "accel/accelerators.hpp"
#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "support/menu_fixture.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::OnFreshThread;
using testing::StandardMenus;

// Gives an accelerator its text whether or not it validates: matching reads the stored
// values either way.
void Assign(const Ref<MenuItem>& item, const char16_t* text) {
  IgnoringErrors([&] { item->Accelerator()->AccelWord(text); });
}

// The standard menus on a window, with «Ctrl+K» registered as a prefix and the items' Click
// events written down by key.
struct KeyboardApp : StandardMenus {
  KeyboardApp() {
    window = sim::CreateWindow(u"App", {0, 0, 400, 300});
    bar->SetWindowHandle(window);
    Library().activeMenus->PrefixLib()->Add(u"Ctrl+K");
    for (const Ref<MenuItem>& item : {open, save, recent1, recent2, edit}) {
      item->Click.Connect([this, key = item->Key()] { clicked.push_back(StringToUtf8(key)); });
    }
  }
  HWND window = 0;
  std::vector<std::string> clicked;
  sim::User user;
};

// One key action of the user.
struct KeyStep {
  enum Kind { Hold, Release, Tap } kind;
  UINT vk;
};
constexpr KeyStep Hold(UINT vk) {
  return {KeyStep::Hold, vk};
}
constexpr KeyStep Release(UINT vk) {
  return {KeyStep::Release, vk};
}
constexpr KeyStep Tap(UINT vk) {
  return {KeyStep::Tap, vk};
}

void Play(sim::User& user, const std::vector<KeyStep>& steps) {
  for (const KeyStep& step : steps) {
    if (step.kind == KeyStep::Hold) user.PressKey(step.vk);
    if (step.kind == KeyStep::Release) user.ReleaseKey(step.vk);
    if (step.kind == KeyStep::Tap) user.TapKey(step.vk);
  }
}

TEST(HandleKeyUp, RunsSingleKeystrokesAndSequencesAsTheyAreTyped) {
  // Accelerators of the rows: Open «Ctrl+O», Save «Ctrl+K, C», Recent1 «Ctrl+X», Recent2
  // «Ctrl+J, C» (no prefix «Ctrl+J»), Edit «Shift+Ctrl+E».
  const struct {
    const char* name;
    std::vector<KeyStep> steps;
    std::vector<std::string> clicked;
  } cases[] = {
      {"single keystroke", {Hold(VK_CONTROL), Tap('O')}, {"Open"}},
      {"Shift and Ctrl together", {Hold(VK_SHIFT), Hold(VK_CONTROL), Tap('E')}, {"Edit"}},
      {"missing a modifier", {Hold(VK_CONTROL), Tap('E')}, {}},
      {"no modifier", {Tap('O')}, {}},
      {"sequence", {Hold(VK_CONTROL), Tap('K'), Release(VK_CONTROL), Tap('C')}, {"Save"}},
      {"sequence, then its second key alone",
       {Hold(VK_CONTROL), Tap('K'), Release(VK_CONTROL), Tap('C'), Tap('C')},
       {"Save"}},
      {"Escape abandons the prefix",
       {Hold(VK_CONTROL), Tap('K'), Release(VK_CONTROL), Tap(VK_ESCAPE), Tap('C')},
       {}},
      {"a wrong second key ends the prefix",
       {Hold(VK_CONTROL), Tap('K'), Release(VK_CONTROL), Tap('X'), Tap('C')},
       {}},
      {"a keystroke with Ctrl ends the prefix and runs on its own",
       {Hold(VK_CONTROL), Tap('K'), Tap('X'), Release(VK_CONTROL), Tap('C')},
       {"Recent1"}},
      {"the second key cannot carry Ctrl", {Hold(VK_CONTROL), Tap('K'), Tap('C')}, {}},
      {"the prefix typed again stays pending",
       {Hold(VK_CONTROL), Tap('K'), Tap('K'), Release(VK_CONTROL), Tap('C')},
       {"Save"}},
      {"a sequence under an unregistered prefix",
       {Hold(VK_CONTROL), Tap('J'), Release(VK_CONTROL), Tap('C')},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OnFreshThread([&] {
      KeyboardApp app;
      Assign(app.open, u"Ctrl+O");
      Assign(app.save, u"Ctrl+K, C");
      Assign(app.recent1, u"Ctrl+X");
      Assign(app.recent2, u"Ctrl+J, C");
      Assign(app.edit, u"Shift+Ctrl+E");
      Play(app.user, c.steps);
      EXPECT_EQ(app.clicked, c.clicked);
    });
  }
}

TEST_ON_FRESH_THREAD(HandleKeyUp, AMatchRunsTheItemAsAChoiceAndTheKeyStopsThere) {
  KeyboardApp app;
  Assign(app.save, u"Ctrl+K, C");
  std::vector<std::string> heard;
  app.FileMenu()->UserCommand.Connect(
      [&](const Ref<MenuItem>& item) { heard.push_back("File " + StringToUtf8(item->Key())); });
  app.bar->UserCommand.Connect(
      [&](const Ref<MenuItem>& item) { heard.push_back("bar " + StringToUtf8(item->Key())); });

  Play(app.user, {Hold(VK_CONTROL), Tap('K'), Release(VK_CONTROL), Tap('C'), Tap('D')});
  EXPECT_EQ(app.clicked, std::vector<std::string>{"Save"});
  EXPECT_EQ(heard, (std::vector<std::string>{"File Save", "bar Save"}));

  // The prefix, the modifier and the unmatched key reach the window; the matched key does not.
  std::vector<WPARAM> released;
  for (const sim::Message& m : sim::ReceivedMessages(app.window, WM_KEYUP)) {
    released.push_back(m.wParam);
  }
  EXPECT_EQ(released, (std::vector<WPARAM>{'K', VK_CONTROL, 'D'}));
}

TEST_ON_FRESH_THREAD(FindAcceleratorItem, TakesTheFirstMatchInSetAndItemOrder) {
  KeyboardApp app;
  // The bar is a member before its popups, and Open comes before Save.
  Assign(app.save, u"Ctrl+E");
  Assign(app.open, u"Ctrl+E");
  Assign(app.edit, u"Ctrl+E");
  EXPECT_EQ(FindAcceleratorItem(app.window, 'E', acCtrl, 0), app.edit);
  Assign(app.edit, u"");
  EXPECT_EQ(FindAcceleratorItem(app.window, 'E', acCtrl, 0), app.open);

  // A plain «Ctrl+K» is shadowed by the prefix, however its item stands.
  Assign(app.recent1, u"Ctrl+K");
  EXPECT_EQ(FindAcceleratorItem(app.window, 'K', acCtrl, 0), nullptr);
  Play(app.user, {Hold(VK_CONTROL), Tap('K'), Release(VK_CONTROL)});
  EXPECT_TRUE(app.clicked.empty());
  EXPECT_TRUE(Library().pendingPrefix.PendingActive);

  // Another window's menus are not searched.
  const HWND other = sim::CreateWindow(u"Other", {0, 0, 200, 100});
  EXPECT_EQ(FindAcceleratorItem(other, 'E', acCtrl, 0), nullptr);
}

TEST_ON_FRESH_THREAD(HandleKeyUp, RunsItemsWhateverTheirStateButNeverWithAlt) {
  KeyboardApp app;
  app.open->Enabled(false);
  app.save->Grayed(true);
  Assign(app.open, u"Ctrl+O");
  Assign(app.save, u"Ctrl+S");
  Play(app.user, {Hold(VK_CONTROL), Tap('O'), Tap('S'), Release(VK_CONTROL)});
  EXPECT_EQ(app.clicked, (std::vector<std::string>{"Open", "Save"}));

  // Alt is never sampled: neither the system key message nor a plain release matches.
  app.clicked.clear();
  sim::ClearReceivedMessages(app.window);
  Assign(app.edit, u"Ctrl+Alt+E");
  ASSERT_EQ(app.edit->Accelerator()->Shift(), acCtrl | acAlt);
  Play(app.user, {Hold(VK_CONTROL), Hold(VK_MENU), Tap('E')});
  SendMessageA(app.window, WM_KEYUP, 'E', 0);
  EXPECT_TRUE(app.clicked.empty());
  EXPECT_EQ(sim::ReceivedMessages(app.window, WM_KEYUP).size(), 1u);
}

TEST_ON_FRESH_THREAD(HandleKeyUp, AnExtendedStyleSamplesTheLeftAndRightKeys) {
  KeyboardApp app;
  Library().activeMenus->AcceleratorStyle(sbExtendedKeys);
  Assign(app.open, u"LCtrl+O");
  Assign(app.save, u"Ctrl+S");  // generic flags cannot be typed under this style

  Play(app.user, {Hold(VK_RCONTROL), Tap('O'), Release(VK_RCONTROL)});
  EXPECT_TRUE(app.clicked.empty());
  Play(app.user, {Hold(VK_LCONTROL), Tap('O'), Tap('S'), Release(VK_LCONTROL)});
  EXPECT_EQ(app.clicked, std::vector<std::string>{"Open"});
  EXPECT_EQ(SampleShiftState(true), 0);

  app.user.PressKey(VK_RSHIFT);
  app.user.PressKey(VK_LCONTROL);
  EXPECT_EQ(SampleShiftState(true), acRShift | acLCtrl);
  EXPECT_EQ(SampleShiftState(), acShift | acCtrl);
}

TEST_ON_FRESH_THREAD(HandleKeyUp, APrefixTypedInOneWindowIsCompletedInAnother) {
  KeyboardApp app;
  const Ref<Menubar> otherBar = Menubar::New();
  const Ref<MenuItem> print = otherBar->Add(u"&Print", nullptr, u"Print");
  Assign(print, u"Ctrl+K, P");
  int printed = 0;
  print->Click.Connect([&] { ++printed; });
  const HWND other = sim::CreateWindow(u"Other", {0, 0, 200, 100});
  otherBar->SetWindowHandle(other);

  sim::Activate(app.window);
  Play(app.user, {Hold(VK_CONTROL), Tap('K'), Release(VK_CONTROL)});
  sim::Activate(other);
  Play(app.user, {Tap('P')});
  EXPECT_EQ(printed, 1);
}

// Without an active set there is nothing to match, and nothing fails.
TEST_ON_FRESH_THREAD(HandleKeyUp, WithoutAnActiveSetMatchesNothing) {
  Library().activeMenus.reset();
  const HWND window = sim::CreateWindow(u"App", {0, 0, 200, 100});
  EXPECT_EQ(HandleKeyUp(window, 'K'), nullptr);
  EXPECT_EQ(FindAcceleratorItem(window, 'K', acCtrl, 0), nullptr);
  // Validation sees no prefix registered anywhere (64) and the normal style.
  const Ref<Accelerator> accelerator = Accelerator::New();
  const auto rejected = testing::RaisedBy([&] { accelerator->AccelWord(u"Ctrl+K, C"); });
  ASSERT_TRUE(rejected);
  EXPECT_EQ(rejected->Number(), 5632 + 1 + 64);
  EXPECT_FALSE(accelerator->ExtendedKeys());
}

}  // namespace
}  // namespace vellum
