#include "render/measure_item.hpp"

#include <gtest/gtest.h>

#include "accel/accelerator.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "platform/automation/std_picture.hpp"
#include "platform/platform.hpp"
#include "support/owner_drawn.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::kCharWidth;
using testing::kLineHeight;
using testing::OnFreshThread;
using testing::OwnerDrawnMenus;

Ref<StdPicture> BitmapPicture(int width, int height) {
  const HDC screen = GetDC(0);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(0, screen);
  return StdPicture::FromHandle(bitmap, PictureType::Bitmap, true);
}

// The image box (18) and the gap (26) stand left of a popup item's caption.
constexpr int kLeftColumn = 18 + 26;

struct SizeCase {
  const char* what;
  MenuDrawStyleBits style;
  void (*arrange)(OwnerDrawnMenus&);
  Ref<MenuItem> OwnerDrawnMenus::*item;
  SIZE expected;
};

void PrintTo(const SizeCase& c, std::ostream* out) {
  *out << c.what;
}

class MeasuredSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(MeasuredSizes, MatchTheEntrysLayout) {
  const SizeCase& c = GetParam();
  OnFreshThread([&] {
    OwnerDrawnMenus menus(c.style);
    if (c.arrange) c.arrange(menus);
    menus.ShowMenus();
    EXPECT_EQ(OwnerDrawnMenus::MeasuredSize(menus.*c.item), c.expected);
  });
}

const SizeCase kSizeCases[] = {
    // «Save»: four characters; the box is 18 high, + 2, + 1.
    {"popup item", mdsOffice, nullptr, &OwnerDrawnMenus::save, {kLeftColumn + 4 * kCharWidth, 21}},
    {"popup item, flat style",
     mdsOfficeXP,
     nullptr,
     &OwnerDrawnMenus::save,
     {kLeftColumn + 4 * kCharWidth + 2, 23}},
    {"with accelerator text",
     mdsOffice,
     [](OwnerDrawnMenus& m) { m.save->Accelerator()->AccelWord(u"Ctrl+S"); },
     &OwnerDrawnMenus::save,
     {kLeftColumn + 4 * kCharWidth + (12 + 6) * kCharWidth, 21}},
    // Bar items get no image column and no minimum height.
    {"menu-bar item",
     mdsOffice,
     nullptr,
     &OwnerDrawnMenus::file,
     {4 * kCharWidth, kLineHeight + 1}},
    {"menu-bar item, flat style",
     mdsOfficeXP,
     nullptr,
     &OwnerDrawnMenus::file,
     {4 * kCharWidth + 2, kLineHeight + 3}},
    {"separator", mdsOffice, nullptr, &OwnerDrawnMenus::separator, {kLeftColumn + kCharWidth, 5}},
    {"separator, flat style",
     mdsOfficeXP,
     nullptr,
     &OwnerDrawnMenus::separator,
     {kLeftColumn + kCharWidth + 2, 7}},
    // Two lines of 13: 26 + 4, then + 2 + 1.
    {"two-line caption",
     mdsOffice,
     [](OwnerDrawnMenus& m) { m.recent1->Caption(u"ab\r\ncd"); },
     &OwnerDrawnMenus::recent1,
     {kLeftColumn + 2 * kCharWidth, 33}},
    // Unscaled 32 x 32 picture: a box of 34 plus the gap; 34 + 2 + 1 high.
    {"unscaled picture",
     mdsOffice,
     [](OwnerDrawnMenus& m) {
       m.save->Visual()->ScaleImages(false);
       m.save->Picture(BitmapPicture(32, 32));
     },
     &OwnerDrawnMenus::save,
     {34 + 26 + 4 * kCharWidth, 37}},
    // A small unscaled picture still gets the smallest box.
    {"small unscaled picture",
     mdsOffice,
     [](OwnerDrawnMenus& m) {
       m.save->Visual()->ScaleImages(false);
       m.save->Picture(BitmapPicture(8, 8));
     },
     &OwnerDrawnMenus::save,
     {kLeftColumn + 4 * kCharWidth, 21}},
    {"scaled picture",
     mdsOffice,
     [](OwnerDrawnMenus& m) {
       m.save->Visual()->SizeImage(24, 20);
       m.save->Picture(BitmapPicture(32, 32));
     },
     &OwnerDrawnMenus::save,
     {26 + 26 + 4 * kCharWidth, 22 + 2 + 1}},
};

INSTANTIATE_TEST_SUITE_P(Items, MeasuredSizes, ::testing::ValuesIn(kSizeCases),
                         [](const auto& info) {
                           std::string name = info.param.what;
                           for (char& ch : name) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

TEST_ON_FRESH_THREAD(MeasureItem, ACaptionSeparatorIsAsHighAsItsSmallerCaption) {
  OwnerDrawnMenus menus;
  menus.open->SeparatorType(mstCaption);
  menus.ShowMenus();
  // Its font is a pixel smaller: one 12-pixel line, - 1, + 1.
  EXPECT_EQ(menus.open->GetCaptionLines(0).size.cy, kLineHeight - 1);
  EXPECT_EQ(OwnerDrawnMenus::MeasuredSize(menus.open).cy, kLineHeight - 1);
}

TEST_ON_FRESH_THREAD(MeasureItem, ACheckedItemWithoutCheckPictureReceivesTheBuiltInOne) {
  OwnerDrawnMenus menus;
  menus.save->Checked(true);
  menus.open->RadioGroup(true);
  menus.open->CheckedPicture(nullptr);
  menus.open->Checked(true);
  menus.ShowMenus();
  const auto check = std::dynamic_pointer_cast<StdPicture>(menus.save->CheckedPicture());
  const auto radio = std::dynamic_pointer_cast<StdPicture>(menus.open->CheckedPicture());
  ASSERT_TRUE(check && radio);
  EXPECT_EQ(check->Type(), PictureType::Bitmap);
  EXPECT_NE(check->ToPng(), radio->ToPng());
}

TEST_ON_FRESH_THREAD(MeasureItem, ASidebarIsAsWideAsItsCaptionIsHighAndItsBreakTakesNoSpace) {
  OwnerDrawnMenus menus;
  const Ref<Sidebar> sidebar = menus.FileMenu()->Sidebar();
  sidebar->Visual()->Font(testing::FixedFont(16));  // 8 pixels a character
  sidebar->Caption(u"Fifteen letters");
  sidebar->Visible(true);
  std::vector<RECT> entries;
  sim::User user;
  user.Run([&] { entries = sim::OpenPopups().at(0).entries; }).Cancel();
  user.ClickMenuBar(menus.window, 0);
  ASSERT_GE(entries.size(), 2u);
  // Answered 16 wide; the platform draws it a check mark (14) wider.
  EXPECT_EQ(entries[0].right - entries[0].left, 16 + 14);
  EXPECT_EQ(entries[0].bottom - entries[0].top, 15 * 8 + 16);
  EXPECT_EQ(entries[1].bottom - entries[1].top, 0);
}

TEST_ON_FRESH_THREAD(MeasureItem, AnEntryThatIsNotTheLibrarysIsPassedOn) {
  OwnerDrawnMenus menus;
  const HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_OWNERDRAW, 99, nullptr);
  AppendMenuA(popup, MF_STRING, 100, "Plain");
  sim::User user;
  user.Cancel();
  TrackPopupMenu(popup, TPM_RETURNCMD, 10, 10, 0, menus.window, nullptr);
  // The window's own procedure was asked, once, for the one owner-drawn entry.
  EXPECT_EQ(sim::ReceivedMessages(menus.window, WM_MEASUREITEM).size(), 1u);
  EXPECT_FALSE(MeasureItem(menus.window, 0));
  EXPECT_FALSE(MeasureItem(0, 1));
  DestroyMenu(popup);
}

}  // namespace
}  // namespace vellum
