#include "sample_menus.hpp"

#include "accel/accelerator.hpp"
#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "model/menu_lib_global.hpp"
#include "model/menus.hpp"
#include "platform/automation/std_font.hpp"
#include "platform/types.hpp"
#include "render/item_visual_properties.hpp"
#include "sample_pictures.hpp"

namespace vellum::render_tool {

namespace {

// An automation colour: the platform's 0x00BBGGRR value.
constexpr std::int32_t Rgb(platform::BYTE r, platform::BYTE g, platform::BYTE b) {
  return static_cast<std::int32_t>(platform::RGB(r, g, b));
}

// One entry of a popup: caption, key, optional picture and accelerator.
Ref<MenuItem> Add(const Ref<SubMenu>& menu, const String& caption, const String& key,
                  const String& accelerator = {}, const Ref<StdPicture>& picture = nullptr) {
  Ref<MenuItem> item = menu->Add(caption, picture, key);
  if (!accelerator.empty()) item->Accelerator()->AccelWord(accelerator);
  return item;
}

void AddSeparator(const Ref<SubMenu>& menu, const String& key) {
  menu->Add(u"-", nullptr, key);
}

// A band with a heading in the popup, instead of a line.
void AddCaptionSeparator(const Ref<SubMenu>& menu, const String& caption, const String& key) {
  Ref<MenuItem> item = menu->Add(caption, nullptr, key);
  item->Separator(true);
  item->SeparatorType(mstCaption);
}

// The File menu's band: the product name written upwards on a deep blue gradient, over the
// product's mark. A band is as long as its caption and picture; the flat style's items are
// taller, so there the caption is a size larger and the band still runs the popup's height.
void AddSidebar(const Ref<SubMenu>& menu, MenuDrawStyleBits style) {
  Ref<Sidebar> sidebar = menu->Sidebar();
  sidebar->Caption(u"Vellum Sample");
  ItemVisualProperties& visual = *sidebar->Visual();
  visual.ItemBackground(Rgb(110, 150, 220));
  visual.ItemBkGradient(Rgb(16, 36, 96));
  visual.ItemForeground(Rgb(255, 255, 255));
  const double captionSize = style == mdsOfficeXP ? 14 : 13;
  visual.Font(StdFont::New({.name = u"Tahoma", .size = captionSize, .weight = 700}));
  visual.SizeImage(32, 32);
  sidebar->Picture(MakeSidebarLogo());
  sidebar->Visible(true);
}

void BuildFile(const Ref<SubMenu>& file, MenuDrawStyleBits style) {
  Add(file, u"&New", u"New", u"Ctrl+N", MakeSamplePicture(SamplePicture::New));
  Add(file, u"&Open...", u"Open", u"Ctrl+O", MakeSamplePicture(SamplePicture::Open))->Default(true);
  Add(file, u"&Save", u"Save", u"Ctrl+S", MakeSamplePicture(SamplePicture::Save));
  Add(file, u"Save &As...", u"SaveAs");
  AddCaptionSeparator(file, u"Recent work", u"RecentHeading");
  Ref<SubMenu> recent = Add(file, u"&Recent Files", u"Recent")->SubMenu();
  Add(recent, u"&1 notes.txt", u"Recent1");
  Add(recent, u"&2 todo.txt", u"Recent2");
  Add(recent, u"&3 Letters\\home.txt", u"Recent3");
  AddSeparator(recent, u"RecentSep");
  Add(recent, u"&Clear List", u"ClearRecent");
  AddSeparator(file, u"FileSep1");
  Add(file, u"&Print...", u"Print", u"Ctrl+P", MakeSamplePicture(SamplePicture::Print));
  Add(file, u"Print Pre&view", u"Preview")->Enabled(false);
  AddSeparator(file, u"FileSep2");
  Add(file, u"E&xit", u"Exit", u"Ctrl+Q");
  AddSidebar(file, style);
}

void BuildEdit(const Ref<SubMenu>& edit) {
  Add(edit, u"&Undo Typing", u"Undo", u"Ctrl+Z");
  Add(edit, u"&Redo", u"Redo", u"Ctrl+Y")->Enabled(false);
  AddSeparator(edit, u"EditSep1");
  Add(edit, u"Cu&t", u"Cut", u"Ctrl+X", MakeSamplePicture(SamplePicture::Cut));
  Add(edit, u"&Copy", u"Copy", u"Ctrl+C", MakeSamplePicture(SamplePicture::Copy));
  Add(edit, u"&Paste", u"Paste", u"Ctrl+V", MakeSamplePicture(SamplePicture::Paste));
  Add(edit, u"Paste &Special...", u"PasteSpecial")->Grayed(true);
  AddSeparator(edit, u"EditSep2");
  Add(edit, u"&Find...", u"Find", u"Ctrl+F", MakeSamplePicture(SamplePicture::Find));
  Add(edit, u"R&eplace...", u"Replace", u"Ctrl+K, H");
  Add(edit, u"&Go To Line...", u"GoTo", u"Ctrl+K, G");
}

void BuildView(const Ref<SubMenu>& view) {
  Add(view, u"&Toolbar", u"Toolbar")->Checked(true);
  Add(view, u"&Status Bar", u"StatusBar")->Checked(true);
  AddSeparator(view, u"ViewSep1");
  for (const auto& [caption, key] : {std::pair{u"&Icons", u"Icons"}, std::pair{u"&List", u"List"},
                                     std::pair{u"&Details", u"Details"}}) {
    Add(view, caption, key)->RadioGroup(true);
  }
  view->Item(u"Details")->Checked(true);
  AddSeparator(view, u"ViewSep2");
  Ref<SubMenu> zoom = Add(view, u"&Zoom", u"Zoom")->SubMenu();
  Add(zoom, u"Zoom &In", u"ZoomIn", u"Ctrl+=");
  Add(zoom, u"Zoom &Out", u"ZoomOut", u"Ctrl+Dash");
  Add(zoom, u"&Actual Size", u"ZoomReset", u"Ctrl+0");
  Add(view, u"&Word Wrap", u"WordWrap", u"Ctrl+W");
}

void BuildHelp(const Ref<SubMenu>& help) {
  Add(help, u"&Contents", u"Contents", u"Ctrl+F1", MakeSamplePicture(SamplePicture::Help));
  Add(help, u"&Keyboard Shortcuts", u"Shortcuts", u"Ctrl+K, S");
  AddSeparator(help, u"HelpSep");
  Add(help, u"&About Vellum...", u"About");
}

}  // namespace

Ref<Menubar> BuildSampleMenus() {
  // Two-keystroke sequences start with a registered prefix.
  const Ref<Menus> menus = MenuLibGlobal::New()->Menus();
  menus->PrefixLib()->Add(u"Ctrl+K");
  Ref<Menubar> bar = Menubar::New();
  BuildFile(bar->Add(u"&File", nullptr, u"File")->SubMenu(), menus->MenuDrawStyle());
  BuildEdit(bar->Add(u"&Edit", nullptr, u"Edit")->SubMenu());
  BuildView(bar->Add(u"&View", nullptr, u"View")->SubMenu());
  BuildHelp(bar->Add(u"&Help", nullptr, u"Help")->SubMenu());
  return bar;
}

Ref<SystemMenu> BuildSampleSystemMenu(platform::HWND window) {
  Ref<SystemMenu> menu = SystemMenu::New();
  menu->Subclass(window);
  menu->Add(u"-", nullptr, u"SystemSep");
  menu->Add(u"&About Vellum Sample...", nullptr, u"SystemAbout");
  return menu;
}

}  // namespace vellum::render_tool
