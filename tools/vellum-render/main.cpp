// vellum-render: renders the embedded sample menus (or a saved menu set) on the simulated screen
// and writes PNG pictures of them, with the popups open as a user would open them. Prints the
// files written.
//
//   vellum-render                                  the sample's tour, both draw styles
//   vellum-render --style xp --open "File>Recent Files" --hover "2 todo.txt" --out pictures
//   vellum-render --hover Edit                     the bar with Edit hot-lit under the mouse
//   vellum-render --keys "Alt+F"                   File opened from the keyboard
//   vellum-render --save my-menus.json             the sample as a menu-set file to start from
//   vellum-render my-menus.json                    a saved set, in the style it was saved in
#include <cstdio>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "menu_file.hpp"
#include "platform/automation/error.hpp"
#include "scene.hpp"

namespace {

using vellum::render_tool::Scene;

// The pictures a run without --open takes: every popup of the bar, the nested ones included,
// each with the mouse on an entry that shows the selection look.
std::vector<Scene> SampleTour() {
  return {{{"File"}, "Save", {}},       {{"File", "Recent Files"}, "2 todo.txt", {}},
          {{"Edit"}, "Replace...", {}}, {{"View", "Zoom"}, "Zoom In", {}},
          {{"Help"}, "Contents", {}},   {{"System"}, "Close", {}}};
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vellum::render_tool;

  CLI::App app{"Renders the embedded sample menus to PNG pictures on the simulated screen.",
               "vellum-render"};
  std::vector<std::string> styleNames;
  std::string open;
  std::string hover;
  std::string keys;
  std::string schemeName = "classic";
  std::string out = "vellum-render";
  const std::map<std::string, vellum::MenuDrawStyleBits> styles = {{"office", vellum::mdsOffice},
                                                                   {"xp", vellum::mdsOfficeXP}};
  const std::map<std::string, vellum::sim::ColorScheme> schemes = {
      {"classic", vellum::sim::ColorScheme::Classic},
      {"dark", vellum::sim::ColorScheme::Dark},
      {"high-contrast", vellum::sim::ColorScheme::HighContrast}};
  app.add_option("--style", styleNames, "Draw style: office or xp (default: both)")
      ->check(CLI::IsMember(styles))
      ->take_all();
  app.add_option("--open", open,
                 "Popups to open, as a path of captions or keys: \"File>Recent Files\"; "
                 "\"System\" opens the window's system menu");
  app.add_option("--hover", hover,
                 "The entry the mouse rests on: of the innermost open popup, or, without --open, "
                 "of the menu bar (hot-lit)");
  app.add_option("--keys", keys,
                 "Keystrokes that open the menus from the keyboard, with underlined mnemonics: "
                 "\"Alt+F\", \"F10 Right Down\", \"Alt Down Enter\" (Alt, F10 or Alt+letter "
                 "first; then Up, Down, Left, Right, Enter, Esc or letters)");
  app.add_option("--scheme", schemeName, "System colours: classic, dark or high-contrast")
      ->check(CLI::IsMember(schemes));
  app.add_option("--out", out, "Folder the pictures are written to")->capture_default_str();
  std::string menuFile;
  std::string saveFile;
  app.add_option("file", menuFile,
                 "A saved menu set to render instead of the sample (default style: its own)");
  app.add_option("--save", saveFile,
                 "Write the sample, built in the one --style given (default office), as a "
                 "menu-set file, and render nothing")
      ->excludes("file");
  CLI11_PARSE(app, argc, argv);

  try {
    if (!saveFile.empty()) {
      if (styleNames.size() > 1)
        throw RenderError("--save writes one draw style: give one --style");
      SaveSample(saveFile, styles.at(styleNames.empty() ? "office" : styleNames.front()));
      std::printf("%s\n", saveFile.c_str());
      return 0;
    }
    if (!menuFile.empty() && styleNames.empty()) {
      // Checked whole before any picture is taken; drawn in its own style unless told otherwise.
      const vellum::MenuDrawStyleBits saved = CheckMenuFile(menuFile);
      for (const auto& [name, style] : styles) {
        if (style == saved) styleNames = {name};
      }
      if (styleNames.empty()) throw RenderError(menuFile + ": unknown draw style; give --style");
    }
  } catch (const RenderError& error) {
    std::fprintf(stderr, "vellum-render: %s\n", error.what());
    return 2;
  } catch (const vellum::AutomationError& error) {
    std::fprintf(stderr, "vellum-render: %s\n", vellum::StringToUtf8(error.Description()).c_str());
    return 1;
  }

  if (styleNames.empty()) styleNames = {"office", "xp"};
  // Without --open, --hover or --keys the sample's tour.
  const std::vector<Scene> scenes = open.empty() && hover.empty() && keys.empty()
                                        ? SampleTour()
                                        : std::vector<Scene>{{SplitMenuPath(open), hover, keys}};

  try {
    for (const std::string& style : styleNames) {
      const std::string prefix = style + (schemeName == "classic" ? "" : "-" + schemeName) + "-";
      const RenderJob job{styles.at(style), schemes.at(schemeName), out, prefix, scenes, menuFile};
      for (const auto& file : RenderSample(job))
        std::printf("%s\n", file.string().c_str());
    }
  } catch (const RenderError& error) {
    std::fprintf(stderr, "vellum-render: %s\n", error.what());
    return 2;
  } catch (const vellum::AutomationError& error) {
    std::fprintf(stderr, "vellum-render: %s\n", vellum::StringToUtf8(error.Description()).c_str());
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vellum-render: %s\n", error.what());
    return 1;
  }
  return 0;
}
