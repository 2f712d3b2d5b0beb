// Windows and open popups paint into surfaces of their own; window DCs reach them with the
// platform's origins, and the screen picture composes them, open menus included.
#include <gtest/gtest.h>

#include "memory_canvas.hpp"
#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "support/fresh_thread.hpp"

namespace vellum::platform {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 200, 0);

void Fill(HDC dc, RECT rect, COLORREF color) {
  const HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

// An owner that makes every entry 50 x 20 and paints it green.
LRESULT GreenOwner(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MEASUREITEM) {
    auto* request = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    request->itemWidth = 50;
    request->itemHeight = 20;
    return TRUE;
  }
  if (message == WM_DRAWITEM) {
    const auto* request = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    Fill(request->hDC, request->rcItem, kGreen);
    return TRUE;
  }
  return DefWindowProcA(hWnd, message, wParam, lParam);
}

COLORREF ScreenPixel(const std::string& path, int x, int y) {
  const HBITMAP bitmap = sim::LoadBitmapPng(path);
  const std::vector<COLORREF> pixels = sim::BitmapPixels(bitmap);
  DeleteObject(bitmap);
  return pixels.at(static_cast<std::size_t>(y * sim::ScreenSize().cx + x));
}

TEST(WindowSurfaces, WindowAndClientDCsHaveThePlatformsOrigins) {
  testing::OnFreshThread([] {
    const HWND hWnd = sim::CreateWindow(u"Surfaces", {100, 50, 300, 200});
    const auto layout = sim::LayoutOf(hWnd);
    ASSERT_TRUE(layout.has_value());

    const HDC window = GetWindowDC(hWnd);
    POINT origin;
    GetDCOrgEx(window, &origin);
    EXPECT_EQ(origin, (POINT{100, 50}));
    Fill(window, {0, 0, 10, 10}, kRed);
    EXPECT_EQ(GetPixel(window, 9, 9), kRed);

    const HDC client = GetDC(hWnd);
    GetDCOrgEx(client, &origin);
    EXPECT_EQ(origin, (POINT{layout->client.left, layout->client.top}));
    Fill(client, {0, 0, 1, 1}, kBlue);
    EXPECT_EQ(GetPixel(window, layout->client.left - 100, layout->client.top - 50), kBlue);
    ReleaseDC(hWnd, client);
    ReleaseDC(hWnd, window);

    const std::string path = testing::TempPath("window_surfaces.png");
    ASSERT_TRUE(sim::SaveScreenPng(path));
    EXPECT_EQ(ScreenPixel(path, 105, 55), kRed);
  });
}

TEST(WindowSurfaces, TheScreenShowsAnOpenPopupOnlyWhileItIsOpen) {
  testing::OnFreshThread([] {
    const HWND owner = sim::CreateWindow(u"Owner", {0, 0, 400, 300}, GreenOwner);
    const HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_OWNERDRAW, 101, nullptr);
    const std::string open = testing::TempPath("popup_open.png");
    const std::string closed = testing::TempPath("popup_closed.png");
    RECT shown{};
    sim::User user;
    user.Run([&] {
      shown = sim::OpenPopups().at(0).entries.at(0);
      sim::SaveScreenPng(open);
    });
    TrackPopupMenu(popup, TPM_RETURNCMD, 200, 150, 0, owner, nullptr);
    sim::SaveScreenPng(closed);

    const int x = (shown.left + shown.right) / 2;
    const int y = (shown.top + shown.bottom) / 2;
    EXPECT_EQ(ScreenPixel(open, x, y), kGreen);
    EXPECT_NE(ScreenPixel(closed, x, y), kGreen);
    DestroyMenu(popup);
  });
}

}  // namespace
}  // namespace vellum::platform
