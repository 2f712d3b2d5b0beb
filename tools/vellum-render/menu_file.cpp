#include "menu_file.hpp"

#include "model/menu_lib_global.hpp"
#include "model/menus.hpp"
#include "persist/menu_set_file.hpp"
#include "sample_menus.hpp"
#include "scene.hpp"

namespace vellum::render_tool {
namespace {

Ref<Menus> LoadOrExplain(const std::filesystem::path& path) {
  try {
    return LoadMenuSetFile(path.string());
  } catch (const AutomationError& error) {
    throw RenderError(path.string() + ": " + StringToUtf8(error.Description()));
  }
}

}  // namespace

void SaveSample(const std::filesystem::path& path, MenuDrawStyleBits style) {
  const Ref<Menus> menus = MenuLibGlobal::New()->Menus();
  menus->MenuDrawStyle(style);
  const Ref<Menubar> bar = BuildSampleMenus();
  SaveMenuSetFile(*menus, path.string());
  bar->Destroy();
}

MenuDrawStyleBits CheckMenuFile(const std::filesystem::path& path) {
  return LoadOrExplain(path)->MenuDrawStyle();
}

Ref<Menubar> LoadMenuFile(const std::filesystem::path& path, MenuDrawStyleBits style) {
  const Ref<Menus> menus = LoadOrExplain(path);
  MenuLibGlobal::New()->SetActiveMenuSet(menus);
  menus->MenuDrawStyle(style);
  for (const Ref<Object>& member : menus->MemberList()) {
    if (const auto bar = std::dynamic_pointer_cast<Menubar>(member)) return bar;
  }
  throw RenderError(path.string() + ": the menu set has no menu bar");
}

}  // namespace vellum::render_tool
