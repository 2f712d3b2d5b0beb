#include <gtest/gtest.h>

#include "platform/platform.hpp"
#include "platform/sim/gdi/memory_canvas.hpp"
#include "platform/sim/gdi/screen.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::MemoryCanvas;

constexpr COLORREF kA = RGB(200, 0, 0);
constexpr COLORREF kB = RGB(0, 0, 200);

// A 2 x 2 checker: kA on the diagonal, kB off it.
HBITMAP Checker() {
  const HDC dc = CreateCompatibleDC(0);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 2);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  SetPixel(dc, 0, 0, kA);
  SetPixel(dc, 1, 1, kA);
  SetPixel(dc, 1, 0, kB);
  SetPixel(dc, 0, 1, kB);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

std::string Letters(HBITMAP bitmap) {
  BITMAP info;
  GetObjectA(bitmap, sizeof info, &info);
  const std::vector<COLORREF> pixels = sim::BitmapPixels(bitmap);
  std::string out;
  for (int y = 0; y < info.bmHeight; ++y) {
    for (int x = 0; x < info.bmWidth; ++x) {
      const COLORREF pixel = pixels[static_cast<std::size_t>(y) * info.bmWidth + x];
      out += pixel == kA ? 'A' : pixel == kB ? 'B' : '?';
    }
    out += '\n';
  }
  return out;
}

TEST(CopyImage, ScalesACheckerByRepeatingPixels) {
  const HBITMAP checker = Checker();
  const HANDLE doubled = CopyImage(checker, IMAGE_BITMAP, 4, 4, LR_COPYFROMRESOURCE);
  ASSERT_NE(doubled, 0u);
  EXPECT_NE(doubled, checker);
  EXPECT_EQ(Letters(doubled),
            "AABB\n"
            "AABB\n"
            "BBAA\n"
            "BBAA\n");
  const HANDLE stretched = CopyImage(checker, IMAGE_BITMAP, 6, 2, 0);
  EXPECT_EQ(Letters(stretched),
            "AAABBB\n"
            "BBBAAA\n");
  const HANDLE same = CopyImage(checker, IMAGE_BITMAP, 0, 0, 0);
  EXPECT_EQ(Letters(same), Letters(checker)) << "size 0 keeps the original's";
  for (HANDLE h : {doubled, stretched, same, checker})
    EXPECT_TRUE(DeleteObject(h));
}

TEST(CopyImage, HonoursDeleteAndReturnOriginalFlags) {
  const HBITMAP checker = Checker();
  EXPECT_EQ(CopyImage(checker, IMAGE_BITMAP, 2, 2, LR_COPYRETURNORG), checker);
  const HANDLE copy = CopyImage(checker, IMAGE_BITMAP, 3, 3, LR_COPYDELETEORG);
  ASSERT_NE(copy, 0u);
  EXPECT_EQ(GetObjectType(checker), 0u) << "the original is gone";
  DeleteObject(copy);
}

TEST(CopyImage, FailsForUnknownHandlesAndMismatchedTypes) {
  const HBITMAP checker = Checker();
  const HICON icon = sim::CreateIconFromPixels(1, 1, {kA}, kB);
  EXPECT_EQ(CopyImage(0x12345, IMAGE_BITMAP, 4, 4, 0), 0u);
  EXPECT_EQ(CopyImage(icon, IMAGE_BITMAP, 4, 4, 0), 0u);
  EXPECT_EQ(CopyImage(checker, IMAGE_ICON, 4, 4, 0), 0u);
  EXPECT_EQ(CopyImage(checker, 7, 4, 4, 0), 0u);
  EXPECT_EQ(CopyImage(checker, IMAGE_BITMAP, 1 << 16, 1 << 16, 0), 0u) << "refused, not allocated";
  DestroyIcon(icon);
  DeleteObject(checker);
}

TEST(Icons, ScaledCopiesKeepTheirMask) {
  const HICON icon = sim::CreateIconFromPixels(2, 2, {kA, kB, kB, kA}, kB);  // kB is transparent
  const HANDLE big = CopyImage(icon, IMAGE_ICON, 4, 4, LR_COPYFROMRESOURCE);
  ASSERT_NE(big, 0u);
  MemoryCanvas canvas(4, 4, RGB(9, 9, 9));
  ASSERT_TRUE(DrawStateW(canvas.dc, 0, nullptr, static_cast<LPARAM>(big), 0, 0, 0, 0, 0, DST_ICON));
  EXPECT_EQ(canvas.Picture(kA, 4, 4),
            "##..\n"
            "##..\n"
            "..##\n"
            "..##\n");
  EXPECT_EQ(canvas.Count(RGB(9, 9, 9)), 8) << "masked pixels leave what was there";
  DestroyIcon(icon);
  DestroyIcon(big);
}

TEST(Icons, BuiltFromMaskAndColourBitmapsAndTakenApartAgain) {
  MemoryCanvas color(2, 1, kA);
  MemoryCanvas mask(2, 1, RGB(0, 0, 0));
  SetPixel(mask.dc, 1, 0, RGB(255, 255, 255));  // white: transparent
  ICONINFO info;
  info.hbmColor = color.bitmap;
  info.hbmMask = mask.bitmap;
  const HICON icon = CreateIconIndirect(&info);
  ASSERT_NE(icon, 0u);

  ICONINFO back;
  ASSERT_TRUE(GetIconInfo(icon, &back));
  EXPECT_EQ(sim::BitmapPixels(back.hbmColor), (std::vector<COLORREF>{kA, kA}));
  EXPECT_EQ(sim::BitmapPixels(back.hbmMask), (std::vector<COLORREF>{0, RGB(255, 255, 255)}));
  DeleteObject(back.hbmColor);
  DeleteObject(back.hbmMask);

  ICONINFO missing;
  missing.hbmColor = 0x12345;
  EXPECT_EQ(CreateIconIndirect(&missing), 0u);
  EXPECT_EQ(CreateIconIndirect(nullptr), 0u);
  EXPECT_FALSE(GetIconInfo(color.bitmap, &back));
  EXPECT_EQ(GetObjectType(icon), 0u) << "icons are not graphics objects";

  EXPECT_FALSE(DeleteObject(icon));
  EXPECT_FALSE(DestroyIcon(color.bitmap));
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));
}

TEST(Icons, FromPixelsRejectsMismatchedSizes) {
  EXPECT_EQ(sim::CreateIconFromPixels(2, 2, {kA}, kB), 0u);
  EXPECT_EQ(sim::CreateIconFromPixels(0, 0, {}, kB), 0u);
}

}  // namespace
}  // namespace vellum
