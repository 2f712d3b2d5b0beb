#pragma once
// The standard menus attached to a simulated window, in a fixed-pitch font whose metrics make
// sizes easy to predict: every character 6 pixels wide and 13 high.

#include <vector>

#include "items/menu_item.hpp"
#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "render/item_visual_properties.hpp"
#include "support/menu_fixture.hpp"

namespace vellum::testing {

// The pixels of one painted entry, read off the surface it was painted on.
struct EntryImage {
  int width = 0;
  int height = 0;
  std::vector<platform::COLORREF> pixels;

  platform::COLORREF At(int x, int y) const {
    return pixels.at(static_cast<std::size_t>(y * width + x));
  }
  // Reads `rect` (screen coordinates) of `surface`, whose top-left is at `origin`.
  static EntryImage Read(platform::HDC surface, platform::RECT rect, platform::POINT origin) {
    rect = {rect.left - origin.x, rect.top - origin.y, rect.right - origin.x,
            rect.bottom - origin.y};
    EntryImage image;
    image.width = rect.right - rect.left;
    image.height = rect.bottom - rect.top;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) {
        image.pixels.push_back(platform::GetPixel(surface, x, y));
      }
    }
    return image;
  }
};

// Entry `index` of an open popup, as painted.
inline EntryImage ReadPopupEntry(const sim::OpenPopup& popup, std::size_t index) {
  return EntryImage::Read(popup.surface, popup.entries.at(index),
                          {popup.screen.left, popup.screen.top});
}

// Entry `position` of a window's menu bar, as painted.
inline EntryImage ReadBarEntry(platform::HWND window, std::size_t position) {
  const auto layout = sim::LayoutOf(window);
  return EntryImage::Read(layout->surface, sim::MenuBarEntryRects(window).at(position),
                          {layout->window.left, layout->window.top});
}

constexpr int kCharWidth = 6;
constexpr int kLineHeight = 13;

// The fixed-pitch face at `pixels` high (at 96 dots per inch), half as wide.
inline Ref<StdFont> FixedFont(double pixels) {
  return StdFont::New({.name = u"Vellum Fixed", .size = pixels * 72 / 96});
}

struct OwnerDrawnMenus : StandardMenus {
  explicit OwnerDrawnMenus(MenuDrawStyleBits style = mdsOffice) {
    Library().activeMenus->GlobalFont(FixedFont(kLineHeight));
    Library().activeMenus->MenuDrawStyle(style);
    window = sim::CreateWindow(u"App", {0, 0, 640, 480});
    bar->SetWindowHandle(window);
  }

  // Opens File, and Recent below it, as the user would, so that the window is asked for the
  // size of every entry of both popups and of the bar.
  void ShowMenus() {
    sim::User user;
    user.Open(sim::ById(static_cast<platform::UINT>(recent->ItemId()))).Cancel();
    user.ClickMenuBar(window, 0);
  }

  static platform::SIZE MeasuredSize(const Ref<MenuItem>& item) {
    const MeasureItemRecord record = item->Visual()->FetchMeasureItem();
    return {static_cast<platform::LONG>(record.itemWidth),
            static_cast<platform::LONG>(record.itemHeight)};
  }

  platform::HWND window = 0;
};

}  // namespace vellum::testing
