#include "render/colors.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "platform/automation/error.hpp"
#include "platform/platform.hpp"
#include "support/error_of.hpp"

namespace vellum {
namespace {

using testing::ErrorOf;

using Colors = std::vector<std::int32_t>;

TEST(ResolveColor, PlainColoursPassAndSystemColoursAreLookedUpByTheirLowElevenBits) {
  EXPECT_EQ(ResolveColor(0xFF0000), 0xFF0000);
  EXPECT_EQ(ResolveColor(static_cast<std::int32_t>(0x80000012u)),
            static_cast<std::int32_t>(platform::GetSysColor(18)));
  // Bits above the index are ignored: 0x80000812 still names index 18.
  EXPECT_EQ(ResolveColor(static_cast<std::int32_t>(0x80000812u)),
            static_cast<std::int32_t>(platform::GetSysColor(18)));
}

TEST(MixColor, AveragesEachChannelWithHalvesToEven) {
  struct Case {
    std::int32_t a, b, mixed;
  } cases[] = {
      {0xBBFFFF, 0, 0x5E8080},         // 127.5 -> 128, 93.5 -> 94
      {0x010101, 0, 0x000000},         // 0.5 -> 0
      {0x030303, 0, 0x020202},         // 1.5 -> 2
      {0xFF0000, 0x0000FF, 0x800080},  // channels do not leak into each other
      {0x123456, 0x123456, 0x123456},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MixColor(c.a, c.b), c.mixed) << std::hex << c.a << " with " << c.b;
}

TEST(InterpolateColors, RunsFromFirstToLastRoundingHalvesToEven) {
  EXPECT_EQ(InterpolateColors(0, 0xFFFFFF, 3), (Colors{0, 0x808080, 0xFFFFFF}));
  EXPECT_EQ(InterpolateColors(0xFFFFFF, 0, 2), (Colors{0xFFFFFF, 0}));
  // Red rising 0 -> 3 over 5 entries: 0, 0.75, 1.5, 2.25, 3; blue falling 4 -> 0 by 1.
  EXPECT_EQ(InterpolateColors(0x040000, 0x000003, 5),
            (Colors{0x040000, 0x030001, 0x020002, 0x010002, 0x000003}));
}

TEST(InterpolateColors, FailsWithoutTwoEntries) {
  EXPECT_EQ(ErrorOf([] { InterpolateColors(0, 1, 1); }), error::kDivisionByZero);
  EXPECT_EQ(ErrorOf([] { InterpolateColors(0, 1, 0); }), error::kSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([] { InterpolateColors(0, 1, -4); }), error::kSubscriptOutOfRange);
}

TEST(SpreadStops, ThreeStopsOverOneHundredMeetOnEntryThirtyThree) {
  const Colors stops{0x000000, 0x0000FF, 0xFF0000};
  const Colors spread = SpreadStops(stops, 100);
  ASSERT_EQ(spread.size(), 100u);
  const Colors first = InterpolateColors(stops[0], stops[1], 34);
  const Colors second = InterpolateColors(stops[1], stops[2], 67);
  EXPECT_EQ(Colors(spread.begin(), spread.begin() + 34), first);
  EXPECT_EQ(Colors(spread.begin() + 33, spread.end()), second);
}

TEST(SpreadStops, DegenerateCounts) {
  const Colors two{0x102030, 0xF0E0D0};
  EXPECT_EQ(SpreadStops(two, 17), InterpolateColors(two[0], two[1], 17));
  const Colors three{1, 2, 3};
  EXPECT_EQ(SpreadStops(three, 3), three);
  EXPECT_TRUE(SpreadStops(three, 2).empty());
  EXPECT_TRUE(SpreadStops(three, -1).empty());
  EXPECT_TRUE(SpreadStops({}, 10).empty());
}

TEST(SpreadStops, OneStopFillsTheBandWithItsColour) {
  EXPECT_EQ(SpreadStops(Colors{0x336699}, 4), (Colors{0x336699, 0x336699, 0x336699, 0x336699}));
  EXPECT_EQ(SpreadStops(Colors{0x336699}, 1), (Colors{0x336699}));
}

// With many stops over a short band the regular segments would run past the end (9 over 15
// would write entries 15 and 16; 6 over 9 would leave a last segment of one entry).
TEST(SpreadStops, ManyStopsOverAShortBandSitEvenlyInsideTheResult) {
  struct Case {
    std::int32_t stops, count;
  } cases[] = {{6, 9}, {7, 11}, {10, 15}, {8, 13}};
  for (const Case& c : cases) {
    Colors stops;
    for (std::int32_t k = 0; k < c.stops; ++k)
      stops.push_back(0x100000 * (k + 1));
    const Colors spread = SpreadStops(stops, c.count);
    ASSERT_EQ(spread.size(), static_cast<std::size_t>(c.count)) << c.stops << " over " << c.count;
    EXPECT_EQ(spread.front(), stops.front());
    EXPECT_EQ(spread.back(), stops.back());
    // Every stop shows, in order, each where the even layout puts it.
    for (std::int32_t k = 0; k < c.stops; ++k) {
      const double at = static_cast<double>(k) * (c.count - 1) / (c.stops - 1);
      EXPECT_EQ(spread[static_cast<std::size_t>(std::nearbyint(at))], stops[k])
          << "stop " << k << " of " << c.stops << " over " << c.count;
    }
  }
}

}  // namespace
}  // namespace vellum
