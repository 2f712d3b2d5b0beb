#include "accel/accelerator_validation.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "accel/accelerator_environment.hpp"
#include "accel/accelerator_shift_states.hpp"
#include "accel/accelerator_test_support.hpp"
#include "accel/accelerator_text.hpp"

namespace vellum {
namespace {

using testing::RaisedBy;

// A menu set reduced to what validation asks of it.
class FakeEnvironment final : public AcceleratorEnvironment {
 public:
  std::int32_t style = sbNormalKeys;
  std::vector<std::pair<std::int32_t, std::int32_t>> prefixes;  // (KeyCode, Shift)
  std::vector<AcceleratorKeys> tableEntries;

  std::int32_t AcceleratorStyle() const override { return style; }
  bool PrefixLibContains(std::int32_t keyCode, std::int32_t shift) const override {
    return std::ranges::count(prefixes, std::pair(keyCode, shift)) > 0;
  }
  bool MenuTablesContain(std::int32_t keyCode, std::int32_t shift,
                         std::int32_t commandKey) const override {
    return std::ranges::count(tableEntries, AcceleratorKeys{keyCode, shift, commandKey}) > 0;
  }
};

constexpr AcceleratorKeys kCtrlK{75, acCtrl, 0};

TEST(IsAcceleratorAssigned, CountsASequenceOnlyUnderARegisteredPrefix) {
  FakeEnvironment environment;
  environment.tableEntries = {{75, acCtrl, 67}, kCtrlK};
  EXPECT_TRUE(IsAcceleratorAssigned(environment, kCtrlK));
  EXPECT_FALSE(IsAcceleratorAssigned(environment, {75, acCtrl, 67}));
  EXPECT_FALSE(IsAcceleratorAssigned(environment, {75, acCtrl, 68}));
  environment.prefixes = {{75, acCtrl}};
  EXPECT_TRUE(IsAcceleratorAssigned(environment, {75, acCtrl, 67}));
  EXPECT_TRUE(IsAcceleratorAssigned(environment, kCtrlK));
  EXPECT_FALSE(IsAcceleratorAssigned(environment, {75, acCtrl, 68}));
  EXPECT_FALSE(IsAcceleratorAssigned(environment, {75, acLCtrl, 67}));
}

// Where the accelerator sits and what the menu set holds when it is validated.
struct Setting {
  std::int32_t style = sbNormalKeys;
  bool inSystemMenu = false;
  bool inPrefixLib = false;
  bool inTable = false;          // the accelerator is already an entry of its menu's table
  bool ctrlKRegistered = false;  // «Ctrl+K» is in the prefix library
};

constexpr Setting kNew{};
constexpr Setting kMenuEntry{.inTable = true};
constexpr Setting kSystemEntry{.inSystemMenu = true, .inTable = true};
constexpr Setting kExtended{.style = sbExtendedKeys};

struct ValidationCase {
  const char16_t* text;
  Setting setting;
  std::int32_t number;         // 0: passes
  const char16_t* outcome;     // the description, or nothing when it passes
  std::int32_t passFlags = 0;  // the flags returned when it passes
};

std::int32_t Validate(const ValidationCase& c) {
  FakeEnvironment environment;
  environment.style = c.setting.style;
  const AcceleratorKeys keys = ParseAccelerator(c.text);
  if (c.setting.inTable) environment.tableEntries.push_back(keys);
  if (c.setting.ctrlKRegistered) environment.prefixes.emplace_back(kCtrlK.KeyCode, kCtrlK.Shift);
  return ValidateAccelerator(keys, c.setting.inSystemMenu, c.setting.inPrefixLib, environment);
}

constexpr char16_t kCtrlMissing[] =
    u"Invalid keyboard accelerator: Sequence must contain the 'Ctrl' key.";
constexpr char16_t kAltAndCtrl[] =
    u"There are several things wrong with this sequence: Sequence cannot contain the 'Alt' key, "
    u"and must contain the 'Ctrl' key.";

TEST(ValidateAccelerator, RaisesItsFlagsInTheNumberAndEveryProblemInTheDescription) {
  const ValidationCase cases[] = {
      {u"X", kNew, 5889, kCtrlMissing},
      {u"Alt+X", kNew, 6913, kAltAndCtrl},
      {u"X", kMenuEntry, 5891, kCtrlMissing},
      {u"Alt+X", kMenuEntry, 6915, kAltAndCtrl},
      {u"LCtrl+X", kMenuEntry, 5650,
       u"Invalid keyboard accelerator: Sequence cannot contain extended (left and right) keys."},
      {u"F4", kSystemEntry, 6147,
       u"Invalid keyboard accelerator: Sequence must contain the 'Alt' key."},
      {u"Ctrl+X", kExtended, 5664,
       u"Invalid keyboard accelerator: Sequence must use extended (left and right) keys."},
      {u"X", kExtended, 5920,
       u"There are several things wrong with this sequence: Sequence must contain the 'Ctrl' key, "
       u"and must use extended (left and right) keys."},
      {u"LAlt+X", kNew, 6928,
       u"There are several things wrong with this sequence: Sequence cannot contain the 'Alt' key, "
       u"must contain the 'Ctrl' key, and cannot contain extended (left and right) keys."},
      // Sequences: a second key needs a registered prefix, a registered prefix needs one, and
      // the prefix library holds only first keys.
      {u"Ctrl+K, C", kMenuEntry, 5697,  // not assigned: the prefix is not registered
       u"Invalid keyboard accelerator: Sequence cannot reference a sub-command under an "
       u"unregistered prefix sequence."},
      {u"Ctrl+K",
       {.ctrlKRegistered = true},
       5761,
       u"Invalid keyboard accelerator: Sequence references a prefix sequence without a "
       u"sub-command."},
      {u"Ctrl+K, C",
       {.inPrefixLib = true},
       9729,
       u"Invalid keyboard accelerator: Sequence would reference a sub-command from the prefix "
       u"library."},
      {u"LAlt+X, C", kNew, 6992,
       u"There are several things wrong with this sequence: Sequence cannot reference a "
       u"sub-command under an unregistered prefix sequence, cannot contain the 'Alt' key, must "
       u"contain the 'Ctrl' key, and cannot contain extended (left and right) keys."},
      // Passing, with the flags that would enter an error number.
      {u"Alt+F4", kSystemEntry, 0, nullptr, 3},
      {u"Ctrl+Alt+Delete", {.inSystemMenu = true}, 0, nullptr, 1},
      {u"Ctrl+X", kMenuEntry, 0, nullptr, 3},
      {u"Ctrl+K, C", {.inTable = true, .ctrlKRegistered = true}, 0, nullptr, 3},
      {u"Ctrl+K", {.inPrefixLib = true}, 0, nullptr, 1},
      {u"LCtrl+X", {.style = 3}, 0, nullptr, 1},  // only bit 1 of the style counts
      {u"Ctrl+X", {.style = 2}, 0, nullptr, 1},
  };
  for (const ValidationCase& c : cases) {
    SCOPED_TRACE(StringToUtf8(c.text));
    std::int32_t flags = 0;
    const auto error = RaisedBy([&] { flags = Validate(c); });
    if (c.number == 0) {
      EXPECT_FALSE(error) << StringToUtf8(error->Description());
      EXPECT_EQ(flags, c.passFlags);
      continue;
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), c.number);
    EXPECT_EQ(error->Source(), u"Vellum10.modAccelerators");
    EXPECT_EQ(error->Description(), c.outcome);
  }
}

}  // namespace
}  // namespace vellum
