// The demo host: until menus paint themselves, it builds a small menu description with the
// automation runtime (keyed collections, events, late binding, a property bag saved as JSON)
// and says, in plain text, what it did.
#include <cstdio>
#include <filesystem>
#include <string>

#include "vellum.hpp"

namespace {

using vellum::CallType;
using vellum::Collection;
using vellum::Missing;
using vellum::Ref;
using vellum::String;
using vellum::Variant;

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
}
std::string Text(const String& text) {
  return vellum::StringToUtf8(text);
}

// A menu as the demo describes it: captions under keys, in order.
Ref<Collection> MakeMenu(std::initializer_list<std::pair<const char16_t*, const char16_t*>> items) {
  auto menu = Collection::New();
  for (const auto& [key, caption] : items)
    menu->Add(caption, key);
  return menu;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path out = argc > 1 ? argv[1] : "vellum-demo.json";

  auto bar = Collection::New();
  bar->Add(MakeMenu({{u"mnuOpen", u"&Open...\tCtrl+O"}, {u"mnuSave", u"&Save\tCtrl+S"}}), u"File");
  bar->Add(MakeMenu({{u"mnuAbout", u"&About Vellum"}}), u"Help");
  // Insert Edit between File and Help, by key, as a host would.
  bar->Add(MakeMenu({{u"mnuCut", u"Cu&t\tCtrl+X"}, {u"mnuCopy", u"&Copy\tCtrl+C"}}), u"Edit",
           Missing, u"File");

  Say("Built a menu bar with " + std::to_string(bar->Count()) + " menus:");
  for (int position = 1; position <= bar->Count(); ++position) {
    auto menu = bar->Item(position).ToObjectOf<Collection>();
    const int count = menu->Count();
    Say("  " + Text(bar->KeyAt(position)) + " (" + std::to_string(count) +
        (count == 1 ? " item)" : " items)"));
    for (int i = 1; i <= menu->Count(); ++i) {
      Say("    " + Text(menu->KeyAt(i)) + ": " + Text(menu->Item(i).ToString()));
    }
  }

  // A buddy object answers a late-bound event call, the way hosts receive menu events.
  auto buddy = vellum::HostObject::New(u"Demo.Buddy");
  buddy->Define(u"MenuItem_Click", [](vellum::Invocation& call) {
    Say("Buddy heard MenuItem_Click(" + Text(call.Arg(0).ToString()) + ")");
    return Variant();
  });
  buddy->Invoke(u"menuitem_click", CallType::Method, {u"mnuSave"});

  // Save the description into a property bag and read it back.
  auto bag = vellum::PropertyBag::New();
  bag->WriteProperty(u"Count", bar->Count());
  for (int position = 1; position <= bar->Count(); ++position) {
    auto menu = bar->Item(position).ToObjectOf<Collection>();
    const String prefix = u"Menu" + vellum::Utf8ToString(std::to_string(position));
    bag->WriteProperty(prefix + u".Key", bar->KeyAt(position));
    bag->WriteProperty(prefix + u".Count", menu->Count());
  }
  bag->WriteProperty(u"GlobalFont", vellum::StdFont::New({.name = u"Tahoma", .size = 8}));
  bag->SaveToFile(out.string());

  auto loaded = vellum::PropertyBag::New();
  loaded->LoadFromFile(out.string());
  auto font = loaded->ReadProperty(u"GlobalFont").ToObjectOf<vellum::StdFont>();
  Say("Saved " + std::to_string(bag->Count()) + " properties to " + out.string() +
      " and read back " + std::to_string(loaded->Count()) +
      "; Menu2.Key = " + Text(loaded->ReadProperty(u"Menu2.Key").ToString()) +
      ", GlobalFont = " + Text(font->Name()) + " " + Text(Variant(font->Size()).ToString()) + "pt");
  return 0;
}
