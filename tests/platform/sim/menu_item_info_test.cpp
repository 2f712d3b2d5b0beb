// Entry records by mask, through both character widths: what each mask writes and reads back,
// what it leaves alone, how text buffers of every size are served, and which record sizes count.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"

namespace vellum::platform {
namespace {

template <class Info>
Info Record(UINT mask, UINT size = MENUITEMINFO_SIZE_WITH_BITMAP) {
  Info info;
  info.cbSize = size;
  info.fMask = mask;
  return info;
}

BOOL Get(HMENU m, UINT i, BOOL p, MENUITEMINFOA* r) {
  return GetMenuItemInfoA(m, i, p, r);
}
BOOL Get(HMENU m, UINT i, BOOL p, MENUITEMINFOW* r) {
  return GetMenuItemInfoW(m, i, p, r);
}
BOOL Set(HMENU m, UINT i, BOOL p, const MENUITEMINFOA* r) {
  return SetMenuItemInfoA(m, i, p, r);
}
BOOL Set(HMENU m, UINT i, BOOL p, const MENUITEMINFOW* r) {
  return SetMenuItemInfoW(m, i, p, r);
}

constexpr UINT kEveryMask =
    MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_DATA | MIIM_FTYPE | MIIM_BITMAP;

// One mask at a time: what it writes must read back, and every other field must stay as the
// entry had it (entry 5 "Orig", a plain string).
struct MaskCase {
  const char* name;
  std::function<void(MENUITEMINFOW&)> change;
};

void PrintTo(const MaskCase& c, std::ostream* os) {
  *os << c.name;
}

template <class Info>
void CheckMaskRoundTrip(const MaskCase& c, HMENU submenu) {
  const HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 5, "Orig");
  Info before = Record<Info>(kEveryMask);
  ASSERT_TRUE(Get(menu, 0, TRUE, &before));

  MENUITEMINFOW wide = Record<MENUITEMINFOW>(0);
  wide.hSubMenu = submenu;
  c.change(wide);
  Info write = Record<Info>(wide.fMask);
  write.fType = wide.fType;
  write.fState = wide.fState;
  write.wID = wide.wID;
  write.hSubMenu = wide.hSubMenu;
  write.hbmpChecked = wide.hbmpChecked;
  write.hbmpUnchecked = wide.hbmpUnchecked;
  write.dwItemData = wide.dwItemData;
  write.hbmpItem = wide.hbmpItem;
  ASSERT_TRUE(Set(menu, 5, FALSE, &write)) << sim::DebugString(write);

  Info after = Record<Info>(kEveryMask);
  ASSERT_TRUE(Get(menu, 0, TRUE, &after));
  Info expected = before;
  const UINT m = wide.fMask;
  if (m & (MIIM_FTYPE | MIIM_TYPE)) expected.fType = write.fType;
  if (m & MIIM_STATE) expected.fState = write.fState;
  if (m & MIIM_ID) expected.wID = write.wID;
  if (m & MIIM_SUBMENU) expected.hSubMenu = write.hSubMenu;
  if (m & MIIM_CHECKMARKS) {
    expected.hbmpChecked = write.hbmpChecked;
    expected.hbmpUnchecked = write.hbmpUnchecked;
  }
  if (m & MIIM_DATA) expected.dwItemData = write.dwItemData;
  if (m & MIIM_BITMAP) expected.hbmpItem = write.hbmpItem;
  expected.cch = after.cch;
  EXPECT_EQ(sim::DebugString(after), sim::DebugString(expected));
}

class ItemInfoMask : public ::testing::TestWithParam<MaskCase> {};

TEST_P(ItemInfoMask, WritesItsFieldsOnlyWide) {
  CheckMaskRoundTrip<MENUITEMINFOW>(GetParam(), CreatePopupMenu());
}

TEST_P(ItemInfoMask, WritesItsFieldsOnlyNarrow) {
  CheckMaskRoundTrip<MENUITEMINFOA>(GetParam(), CreatePopupMenu());
}

INSTANTIATE_TEST_SUITE_P(
    Masks, ItemInfoMask,
    ::testing::Values(MaskCase{"State",
                               [](auto& i) {
                                 i.fMask = MIIM_STATE;
                                 i.fState = MF_GRAYED | MFS_CHECKED | MFS_DEFAULT;
                               }},
                      MaskCase{"Id",
                               [](auto& i) {
                                 i.fMask = MIIM_ID;
                                 i.wID = 4711;
                               }},
                      MaskCase{"Submenu", [](auto& i) { i.fMask = MIIM_SUBMENU; }},
                      MaskCase{"CheckBitmaps",
                               [](auto& i) {
                                 i.fMask = MIIM_CHECKMARKS;
                                 i.hbmpChecked = 0x111;
                                 i.hbmpUnchecked = 0x222;
                               }},
                      MaskCase{"OwnerDrawType",
                               [](auto& i) {
                                 i.fMask = MIIM_FTYPE;
                                 i.fType = MFT_OWNERDRAW | MFT_RADIOCHECK | MFT_RIGHTJUSTIFY;
                               }},
                      MaskCase{"Data",
                               [](auto& i) {
                                 i.fMask = MIIM_DATA;
                                 i.dwItemData = 0xDEADBEEF;
                               }},
                      MaskCase{"EntryBitmap",
                               [](auto& i) {
                                 i.fMask = MIIM_BITMAP;
                                 i.hbmpItem = 0x333;
                               }},
                      MaskCase{"StateIdAndTypeTogether",
                               [](auto& i) {
                                 i.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE;
                                 i.fType = MFT_OWNERDRAW | MFT_SEPARATOR;
                                 i.fState = MFS_DISABLED;
                                 i.wID = 12;
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

// Reading "Open" into buffers of every size: cch 0 or a null buffer asks for the length;
// otherwise as much as fits is copied, terminated, and cch counts what was copied.
struct BufferCase {
  const char* name;
  bool buffer;
  UINT cch;
  const char* text;  // what the buffer holds afterwards
  UINT resultCch;
};

void PrintTo(const BufferCase& c, std::ostream* os) {
  *os << c.name;
}

class ItemInfoTextBuffer : public ::testing::TestWithParam<BufferCase> {};

TEST_P(ItemInfoTextBuffer, NarrowAndWideServeTheSameCharacters) {
  const BufferCase& c = GetParam();
  const HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "Open");

  char narrow[16] = "xxxxxxxxxxxxxxx";
  auto a = Record<MENUITEMINFOA>(MIIM_TYPE);
  a.dwTypeData = c.buffer ? narrow : nullptr;
  a.cch = c.cch;
  ASSERT_TRUE(GetMenuItemInfoA(menu, 0, TRUE, &a));
  EXPECT_EQ(a.cch, c.resultCch);
  EXPECT_EQ(a.fType, MFT_STRING);

  WCHAR wide[16] = u"xxxxxxxxxxxxxxx";
  auto w = Record<MENUITEMINFOW>(MIIM_TYPE);
  w.dwTypeData = c.buffer ? wide : nullptr;
  w.cch = c.cch;
  ASSERT_TRUE(GetMenuItemInfoW(menu, 0, TRUE, &w));
  EXPECT_EQ(w.cch, c.resultCch);

  if (c.buffer) {
    EXPECT_EQ(std::string(narrow), c.text);
    EXPECT_EQ(StringToUtf8(String(wide)), c.text);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ItemInfoTextBuffer,
                         ::testing::Values(BufferCase{"ZeroLengthQueries", true, 0,
                                                      "xxxxxxxxxxxxxxx", 4},
                                           BufferCase{"NullBufferQueries", false, 10, "", 4},
                                           BufferCase{"RoomForTerminator", true, 5, "Open", 4},
                                           BufferCase{"Plenty", true, 16, "Open", 4},
                                           BufferCase{"OneShort", true, 4, "Ope", 3},
                                           BufferCase{"OnlyTerminator", true, 1, "", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ItemInfoText, NarrowSpeaksTheCodePageAndWideUtf16) {
  const HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "x");
  WCHAR text[] = u"Caf\u00E9 \u20AC\tCtrl+E";
  auto w = Record<MENUITEMINFOW>(MIIM_TYPE);
  w.dwTypeData = text;
  ASSERT_TRUE(SetMenuItemInfoW(menu, 0, TRUE, &w));

  char narrow[32] = {};
  auto a = Record<MENUITEMINFOA>(MIIM_TYPE, MENUITEMINFO_SIZE_WITHOUT_BITMAP);
  a.dwTypeData = narrow;
  a.cch = sizeof narrow;
  ASSERT_TRUE(GetMenuItemInfoA(menu, 0, TRUE, &a));
  EXPECT_EQ(std::string(narrow), "Caf\xE9 \x80\tCtrl+E");
  EXPECT_EQ(a.cch, 13u);
}

TEST(ItemInfoText, OwnerDrawnEntriesCarryNoTextAndLeaveTheBufferAlone) {
  const HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "Open");
  auto set = Record<MENUITEMINFOA>(MIIM_TYPE);
  set.fType = MFT_OWNERDRAW;
  ASSERT_TRUE(SetMenuItemInfoA(menu, 0, TRUE, &set));

  char buffer[8] = "keep";
  auto get = Record<MENUITEMINFOA>(MIIM_TYPE);
  get.dwTypeData = buffer;
  get.cch = sizeof buffer;
  ASSERT_TRUE(GetMenuItemInfoA(menu, 0, TRUE, &get));
  EXPECT_EQ(get.fType, MFT_OWNERDRAW);
  EXPECT_EQ(get.cch, 0u);
  EXPECT_EQ(std::string(buffer), "keep");
  EXPECT_EQ(get.dwTypeData, buffer);
}

TEST(ItemInfoSize, AcceptsTheTwoPlatformSizesOnly) {
  const HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "Open");
  for (UINT size : {0u, 40u, 43u, 44u, 48u, 52u, UINT{sizeof(MENUITEMINFOW)}}) {
    SCOPED_TRACE(size);
    const BOOL expected = size == 44 || size == 48;
    auto w = Record<MENUITEMINFOW>(MIIM_ID, size);
    EXPECT_EQ(GetMenuItemInfoW(menu, 0, TRUE, &w), expected);
    EXPECT_EQ(SetMenuItemInfoW(menu, 0, TRUE, &w), expected);
    auto a = Record<MENUITEMINFOA>(MIIM_ID, size);
    EXPECT_EQ(GetMenuItemInfoA(menu, 0, TRUE, &a), expected);
  }
  // The entry bitmap lies beyond the smaller record.
  auto small = Record<MENUITEMINFOW>(MIIM_BITMAP, MENUITEMINFO_SIZE_WITHOUT_BITMAP);
  EXPECT_FALSE(GetMenuItemInfoW(menu, 0, TRUE, &small));
  EXPECT_FALSE(SetMenuItemInfoW(menu, 0, TRUE, &small));
  EXPECT_FALSE(GetMenuItemInfoW(menu, 0, TRUE, nullptr));
}

}  // namespace
}  // namespace vellum::platform
