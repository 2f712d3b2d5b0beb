// The kernel and system information: MulDiv's rounding and failures, the settable platform
// version, the non-client metrics, and which addresses RtlMoveMemory agrees to follow.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "recording_owner.hpp"
#include "support/fresh_thread.hpp"

namespace vellum::platform {
namespace {

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZeroAndFailsWithMinusOne) {
  const struct {
    int number, numerator, denominator, result;
  } cases[] = {
      {8, 96, 72, 11},
      {-11, 72, 96, -8},
      {1, 3, 2, 2},
      {-1, 3, 2, -2},
      {1, -3, 2, -2},
      {-1, -3, 2, 2},
      {7, 1, 2, 4},
      {5, 1, 4, 1},
      {10, 10, 10, 10},
      {5, 1, 0, -1},
      {INT_MAX, 2, 2, INT_MAX},
      {INT_MAX, 2, 1, -1},
      {INT_MIN, 1, -1, -1},
      {INT_MIN, 1, 1, INT_MIN},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.result)
        << c.number << " * " << c.numerator << " / " << c.denominator;
  }
}

TEST(PlatformVersion, DefaultsToFivePointOneNtAndCanBeSet) {
  testing::OnFreshThread([] {
    OSVERSIONINFOA version;
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_EQ(version.dwMajorVersion, 5u);
    EXPECT_EQ(version.dwMinorVersion, 1u);
    EXPECT_EQ(version.dwPlatformId, VER_PLATFORM_WIN32_NT);
    sim::SetPlatformVersion(5, 0);
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_EQ(version.dwMinorVersion, 0u);
    version.dwOSVersionInfoSize = 0;
    EXPECT_FALSE(GetVersionExA(&version));
    EXPECT_FALSE(GetVersionExA(nullptr));
  });
}

TEST(NonClientMetrics, AnswersA340ByteRecordWithAnEightPointSansMenuFont) {
  NONCLIENTMETRICSA metrics;
  metrics.cbSize = 340;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0));
  EXPECT_STREQ(metrics.lfMenuFont.lfFaceName, "Tahoma");
  EXPECT_EQ(metrics.lfMenuFont.lfHeight, -11);
  EXPECT_EQ(metrics.lfMenuFont.lfWeight, 400);
  EXPECT_EQ(metrics.lfCaptionFont.lfWeight, 700);
  EXPECT_GT(metrics.iMenuHeight, 0);

  metrics.cbSize = 344;
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0));
  metrics.cbSize = 340;
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0));
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, nullptr, 0));
  EXPECT_FALSE(SystemParametersInfoA(0x30, 340, &metrics, 0));
}

TEST(MoveMemory, FollowsOnlyAddressesTheSimHandedOutAndStillOwns) {
  const ULONG_PTR text = sim::StoreWideText(u"Hi");
  char16_t copy[3] = {u'x', u'x', u'x'};
  RtlMoveMemory(copy, reinterpret_cast<const void*>(text), sizeof copy);
  EXPECT_EQ(String(copy, 2), u"Hi");
  EXPECT_EQ(copy[2], 0);

  char overrun[8] = "xxxxxxx";
  RtlMoveMemory(overrun, reinterpret_cast<const void*>(text), sizeof overrun);
  EXPECT_STREQ(overrun, "xxxxxxx") << "a range beyond the block is refused";

  sim::ReleaseText(text);
  copy[0] = u'x';
  RtlMoveMemory(copy, reinterpret_cast<const void*>(text), 2);
  EXPECT_EQ(copy[0], u'x');

  const char source[] = "abc";
  char destination[4] = "xyz";
  RtlMoveMemory(destination, source, sizeof source);
  EXPECT_STREQ(destination, "xyz") << "neither side is the sim's";
}

TEST(MoveMemory, ARequestRecordIsReadableAndWritableWhileItIsBeingSent) {
  testing::OnFreshThread([] {
    const HWND owner = sim::CreateWindow(u"Owner", {0, 0, 300, 200}, &testing::RecordingProc);
    LPARAM address = 0;
    testing::Recorder().handler = [&](HWND, UINT message, WPARAM,
                                      LPARAM lParam) -> std::optional<LRESULT> {
      if (message != WM_MEASUREITEM) return std::nullopt;
      address = lParam;
      MEASUREITEMSTRUCT request;
      RtlMoveMemory(&request, reinterpret_cast<const void*>(lParam), sizeof request);
      request.itemWidth = request.itemID;  // the answer travels back through the same address
      RtlMoveMemory(reinterpret_cast<void*>(lParam), &request, sizeof request);
      return TRUE;
    };
    const HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_OWNERDRAW, 77, nullptr);
    std::vector<sim::OpenPopup> open;
    sim::User().Run([&] { open = sim::OpenPopups(); });
    TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr);
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].entries[0].right - open[0].entries[0].left, 77 + 14);  // and a check mark

    MEASUREITEMSTRUCT stale;
    stale.itemID = 5;
    RtlMoveMemory(&stale, reinterpret_cast<const void*>(address), sizeof stale);
    EXPECT_EQ(stale.itemID, 5u) << "after the call the record is gone";
  });
}

}  // namespace
}  // namespace vellum::platform
