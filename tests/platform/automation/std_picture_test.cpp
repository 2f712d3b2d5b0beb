#include "platform/automation/std_picture.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/platform.hpp"
#include "platform/sim/gdi/memory_canvas.hpp"
#include "platform/sim/gdi/screen.hpp"
#include "support/error_of.hpp"

namespace vellum {
namespace {

using testing::ErrorOf;

using namespace platform;
using testing::MemoryCanvas;
using testing::TempPath;

// A bitmap of the given size with a distinct colour per pixel; the caller owns it.
HBITMAP PatternBitmap(int width, int height) {
  const HDC dc = CreateCompatibleDC(0);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      SetPixel(dc, x, y, RGB(x * 7, y * 7, 100));
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

TEST(StdPicture, SizeIsInHimetricAtTheScreenResolution) {
  const HBITMAP bitmap = PatternBitmap(32, 16);
  auto picture = StdPicture::FromHandle(bitmap, PictureType::Bitmap, true);
  EXPECT_EQ(picture->Type(), PictureType::Bitmap);
  EXPECT_EQ(picture->Handle(), bitmap);
  EXPECT_EQ(picture->Width(), 847);
  EXPECT_EQ(picture->Height(), 423);
  EXPECT_EQ(picture->Invoke(u"width", CallType::PropertyGet, {}).ToLong(), 847);
  EXPECT_EQ(picture->DefaultValue().ToLong(), static_cast<std::int32_t>(bitmap));
  EXPECT_EQ(PixelsToHimetric(96, 96), 2540);
  EXPECT_EQ(PixelsToHimetric(32, 120), 677);
}

TEST(StdPicture, DeletesTheHandleOnlyWhenItOwnsIt) {
  const HBITMAP kept = PatternBitmap(2, 2);
  const HBITMAP owned = PatternBitmap(2, 2);
  const HICON icon = sim::CreateIconFromPixels(1, 1, {0}, RGB(255, 255, 255));
  {
    auto borrowed = StdPicture::FromHandle(kept, PictureType::Bitmap, false);
    auto taken = StdPicture::FromHandle(owned, PictureType::Bitmap, true);
    auto iconPicture = StdPicture::FromHandle(icon, PictureType::Icon, true);
    EXPECT_EQ(iconPicture->Type(), PictureType::Icon);
    EXPECT_EQ(iconPicture->Width(), 26);
  }
  EXPECT_EQ(GetObjectType(kept), OBJ_BITMAP);
  EXPECT_EQ(GetObjectType(owned), 0u);
  EXPECT_FALSE(DestroyIcon(icon)) << "already destroyed by its picture";
  DeleteObject(kept);
}

TEST(StdPicture, RefusesHandlesThatAreNotImagesOfTheirType) {
  const HBITMAP bitmap = PatternBitmap(2, 2);
  const HICON icon = sim::CreateIconFromPixels(1, 1, {0}, RGB(255, 255, 255));
  EXPECT_EQ(ErrorOf([&] { StdPicture::FromHandle(0x12345, PictureType::Bitmap, false); }), 481);
  EXPECT_EQ(ErrorOf([&] { StdPicture::FromHandle(icon, PictureType::Bitmap, false); }), 481);
  EXPECT_EQ(ErrorOf([&] { StdPicture::FromHandle(bitmap, PictureType::Icon, false); }), 481);
  EXPECT_EQ(ErrorOf([&] { StdPicture::FromHandle(bitmap, PictureType::Metafile, false); }), 481);
  EXPECT_EQ(StdPicture::New()->Type(), PictureType::None);
  DestroyIcon(icon);
  DeleteObject(bitmap);
}

TEST(StdPicture, LoadsAPngFileAsAnOwnedBitmap) {
  const HBITMAP source = PatternBitmap(5, 3);
  const std::string path = TempPath("picture.png");
  ASSERT_TRUE(sim::SaveBitmapPng(source, path));
  HBITMAP handle = 0;
  {
    auto picture = StdPicture::LoadPng(path);
    handle = picture->Handle();
    EXPECT_EQ(picture->Type(), PictureType::Bitmap);
    EXPECT_EQ(picture->Width(), PixelsToHimetric(5, 96));
    EXPECT_EQ(sim::BitmapPixels(handle), sim::BitmapPixels(source));
  }
  EXPECT_EQ(GetObjectType(handle), 0u);

  const std::string garbage = TempPath("garbage.png");
  std::ofstream(garbage) << "no picture here";
  EXPECT_EQ(ErrorOf([&] { StdPicture::LoadPng(garbage); }), 481);
  EXPECT_EQ(ErrorOf([&] { StdPicture::LoadPng(TempPath("absent/none.png")); }), 53);
  DeleteObject(source);
}

// Writes the picture into a bag, through JSON into another bag, and reads it back.
Ref<StdPicture> RoundTrip(const Ref<StdPicture>& picture) {
  auto bag = PropertyBag::New();
  bag->WriteProperty(u"Picture", picture);
  auto loaded = PropertyBag::New();
  loaded->FromJson(bag->ToJson());
  return loaded->ReadProperty(u"Picture").ToObjectOf<StdPicture>();
}

TEST(StdPicturePersistence, BitmapsComeBackWithTheirPixelsInANewHandle) {
  auto picture = StdPicture::FromHandle(PatternBitmap(4, 3), PictureType::Bitmap, true);
  auto back = RoundTrip(picture);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Type(), PictureType::Bitmap);
  EXPECT_NE(back->Handle(), picture->Handle());
  EXPECT_TRUE(back->OwnsHandle());
  EXPECT_EQ(back->Width(), picture->Width());
  EXPECT_EQ(sim::BitmapPixels(back->Handle()), sim::BitmapPixels(picture->Handle()));
}

TEST(StdPicturePersistence, IconsKeepTheirMask) {
  const COLORREF hole = RGB(9, 9, 9);
  auto picture = StdPicture::FromHandle(
      sim::CreateIconFromPixels(2, 1, {RGB(0, 0, 255), hole}, hole), PictureType::Icon, true);
  auto back = RoundTrip(picture);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Type(), PictureType::Icon);
  MemoryCanvas canvas(2, 1, RGB(255, 0, 0));
  ASSERT_TRUE(DrawStateW(canvas.dc, 0, nullptr, static_cast<LPARAM>(back->Handle()), 0, 0, 0, 0, 0,
                         DST_ICON));
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At(1, 0), RGB(255, 0, 0)) << "the masked pixel stays transparent";
}

TEST(StdPicturePersistence, EmptyPicturesAndDamagedDataReadAsTheyShould) {
  auto empty = RoundTrip(StdPicture::New());
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Type(), PictureType::None);

  auto damaged = PropertyBag::New();
  damaged->WriteProperty(u"Type", std::int16_t{1});
  damaged->WriteProperty(u"Png", u"not base64!");
  auto picture = StdPicture::New();
  EXPECT_EQ(ErrorOf([&] { picture->ReadProperties(*damaged); }), 481);
  EXPECT_EQ(picture->Type(), PictureType::None) << "unchanged by a failed read";
}

}  // namespace
}  // namespace vellum
