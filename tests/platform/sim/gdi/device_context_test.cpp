#include <gtest/gtest.h>

#include "platform/platform.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/gdi/memory_canvas.hpp"
#include "platform/sim/gdi/screen.hpp"
#include "platform/sim/surfaces.hpp"
#include "support/fresh_thread.hpp"

namespace vellum {
namespace {

using namespace platform;
using testing::MemoryCanvas;
using testing::OnFreshThread;

TEST(MemoryDC, StartsWithOnePixelStockBitmapAndStockObjects) {
  const HDC dc = CreateCompatibleDC(0);
  ASSERT_NE(dc, 0u);
  BITMAP bitmap;
  ASSERT_EQ(GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap),
            static_cast<int>(sizeof bitmap));
  EXPECT_EQ(bitmap.bmWidth, 1);
  EXPECT_EQ(bitmap.bmHeight, 1);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(GetPixel(dc, 1, 0), CLR_INVALID);  // one pixel only
  EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
}

TEST(SelectObject, ReturnsWhatItDisplacedOfTheSameKind) {
  const HDC dc = CreateCompatibleDC(0);
  const HBITMAP stockBitmap = GetCurrentObject(dc, OBJ_BITMAP);
  const HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  const HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
  LOGFONTA description = testing::Font("Tahoma", -11);
  const HFONT font = CreateFontIndirectA(&description);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);

  EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
  EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(SelectObject(dc, bitmap), stockBitmap);
  EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_PEN)), pen);
  EXPECT_EQ(SelectObject(dc, stockBitmap), bitmap);

  for (HGDIOBJ object : {static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(font)})
    SelectObject(dc, object);
  DeleteDC(dc);
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(brush),
                         static_cast<HGDIOBJ>(font), static_cast<HGDIOBJ>(bitmap)})
    EXPECT_TRUE(DeleteObject(object)) << "deleting the DC deselects everything";
}

TEST(SelectObject, FailsForUnknownHandlesIconsAndBitmapsInUseElsewhere) {
  MemoryCanvas canvas(4, 4);
  const HDC other = CreateCompatibleDC(0);
  const HICON icon = sim::CreateIconFromPixels(1, 1, {0}, RGB(255, 255, 255));

  EXPECT_EQ(SelectObject(canvas.dc, 0x12345), HGDI_ERROR);
  EXPECT_EQ(SelectObject(0x12345, GetStockObject(BLACK_PEN)), HGDI_ERROR);
  EXPECT_EQ(SelectObject(canvas.dc, icon), HGDI_ERROR);
  EXPECT_EQ(SelectObject(other, canvas.bitmap), HGDI_ERROR) << "a bitmap lives in one DC";
  EXPECT_EQ(SelectObject(canvas.dc, other), HGDI_ERROR) << "a DC is not an object";

  DestroyIcon(icon);
  DeleteDC(other);
}

TEST(DeleteObject, RefusesSelectedObjectsAndKeepsStockObjects) {
  MemoryCanvas canvas(4, 4);
  const HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
  const HGDIOBJ previous = SelectObject(canvas.dc, brush);
  EXPECT_FALSE(DeleteObject(brush));
  EXPECT_FALSE(DeleteObject(canvas.bitmap));
  SelectObject(canvas.dc, previous);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_FALSE(DeleteObject(brush)) << "already gone";

  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_BRUSH)), OBJ_BRUSH) << "stock objects stay";
  EXPECT_FALSE(DeleteObject(0));
}

TEST(DeleteObject, CreatingAndDeletingLeavesNothingBehind) {
  const std::size_t objects = sim::LiveGdiObjects();
  const std::size_t dcs = sim::LiveDeviceContexts();
  {
    MemoryCanvas canvas(8, 8);
    const HPEN pen = CreatePen(PS_SOLID, 2, 0);
    LOGFONTA description = testing::Font("Arial", -12);
    const HFONT font = CreateFontIndirectA(&description);
    EXPECT_EQ(sim::LiveGdiObjects(), objects + 3);
    EXPECT_EQ(sim::LiveDeviceContexts(), dcs + 1);
    DeleteObject(pen);
    DeleteObject(font);
  }
  EXPECT_EQ(sim::LiveGdiObjects(), objects);
  EXPECT_EQ(sim::LiveDeviceContexts(), dcs);
}

TEST(CreateCompatibleBitmap, ZeroSizeGivesTheStockBitmapAndBadInputFails) {
  const HDC dc = CreateCompatibleDC(0);
  EXPECT_EQ(CreateCompatibleBitmap(dc, 0, 5), GetCurrentObject(dc, OBJ_BITMAP));
  EXPECT_EQ(CreateCompatibleBitmap(dc, -1, 5), 0u);
  EXPECT_EQ(CreateCompatibleBitmap(dc, 1 << 20, 1 << 20), 0u) << "refused, not allocated";
  EXPECT_EQ(CreateCompatibleBitmap(0x4242, 4, 4), 0u);
  DeleteDC(dc);
}

TEST(GetObjectA, DescribesFontsBitmapsPensAndBrushes) {
  LOGFONTA description = testing::Font("Vellum Fixed", -13, FW_BOLD);
  description.lfItalic = 255;
  description.lfEscapement = 900;
  const HFONT font = CreateFontIndirectA(&description);
  LOGFONTA back;
  EXPECT_EQ(GetObjectA(font, sizeof back, &back), static_cast<int>(sizeof back));
  EXPECT_EQ(back.lfHeight, -13);
  EXPECT_EQ(back.lfWeight, FW_BOLD);
  EXPECT_EQ(back.lfItalic, 255);
  EXPECT_EQ(back.lfEscapement, 900);
  EXPECT_STREQ(back.lfFaceName, "Vellum Fixed");
  EXPECT_EQ(GetObjectA(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTA)));
  EXPECT_EQ(GetObjectA(font, sizeof back - 1, &back), 0) << "buffer too small";

  MemoryCanvas canvas(7, 3);
  BITMAP bitmap;
  ASSERT_GT(GetObjectA(canvas.bitmap, sizeof bitmap, &bitmap), 0);
  EXPECT_EQ(bitmap.bmWidth, 7);
  EXPECT_EQ(bitmap.bmHeight, 3);
  EXPECT_EQ(bitmap.bmBitsPixel, 32);
  EXPECT_EQ(bitmap.bmWidthBytes, 28);

  const HPEN pen = CreatePen(PS_SOLID, 2, RGB(1, 2, 3));
  LOGPEN logPen;
  ASSERT_GT(GetObjectA(pen, sizeof logPen, &logPen), 0);
  EXPECT_EQ(logPen.lopnWidth.x, 2);
  EXPECT_EQ(logPen.lopnColor, RGB(1, 2, 3));

  const LOGBRUSH solid{BS_SOLID, RGB(7, 8, 9), 0};
  const HBRUSH brush = CreateBrushIndirect(&solid);
  LOGBRUSH logBrush;
  ASSERT_GT(GetObjectA(brush, sizeof logBrush, &logBrush), 0);
  EXPECT_EQ(logBrush.lbColor, RGB(7, 8, 9));

  EXPECT_EQ(GetObjectA(0x999999, sizeof back, &back), 0);
  for (HGDIOBJ object :
       {static_cast<HGDIOBJ>(font), static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(brush)})
    DeleteObject(object);
}

TEST(ObjectCreation, RejectsWhatTheSimCannotDraw) {
  const LOGBRUSH hatched{BS_HATCHED, 0, 1};
  EXPECT_EQ(CreateBrushIndirect(&hatched), 0u);
  EXPECT_EQ(CreateBrushIndirect(nullptr), 0u);
  EXPECT_EQ(CreateFontIndirectA(nullptr), 0u);
  EXPECT_EQ(CreatePen(42, 1, 0), 0u);
  EXPECT_EQ(GetStockObject(99), 0u);
}

TEST(DCAttributes, SettersReturnThePreviousValueAndFailOnUnknownDCs) {
  MemoryCanvas canvas(1, 1);
  const HDC dc = canvas.dc;
  EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
  EXPECT_EQ(SetBkMode(dc, 7), 0) << "not a mode";
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EXPECT_EQ(SetBkColor(dc, RGB(1, 2, 3)), RGB(255, 255, 255));
  EXPECT_EQ(SetTextColor(dc, RGB(4, 5, 6)), RGB(0, 0, 0));
  EXPECT_EQ(SetTextAlign(dc, TA_RIGHT | TA_BOTTOM), TA_LEFT | TA_TOP);
  EXPECT_EQ(GetTextAlign(dc), TA_RIGHT | TA_BOTTOM);

  const HDC unknown = 0x7777;
  EXPECT_EQ(SetBkMode(unknown, OPAQUE), 0);
  EXPECT_EQ(SetBkColor(unknown, 0), CLR_INVALID);
  EXPECT_EQ(SetTextColor(unknown, 0), CLR_INVALID);
  EXPECT_EQ(SetTextAlign(unknown, 0), GDI_ERROR);
  POINT origin;
  EXPECT_FALSE(GetDCOrgEx(unknown, &origin));
  EXPECT_EQ(GetDeviceCaps(unknown, LOGPIXELSX), 0);
}

TEST_ON_FRESH_THREAD(GetDeviceCaps, ReportsScreenAndPerDeviceResolution) {
  const HDC screen = GetDC(0);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
  EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 1024);
  EXPECT_EQ(GetDeviceCaps(screen, VERTRES), 768);

  const HDC memory = CreateCompatibleDC(screen);
  ASSERT_TRUE(sim::SetDeviceDpi(memory, 120, 144));
  EXPECT_EQ(GetDeviceCaps(memory, LOGPIXELSX), 120);
  EXPECT_EQ(GetDeviceCaps(memory, LOGPIXELSY), 144);
  const HDC copy = CreateCompatibleDC(memory);
  EXPECT_EQ(GetDeviceCaps(copy, LOGPIXELSY), 144) << "a compatible DC takes its model's";
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);

  sim::SetScreenDpi(192, 192);
  sim::SetScreenSize(800, 600);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 192);
  EXPECT_EQ(GetDeviceCaps(memory, LOGPIXELSX), 120);
  EXPECT_EQ(GetDeviceCaps(memory, HORZRES), 800);
  EXPECT_FALSE(sim::SetDeviceDpi(0x5555, 1, 1));
  DeleteDC(copy);
  DeleteDC(memory);
  ReleaseDC(0, screen);
}

TEST(ScreenDC, IsBorrowedFromGetDCAndReleasedOnlyByReleaseDC) {
  const HDC screen = GetDC(0);
  ASSERT_NE(screen, 0u);
  POINT origin{5, 5};
  EXPECT_TRUE(GetDCOrgEx(screen, &origin));
  EXPECT_EQ(origin, (POINT{0, 0}));
  EXPECT_NE(GetPixel(screen, 0, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(screen, 1024, 0), CLR_INVALID);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 2, 2);
  EXPECT_EQ(SelectObject(screen, bitmap), HGDI_ERROR) << "bitmaps go into memory DCs only";
  DeleteObject(bitmap);
  EXPECT_FALSE(DeleteDC(screen));
  EXPECT_EQ(ReleaseDC(0, screen), 1);
  EXPECT_EQ(ReleaseDC(0, screen), 0);

  const HDC memory = CreateCompatibleDC(0);
  EXPECT_EQ(ReleaseDC(0, memory), 0) << "memory DCs are deleted, not released";
  DeleteDC(memory);
  EXPECT_EQ(GetDC(0x31337), 0u) << "no such window";
  EXPECT_EQ(GetWindowDC(0x31337), 0u);
}

TEST(SurfaceDC, KeepsItsOwnPixelsAndScreenOrigin) {
  const HDC surface = sim::detail::CreateSurfaceDC(30, 20, {100, 50});
  ASSERT_NE(surface, 0u);
  POINT origin;
  ASSERT_TRUE(GetDCOrgEx(surface, &origin));
  EXPECT_EQ(origin, (POINT{100, 50}));
  EXPECT_EQ(SetPixel(surface, 29, 19, RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(surface, 29, 19), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(surface, 30, 19), CLR_INVALID);
  EXPECT_FALSE(DeleteDC(surface)) << "the window manager destroys its surfaces";
  sim::detail::DestroySurfaceDC(surface);
  EXPECT_EQ(GetPixel(surface, 0, 0), CLR_INVALID);
}

TEST_ON_FRESH_THREAD(CallLog, RecordsBoundaryCallsWithTheirArguments) {
  MemoryCanvas canvas(2, 2);
  sim::Calls().Reset();
  const RECT rect{0, 0, 1, 1};
  FillRect(canvas.dc, &rect, static_cast<HBRUSH>(COLOR_MENU + 1));
  SetPixel(canvas.dc, 1, 1, 0);
  SetPixel(canvas.dc, 0, 1, 0);
  EXPECT_EQ(sim::Calls().Count("SetPixel"), 2u);
  ASSERT_EQ(sim::Calls().Count("FillRect"), 1u);
  EXPECT_NE(sim::Calls().Arguments("FillRect")[0].find("rc=(0,0,1,1)"), std::string::npos);
}

}  // namespace
}  // namespace vellum
