#include "render/gradient.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "platform/automation/error.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/gdi/memory_canvas.hpp"
#include "platform/sim/gdi/screen.hpp"
#include "render/colors.hpp"
#include "render/multi_gradient.hpp"

namespace vellum {
namespace {

using platform::COLORREF;
using platform::RECT;
using testing::MemoryCanvas;

constexpr COLORREF kPaper = 0x00FF00;  // a colour no gradient below produces

std::vector<COLORREF> Row(const MemoryCanvas& canvas, int y) {
  std::vector<COLORREF> row;
  for (int x = 0; x < canvas.width(); ++x)
    row.push_back(canvas.At(x, y));
  return row;
}

std::vector<COLORREF> Column(const MemoryCanvas& canvas, int x) {
  std::vector<COLORREF> column;
  for (int y = 0; y < canvas.height(); ++y)
    column.push_back(canvas.At(x, y));
  return column;
}

std::vector<COLORREF> AsColorRefs(const std::vector<std::int32_t>& colors) {
  return {colors.begin(), colors.end()};
}

TEST(FillGradient, TenPixelsWidePaintsElevenColumnsTheLastOnTheRightEdge) {
  MemoryCanvas canvas(14, 5, kPaper);
  const std::size_t objects = sim::LiveGdiObjects();
  sim::Calls().Reset();
  FillGradient(canvas.dc, 0x000000, 0xFFFFFF, RECT{2, 1, 12, 4}, false);

  std::vector<COLORREF> expected(2, kPaper);
  for (std::int32_t c : InterpolateColors(0, 0xFFFFFF, 11))
    expected.push_back(static_cast<COLORREF>(c));
  expected.push_back(kPaper);  // column 13 lies beyond rect.right
  EXPECT_EQ(Row(canvas, 1), expected);
  EXPECT_EQ(Row(canvas, 3), expected);
  EXPECT_EQ(Row(canvas, 0), std::vector<COLORREF>(14, kPaper));
  EXPECT_EQ(Row(canvas, 4), std::vector<COLORREF>(14, kPaper));  // bottom stays exclusive
  // One brush per stripe, every one deleted again.
  EXPECT_EQ(sim::Calls().Count("CreateSolidBrush"), 11u);
  EXPECT_EQ(sim::Calls().Count("FillRect"), 11u);
  EXPECT_EQ(sim::LiveGdiObjects(), objects);
}

TEST(FillGradient, VerticalRunsTopToBottomAndResolvesSystemColours) {
  MemoryCanvas canvas(4, 8, kPaper);
  const auto buttonFace = static_cast<std::int32_t>(0x80000000u | platform::COLOR_BTNFACE);
  FillGradient(canvas.dc, buttonFace, 0xFF0000, RECT{0, 1, 3, 6}, true);
  const std::vector<std::int32_t> colors = InterpolateColors(ResolveColor(buttonFace), 0xFF0000, 6);
  std::vector<COLORREF> expected{kPaper};
  expected.insert(expected.end(), colors.begin(), colors.end());
  expected.push_back(kPaper);
  EXPECT_EQ(Column(canvas, 0), expected);
  EXPECT_EQ(Column(canvas, 2), expected);
  EXPECT_EQ(Column(canvas, 3), std::vector<COLORREF>(8, kPaper));  // right stays exclusive
}

TEST(FillGradient, ABandWithoutWidthFailsAndPaintsNothing) {
  MemoryCanvas canvas(6, 6, kPaper);
  const std::size_t objects = sim::LiveGdiObjects();
  struct Case {
    RECT rect;
    std::int32_t error;
  } cases[] = {
      {RECT{3, 0, 3, 5}, error::kDivisionByZero},       // one stripe cannot be interpolated
      {RECT{4, 0, 1, 5}, error::kSubscriptOutOfRange},  // reversed
      {RECT{INT32_MAX - 3, 0, INT32_MAX, 5}, error::kOverflow},  // last stripe leaves 32 bits
      {RECT{-2000000000, 0, 2000000000, 5}, error::kOverflow},   // larger than any device
  };
  for (const Case& c : cases) {
    try {
      FillGradient(canvas.dc, 0, 0xFFFFFF, c.rect, false);
      ADD_FAILURE() << "no error for left " << c.rect.left << " right " << c.rect.right;
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number(), c.error);
    }
  }
  EXPECT_EQ(canvas.Count(kPaper), 36);
  EXPECT_EQ(sim::LiveGdiObjects(), objects);
}

TEST(FillMultiGradient, PaintsTheSpreadStops) {
  MemoryCanvas canvas(12, 3, kPaper);
  const Ref<MultiGradient> gradient = MultiGradient::New();
  gradient->Add(0x0000FF);
  gradient->Add(static_cast<std::int32_t>(0x80000000u | platform::COLOR_HIGHLIGHT));
  gradient->Add(0x00FFFF);
  FillMultiGradient(canvas.dc, *gradient, RECT{0, 0, 10, 3}, false);
  std::vector<COLORREF> expected = AsColorRefs(SpreadStops(gradient->ResolvedColors(), 11));
  expected.push_back(kPaper);
  EXPECT_EQ(Row(canvas, 2), expected);
}

TEST(FillMultiGradient, FailsBeforePaintingWithoutStopsOrWithMoreStopsThanStripes) {
  MemoryCanvas canvas(6, 6, kPaper);
  const Ref<MultiGradient> gradient = MultiGradient::New();
  const auto fill = [&] {
    try {
      FillMultiGradient(canvas.dc, *gradient, RECT{0, 0, 2, 6}, false);
    } catch (const AutomationError& e) {
      return e.Number();
    }
    return 0;
  };
  EXPECT_EQ(fill(), error::kSubscriptOutOfRange);
  for (std::int32_t color : {1, 2, 3, 4})
    gradient->Add(color);  // four stops, three stripes
  EXPECT_EQ(fill(), error::kSubscriptOutOfRange);
  EXPECT_EQ(canvas.Count(kPaper), 36);
}

}  // namespace
}  // namespace vellum
