#pragma once
// What one picture shows: the popups open along a path from the menu bar and the entry the
// mouse rests on (a bar entry, hot-lit, when no popup is open), or the menus the keyboard
// opened.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/menu_constants.hpp"
#include "platform/sim/gdi/screen.hpp"

namespace vellum::render_tool {

struct Scene {
  std::vector<std::string> path;  // captions or keys, from the menu bar down; empty: bar only
  std::string hover;  // an entry of the innermost open popup, or of the bar; empty: none
  std::string keys;   // keystrokes that open the menus instead: "Alt+F", "F10 Right Down"
};

struct RenderJob {
  MenuDrawStyleBits style = mdsOffice;
  sim::ColorScheme scheme = sim::ColorScheme::Classic;
  std::filesystem::path outDir;
  std::string filePrefix;  // each file is named filePrefix + SceneStem(scene) + ".png"
  std::vector<Scene> scenes;
  std::filesystem::path menuFile;  // a saved menu set to render; empty: the embedded sample
};

// A name that matches no entry, a menu file that does not load, or a picture that could not be
// written.
class RenderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "File>Recent Files" -> {"File", "Recent Files"}; blanks around each name are dropped.
std::vector<std::string> SplitMenuPath(const std::string& text);

// A file-name stem for a path: "File>Recent Files" -> "file-recent-files".
std::string SceneName(const std::vector<std::string>& path);
// A file-name stem for a scene: its path's, "bar-edit" for a hot-lit bar entry, "keys-alt-f"
// for keystrokes.
std::string SceneStem(const Scene& scene);

// Renders the embedded sample (or the job's menu file) once per scene, on a thread of its own so
// that the sim and the library start fresh, and returns the files written, in scene order. Every
// name is checked before the first picture is taken. Throws RenderError.
std::vector<std::filesystem::path> RenderSample(const RenderJob& job);

}  // namespace vellum::render_tool
