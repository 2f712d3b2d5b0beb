#include "scene.hpp"

#include <algorithm>
#include <cctype>
#include <exception>
#include <thread>

#include "items/menu_item.hpp"
#include "items/sub_menu.hpp"
#include "menu_file.hpp"
#include "model/menu_lib_global.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "platform/sim/sim.hpp"
#include "platform/user32.hpp"
#include "sample_menus.hpp"

namespace vellum::render_tool {

namespace {

using platform::RECT;

// Where the sample's window stands; popups may reach beyond it onto the desktop.
constexpr RECT kWindowBounds = {24, 24, 24 + 520, 24 + 340};
// Desktop shown around the window and the popups in every picture.
constexpr int kMargin = 16;

std::string Trim(const std::string& text) {
  const auto isBlank = [](unsigned char c) { return std::isspace(c) != 0; };
  auto first = std::find_if_not(text.begin(), text.end(), isBlank);
  auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
  return first < last ? std::string(first, last) : std::string();
}

// An entry of `menu` whose key or plain caption is `name`, ignoring case.
Ref<MenuItem> FindEntry(const Menu& menu, const std::string& name) {
  const String wanted = FoldCase(Utf8ToString(name));
  for (const Ref<MenuItem>& item : menu.ItemList()) {
    if (FoldCase(item->Key()) == wanted || FoldCase(item->CaptionPlain()) == wanted) return item;
  }
  return nullptr;
}

std::string Describe(const std::vector<std::string>& path, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i)
    text += (i ? ">" : "") + path[i];
  return text.empty() ? "the menu bar" : "\"" + text + "\"";
}

// The entries a scene names, resolved from the bar down.
struct ResolvedScene {
  std::vector<Ref<MenuItem>> path;
  Ref<MenuItem> hover;
};

// Every name on the path must open a popup, and the hovered entry must be in the last one.
ResolvedScene Resolve(const Menubar& bar, const Scene& scene) {
  ResolvedScene resolved;
  const Menu* menu = &bar;
  for (std::size_t i = 0; i < scene.path.size(); ++i) {
    Ref<MenuItem> item = FindEntry(*menu, scene.path[i]);
    if (!item) {
      throw RenderError("no entry \"" + scene.path[i] + "\" in " + Describe(scene.path, i));
    }
    const Ref<SubMenu> popup = item->SubMenu();
    if (!popup || !popup->AnyItemVisible()) {
      throw RenderError("no popup opens from " + Describe(scene.path, i + 1));
    }
    resolved.path.push_back(item);
    menu = popup.get();
  }
  if (!scene.hover.empty()) {
    if (scene.path.empty()) throw RenderError("--hover needs an open popup: name one with --open");
    resolved.hover = FindEntry(*menu, scene.hover);
    if (!resolved.hover) {
      throw RenderError("no entry \"" + scene.hover + "\" in " +
                        Describe(scene.path, scene.path.size()));
    }
  }
  return resolved;
}

// The position of the bar entry with this command ID, or -1.
int BarPosition(platform::HMENU bar, std::int32_t itemId) {
  const int count = platform::GetMenuItemCount(bar);
  for (int position = 0; position < count; ++position) {
    platform::MENUITEMINFOW info;
    info.cbSize = platform::MENUITEMINFO_SIZE_WITHOUT_BITMAP;
    info.fMask = platform::MIIM_ID;
    if (platform::GetMenuItemInfoW(bar, static_cast<platform::UINT>(position), platform::TRUE,
                                   &info) &&
        static_cast<std::int32_t>(info.wID) == itemId) {
      return position;
    }
  }
  return -1;
}

platform::UINT CommandOf(const Ref<MenuItem>& item) {
  return static_cast<platform::UINT>(item->ItemId());
}

// The window and every open popup, with a margin of desktop round them.
RECT SceneArea(platform::HWND window) {
  RECT area = sim::LayoutOf(window)->window;
  for (const sim::OpenPopup& popup : sim::OpenPopups()) {
    area.left = std::min(area.left, popup.screen.left);
    area.top = std::min(area.top, popup.screen.top);
    area.right = std::max(area.right, popup.screen.right);
    area.bottom = std::max(area.bottom, popup.screen.bottom);
  }
  return {area.left - kMargin, area.top - kMargin, area.right + kMargin, area.bottom + kMargin};
}

void Shoot(platform::HWND window, const std::filesystem::path& file) {
  if (!sim::SaveScreenPng(file.string(), SceneArea(window))) {
    throw RenderError("cannot write " + file.string());
  }
}

// Opens the scene's popups as a user would, rests the mouse on its entry and takes the picture
// while the menus are open.
void Show(const Menubar& bar, platform::HWND window, const ResolvedScene& scene,
          const std::filesystem::path& file) {
  platform::DrawMenuBar(window);
  if (scene.path.empty()) return Shoot(window, file);

  sim::User user;
  for (std::size_t i = 1; i < scene.path.size(); ++i)
    user.Open(sim::ById(CommandOf(scene.path[i])));
  if (scene.hover) user.Hover(sim::ById(CommandOf(scene.hover)));
  std::exception_ptr failure;
  bool taken = false;
  user.Run([&] {
    try {
      Shoot(window, file);
      taken = true;
    } catch (...) {
      failure = std::current_exception();
    }
  });
  user.Cancel();
  user.ClickMenuBar(window, BarPosition(bar.hMenu(), scene.path.front()->ItemId()));
  if (failure) std::rethrow_exception(failure);
  if (!taken) throw RenderError("the menu did not open for " + file.filename().string());
}

std::vector<std::filesystem::path> RenderHere(const RenderJob& job) {
  sim::SetColorScheme(job.scheme);
  const Ref<Menus> menus = MenuLibGlobal::New()->Menus();
  menus->MenuDrawStyle(job.style);
  const Ref<Menubar> bar =
      job.menuFile.empty() ? BuildSampleMenus() : LoadMenuFile(job.menuFile, job.style);

  std::vector<ResolvedScene> resolved;
  for (const Scene& scene : job.scenes)
    resolved.push_back(Resolve(*bar, scene));

  const platform::HWND window =
      sim::CreateWindow(job.style == mdsOfficeXP ? u"Vellum sample - Office XP style"
                                                 : u"Vellum sample - Office style",
                        kWindowBounds);
  bar->SetWindowHandle(window);

  std::filesystem::create_directories(job.outDir);
  std::vector<std::filesystem::path> written;
  for (std::size_t i = 0; i < job.scenes.size(); ++i) {
    const std::filesystem::path file =
        job.outDir / (job.filePrefix + SceneName(job.scenes[i].path) + ".png");
    Show(*bar, window, resolved[i], file);
    written.push_back(file);
  }
  bar->Destroy();
  return written;
}

}  // namespace

std::vector<std::string> SplitMenuPath(const std::string& text) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('>', start), text.size());
    names.push_back(Trim(text.substr(start, end - start)));
    start = end + 1;
  }
  if (names.size() == 1 && names.front().empty()) names.clear();
  return names;
}

std::string SceneName(const std::vector<std::string>& path) {
  std::string name;
  for (const std::string& step : path) {
    if (!name.empty()) name += '-';
    for (unsigned char c : step) {
      if (std::isalnum(c)) {
        name += static_cast<char>(std::tolower(c));
      } else if (!name.empty() && name.back() != '-') {
        name += '-';
      }
    }
    while (!name.empty() && name.back() == '-')
      name.pop_back();
  }
  return name.empty() ? "bar" : name;
}

std::vector<std::filesystem::path> RenderSample(const RenderJob& job) {
  std::vector<std::filesystem::path> written;
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      written = RenderHere(job);
    } catch (...) {
      failure = std::current_exception();
    }
  });
  worker.join();
  if (failure) std::rethrow_exception(failure);
  return written;
}

}  // namespace vellum::render_tool
