// Menu sets through the menu-set file: the embedded sample round-trips whole (the same bag when
// saved again, the same pixels in both draw styles, working accelerators and events), and a
// broken file fails with an exact error while the thread's menus stay as they were.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sub_menu.hpp"
#include "model/menu_lib_global.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "persist/menu_set_file.hpp"
#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "sample_menus.hpp"
#include "support/fresh_thread.hpp"
#include "support/menu_fixture.hpp"

namespace vellum {
namespace {

using Json = nlohmann::json;
using platform::COLORREF;
using platform::HWND;
using testing::OnFreshThread;

// The sample as saved on a thread of its own, in `style`.
std::string SavedSample(MenuDrawStyleBits style) {
  std::string json;
  OnFreshThread([&] {
    const Ref<Menus> active = MenuLibGlobal::New()->Menus();
    active->MenuDrawStyle(style);
    render_tool::BuildSampleMenus();
    json = MenuSetToJson(*active);
  });
  return json;
}

// Loads `json` and makes it the thread's active set; its first menu bar.
Ref<Menubar> LoadAndActivate(const std::string& json) {
  const Ref<Menus> set = MenuSetFromJson(json);
  MenuLibGlobal::New()->SetActiveMenuSet(set);
  for (const Ref<Object>& member : set->MemberList()) {
    if (const auto bar = std::dynamic_pointer_cast<Menubar>(member)) return bar;
  }
  return nullptr;
}

// Compares two saved bags entry by entry, objects included. Only IDs of menus may differ, since
// an item's popup carries its item's new ID once loaded; they must differ consistently.
void ExpectSameBag(const Json& first, const Json& second, std::map<long, long>& menuIds,
                   const std::string& place = "") {
  ASSERT_EQ(first.size(), second.size()) << place;
  for (std::size_t i = 0; i < first.size(); ++i) {
    const Json& a = first[i];
    const Json& b = second[i];
    const std::string name = a.at("name");
    const std::string here = place + name;
    ASSERT_EQ(name, b.at("name")) << place << "[" << i << "]";
    ASSERT_EQ(a.at("type"), b.at("type")) << here;
    if (a.at("type") == "Object") {
      ASSERT_EQ(a.at("class"), b.at("class")) << here;
      if (!a.at("class").is_null()) {
        ExpectSameBag(a.at("properties"), b.at("properties"), menuIds, here + "/");
      }
      continue;
    }
    const bool menuId = place.empty() && (name == "ItemId" || name.ends_with(".ItemId"));
    if (!menuId) {
      EXPECT_EQ(a.at("value"), b.at("value")) << here;
      continue;
    }
    const auto [mapped, added] = menuIds.emplace(a.at("value").get<long>(), b.at("value"));
    EXPECT_EQ(mapped->second, b.at("value").get<long>()) << here << ": inconsistent ID";
  }
}

TEST(MenuSetFile, TheSampleSavedLoadedOnAFreshThreadAndSavedAgainIsTheSameBag) {
  for (MenuDrawStyleBits style : {mdsOffice, mdsOfficeXP}) {
    SCOPED_TRACE(style);
    const std::string first = SavedSample(style);
    std::string second;
    OnFreshThread([&] {
      const Ref<Menus> set = MenuSetFromJson(first);
      second = MenuSetToJson(*set);
    });
    const Json a = Json::parse(first);
    const Json b = Json::parse(second);
    EXPECT_EQ(a.at("format"), "vellum-menu-set");
    EXPECT_EQ(a.at("version"), 1);
    std::map<long, long> menuIds;
    ExpectSameBag(a.at("properties"), b.at("properties"), menuIds);
  }
}

// The screen's pixels with each popup of the bar open in turn and the mouse on an entry.
std::vector<std::vector<COLORREF>> PopupPictures(const Ref<Menubar>& bar) {
  const HWND window = sim::CreateWindow(u"Sample", {24, 24, 544, 364});
  bar->SetWindowHandle(window);
  const std::string file =
      (std::filesystem::temp_directory_path() / "vellum-menu-set-screen.png").string();
  std::vector<std::vector<COLORREF>> pictures;
  for (int position = 0; position < platform::GetMenuItemCount(bar->hMenu()); ++position) {
    sim::User user;
    user.Hover(3).Run([&] {
      sim::SaveScreenPng(file);
      const platform::HBITMAP bitmap = sim::LoadBitmapPng(file);
      pictures.push_back(sim::BitmapPixels(bitmap));
      platform::DeleteObject(bitmap);
    });
    user.Cancel();
    user.ClickMenuBar(window, position);
  }
  std::remove(file.c_str());
  return pictures;
}

TEST(MenuSetFile, ALoadedSampleShowsTheSamePixelsAsTheOriginalInBothStyles) {
  for (MenuDrawStyleBits style : {mdsOffice, mdsOfficeXP}) {
    SCOPED_TRACE(style);
    std::vector<std::vector<COLORREF>> original;
    std::string json;
    OnFreshThread([&] {
      const Ref<Menus> active = MenuLibGlobal::New()->Menus();
      active->MenuDrawStyle(style);
      const Ref<Menubar> bar = render_tool::BuildSampleMenus();
      json = MenuSetToJson(*active);
      original = PopupPictures(bar);
    });
    std::vector<std::vector<COLORREF>> loaded;
    OnFreshThread([&] {
      const Ref<Menubar> bar = LoadAndActivate(json);
      ASSERT_NE(bar, nullptr);
      loaded = PopupPictures(bar);
    });
    ASSERT_EQ(original.size(), 4u);
    ASSERT_EQ(loaded.size(), original.size());
    for (std::size_t i = 0; i < original.size(); ++i) {
      EXPECT_TRUE(loaded[i] == original[i]) << "popup " << i << " differs";
    }
  }
}

TEST(MenuSetFile, ALoadedSetsAcceleratorsAndEventsWork) {
  const std::string json = SavedSample(mdsOffice);
  OnFreshThread([&] {
    const Ref<Menubar> bar = LoadAndActivate(json);
    ASSERT_NE(bar, nullptr);
    const HWND window = sim::CreateWindow(u"Sample", {0, 0, 500, 300});
    bar->SetWindowHandle(window);
    const Ref<Menus> set = MenuLibGlobal::New()->Menus();
    const Ref<MenuItem> save = set->ItemByKey(u"Save");
    const Ref<MenuItem> replace = set->ItemByKey(u"Replace");
    const Ref<MenuItem> open = set->ItemByKey(u"Open");
    ASSERT_TRUE(save && replace && open);
    int saves = 0;
    int replaces = 0;
    const ScopedConnection s(save->Click.Connect([&] { ++saves; }));
    const ScopedConnection r(replace->Click.Connect([&] { ++replaces; }));

    sim::User user;
    user.PressKey(platform::VK_CONTROL);
    user.TapKey('S');
    user.ReleaseKey(platform::VK_CONTROL);
    EXPECT_EQ(saves, 1);
    // A sequence under the prefix the file brought along.
    user.PressKey(platform::VK_CONTROL);
    user.TapKey('K');
    user.ReleaseKey(platform::VK_CONTROL);
    user.TapKey('H');
    EXPECT_EQ(replaces, 1);

    Ref<MenuItem> chosen;
    int fileOpened = 0;
    const ScopedConnection c(
        bar->UserCommand.Connect([&](const Ref<MenuItem>& item) { chosen = item; }));
    const ScopedConnection i(open->Parent() ? std::dynamic_pointer_cast<SubMenu>(open->Parent())
                                                  ->Initialize.Connect([&] { ++fileOpened; })
                                            : Connection());
    user.Choose(sim::ById(static_cast<platform::UINT>(open->ItemId())));
    user.ClickMenuBar(window, 0);
    EXPECT_EQ(chosen, open);
    EXPECT_EQ(fileOpened, 1);
  });
}

// A small saved set, and a way to spoil one of its properties.
std::string SmallSet() {
  std::string json;
  OnFreshThread([&] {
    testing::StandardMenus menus;
    json = MenuSetToJson(*MenuLibGlobal::New()->Menus());
  });
  return json;
}

Json& PropertyNamed(Json& document, const std::string& name) {
  for (Json& property : document.at("properties")) {
    if (property.at("name") == name) return property;
  }
  throw std::runtime_error("no property " + name);
}

TEST(MenuSetFile, ABrokenFileFailsWithAnExactErrorAndLeavesTheMenusAsTheyWere) {
  const std::string good = SmallSet();
  const auto spoiled = [&](const std::string& name, const Json& replacement) {
    Json document = Json::parse(good);
    PropertyNamed(document, name) = replacement;
    return document.dump(2);
  };
  struct Case {
    const char* name;
    std::string json;
    int number;
    const char* described;  // a part of the description
  };
  const Case cases[] = {
      {"not JSON", good.substr(0, 120), 321, "not valid JSON"},
      {"not JSON at its place", "{\n  \"format\": \"vellum-menu-set\",\n  \"version\": tru\n}", 321,
       "at line 3, column"},
      {"another format",
       Json{{"format", "vellum-property-bag"}, {"version", 1}, {"properties", Json::array()}}
           .dump(),
       321, "\"format\" is \"vellum-property-bag\", not \"vellum-menu-set\""},
      {"another version",
       Json{{"format", "vellum-menu-set"}, {"version", 2}, {"properties", Json::array()}}.dump(),
       321, "version 2 of \"vellum-menu-set\" is not supported"},
      {"a value that is not its type",
       spoiled("Count", {{"name", "Count"}, {"type", "Long"}, {"value", "two"}}), 321,
       "the value is not a valid Long at properties[2] (\"Count\")"},
      {"a number stored as text",
       spoiled("Menu1.Item1.SubMenu.Count",
               {{"name", "Menu1.Item1.SubMenu.Count"}, {"type", "String"}, {"value", "many"}}),
       13, "\"Menu1.Item1.SubMenu.Count\" is String(\"many\"), not a 32-bit integer"},
      {"a flag stored as text",
       spoiled("Menu1.Item1.Enabled",
               {{"name", "Menu1.Item1.Enabled"}, {"type", "String"}, {"value", "maybe"}}),
       13, "\"Menu1.Item1.Enabled\""},
      {"a number where the style belongs",
       spoiled("Menu1.Item2.Visual",
               {{"name", "Menu1.Item2.Visual"}, {"type", "Long"}, {"value", 5}}),
       13, "\"Menu1.Item2.Visual\" is Long(5), not a Vellum10.ItemVisualProperties object"},
  };
  OnFreshThread([&] {
    testing::StandardMenus live;
    const Ref<Menus> active = MenuLibGlobal::New()->Menus();
    const std::vector<Ref<Object>> members = active->MemberList();
    const Ref<StdFont> font = active->GlobalFont();
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      try {
        MenuSetFromJson(c.json);
        ADD_FAILURE() << "loaded";
      } catch (const AutomationError& error) {
        EXPECT_EQ(error.Number(), c.number);
        EXPECT_NE(StringToUtf8(error.Description()).find(c.described), std::string::npos)
            << StringToUtf8(error.Description());
      }
      EXPECT_EQ(MenuLibGlobal::New()->Menus(), active);
      EXPECT_EQ(active->MemberList(), members);
      EXPECT_EQ(active->GlobalFont(), font);
      EXPECT_EQ(live.FileMenu()->Count(), 4);
    }
    // The good file loads beside the live set without touching it.
    const Ref<Menus> loaded = MenuSetFromJson(good);
    EXPECT_EQ(loaded->Count(), active->Count());
    EXPECT_FALSE(loaded->Active());
    EXPECT_EQ(active->MemberList(), members);
  });
}

}  // namespace
}  // namespace vellum
