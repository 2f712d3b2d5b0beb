#include "units/scale_numeric.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "platform/sim/gdi/memory_canvas.hpp"
#include "platform/sim/gdi/screen.hpp"
#include "support/error_of.hpp"
#include "support/fresh_thread.hpp"
#include "units/screen_scale.hpp"

namespace vellum {
namespace {

using testing::ErrorOf;

using namespace units;
using testing::OnFreshThread;

TEST_ON_FRESH_THREAD(ScaleNumeric, StartsInTwipsAtTheScreensResolution) {
  sim::SetScreenDpi(120, 144);
  const Ref<ScaleNumeric> scale = ScaleNumeric::New();
  EXPECT_EQ(scale->Units(), kTwips);
  EXPECT_EQ(scale->Value(), 0);
  EXPECT_EQ(scale->Device(), 0u);
  EXPECT_EQ(scale->DpiX(), 120);
  EXPECT_EQ(scale->DpiY(), 144);
}

TEST(ScaleNumeric, TranslatesEveryUnitAt96PixelsPerInch) {
  const Ref<ScaleNumeric> scale = ScaleNumeric::New();
  ASSERT_EQ(scale->DpiX(), 96);
  struct Case {
    double value;
    std::int32_t from, to;
    double expected;
  } cases[] = {
      {2540, kHimetric, kPixels, 96},
      {847, kHimetric, kPixels, 32.0126},
      {32, kPixels, kHimetric, 846.6667},
      {1440, kTwips, kPixels, 96},
      {72, kPoints, kPixels, 96},
      {1, kInches, kPixels, 96},
      {1, kMillimetres, kPixels, 3.7795},
      {3.78, kPixels, kMillimetres, 1.0001},
      {2.54, kCentimetres, kInches, 1},
      {96, kPixels, kTwips, 1440},
      {3, kCharacters, kPixels, 24},
      {25, kPixels, kCharacters, 3},  // 3.125 -> 3
      {2, kCharacters, kTwips, 240},
      {100, kHimetric, kHimetric, 100},
      {100, 9, kPixels, 0},
      {100, kPixels, 9, 0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(scale->DeviceTranslateX(c.value, c.from, c.to), c.expected, 1e-4)
        << c.value << " from " << c.from << " to " << c.to;
  }
  // Down, characters are twice as tall as they are wide.
  EXPECT_EQ(scale->DeviceTranslateY(3, kCharacters, kPixels), 48);
  EXPECT_EQ(scale->DeviceTranslateY(40, kPixels, kCharacters), 2);  // 2.5 -> 2
}

TEST(ScaleNumeric, UnitZeroMeansTheObjectsUnitsButNeverCharacters) {
  const Ref<ScaleNumeric> scale = ScaleNumeric::New();
  scale->Units(kPoints);
  EXPECT_EQ(scale->DeviceTranslateX(72, 0, kPixels), 96);
  EXPECT_EQ(scale->DeviceTranslateX(96, kPixels, 0), 72);
  scale->Units(kCharacters);
  EXPECT_EQ(scale->DeviceTranslateX(5, 0, kPixels), 0);
  EXPECT_EQ(scale->DeviceTranslateX(5, kPixels, 0), 0);
}

TEST(ScaleNumeric, PixelsViewOfTheValue) {
  const Ref<ScaleNumeric> scale = ScaleNumeric::New();
  scale->Units(kCharacters);
  scale->Value(2);
  EXPECT_EQ(scale->AsPixelsX(), 16);
  EXPECT_EQ(scale->AsPixelsY(), 32);
  scale->AsPixelsX(28);  // 3.5 characters round to 4
  EXPECT_EQ(scale->Value(), 4);

  scale->Units(kHimetric);
  scale->AsPixelsY(32);
  EXPECT_NEAR(scale->Value(), 846.6667, 1e-4);
  EXPECT_EQ(scale->AsPixelsY(), 32);
  scale->Value(2540.0 * 2.5 / 96);  // 2.5 pixels rounds to the even 2
  EXPECT_EQ(scale->AsPixelsX(), 2);
}

TEST_ON_FRESH_THREAD(ScaleNumeric, WithoutDirectionAveragesBothResolutions) {
  sim::SetScreenDpi(96, 120);
  const Ref<ScaleNumeric> scale = ScaleNumeric::New();
  EXPECT_EQ(scale->DeviceTranslate(1, kInches, kPixels), 108);
  // (CharsToPixelsY(2) + CharsToPixelsX(2)) / 2 = (40 + 16) / 2
  EXPECT_EQ(scale->DeviceTranslate(2, kCharacters, kPixels), 28);
  // (PixelsToCharsX(30) + PixelsToCharsY(30)) / 2 = (4 + 2) / 2, from 3.75 and 1.5
  EXPECT_EQ(scale->DeviceTranslate(30, kPixels, kCharacters), 3);
}

TEST(ScaleNumeric, DeviceAssignmentReadsThatDevicesResolution) {
  testing::MemoryCanvas canvas(2, 2);
  ASSERT_TRUE(sim::SetDeviceDpi(canvas.dc, 300, 600));
  const Ref<ScaleNumeric> scale = ScaleNumeric::New();
  scale->Device(canvas.dc);
  EXPECT_EQ(scale->DeviceTranslateX(1, kInches, kPixels), 300);
  EXPECT_EQ(scale->DeviceTranslateY(1, kInches, kPixels), 600);
  scale->Device(0);
  EXPECT_EQ(scale->DpiX(), 96);
}

TEST(ScaleNumeric, OverflowsAndDevicesWithoutResolutionFail) {
  const Ref<ScaleNumeric> scale = ScaleNumeric::New();
  struct Case {
    const char* name;
    std::function<void()> call;
    std::int32_t error;
  } cases[] = {
      {"character product beyond 32 bits",
       [&] { scale->DeviceTranslateX(20000000, kCharacters, kPixels); }, error::kOverflow},
      {"characters beyond 32 bits", [&] { scale->DeviceTranslateX(3e9, kCharacters, kPixels); },
       error::kOverflow},
      {"pixels beyond 32 bits", [&] { scale->DeviceTranslateX(1e300, kInches, kCharacters); },
       error::kOverflow},
      {"floating-point overflow", [&] { scale->DeviceTranslateX(1e307, kInches, kPixels); },
       error::kOverflow},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ErrorOf(c.call), c.error) << c.name;

  // A handle the platform does not know reports no resolution.
  scale->Device(0xDEAD);
  EXPECT_EQ(scale->DpiX(), 0);
  EXPECT_EQ(ErrorOf([&] { scale->DeviceTranslateX(10, kPixels, kTwips); }), error::kDivisionByZero);
  EXPECT_EQ(ErrorOf([&] { scale->DeviceTranslateY(10, kPixels, kCharacters); }),
            error::kDivisionByZero);
  EXPECT_EQ(scale->DeviceTranslateX(1440, kTwips, kPixels), 0);  // towards pixels is fine
}

TEST(ScaleNumeric, AnswersByLateBinding) {
  const Ref<ScaleNumeric> scale = ScaleNumeric::New();
  scale->Invoke(u"Units", CallType::PropertyLet, {Variant(kHimetric)});
  EXPECT_EQ(scale->Units(), kHimetric);
  const Variant px = scale->Invoke(u"DeviceTranslateX", CallType::Method,
                                   {Variant(2540.0), Variant(kHimetric), Variant(kPixels)});
  EXPECT_EQ(px.ToDouble(), 96);
}

TEST(ScreenScale, PictureSizesInScreenPixelsRoundedHalfToEven) {
  OnFreshThread([] {
    EXPECT_EQ(HimetricToPixelsX(847), 32);
    EXPECT_EQ(HimetricToPixelsY(847), 32);
    EXPECT_EQ(HimetricToPixelsX(2540.0 * 16.5 / 96), 16);
    EXPECT_EQ(HimetricToPixelsX(2540.0 * 17.5 / 96), 18);
    EXPECT_EQ(&ScreenScale(), &ScreenScale());
  });
  OnFreshThread([] {
    sim::SetScreenDpi(192, 192);  // each thread's instance reads its own screen
    EXPECT_EQ(HimetricToPixelsY(847), 64);
  });
}

}  // namespace
}  // namespace vellum
