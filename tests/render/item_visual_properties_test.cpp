#include "render/item_visual_properties.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "platform/platform.hpp"
#include "render/colors.hpp"
#include "render/multi_gradient.hpp"
#include "support/fresh_thread.hpp"

namespace vellum {
namespace {

using Color = ItemVisualProperties::Color;
constexpr Color System(int index) {
  return static_cast<Color>(0x80000000u | index);
}

TEST(ItemVisualProperties, StartsWithTheDefaultLook) {
  testing::OnFreshThread([] {
    auto visual = ItemVisualProperties::New();
    EXPECT_EQ(visual->ItemForeground(), System(7));
    EXPECT_EQ(visual->ItemBackground(), System(4));
    EXPECT_EQ(visual->SelectForeground(), System(14));
    EXPECT_EQ(visual->SelectBackground(), System(13));
    EXPECT_EQ(visual->ItemBkGradient(), -1);
    EXPECT_EQ(visual->ItemCheckBackground(), System(12));
    const auto hot = static_cast<Color>(platform::GetSysColor(platform::COLOR_HOTLIGHT));
    EXPECT_EQ(visual->RunnerColor(), MixColor(0xBBFFFF, hot));
    EXPECT_EQ(visual->RunnerSelection(), MixColor(0xAFAFAF, hot));
    EXPECT_TRUE(visual->ScaleImages());
    EXPECT_EQ(visual->ImageScaleWidth(), 16);
    EXPECT_EQ(visual->PictureVAlign(), ppCenter);
  });
}

TEST(ItemVisualProperties, SelectionStylesRemapOnlyDefaultColours) {
  struct Case {
    std::int32_t style;
    Color foreground;
    Color background;
  };
  const Case cases[] = {
      {mssHotTrack, 0xFF0000, System(4)},
      {mssHotTrack | mssFlat, 0xFF0000, System(24)},
      {mssColor | mssBevel, System(14), System(13)},  // 65 is neither 0/1/3 nor a flat frame
      {mssColor, System(14), System(13)},
  };
  for (const Case& c : cases) {
    testing::OnFreshThread([&c] {
      auto visual = ItemVisualProperties::New();
      visual->SelectionStyle(c.style);
      EXPECT_EQ(visual->SelectForeground(), c.foreground) << c.style;
      EXPECT_EQ(visual->SelectBackground(), c.background) << c.style;
    });
  }
  testing::OnFreshThread([] {
    auto visual = ItemVisualProperties::New();
    visual->SelectionStyle(mssHotTrack);
    visual->SelectionStyle(mssColor);  // back again
    EXPECT_EQ(visual->SelectForeground(), System(14));
    EXPECT_EQ(visual->SelectBackground(), System(13));
    visual->SelectForeground(0x00FF00);  // a host's own colour is never touched
    visual->SelectionStyle(mssHotTrack);
    EXPECT_EQ(visual->SelectForeground(), 0x00FF00);
  });
}

TEST(ItemVisualProperties, ClearStyleCopiesTheItemColoursOnce) {
  testing::OnFreshThread([] {
    auto visual = ItemVisualProperties::New();
    visual->ItemBackground(0x123456);
    visual->MultiGradient()->Add(0x0000FF);
    visual->MultiGradient()->Add(0x00FF00);
    visual->SelectionStyle(mssClear);
    EXPECT_EQ(visual->SelectBackground(), 0x123456);
    EXPECT_EQ(visual->SelMultiGradient()->Count(), 2);
    EXPECT_EQ(visual->SelMultiGradient()->Color(2), 0x00FF00);
    visual->ItemBackground(0x654321);
    EXPECT_EQ(visual->SelectBackground(), 0x123456);
  });
}

TEST(ItemVisualProperties, AnnouncesEveryLetExceptUnchangedWrapLimitAndStyle) {
  testing::OnFreshThread([] {
    auto visual = ItemVisualProperties::New();
    std::vector<String> heard;
    visual->PropertyChanged.Connect([&](const String& name) { heard.push_back(name); });
    visual->TextAlign(taLeft);  // the same value still announces
    visual->WrapLimit(0);       // unchanged: nothing
    visual->SelectionStyle(mssDefault);
    visual->WrapLimit(120);
    visual->SizeImage(0);
    EXPECT_TRUE(visual->ScaleImages());  // the height is still 16
    visual->SizeImage(0, 0);
    EXPECT_FALSE(visual->ScaleImages());
    visual->UserSize(30, 20);
    EXPECT_EQ(heard, (std::vector<String>{u"TextAlign", u"WrapLimit", u"ImageScale", u"ImageScale",
                                          u"UserSize"}));
  });
}

TEST(ItemVisualProperties, ABuddyHearsTheChangesInsteadOfTheEvent) {
  testing::OnFreshThread([] {
    auto visual = ItemVisualProperties::New();
    int events = 0;
    std::vector<String> heard;
    visual->PropertyChanged.Connect([&](const String&) { ++events; });
    auto buddy = HostObject::New();
    buddy->Define(u"ItemVisualProperties_PropertyChanged", [&](Invocation& call) {
      heard.push_back(call.Arg(0).ToString());
      return Variant();
    });
    visual->BuddyObject(buddy);
    visual->RunnerColor(0xFF);
    auto font = StdFont::New();
    visual->Font(font);
    font->Bold(true);
    EXPECT_EQ(heard, (std::vector<String>{u"RunnerColor", u"Font", u"Font.Bold"}));
    EXPECT_EQ(events, 0);
  });
}

}  // namespace
}  // namespace vellum
