// The text demo host: it builds a menu bar with popups, shows the
// native menus the library keeps in step, attaches the bar to a simulated window, lets a
// simulated user choose entries, and saves a property bag, saying in plain text what happened.
#include <cstdio>
#include <filesystem>
#include <string>

#include "model/library_state.hpp"
#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"
#include "vellum.hpp"

namespace {

using vellum::MenuItem;
using vellum::Ref;
using vellum::String;

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
}
std::string Text(const String& text) {
  return vellum::StringToUtf8(text);
}

// The native entries of a menu, one line each, indented by depth.
void ShowNative(vellum::platform::HMENU menu, int depth) {
  namespace p = vellum::platform;
  const int count = p::GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    p::MENUITEMINFOW info;
    info.cbSize = p::MENUITEMINFO_SIZE_WITHOUT_BITMAP;
    info.fMask = p::MIIM_ID | p::MIIM_FTYPE | p::MIIM_STATE | p::MIIM_SUBMENU;
    p::GetMenuItemInfoW(menu, static_cast<p::UINT>(position), p::TRUE, &info);
    Say(std::string(2 + depth * 2, ' ') + "id " + std::to_string(info.wID) + "  " +
        vellum::sim::ItemTypeName(info.fType) + "  " + vellum::sim::ItemStateName(info.fState) +
        (info.hSubMenu ? "  >" : ""));
    if (info.hSubMenu) ShowNative(info.hSubMenu, depth + 1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path out = argc > 1 ? argv[1] : "vellum-demo.json";

  auto bar = vellum::Menubar::New();
  auto file = bar->Add(u"&File", nullptr, u"File");
  auto open = file->SubMenu()->Add(u"&Open...", nullptr, u"Open");
  file->SubMenu()->Add(u"&Save", nullptr, u"Save");
  file->SubMenu()->Add(u"-");
  auto recent = file->SubMenu()->Add(u"&Recent", nullptr, u"Recent");
  auto notes = recent->SubMenu()->Add(u"1 notes.txt", nullptr, u"Notes");
  auto edit = bar->Add(u"&Edit", nullptr, u"Edit");
  auto wrap = edit->SubMenu()->Add(u"&Word wrap", nullptr, u"Wrap");
  wrap->Checked(true);
  auto left = edit->SubMenu()->Add(u"Align &left", nullptr, u"Left");
  auto right = edit->SubMenu()->Add(u"Align &right", nullptr, u"Right");
  left->RadioGroup(true);
  right->RadioGroup(true);
  left->Checked(true);
  right->Checked(true);  // unchecks Align left: one radio group per menu
  bar->Add(u"&Help", nullptr, u"Help", u"File")->Visible(false);  // after File, hidden

  Say("Built a menu bar with " + std::to_string(bar->Count()) + " items (" + Text(bar->Key()) +
      " in the active menu set); its native menu:");
  ShowNative(bar->hMenu(), 0);

  // Attach the bar to a window and let a simulated user work the menus.
  const auto window = vellum::sim::CreateWindow(u"Vellum demo", {40, 40, 440, 340});
  bar->SetWindowHandle(window);
  bar->Initialize.Connect([] { Say("  bar Initialize"); });
  bar->SubmenuInitialize.Connect([](const Ref<vellum::SubMenu>& popup) {
    Say("  bar SubmenuInitialize(popup of " + std::to_string(popup->ItemId()) + ")");
  });
  notes->Click.Connect([] { Say("  Click on \"1 notes.txt\""); });
  recent->SubMenu()->UserCommand.Connect(
      [](const Ref<MenuItem>& item) { Say("  Recent UserCommand(" + Text(item->Key()) + ")"); });
  bar->UserCommand.Connect(
      [](const Ref<MenuItem>& item) { Say("  bar UserCommand(" + Text(item->Key()) + ")"); });
  bar->ItemRightClick.Connect(
      [](const Ref<MenuItem>& item) { Say("  bar ItemRightClick(" + Text(item->Key()) + ")"); });

  vellum::sim::User user;
  Say("The user opens File > Recent and chooses \"1 notes.txt\":");
  user.Choose(vellum::sim::ById(static_cast<vellum::platform::UINT>(notes->ItemId())));
  user.ClickMenuBar(window, 0);
  Say("The window's own procedure saw " +
      std::to_string(vellum::sim::ReceivedMessages(window, vellum::platform::WM_COMMAND).size()) +
      " WM_COMMAND after the library's events.");

  // A buddy object receives an item's events by late binding instead.
  auto buddy = vellum::HostObject::New(u"Demo.Buddy");
  buddy->Define(u"MenuItem_Click", [](vellum::Invocation&) {
    Say("  the buddy heard MenuItem_Click");
    return vellum::Variant();
  });
  open->BuddyObject(buddy);
  Say("The user right-clicks \"Open...\", then chooses it:");
  user.RightClick(0).Choose(0);
  user.ClickMenuBar(window, 0);

  // The runtime's property bag, saved as JSON and read back.
  auto bag = vellum::PropertyBag::New();
  bag->WriteProperty(u"Count", bar->Count());
  bag->WriteProperty(u"Menu1.Item1.Caption", file->Caption());
  bag->WriteProperty(u"GlobalFont", vellum::Library().globalFont);
  bag->SaveToFile(out.string());
  auto loaded = vellum::PropertyBag::New();
  loaded->LoadFromFile(out.string());
  auto font = loaded->ReadProperty(u"GlobalFont").ToObjectOf<vellum::StdFont>();
  Say("Saved " + std::to_string(bag->Count()) + " properties to " + out.string() +
      "; read back Menu1.Item1.Caption = " +
      Text(loaded->ReadProperty(u"Menu1.Item1.Caption").ToString()) + ", GlobalFont = " +
      Text(font->Name()) + " " + Text(vellum::Variant(font->Size()).ToString()) + "pt");
  return 0;
}
