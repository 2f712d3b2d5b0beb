// Copies of items and sidebars go through a fresh bag: every saved property, the picture, the
// style with its gradient and the accelerator reach the other object, which keeps its own ID.
#include <gtest/gtest.h>

#include "accel/accelerator.hpp"
#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "platform/automation/std_picture.hpp"
#include "platform/platform.hpp"
#include "render/item_visual_properties.hpp"
#include "render/multi_gradient.hpp"
#include "sample_pictures.hpp"
#include "support/fresh_thread.hpp"
#include "support/menu_fixture.hpp"

namespace vellum {
namespace {

using testing::OnFreshThread;

TEST_ON_FRESH_THREAD(CopyItem, CopiesPictureGradientAndAcceleratorToANewItem) {
  testing::StandardMenus menus;
  const Ref<MenuItem> save = menus.save;
  save->Picture(render_tool::MakeSamplePicture(render_tool::SamplePicture::Save));
  save->Visual()->MultiGradient()->Add(0x0000FF);
  save->Visual()->MultiGradient()->Add(0xFF0000);
  save->Accelerator()->AccelWord(u"Ctrl+S");
  save->Tag(u"saves");

  const Ref<MenuItem> copy = save->CopyItem(Missing, true);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, save);
  EXPECT_NE(copy->ItemId(), save->ItemId());
  EXPECT_EQ(copy->Parent(), nullptr);
  EXPECT_EQ(copy->Caption(), u"&Save");
  EXPECT_EQ(copy->Tag(), u"saves");
  const auto picture = std::dynamic_pointer_cast<StdPicture>(copy->Picture());
  ASSERT_NE(picture, nullptr);
  EXPECT_NE(picture, save->Picture());
  EXPECT_EQ(picture->Width(), std::static_pointer_cast<StdPicture>(save->Picture())->Width());
  EXPECT_NE(copy->Visual(), save->Visual());
  EXPECT_EQ(copy->Visual()->Item(), copy);
  EXPECT_EQ(copy->Visual()->MultiGradient()->Colors(),
            (std::vector<std::int32_t>{0x0000FF, 0xFF0000}));
  EXPECT_NE(copy->Accelerator(), save->Accelerator());
  EXPECT_EQ(copy->Accelerator()->AccelWord(), u"Ctrl+S");
  // The source is as it was.
  EXPECT_EQ(save->Accelerator()->Table(), menus.FileMenu()->Accelerators());
}

TEST_ON_FRESH_THREAD(CopyItem, IntoThisItemFromAnotherAndWithoutArgumentsFromABlankOne) {
  testing::StandardMenus menus;
  menus.recent1->Caption(u"&Recent notes");
  menus.recent1->Checked(true);
  // From another item into this one, which stays where it is.
  const Ref<MenuItem> returned = menus.open->CopyItem(menus.recent1);
  EXPECT_EQ(returned, menus.recent1);
  EXPECT_EQ(menus.open->Caption(), u"&Recent notes");
  EXPECT_TRUE(menus.open->Checked());
  EXPECT_EQ(menus.open->Parent(), menus.FileMenu());
  EXPECT_EQ(menus.open->NativeInfo().state & platform::MFS_CHECKED, platform::MFS_CHECKED);

  const Ref<MenuItem> blank = menus.save->CopyItem();
  EXPECT_EQ(menus.save->Caption(), u"");
  EXPECT_EQ(blank->Caption(), u"");
  EXPECT_EQ(menus.save->Parent(), menus.FileMenu());
}

TEST_ON_FRESH_THREAD(CopyItem, ASidebarCopiesItsBandToAnother) {
  testing::StandardMenus menus;
  const Ref<Sidebar> band = menus.FileMenu()->Sidebar();
  band->Caption(u"Vellum");
  band->Visual()->ItemBkGradient(0x804020);
  band->Visible(true);
  const Ref<Sidebar> other = menus.RecentMenu()->Sidebar();
  EXPECT_EQ(band->CopyItem(other, true), other);
  EXPECT_EQ(other->Caption(), u"Vellum");
  EXPECT_EQ(other->Visual()->ItemBkGradient(), 0x804020);
  EXPECT_TRUE(other->Visible());
  // Shown in its own popup: the band and its break stand first.
  EXPECT_EQ(platform::GetMenuItemCount(menus.RecentMenu()->hMenu()), 4);
  EXPECT_NE(band->CopyItem(), nullptr);
  EXPECT_EQ(band->Caption(), u"");
}

}  // namespace
}  // namespace vellum
