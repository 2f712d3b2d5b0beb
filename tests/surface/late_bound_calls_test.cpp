// Late-bound calls that hosts make the way a script would: properties assigned by value, and
// methods called with their optional arguments left out. Each call is read back by name.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "items/sub_menu.hpp"
#include "model/menubar.hpp"
#include "platform/automation/error.hpp"
#include "platform/sim/sim.hpp"
#include "render/item_visual_properties.hpp"
#include "support/fresh_thread.hpp"

namespace vellum {
namespace {

using platform::HWND;
using testing::OnFreshThread;

struct LateBoundCase {
  const char* name;
  Ref<Object> (*make)();
  const char16_t* member;
  CallType call;
  // The arguments; kWindow stands for the test's window handle.
  std::vector<Variant> args;
  const char16_t* readBack;
  Variant expected;  // kWindow: the window handle
};

const Variant kWindow = u"<window>";

Ref<Object> NewMenubar() {
  return Menubar::New();
}

Ref<Object> NewVisual() {
  return ItemVisualProperties::New();
}

Ref<Object> NewPopup() {
  return SubMenu::New();
}

Ref<Object> NewPopupWithHandle() {
  const Ref<SubMenu> popup = SubMenu::New();
  popup->Create();
  return popup;
}

constexpr CallType kCall = CallType::Method;
constexpr CallType kLet = CallType::PropertyLet;

// A new record's item text colour, which UnifyColorScheme without fTakeSelection copies into
// the selection colours.
const Variant kMenuText = static_cast<std::int32_t>(0x80000007u);

const std::vector<LateBoundCase>& Cases() {
  static const std::vector<LateBoundCase> cases = {
      // clang-format off
      {"no CopyOldMenu", &NewMenubar, u"SetWindowHandle", kCall, {kWindow}, u"hWnd", kWindow},
      {"no CopyOldMenu", &NewMenubar, u"SetWindowHandleMDI", kCall, {kWindow}, u"hWnd", kWindow},
      {"no fTakeSelection", &NewVisual, u"UnifyColorScheme", kCall, {}, u"SelectForeground",
       kMenuText},
      {"stored", &NewPopup, u"MaxHeight", kLet, {120}, u"MaxHeight", 120},
      {"native", &NewPopupWithHandle, u"MaxHeight", kLet, {120}, u"MaxHeight", 120},
      {"native", &NewPopupWithHandle, u"AutoDismiss", kLet, {true}, u"AutoDismiss", true},
      // clang-format on
  };
  return cases;
}

TEST_ON_FRESH_THREAD(LateBoundCalls, AssignmentsAndOmittedOptionalArgumentsReachTheMembers) {
  const HWND window = sim::CreateWindow(u"App", {0, 0, 400, 300});
  const auto resolve = [&](const Variant& value) {
    return value == kWindow ? Variant(static_cast<std::int32_t>(window)) : value;
  };
  for (const LateBoundCase& row : Cases()) {
    SCOPED_TRACE(StringToUtf8(row.member) + ", " + row.name);
    const Ref<Object> object = row.make();
    std::vector<Variant> args;
    for (const Variant& arg : row.args)
      args.push_back(resolve(arg));
    try {
      object->Invoke(row.member, row.call, args);
      EXPECT_EQ(object->Invoke(row.readBack, CallType::PropertyGet), resolve(row.expected));
    } catch (const AutomationError& error) {
      ADD_FAILURE() << "fails with " << error.Number();
    }
  }
}

}  // namespace
}  // namespace vellum
