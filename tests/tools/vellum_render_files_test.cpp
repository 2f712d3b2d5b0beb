// vellum-render and menu-set files, as a user runs it: --save writes the sample the project
// ships, a saved file renders the very pictures the embedded sample does, and a file that does
// not load fails with one line and writes no picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/tool_run.hpp"

namespace vellum {
namespace {

namespace fs = std::filesystem;
using testing::Quoted;
using testing::ScratchDir;
using testing::ToolRun;

ToolRun Render(const std::string& arguments) {
  return testing::RunTool(VELLUM_RENDER_PATH, arguments);
}

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The pictures of a run, by file name, with their bytes.
std::vector<std::pair<std::string, std::string>> Pictures(const ToolRun& run) {
  std::vector<std::pair<std::string, std::string>> pictures;
  for (const std::string& line : run.Lines())
    pictures.emplace_back(fs::path(line).filename().string(), Contents(line));
  return pictures;
}

TEST(VellumRenderFiles, SaveWritesTheSampleTheProjectShips) {
  const fs::path file = ScratchDir("save") / "sample.json";
  const ToolRun run = Render("--save " + Quoted(file));
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.Lines(), std::vector<std::string>{file.string()});
  const std::string shipped = Contents(fs::path(VELLUM_EXAMPLES_DIR) / "sample-menus.json");
  ASSERT_FALSE(shipped.empty());
  EXPECT_TRUE(Contents(file) == shipped)
      << "examples/sample-menus.json is not what --save writes: run vellum-render --save "
         "examples/sample-menus.json";
}

TEST(VellumRenderFiles, ASavedSampleRendersTheSamePicturesAsTheEmbeddedOneInItsStyle) {
  for (const std::string style : {"office", "xp"}) {
    SCOPED_TRACE(style);
    const fs::path dir = ScratchDir("files-" + style);
    ASSERT_EQ(Render("--save " + Quoted(dir / "sample.json") + " --style " + style).exitCode, 0);
    // The file renders in the style it was saved in.
    const ToolRun fromFile = Render(Quoted(dir / "sample.json") + " --out " + Quoted(dir / "file"));
    const ToolRun embedded = Render("--style " + style + " --out " + Quoted(dir / "embedded"));
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.output;
    ASSERT_EQ(embedded.exitCode, 0) << embedded.output;
    const auto loaded = Pictures(fromFile);
    ASSERT_EQ(loaded.size(), 6u) << fromFile.output;
    const auto original = Pictures(embedded);
    ASSERT_EQ(loaded.size(), original.size());
    for (std::size_t i = 0; i < loaded.size(); ++i) {
      EXPECT_EQ(loaded[i].first, original[i].first);
      // The window's system menu is the window's own, without the sample's entry.
      if (loaded[i].first.ends_with("-system.png")) continue;
      EXPECT_TRUE(loaded[i].second == original[i].second) << loaded[i].first << " differs";
    }
  }
}

TEST(VellumRenderFiles, AFileThatDoesNotLoadGetsOneLineAndNoPicture) {
  const fs::path dir = ScratchDir("bad-files");
  std::ofstream(dir / "not-json.json") << "{\n  \"format\": \"vellum-menu-set\",\n  oops\n}\n";
  std::ofstream(dir / "other.json") << R"({"format": "vellum-property-bag", "version": 1,
                                          "properties": []})";
  std::ofstream(dir / "mistyped.json") << R"({"format": "vellum-menu-set", "version": 1,
      "properties": [{"name": "Count", "type": "String", "value": "one"}]})";
  const struct {
    const char* file;
    const char* message;
  } cases[] = {
      {"absent.json", "Cannot open"},
      {"not-json.json", "not valid JSON"},
      {"other.json", "not \"vellum-menu-set\""},
      {"mistyped.json", "\"Count\" is String(\"one\"), not a 32-bit integer"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const fs::path out = dir / "out";
    const ToolRun run = Render(Quoted(dir / c.file) + " --out " + Quoted(out));
    EXPECT_NE(run.exitCode, 0);
    ASSERT_EQ(run.Lines().size(), 1u) << run.output;
    EXPECT_EQ(run.Lines()[0].rfind("vellum-render: " + (dir / c.file).string() + ": ", 0), 0u)
        << run.output;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(out)) << "a picture was written";
  }
}

}  // namespace
}  // namespace vellum
