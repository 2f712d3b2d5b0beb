// vellum-render as a user runs it: the sample's tour writes a picture of every popup in both
// draw styles, the options pick style, scheme, popups and hovered entry, and a bad name fails
// with a message that says which.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <numeric>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "support/fresh_thread.hpp"
#include "support/tool_run.hpp"

namespace vellum {
namespace {

namespace fs = std::filesystem;
using platform::COLORREF;
using platform::RGB;

using testing::Quoted;
using testing::ToolRun;

ToolRun RenderTool(const std::string& arguments) {
  return testing::RunTool(VELLUM_RENDER_PATH, arguments);
}

// A fresh folder for one test's pictures.
fs::path OutDir(const std::string& name) {
  const char* dir = std::getenv("VELLUM_TEST_TMPDIR");
  const fs::path folder = fs::path(dir && *dir ? dir : "/tmp") / "vellum-render" / name;
  fs::remove_all(folder);
  return folder;
}

// The distinct colours of a PNG file, read back through the sim (on a thread of its own, so
// that the test's own sim state is not touched).
std::set<COLORREF> ColorsOf(const fs::path& file) {
  std::set<COLORREF> colors;
  testing::OnFreshThread([&] {
    const platform::HBITMAP bitmap = sim::LoadBitmapPng(file.string());
    for (COLORREF pixel : sim::BitmapPixels(bitmap))
      colors.insert(pixel);
    platform::DeleteObject(bitmap);
  });
  return colors;
}

constexpr COLORREF kClassicHighlight = RGB(10, 36, 106);  // selection band of the Office style
constexpr COLORREF kTooltipYellow = RGB(255, 255, 225);   // selection band of the XP style
constexpr COLORREF kDarkDesktop = RGB(20, 20, 24);
constexpr COLORREF kDarkTooltip = RGB(45, 45, 48);  // the XP selection band in the dark scheme

TEST(VellumRender, TheSampleTourPicturesEveryPopupInBothStyles) {
  const fs::path out = OutDir("tour");
  const ToolRun run = RenderTool("--out " + Quoted(out));
  ASSERT_EQ(run.exitCode, 0) << run.output;

  std::vector<std::string> expected;
  for (const char* style : {"office", "xp"}) {
    for (const char* scene : {"file", "file-recent-files", "edit", "view-zoom", "help", "system"})
      expected.push_back((out / (std::string(style) + "-" + scene + ".png")).string());
  }
  EXPECT_EQ(run.Lines(), expected) << "the paths of the pictures written, one per line";

  for (const std::string& file : expected) {
    ASSERT_TRUE(fs::exists(file)) << file;
    const std::set<COLORREF> colors = ColorsOf(file);
    EXPECT_GT(colors.size(), 32u) << file << " is blank or nearly so";
    const bool office = fs::path(file).filename().string().starts_with("office-");
    EXPECT_EQ(colors.count(office ? kClassicHighlight : kTooltipYellow), 1u)
        << file << " shows no entry under the mouse in its style's selection colour";
  }
}

TEST(VellumRender, OptionsPickStyleSchemePopupsAndTheEntryUnderTheMouse) {
  const fs::path out = OutDir("options");
  const ToolRun run = RenderTool(
      "--style xp --scheme dark --open ' file > recent files ' --hover '2 TODO.TXT' --out " +
      Quoted(out));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const fs::path file = out / "xp-dark-file-recent-files.png";
  EXPECT_EQ(run.Lines(), std::vector<std::string>{file.string()});
  const std::set<COLORREF> colors = ColorsOf(file);
  EXPECT_EQ(colors.count(kDarkDesktop), 1u) << "the dark scheme's desktop";
  EXPECT_EQ(colors.count(kDarkTooltip), 1u) << "2 todo.txt under the mouse";
  EXPECT_EQ(colors.count(kTooltipYellow), 0u) << "no colour of the classic scheme";
  EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 1);
}

// The pixels of a PNG file, read back through the sim.
std::vector<COLORREF> PixelsOf(const fs::path& file) {
  std::vector<COLORREF> pixels;
  testing::OnFreshThread([&] {
    const platform::HBITMAP bitmap = sim::LoadBitmapPng(file.string());
    pixels = sim::BitmapPixels(bitmap);
    platform::DeleteObject(bitmap);
  });
  return pixels;
}

TEST(VellumRender, AHoverWithoutAPopupLightsThatBarEntry) {
  const fs::path out = OutDir("bar-hover");
  for (const char* entry : {"Edit", "Help"}) {
    const ToolRun run =
        RenderTool(std::string("--style office --hover ") + entry + " --out " + Quoted(out));
    ASSERT_EQ(run.exitCode, 0) << run.output;
  }
  const std::vector<COLORREF> edit = PixelsOf(out / "office-bar-edit.png");
  const std::vector<COLORREF> help = PixelsOf(out / "office-bar-help.png");
  ASSERT_EQ(edit.size(), help.size());
  // Only the two entries differ: each picture lights its own, in the raised hot-light frame.
  const auto differing = std::inner_product(edit.begin(), edit.end(), help.begin(), std::size_t{0},
                                            std::plus<>(), std::not_equal_to<>());
  EXPECT_GT(differing, 40u);
  EXPECT_LT(differing, 400u);
}

TEST(VellumRender, KeysOpenTheMenusFromTheKeyboard) {
  const fs::path out = OutDir("keys");
  const ToolRun run = RenderTool("--style office --keys 'F10, Right, Down' --out " + Quoted(out));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const fs::path file = out / "office-keys-f10-right-down.png";
  EXPECT_EQ(run.Lines(), std::vector<std::string>{file.string()});
  // Edit is open with its first entry, Undo Typing, selected.
  EXPECT_EQ(ColorsOf(file).count(kClassicHighlight), 1u);

  const ToolRun altF = RenderTool("--style office --keys Alt+F --out " + Quoted(out));
  ASSERT_EQ(altF.exitCode, 0) << altF.output;
  EXPECT_GT(ColorsOf(out / "office-keys-alt-f.png").size(), 32u) << "File's popup is shown";
}

TEST(VellumRender, ABadNameFailsWithAMessageThatSaysWhichAndWritesNothing) {
  const struct {
    const char* arguments;
    const char* message;
  } cases[] = {
      {"--open 'File>Nope'", "no entry \"Nope\" in \"File\""},
      {"--open 'Edit>Cut'", "no popup opens from \"Edit>Cut\""},
      {"--open 'File>'", "no entry \"\" in \"File\""},
      {"--open Help --hover Nope", "no entry \"Nope\" in \"Help\""},
      {"--hover Save", "no entry \"Save\" in the menu bar"},
      {"--keys Ctrl+F", "--keys must begin with Alt, F10 or Alt+letter"},
      {"--keys 'Alt+F Sideways'", "unknown key \"sideways\" in --keys"},
      {"--keys Alt+F --open File", "--keys opens the menus itself"},
      {"--keys 'Alt+F Esc Esc'", "no menu was open after the keys"},
      {"--style vga", "vga"},
      {"--scheme sepia", "sepia"},
  };
  for (const auto& c : cases) {
    const fs::path out = OutDir("bad");
    const ToolRun run = RenderTool(std::string(c.arguments) + " --out " + Quoted(out));
    EXPECT_NE(run.exitCode, 0) << c.arguments;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << c.arguments << ": " << run.output;
    EXPECT_FALSE(fs::exists(out) && !fs::is_empty(out)) << c.arguments;
  }
}

}  // namespace
}  // namespace vellum
