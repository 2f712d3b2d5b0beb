#include "model/library_state.hpp"

#include <gtest/gtest.h>

#include "model/menus.hpp"
#include "support/menu_fixture.hpp"

namespace vellum {
namespace {

using testing::OnFreshThread;

TEST_ON_FRESH_THREAD(LibraryStartUp, TakesTheMenuFontAndStartsAnEmptyInactiveSet) {
  const LibraryState& state = Library();
  ASSERT_NE(state.globalFont, nullptr);
  EXPECT_EQ(state.globalFont->Name(), u"Tahoma");
  EXPECT_EQ(state.globalFont->Size(), 8);  // -11 pixels at 96 per inch is 8.25 points
  ASSERT_NE(state.activeMenus, nullptr);
  EXPECT_EQ(state.activeMenus->Count(), 0);
  EXPECT_FALSE(state.activeMenus->Active());
  EXPECT_EQ(state.versionNumber, 501);
  EXPECT_EQ(DefaultKey(4680), u"_H1248");
}

// Menus that are still registered when the thread ends go with the library's state, while the
// platform's tables they talk to are still there.
TEST(LibraryStartUp, MenusLeftAtThreadEndAreTornDownCleanly) {
  OnFreshThread([] { testing::StandardMenus menus; });
}

}  // namespace
}  // namespace vellum
