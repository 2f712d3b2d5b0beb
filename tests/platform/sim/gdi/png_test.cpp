#include <gtest/gtest.h>
#include <png.h>

#include <fstream>

#include "platform/automation/png_codec.hpp"
#include "platform/platform.hpp"
#include "platform/sim/gdi/memory_canvas.hpp"
#include "platform/sim/gdi/screen.hpp"
#include "support/fresh_thread.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::MemoryCanvas;
using testing::TempPath;

TEST(PngFiles, BitmapRoundTripKeepsSizeAndEveryPixel) {
  MemoryCanvas canvas(3, 2);
  const COLORREF colors[] = {RGB(1, 2, 3),   RGB(255, 0, 0), RGB(0, 255, 0),
                             RGB(0, 0, 255), RGB(0, 0, 0),   RGB(250, 251, 252)};
  for (int i = 0; i < 6; ++i)
    SetPixel(canvas.dc, i % 3, i / 3, colors[i]);
  const std::string path = TempPath("round_trip.png");
  ASSERT_TRUE(sim::SaveBitmapPng(canvas.bitmap, path));

  const HBITMAP loaded = sim::LoadBitmapPng(path);
  ASSERT_NE(loaded, 0u);
  BITMAP info;
  GetObjectA(loaded, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  EXPECT_EQ(sim::BitmapPixels(loaded), std::vector<COLORREF>(std::begin(colors), std::end(colors)));
  DeleteObject(loaded);
}

TEST(PngFiles, TransparentPixelsLoadAsTheLightGreyBackgroundKey) {
  // Two pixels: opaque red, then fully transparent green.
  const std::uint8_t rgba[] = {255, 0, 0, 255, 0, 255, 0, 0};
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = 2;
  image.height = 1;
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  ASSERT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, rgba, 0, nullptr));
  std::vector<std::uint8_t> bytes(size);
  ASSERT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, rgba, 0, nullptr));
  bytes.resize(size);
  const std::string path = TempPath("alpha.png");
  ASSERT_TRUE(WriteFileBytes(path, bytes));

  const HBITMAP loaded = sim::LoadBitmapPng(path);
  EXPECT_EQ(sim::BitmapPixels(loaded), (std::vector<COLORREF>{RGB(255, 0, 0), RGB(192, 192, 192)}));
  DeleteObject(loaded);
}

TEST(PngFiles, BadInputFailsCleanly) {
  const std::string garbage = TempPath("not_a.png");
  std::ofstream(garbage) << "definitely not a picture";
  EXPECT_EQ(sim::LoadBitmapPng(garbage), 0u);
  EXPECT_EQ(sim::LoadBitmapPng(TempPath("missing/none.png")), 0u);
  EXPECT_FALSE(sim::SaveBitmapPng(0x12345, TempPath("x.png")));
  MemoryCanvas canvas(1, 1);
  EXPECT_FALSE(sim::SaveBitmapPng(canvas.bitmap, "/nonexistent-folder/x.png"));
  EXPECT_FALSE(sim::SaveWindowPng(0x12345, TempPath("w.png")));
  EXPECT_FALSE(DecodePng({0x89, 'P', 'N', 'G'}).has_value());
  EXPECT_TRUE(EncodePng(2, 2, {1, 2, 3}).empty()) << "pixel count does not match";
}

TEST(PngFiles, ScreenPictureShowsTheDesktopAndWhatWasDrawnOnIt) {
  testing::OnFreshThread([] {
    sim::SetScreenSize(64, 48);
    const HDC screen = GetDC(0);
    const RECT box{10, 10, 20, 15};
    FillRect(screen, &box, GetStockObject(BLACK_BRUSH));
    ReleaseDC(0, screen);

    const std::string path = TempPath("screen.png");
    ASSERT_TRUE(sim::SaveScreenPng(path));
    const HBITMAP loaded = sim::LoadBitmapPng(path);
    MemoryCanvas view(1, 1);
    SelectObject(view.dc, loaded);
    EXPECT_EQ(GetPixel(view.dc, 0, 0), GetSysColor(COLOR_DESKTOP));
    EXPECT_EQ(GetPixel(view.dc, 10, 10), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(view.dc, 20, 15), GetSysColor(COLOR_DESKTOP));
    EXPECT_EQ(GetPixel(view.dc, 63, 47), GetSysColor(COLOR_DESKTOP));
    SelectObject(view.dc, view.bitmap);
    DeleteObject(loaded);
  });
}

}  // namespace
}  // namespace vellum
