// Costs of painting: every entry is painted through an off-screen bitmap with fonts, pens and
// brushes made and deleted per paint, so a repaint and a whole popup shown must stay cheap.
#include <benchmark/benchmark.h>

#include <vector>

#include "accel/accelerator.hpp"
#include "items/menu_item.hpp"
#include "items/sub_menu.hpp"
#include "model/menu_lib_global.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "platform/automation/std_picture.hpp"
#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "render/draw_item.hpp"

namespace {

using namespace vellum;

Ref<StdPicture> SquarePicture() {
  const std::vector<platform::COLORREF> pixels(16 * 16, platform::RGB(40, 90, 200));
  return StdPicture::FromHandle(sim::CreateIconFromPixels(16, 16, pixels, 0), PictureType::Icon,
                                true);
}

// A bar with a File popup of twelve items with pictures and accelerators, shown once so that
// every entry is measured and has a stored paint request.
struct ShownMenus {
  explicit ShownMenus(MenuDrawStyleBits style) {
    // A set of its own: the last menu destroyed by a previous run took the active set along.
    const Ref<Menus> set = Menus::New();
    MenuLibGlobal::New()->SetActiveMenuSet(set);
    set->MenuDrawStyle(style);
    bar = Menubar::New();
    file = bar->Add(u"&File", nullptr, u"File")->SubMenu();
    for (int i = 0; i < 12; ++i) {
      const Ref<MenuItem> item = file->Add(u"&Item with a caption", SquarePicture());
      item->Accelerator()->AccelWord(u"Ctrl+F" + Utf8ToString(std::to_string(i + 1)));
    }
    window = sim::CreateWindow(u"Bench", {0, 0, 640, 480});
    bar->SetWindowHandle(window);
    Show();
  }
  ~ShownMenus() { bar->Destroy(); }

  void Show() {
    sim::User user;
    user.Cancel();
    user.ClickMenuBar(window, 0);
  }

  Ref<Menubar> bar;
  Ref<SubMenu> file;
  platform::HWND window = 0;
};

// One popup item painted again, selected, as hot tracking and keyboard moves do.
void BM_RedrawPopupItem(benchmark::State& state) {
  ShownMenus menus(static_cast<MenuDrawStyleBits>(state.range(0)));
  const Ref<MenuItem> item = menus.file->Item(3);
  for (auto _ : state)
    RedrawItem(*item, menus.window, platform::ODS_SELECTED, true);
}
BENCHMARK(BM_RedrawPopupItem)->Arg(mdsOffice)->Arg(mdsOfficeXP);

// The File popup opened and closed: initialisation messages and twelve entries painted.
void BM_ShowPopup(benchmark::State& state) {
  ShownMenus menus(static_cast<MenuDrawStyleBits>(state.range(0)));
  for (auto _ : state)
    menus.Show();
}
BENCHMARK(BM_ShowPopup)->Arg(mdsOffice)->Arg(mdsOfficeXP);

}  // namespace
