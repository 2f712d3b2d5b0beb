#include "render/draw_item.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "accel/accelerator.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "platform/automation/std_picture.hpp"
#include "platform/platform.hpp"
#include "render/colors.hpp"
#include "render/multi_gradient.hpp"
#include "support/owner_drawn.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::EntryImage;
using testing::OnFreshThread;
using testing::OwnerDrawnMenus;

constexpr COLORREF kGreen = 0x00C000;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0;
constexpr COLORREF kOrange = 0x0080FF;

COLORREF System(int index) {
  return GetSysColor(index);
}

// A picture of light grey only: every pixel of it takes the image cell's colour.
Ref<StdPicture> GreyPicture(int width, int height) {
  const HDC screen = GetDC(0);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  const HDC memory = CreateCompatibleDC(screen);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  const HBRUSH grey = CreateSolidBrush(0xC0C0C0);
  const RECT all{0, 0, width, height};
  FillRect(memory, &all, grey);
  DeleteObject(grey);
  SelectObject(memory, previous);
  DeleteDC(memory);
  ReleaseDC(0, screen);
  return StdPicture::FromHandle(bitmap, PictureType::Bitmap, true);
}

// The File popup's items in plain colours that show which fill painted what.
struct PaintedMenus : OwnerDrawnMenus {
  explicit PaintedMenus(MenuDrawStyleBits style = mdsOffice) : OwnerDrawnMenus(style) {
    for (const Ref<MenuItem>& item : {open, save, separator, recent}) {
      const Ref<ItemVisualProperties> visual = item->Visual();
      visual->ItemBackground(kGreen);
      visual->ItemForeground(kBlack);
      visual->SelectBackground(kBlue);
      visual->SelectForeground(kWhite);
      visual->ItemCheckBackground(kOrange);
    }
  }

  // Entry `index` of the File popup as painted while the user shows it (hovering `hover` when
  // given), and the bar's entry `barIndex` at the same moment.
  EntryImage FileEntry(std::size_t index, const Ref<MenuItem>& hover = nullptr) {
    EntryImage image;
    sim::User user;
    if (hover) user.Hover(sim::ById(static_cast<UINT>(hover->ItemId())));
    user.Run([&] {
          image = testing::ReadPopupEntry(sim::OpenPopups().back(), index);
          bar_ = testing::ReadBarEntry(window, 0);
        })
        .Cancel();
    user.ClickMenuBar(window, 0);
    return image;
  }
  const EntryImage& BarEntryWhileOpen() const { return bar_; }

 private:
  EntryImage bar_;
};

constexpr std::size_t kOpen = 0, kSave = 1, kSeparator = 2;

TEST_ON_FRESH_THREAD(DrawItem,
                     APlainPopupItemShowsItsBackgroundBetweenMenuColouredEdgesAndItsCaptionAt25) {
  PaintedMenus menus;
  const EntryImage save = menus.FileEntry(kSave);
  ASSERT_EQ(save.height, 21);
  EXPECT_EQ(save.At(10, 0), System(COLOR_MENU));
  EXPECT_EQ(save.At(10, save.height - 1), System(COLOR_MENU));
  for (int y = 1; y < save.height - 1; ++y)
    EXPECT_EQ(save.At(3, y), kGreen) << y;
  // The caption's first cell starts at 25 and is inked from its second column; no frame.
  EXPECT_EQ(save.At(25, 8), kGreen);
  EXPECT_EQ(save.At(26, 8), kBlack);
  EXPECT_EQ(save.At(0, 1), kGreen);
}

TEST_ON_FRESH_THREAD(DrawItem, AnUnscaledItemWithoutPictureKeepsTheDefaultImageWidth) {
  PaintedMenus menus;
  menus.save->Visual()->ScaleImages(false);
  const EntryImage save = menus.FileEntry(kSave);
  EXPECT_EQ(save.At(25, 8), kGreen);
  EXPECT_EQ(save.At(26, 8), kBlack);
}

TEST_ON_FRESH_THREAD(DrawItem, ASelectedItemGetsTheSelectionBandAcrossItsWholeWidth) {
  PaintedMenus menus;
  const EntryImage save = menus.FileEntry(kSave, menus.save);
  for (int y = 1; y < save.height - 1; ++y)
    EXPECT_EQ(save.At(0, y), kBlue) << y;
  EXPECT_EQ(save.At(26, 8), kWhite);
  EXPECT_EQ(save.At(10, 0), System(COLOR_MENU));
}

// The selection band may run through a gradient or colour stops. Stops that cannot be spread
// over the band paint nothing: the item's plain background shows, and the caption still takes
// the selection's text colour.
TEST_ON_FRESH_THREAD(DrawItem,
                     ASelectionGradientRunsAcrossTheBandAndAFailedOneLeavesThePlainBackground) {
  PaintedMenus menus;
  menus.save->Visual()->SelectBkGradient(kOrange);
  const EntryImage gradient = menus.FileEntry(kSave, menus.save);
  EXPECT_EQ(gradient.At(0, 5), kBlue);
  // The last stripe lies one column beyond the entry; the entry's last column is close.
  const COLORREF end = gradient.At(gradient.width - 1, 5);
  EXPECT_GT(end & 0xFF, 0xF0u) << std::hex << end;
  EXPECT_LT(end >> 16, 0x10u) << std::hex << end;

  menus.save->Visual()->SelectBkGradient(ItemVisualProperties::kNoGradient);
  for (int i = 0; i < 400; ++i)
    menus.save->Visual()->SelMultiGradient()->Add(i % 2 ? kBlue : kOrange);
  const EntryImage failed = menus.FileEntry(kSave, menus.save);
  EXPECT_EQ(failed.At(0, 5), kGreen) << "more stops than the band has columns";
  EXPECT_EQ(failed.At(26, 8), kWhite) << "the selection's text colour all the same";
}

// "&Save" underlines its "S" once the user works the menu with the keyboard; opened with the
// mouse (ODS_NOACCEL) it shows no underline. The fixed face underlines on the cell's last row:
// the caption starts at row round(21 / 2 - 13 / 2 - 1) = 3, so the line is row 15.
TEST_ON_FRESH_THREAD(DrawItem, TheMnemonicIsUnderlinedOnlyWhenKeyboardCuesShow) {
  PaintedMenus menus;
  const EntryImage byMouse = menus.FileEntry(kSave);
  EXPECT_EQ(byMouse.At(27, 15), kGreen);

  EntryImage byKeys;
  sim::User user;
  // Down to Open, to Save, past the separator to Recent: Save is painted again, unselected.
  user.Key(VK_DOWN).Key(VK_DOWN).Key(VK_DOWN).Run(
      [&] { byKeys = testing::ReadPopupEntry(sim::OpenPopups().back(), kSave); });
  user.ClickMenuBar(menus.window, 0);
  for (int x = 25; x < 25 + testing::kCharWidth; ++x)
    EXPECT_EQ(byKeys.At(x, 15), kBlack) << "under the S at " << x;
  EXPECT_EQ(byKeys.At(25 + testing::kCharWidth + 1, 15), kGreen) << "nothing under the a";
  EXPECT_EQ(byKeys.At(26, 8), kBlack) << "the S itself";
}

TEST_ON_FRESH_THREAD(DrawItem, ASelectedItemWithAPictureKeepsItsImageCellInARaisedFrame) {
  PaintedMenus menus;
  menus.save->Picture(GreyPicture(16, 16));
  const EntryImage save = menus.FileEntry(kSave, menus.save);
  // The image box (2, 0)-(21, 20), framed one row down; the band starts at 16 + 6.
  EXPECT_EQ(save.At(2, 5), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(save.At(10, 1), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(save.At(21, 5), System(COLOR_BTNSHADOW));
  EXPECT_EQ(save.At(10, 10), kGreen);  // the picture's grey became the cell colour
  EXPECT_EQ(save.At(22, 5), kBlue);
}

TEST_ON_FRESH_THREAD(DrawItem, ACheckedItemSitsSunkenAndTakesTheCheckBackgroundWhenSelected) {
  PaintedMenus menus;
  menus.save->CheckedPicture(GreyPicture(16, 16));
  menus.save->Checked(true);
  const EntryImage plain = menus.FileEntry(kSave);
  EXPECT_EQ(plain.At(2, 5), System(COLOR_3DDKSHADOW));
  EXPECT_EQ(plain.At(10, 10), kGreen);
  const EntryImage selected = menus.FileEntry(kSave, menus.save);
  EXPECT_EQ(selected.At(2, 5), System(COLOR_3DDKSHADOW));
  EXPECT_EQ(selected.At(10, 10), kOrange);

  menus.save->Visual()->SelectionStyle(mssColor | mssNoCheckBevel);
  const EntryImage unbeveled = menus.FileEntry(kSave, menus.save);
  EXPECT_EQ(unbeveled.At(10, 10), kGreen);
  EXPECT_NE(unbeveled.At(2, 5), System(COLOR_3DDKSHADOW));
}

TEST_ON_FRESH_THREAD(DrawItem, TheSeparatorIsAnEtchedLineAtMidHeight) {
  PaintedMenus menus;
  const EntryImage line = menus.FileEntry(kSeparator);
  ASSERT_EQ(line.height, 5);
  // m = round(5 / 2) = 2: highlight on row 2, shadow above it.
  EXPECT_EQ(line.At(10, 2), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(line.At(10, 1), System(COLOR_BTNSHADOW));
  EXPECT_EQ(line.At(10, 3), kGreen);
}

// A caption separator is a heading, not a choice: a raised frame round the whole entry from
// (0, 0), its caption on the plain menu colour (separators are grayed natively).
TEST_ON_FRESH_THREAD(DrawItem, ACaptionSeparatorIsARaisedHeadingOnTheMenuColour) {
  PaintedMenus menus;
  menus.save->Caption(u"Heading");
  menus.save->SeparatorType(mstCaption);
  menus.save->Separator(true);
  const EntryImage heading = menus.FileEntry(kSave);
  const int right = heading.width - 1, bottom = heading.height - 1;
  EXPECT_EQ(heading.At(5, 0), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(heading.At(0, 5), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(heading.At(right, 5), System(COLOR_BTNSHADOW));
  EXPECT_EQ(heading.At(5, bottom), System(COLOR_BTNSHADOW));
  EXPECT_EQ(heading.At(3, 5), System(COLOR_MENU)) << "not the item's green";
}

TEST_ON_FRESH_THREAD(DrawItem, AGrayedItemShowsTheMenuColourBehindDisabledText) {
  PaintedMenus menus;
  menus.save->Grayed(true);
  const EntryImage save = menus.FileEntry(kSave);
  EXPECT_EQ(save.At(3, 5), System(COLOR_MENU));
  // The disabled look draws no ink in the item's own text colour.
  for (int x = 25; x < 25 + 4 * testing::kCharWidth; ++x) {
    EXPECT_NE(save.At(x, 8), kBlack) << x;
  }
}

TEST_ON_FRESH_THREAD(DrawItem, RightAlignedTextMirrorsTheLayout) {
  PaintedMenus menus;
  menus.save->Visual()->TextAlign(taRight);
  menus.save->Picture(GreyPicture(16, 16));
  menus.save->Accelerator()->AccelWord(u"Ctrl+S");
  const EntryImage save = menus.FileEntry(kSave, menus.save);
  const int w = save.width + 1;  // the drawing width is one beyond the entry
  // The image box at the right: left = W - (16 + 6), framed (raised) since selected.
  EXPECT_EQ(save.At(w - 22, 5), System(COLOR_BTNHIGHLIGHT));
  // The accelerator text at x = 19, inked from 20.
  EXPECT_EQ(save.At(19, 8), kBlue);
  EXPECT_EQ(save.At(20, 8), kWhite);
}

TEST_ON_FRESH_THREAD(DrawItem, MenuBarItemsShowSunkenWhenOpenAndRaisedWhenHotLit) {
  PaintedMenus menus;
  menus.FileEntry(kSave);
  const EntryImage open = menus.BarEntryWhileOpen();
  // A sunken thin frame from (0, 0): its dark edge down column 0 from row 2.
  EXPECT_EQ(open.At(0, 5), System(COLOR_3DDKSHADOW));
  // The caption's first cell at x = 7 (centred in an entry the platform draws a check mark
  // wider than it answered), one row lower than in a popup, in the item's colour.
  menus.file->Visual()->SelectForeground(kOrange);
  menus.file->Visual()->ItemForeground(kBlue);
  menus.FileEntry(kSave);
  EXPECT_EQ(menus.BarEntryWhileOpen().At(9, 8), kBlue);

  RedrawItem(*menus.file, menus.window, ODS_HOTLIGHT, false);
  const EntryImage hot = testing::ReadBarEntry(menus.window, 0);
  EXPECT_EQ(hot.At(0, 5), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(hot.At(5, 0), System(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(hot.At(9, 8), kBlue);
  const std::uint32_t state = menus.file->Visual()->FetchDrawItem().itemState;
  EXPECT_EQ(state & (ODS_SELECTED | ODS_HOTLIGHT), ODS_HOTLIGHT);
}

TEST_ON_FRESH_THREAD(DrawItem, TheFlatStyleShadowsFramesAndRunsTheImageColumn) {
  PaintedMenus menus(mdsOfficeXP);
  menus.open->Picture(GreyPicture(16, 16));
  for (const Ref<MenuItem>& item : {menus.open, menus.save}) {
    item->Visual()->RunnerColor(kOrange);
    item->Visual()->RunnerSelection(kWhite);
  }
  const EntryImage save = menus.FileEntry(kSave);
  // The runner from x = 2 to the widest image + 6 (18 + 6), over the full height.
  for (int y = 0; y < save.height; ++y)
    EXPECT_EQ(save.At(10, y), kOrange) << y;
  EXPECT_EQ(save.At(24, 8), kGreen);

  const EntryImage selected = menus.FileEntry(kOpen, menus.open);
  const int w = selected.width + 1, h = selected.height;
  EXPECT_EQ(selected.At(10, h - 1), 0x606060u);
  EXPECT_EQ(selected.At(w - 2, 10), 0x606060u);
  EXPECT_EQ(selected.At(0, 5), kBlack);    // the flat frame
  EXPECT_EQ(selected.At(10, 10), kWhite);  // the image cell in the runner's selection colour
}

TEST_ON_FRESH_THREAD(DrawItem, ARequestForAWindowWithoutPaintContextIsLeftAlone) {
  OwnerDrawnMenus menus;
  const HWND stranger = sim::CreateWindow(u"Other", {0, 0, 100, 100});
  EXPECT_FALSE(DrawItem(stranger, 1));
  EXPECT_FALSE(DrawItem(0, 1));
  EXPECT_FALSE(DrawItem(menus.window, 0));
}

// --- sidebars -----------------------------------------------------------------------------------

struct SidebarMenus : OwnerDrawnMenus {
  SidebarMenus() {
    sidebar = FileMenu()->Sidebar();
    const Ref<ItemVisualProperties> visual = sidebar->Visual();
    visual->Font(testing::FixedFont(16));
    visual->ItemBackground(kGreen);
    visual->ItemBkGradient(-1);
    visual->SelectBackground(kBlue);
    visual->SelectBkGradient(-1);
    sidebar->Caption(u"Vellum");
    sidebar->Enabled(true);
    sidebar->Visible(true);
  }

  // The band and its break as painted while File is shown, hovering the band when asked.
  std::pair<EntryImage, EntryImage> Shown(bool hover) {
    std::pair<EntryImage, EntryImage> images;
    sim::User user;
    if (hover) user.Hover(sim::ById(static_cast<UINT>(sidebar->ItemId())));
    user.Run([&] {
          const sim::OpenPopup popup = sim::OpenPopups().back();
          images = {testing::ReadPopupEntry(popup, 0), testing::ReadPopupEntry(popup, 1)};
        })
        .Cancel();
    user.ClickMenuBar(window, 0);
    return images;
  }

  Ref<Sidebar> sidebar;
};

TEST_ON_FRESH_THREAD(DrawSidebar, TheBandPaintsItsBackgroundAndItsBreakPaintsNothing) {
  SidebarMenus menus;
  const auto [band, gap] = menus.Shown(false);
  ASSERT_EQ(band.width, 16 + 14);  // answered 16, drawn a check mark wider
  EXPECT_EQ(band.At(0, 0), kGreen);
  EXPECT_EQ(band.At(8, band.height - 1), kGreen);
  EXPECT_EQ(gap.height, 0);
  EXPECT_EQ(menus.sidebar->Visual()->FetchDrawItem().itemId,
            static_cast<std::uint32_t>(menus.sidebar->ItemId()));
  // Both entries count as painted: neither request goes on to the window's own procedure.
  EXPECT_TRUE(sim::ReceivedMessages(menus.window, WM_DRAWITEM).empty());
}

// The band's default style resolves to hot tracking: the selection colours, never a frame.
TEST_ON_FRESH_THREAD(DrawSidebar, ByDefaultASelectedBandTakesTheSelectionColoursWithoutAFrame) {
  SidebarMenus menus;
  const EntryImage band = menus.Shown(true).first;
  EXPECT_EQ(band.At(0, 20), kBlue);
  EXPECT_EQ(band.At(0, 0), kBlue);
  EXPECT_EQ(band.At(band.width - 1, band.height - 1), kBlue);
}

TEST_ON_FRESH_THREAD(DrawSidebar, ASelectedClearBandKeepsItsBackgroundInASunkenFrame) {
  SidebarMenus menus;
  menus.sidebar->Visual()->SelectionStyle(mssClear);
  const EntryImage band = menus.Shown(true).first;
  EXPECT_EQ(band.At(8, band.height - 4), kGreen);
  EXPECT_EQ(band.At(0, 20), System(COLOR_3DDKSHADOW));
}

TEST_ON_FRESH_THREAD(DrawSidebar, ADisabledBandNeverLooksSelected) {
  SidebarMenus menus;
  const EntryImage selected = menus.Shown(true).first;
  EXPECT_EQ(selected.At(8, selected.height - 4), kBlue);
  menus.sidebar->Enabled(false);
  const EntryImage disabled = menus.Shown(true).first;
  EXPECT_EQ(disabled.At(8, disabled.height - 4), kGreen);
}

TEST_ON_FRESH_THREAD(DrawSidebar, ThePictureSitsCentredAtTheBottomInTheBandsEndColour) {
  SidebarMenus menus;
  menus.sidebar->Visual()->ScaleImages(false);
  menus.sidebar->Visual()->ItemBkGradient(kOrange);
  menus.sidebar->Picture(GreyPicture(32, 32));
  const EntryImage band = menus.Shown(false).first;
  // Answered 32 wide and drawn a check mark (14) wider: W = 47, x0 = round(23.5 - 17) = 6
  // (halves to even), so the picture spans x 8 to 39; y0 = H - 36, the picture on rows
  // H - 35 to H - 4.
  ASSERT_EQ(band.width, 32 + 14);
  const int h = band.height;
  EXPECT_EQ(band.At(10, h - 35), kOrange);
  EXPECT_EQ(band.At(10, h - 4), kOrange);
  // Around it the gradient runs on towards its end colour.
  EXPECT_NE(band.At(10, h - 36), kOrange);
  EXPECT_NE(band.At(7, h - 20), kOrange);
  EXPECT_EQ(band.At(8, h - 20), kOrange);
  EXPECT_EQ(band.At(39, h - 20), kOrange);
  EXPECT_NE(band.At(40, h - 20), kOrange);
}

// The rows of the band's middle column that carry caption ink.
std::pair<int, int> InkRows(const EntryImage& band) {
  int first = -1, last = -1;
  for (int y = 0; y < band.height; ++y) {
    if (band.At(band.width / 2, y) != 0) continue;
    if (first < 0) first = y;
    last = y;
  }
  return {first, last};
}

TEST_ON_FRESH_THREAD(DrawSidebar, TheCaptionStartsTenPixelsFromTheEndItsAlignmentNames) {
  SidebarMenus menus;
  menus.sidebar->Visual()->TextAlign(taLeft);  // written upwards from the bottom
  const EntryImage up = menus.Shown(false).first;
  // Six 8-pixel cells of the bold face (inked along their whole length) end at H - 10.
  EXPECT_EQ(InkRows(up), std::make_pair(up.height - 10 - 48, up.height - 10 - 1));

  menus.sidebar->Escapement(esc270);
  menus.sidebar->Visual()->TextAlign(taRight);  // written downwards from the top
  const EntryImage down = menus.Shown(false).first;
  EXPECT_EQ(InkRows(down), std::make_pair(10, 10 + 48 - 1));
}

}  // namespace
}  // namespace vellum
