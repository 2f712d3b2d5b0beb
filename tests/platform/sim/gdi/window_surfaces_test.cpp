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

// The window manager paints what the application does not: the frame and title bar, the
// menu-bar row behind the entries, the raised edge of a popup and the arrow of a submenu entry.
TEST(WindowSurfaces, TheWindowManagerPaintsItsOwnPartsInTheSystemColours) {
  testing::OnFreshThread([] {
    sim::SetColorScheme(sim::ColorScheme::Dark);
    const HWND owner = sim::CreateWindow(u"Owner", {0, 0, 400, 300}, GreenOwner);
    const auto layout = sim::LayoutOf(owner);
    const HDC window = GetWindowDC(owner);
    EXPECT_EQ(GetPixel(window, 0, 0), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(GetPixel(window, 1, 1), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(GetPixel(window, 399, 299), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(GetPixel(window, 398, 298), GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(GetPixel(window, 3, 150), GetSysColor(COLOR_ACTIVEBORDER));
    EXPECT_EQ(GetPixel(window, layout->caption.left, layout->caption.top),
              GetSysColor(COLOR_ACTIVECAPTION))
        << "the title bar's gradient starts in the caption colour";
    EXPECT_EQ(GetPixel(window, 200, 150), GetSysColor(COLOR_WINDOW));

    const HMENU bar = CreateMenu();
    const HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_OWNERDRAW, 101, nullptr);
    AppendMenuA(popup, MF_OWNERDRAW | MF_POPUP, static_cast<UINT_PTR>(CreatePopupMenu()), nullptr);
    AppendMenuA(bar, MF_OWNERDRAW | MF_POPUP, static_cast<UINT_PTR>(popup), nullptr);
    SetMenu(owner, bar);
    DrawMenuBar(owner);
    const RECT row = sim::LayoutOf(owner)->menuBar;
    EXPECT_EQ(GetPixel(window, row.right - 1, row.top), GetSysColor(COLOR_MENU))
        << "the row beyond the entries";
    ReleaseDC(owner, window);

    sim::User user;
    user.Run([&] {
      const sim::OpenPopup open = sim::OpenPopups().at(0);
      const HDC surface = open.surface;
      const LONG right = open.screen.right - open.screen.left;
      const LONG bottom = open.screen.bottom - open.screen.top;
      EXPECT_EQ(GetPixel(surface, 0, 0), GetSysColor(COLOR_3DLIGHT));
      EXPECT_EQ(GetPixel(surface, right - 1, bottom - 1), GetSysColor(COLOR_3DDKSHADOW));
      EXPECT_EQ(GetPixel(surface, 2, 2), GetSysColor(COLOR_MENU));
      // Entries are relative to the screen; the arrow's widest column is 12 from the right.
      const auto arrowPixel = [&](const RECT& entry) {
        return GetPixel(surface, entry.right - open.screen.left - 12,
                        (entry.top + entry.bottom) / 2 - open.screen.top);
      };
      EXPECT_EQ(arrowPixel(open.entries.at(1)), RGB(255, 255, 255)) << "white stands out on green";
      EXPECT_EQ(arrowPixel(open.entries.at(0)), kGreen) << "no submenu, no arrow";
    });
    user.ClickMenuBar(owner, 0);
    DestroyMenu(bar);
  });
}

TEST(WindowSurfaces, APartOfTheScreenSavesAsItsOwnPicture) {
  testing::OnFreshThread([] {
    const HWND hWnd = sim::CreateWindow(u"Part", {100, 50, 300, 200});
    const HDC client = GetDC(hWnd);
    Fill(client, {0, 0, 200, 200}, kRed);
    ReleaseDC(hWnd, client);
    const RECT inside = sim::LayoutOf(hWnd)->client;

    const std::string path = testing::TempPath("screen_part.png");
    ASSERT_TRUE(
        sim::SaveScreenPng(path, {inside.left - 5, inside.top, inside.left + 5, inside.top + 2}));
    const HBITMAP bitmap = sim::LoadBitmapPng(path);
    const std::vector<COLORREF> pixels = sim::BitmapPixels(bitmap);
    DeleteObject(bitmap);
    ASSERT_EQ(pixels.size(), 20u);
    EXPECT_EQ(pixels[4], GetSysColor(COLOR_ACTIVEBORDER));
    EXPECT_EQ(pixels[5], kRed);

    const SIZE screen = sim::ScreenSize();
    EXPECT_TRUE(sim::SaveScreenPng(path, {-10, -10, 1, 1})) << "clipped to the screen";
    EXPECT_FALSE(sim::SaveScreenPng(path, {screen.cx, 0, screen.cx + 10, 10}));
    EXPECT_FALSE(sim::SaveScreenPng(path, {10, 10, 10, 20})) << "empty";
  });
}

}  // namespace
}  // namespace vellum::platform
