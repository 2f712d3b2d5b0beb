#include "render/fonts.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "items/sidebar.hpp"
#include "model/library_state.hpp"
#include "platform/platform.hpp"
#include "render/item_visual_properties.hpp"
#include "support/menu_fixture.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::OnFreshThread;
using testing::StandardMenus;

LOGFONTA DescriptionOf(HFONT font) {
  LOGFONTA description;
  GetObjectA(font, sizeof description, &description);
  DeleteObject(font);
  return description;
}

TEST_ON_FRESH_THREAD(FontToLogFont, DescribesTheFontAtTheDevicesResolution) {
  struct Case {
    double size;
    LONG height;
  } cases[] = {{8, -11}, {8.25, -11}, {8.5, -11}, {9.5, -13}, {10, -13}};
  for (const Case& c : cases) {
    Ref<StdFont> font = StdFont::New({.name = u"Tahoma", .size = c.size, .underline = true});
    LOGFONTA description;
    FontToLogFont(font, description);
    EXPECT_EQ(description.lfHeight, c.height) << c.size << " points";
    EXPECT_STREQ(description.lfFaceName, "Tahoma");
    EXPECT_EQ(description.lfUnderline, 1);
    EXPECT_EQ(description.lfQuality, 2);
  }
  Ref<StdFont> none;
  LOGFONTA description;
  FontToLogFont(none, description);
  ASSERT_NE(none, nullptr);  // a default font took its place
  EXPECT_EQ(none->Name(), u"MS Sans Serif");
}

TEST_ON_FRESH_THREAD(LogFontToFont, MeasuresTheHeightInPointsOfTheScreen) {
  LOGFONTA description;
  description.lfHeight = -12;
  description.lfWeight = 700;
  description.lfItalic = 255;
  std::strcpy(description.lfFaceName, "Caf\xE9");
  const Ref<StdFont> font = LogFontToFont(description);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Size(), 9);
  EXPECT_EQ(font->Name(), u"Caf\u00E9");
  EXPECT_TRUE(font->Bold());
  EXPECT_TRUE(font->Italic());
  description.lfHeight = 0;
  EXPECT_EQ(LogFontToFont(description), nullptr);
}

TEST_ON_FRESH_THREAD(CreateItemFont, TakesTheFontOfTheItemItsMenuOrTheLibrary) {
  StandardMenus menus;
  Library().globalFont = StdFont::New({.name = u"Arial", .size = 8});
  EXPECT_STREQ(DescriptionOf(CreateItemFont(menus.open, 0, false)).lfFaceName, "Arial");
  menus.FileMenu()->Font(StdFont::New({.name = u"Tahoma", .size = 10}));
  EXPECT_EQ(DescriptionOf(CreateItemFont(menus.open, 0, false)).lfHeight, -13);
  menus.open->Visual()->Font(StdFont::New({.name = u"Vellum Fixed", .size = 12}));
  EXPECT_STREQ(DescriptionOf(CreateItemFont(menus.open, 0, false)).lfFaceName, "Vellum Fixed");
}

TEST_ON_FRESH_THREAD(CreateItemFont, AdjustsTheFontToTheRole) {
  StandardMenus menus;
  Library().globalFont = StdFont::New({.name = u"Tahoma", .size = 8});
  EXPECT_EQ(DescriptionOf(CreateItemFont(menus.open, 0, false)).lfWeight, 400);
  menus.open->Default(true);
  EXPECT_EQ(DescriptionOf(CreateItemFont(menus.open, 0, false)).lfWeight, 700);

  menus.save->SeparatorType(mstCaption);
  const LOGFONTA caption = DescriptionOf(CreateItemFont(menus.save, 0, true));
  EXPECT_EQ(caption.lfWeight, 600);
  EXPECT_EQ(caption.lfHeight, -10);  // -11 + 1.5, halves to even
  EXPECT_EQ(caption.lfUnderline, 0);

  menus.recent->Visual()->SelectionStyle(mssHotTrack);
  EXPECT_EQ(DescriptionOf(CreateItemFont(menus.recent, 0, true)).lfUnderline, 255);
  EXPECT_EQ(DescriptionOf(CreateItemFont(menus.recent, 0, false)).lfUnderline, 0);
  menus.recent->Visual()->SelectionStyle(mssHotTrack | mssBevel);
  EXPECT_EQ(DescriptionOf(CreateItemFont(menus.recent, 0, true)).lfUnderline, 0);

  const auto sidebar = menus.FileMenu()->Sidebar();
  sidebar->Escapement(esc270);
  const LOGFONTA band = DescriptionOf(CreateItemFont(sidebar, 0, false));
  EXPECT_EQ(band.lfEscapement, 2700);
  EXPECT_EQ(band.lfOrientation, 2700);
  EXPECT_EQ(band.lfWeight, 700);
  sidebar->Escapement(static_cast<SidebarEscapementConstants>(2));
  EXPECT_EQ(DescriptionOf(CreateItemFont(sidebar, 0, false)).lfEscapement, 0)
      << "only the two named escapements turn the text";

  // A band hot-tracks like an item: selected, its caption is underlined.
  sidebar->Visual()->SelectionStyle(mssHotTrack);
  EXPECT_EQ(DescriptionOf(CreateItemFont(sidebar, 0, true)).lfUnderline, 255);
  EXPECT_EQ(DescriptionOf(CreateItemFont(sidebar, 0, false)).lfUnderline, 0);
}

TEST_ON_FRESH_THREAD(PictureFromHandle, WrapsBitmapsAndIconsOnly) {
  const HDC screen = GetDC(0);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
  ReleaseDC(0, screen);
  const Ref<StdPicture> picture = PictureFromHandle(bitmap, 0, true);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Type(), PictureType::Bitmap);
  EXPECT_EQ(picture->Width(), 847);
  EXPECT_EQ(PictureFromHandle(bitmap, 3, false), nullptr);
  EXPECT_EQ(PictureFromHandle(12345, 0, false), nullptr);
}

}  // namespace
}  // namespace vellum
