// What a script host does with the library: walk collections with For Each and receive events,
// by name only.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/sim/sim.hpp"
#include "support/menu_fixture.hpp"
#include "vellum.hpp"

namespace vellum {
namespace {

using testing::OnFreshThread;
using testing::StandardMenus;

Variant Get(const Ref<Object>& object, const char16_t* name,
            std::initializer_list<Variant> args = {}) {
  return object->Invoke(name, CallType::PropertyGet, args);
}

// A For Each loop: NewEnum by name, then Next one element at a time; `body` may change the
// collection while the walk goes on.
std::vector<Variant> ForEach(const Ref<Object>& collection,
                             const std::function<void(const Variant&)>& body = nullptr) {
  const Ref<Object> enumerator = Get(collection, u"NewEnum").ToObject();
  std::vector<Variant> seen;
  for (;;) {
    std::vector<Variant> args{1, Variant()};
    if (enumerator->Invoke(u"Next", CallType::Method, args).ToLong() == 0) break;
    seen.push_back(args[1]);
    if (body) body(args[1]);
  }
  return seen;
}

std::vector<Variant> Objects(std::initializer_list<Ref<Object>> objects) {
  std::vector<Variant> values;
  for (const Ref<Object>& object : objects)
    values.emplace_back(object);
  return values;
}

TEST_ON_FRESH_THREAD(ForEachByName, WalksEveryCollectionOfTheLibraryInOrder) {
  StandardMenus menus;
  const Ref<Menus> set = MenuLibGlobal::New()->Menus();
  const Ref<MultiGradient> stops = menus.open->Visual()->MultiGradient();
  stops->Add(0x11);
  stops->Add(0x22);

  EXPECT_EQ(ForEach(menus.bar), Objects({menus.file, menus.edit}));
  EXPECT_EQ(ForEach(menus.FileMenu()),
            Objects({menus.open, menus.save, menus.separator, menus.recent}));
  EXPECT_EQ(ForEach(set), Objects({menus.bar, menus.FileMenu(), menus.RecentMenu()}));
  // A menu's table holds the accelerators of its own visible items.
  EXPECT_EQ(ForEach(menus.bar->Accelerators()),
            Objects({menus.file->Accelerator(), menus.edit->Accelerator()}));
  EXPECT_EQ(ForEach(stops), (std::vector<Variant>{0x11, 0x22}));
}

TEST_ON_FRESH_THREAD(ForEachByName, AWalkGoesOnOverItsSnapshotWhileTheLoopChangesTheCollection) {
  StandardMenus menus;
  const Ref<SubMenu> file = menus.FileMenu();
  std::vector<Variant> seen = ForEach(file, [&](const Variant& item) {
    // Remove the item just seen and add one: neither shows in this walk.
    file->Remove(Get(item.ToObject(), u"Key"));
    file->Add(u"&Later");
  });
  EXPECT_EQ(seen, Objects({menus.open, menus.save, menus.separator, menus.recent}));
  EXPECT_EQ(file->Count(), 4);
  EXPECT_EQ(ForEach(file).size(), 4u);
  for (const Variant& item : ForEach(file))
    EXPECT_EQ(Get(item.ToObject(), u"Caption"), Variant(u"&Later"));
}

TEST_ON_FRESH_THREAD(EventsByName, AnObjectArgumentArrivesAsTheObjectItself) {
  StandardMenus menus;
  const platform::HWND window = sim::CreateWindow(u"App", {0, 0, 400, 300});
  menus.bar->SetWindowHandle(window);
  std::vector<String> heard;
  menus.bar->ConnectEvent(u"usercommand", [&](std::span<Variant> arguments) {
    ASSERT_EQ(arguments.size(), 1u);
    EXPECT_EQ(arguments[0].ToObject(), menus.recent1);
    heard.push_back(u"bar " + Get(arguments[0].ToObject(), u"Caption").ToString());
  });
  menus.recent1->ConnectEvent(u"Click", [&](std::span<Variant> arguments) {
    EXPECT_TRUE(arguments.empty());
    heard.push_back(u"Click");
  });
  menus.bar->ConnectEvent(u"SubmenuInitialize", [&](std::span<Variant> arguments) {
    if (arguments[0].ToObject() == menus.FileMenu()) heard.push_back(u"File opens");
  });
  sim::User user;
  user.Choose(sim::ById(static_cast<platform::UINT>(menus.recent1->ItemId())));
  user.ClickMenuBar(window, 0);
  EXPECT_EQ(heard, (std::vector<String>{u"File opens", u"Click", u"bar 1 notes.txt"}));
}

}  // namespace
}  // namespace vellum
