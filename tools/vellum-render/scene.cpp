#include "scene.hpp"

#include <algorithm>
#include <cctype>
#include <exception>
#include <optional>
#include <thread>

#include "items/menu_item.hpp"
#include "items/sub_menu.hpp"
#include "items/system_menu.hpp"
#include "keystrokes.hpp"
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

// A path that starts with "System" opens the window's system menu instead of a bar entry.
bool OpensSystemMenu(const Scene& scene) {
  return !scene.path.empty() && FoldCase(Utf8ToString(scene.path.front())) == u"system";
}

// The entries a scene names, resolved from the bar (or the system menu) down.
struct ResolvedScene {
  bool system = false;
  std::vector<Ref<MenuItem>> path;
  Ref<MenuItem> hover;  // in the innermost popup, or in the bar when no popup is open
  std::optional<Keystrokes> keys;
};

// Every name on the path must open a popup, and the hovered entry must be in the last one.
ResolvedScene Resolve(const Menubar& bar, const SystemMenu& systemMenu, const Scene& scene) {
  ResolvedScene resolved;
  const Menu* menu = &bar;
  std::size_t first = 0;
  if (OpensSystemMenu(scene)) {
    resolved.system = true;
    menu = &systemMenu;
    first = 1;
  }
  for (std::size_t i = first; i < scene.path.size(); ++i) {
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
  if (!scene.keys.empty()) {
    if (!scene.path.empty() || !scene.hover.empty())
      throw RenderError("--keys opens the menus itself: leave out --open and --hover");
    resolved.keys = ParseKeystrokes(scene.keys);
  }
  if (!scene.hover.empty()) {
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

// Takes the picture from inside the menu loop the script runs next, and says whether it did.
struct PictureInTheLoop {
  PictureInTheLoop(sim::User& user, platform::HWND window, const std::filesystem::path& file) {
    user.Run([this, window, file] {
      try {
        Shoot(window, file);
        taken = true;
      } catch (...) {
        failure = std::current_exception();
      }
    });
    user.Cancel();
  }
  void Check(sim::User& user, const std::string& what) const {
    user.ForgetSteps();
    if (failure) std::rethrow_exception(failure);
    if (!taken) throw RenderError(what);
  }
  std::exception_ptr failure;
  bool taken = false;
};

// The bar with the mouse resting on one of its entries, which lights up.
void ShowHotBarEntry(const Menubar& bar, platform::HWND window, const Ref<MenuItem>& entry,
                     const std::filesystem::path& file) {
  sim::User().MoveMouseOverMenuBar(window, BarPosition(bar.hMenu(), entry->ItemId()));
  Shoot(window, file);
}

// The menus as the keystrokes leave them, pictured while they are open.
void ShowKeystrokes(platform::HWND window, const Keystrokes& keys,
                    const std::filesystem::path& file) {
  sim::User user;
  for (const Keystrokes::Key& key : keys.inside) {
    if (key.vk)
      user.Key(key.vk);
    else
      user.Type(key.character);
  }
  const PictureInTheLoop picture(user, window, file);
  if (keys.withAlt) user.PressKey(platform::VK_MENU);
  user.TapKey(keys.opener);
  if (keys.withAlt) user.ReleaseKey(platform::VK_MENU);
  picture.Check(user, "no menu was open after the keys for " + file.filename().string());
}

// Opens the scene's popups as a user would (the system menu by a click on the window's icon),
// rests the mouse on its entry and takes the picture while the menus are open.
void Show(const Menubar& bar, platform::HWND window, const ResolvedScene& scene,
          const std::filesystem::path& file) {
  platform::DrawMenuBar(window);
  if (scene.keys) return ShowKeystrokes(window, *scene.keys, file);
  if (!scene.system && scene.path.empty() && scene.hover) {
    return ShowHotBarEntry(bar, window, scene.hover, file);
  }
  if (!scene.system && scene.path.empty()) return Shoot(window, file);

  sim::User user;
  for (std::size_t i = scene.system ? 0 : 1; i < scene.path.size(); ++i)
    user.Open(sim::ById(CommandOf(scene.path[i])));
  if (scene.hover) user.Hover(sim::ById(CommandOf(scene.hover)));
  const PictureInTheLoop picture(user, window, file);
  if (scene.system) {
    user.OpenSystemMenu(window);
  } else {
    user.ClickMenuBar(window, BarPosition(bar.hMenu(), scene.path.front()->ItemId()));
  }
  picture.Check(user, "the menu did not open for " + file.filename().string());
}

std::vector<std::filesystem::path> RenderHere(const RenderJob& job) {
  sim::SetColorScheme(job.scheme);
  const Ref<Menus> menus = MenuLibGlobal::New()->Menus();
  menus->MenuDrawStyle(job.style);
  const Ref<Menubar> bar =
      job.menuFile.empty() ? BuildSampleMenus() : LoadMenuFile(job.menuFile, job.style);
  const platform::HWND window =
      sim::CreateWindow(job.style == mdsOfficeXP ? u"Vellum sample - Office XP style"
                                                 : u"Vellum sample - Office style",
                        kWindowBounds);
  // A saved set brings no system menu of the window's: the window's own is taken over as it is.
  Ref<SystemMenu> systemMenu;
  if (job.menuFile.empty()) {
    systemMenu = BuildSampleSystemMenu(window);
  } else {
    systemMenu = SystemMenu::New();
    systemMenu->Subclass(window);
  }

  std::vector<ResolvedScene> resolved;
  for (const Scene& scene : job.scenes)
    resolved.push_back(Resolve(*bar, *systemMenu, scene));

  bar->SetWindowHandle(window);

  std::filesystem::create_directories(job.outDir);
  std::vector<std::filesystem::path> written;
  for (std::size_t i = 0; i < job.scenes.size(); ++i) {
    const std::filesystem::path file =
        job.outDir / (job.filePrefix + SceneStem(job.scenes[i]) + ".png");
    Show(*bar, window, resolved[i], file);
    written.push_back(file);
  }
  systemMenu->Unsubclass();
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

std::string SceneStem(const Scene& scene) {
  if (!scene.keys.empty()) return SceneName({"keys", scene.keys});
  if (scene.path.empty() && !scene.hover.empty()) return SceneName({"bar", scene.hover});
  return SceneName(scene.path);
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
