#pragma once
// vellum-render's menu-set files: the embedded sample written to one, so that a user can start
// from it, and a saved set loaded to be rendered in place of the sample.

#include <filesystem>

#include "model/menubar.hpp"

namespace vellum::render_tool {

// Builds the sample in `style` in the thread's active set and writes the set to `path`.
void SaveSample(const std::filesystem::path& path, MenuDrawStyleBits style);

// Loads the whole file once and returns the draw style it was saved in. RenderError, naming the
// file and what is wrong with it, when it does not load.
MenuDrawStyleBits CheckMenuFile(const std::filesystem::path& path);

// Loads the file into a new set, makes it the thread's active set, drawn in `style`, and
// returns its first menu bar (RenderError when it has none).
Ref<Menubar> LoadMenuFile(const std::filesystem::path& path, MenuDrawStyleBits style);

}  // namespace vellum::render_tool
