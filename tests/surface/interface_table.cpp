#include "surface/interface_table.hpp"

#include "accel/accelerator.hpp"
#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "items/system_menu.hpp"
#include "model/menu_lib_global.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "platform/sim/sim.hpp"
#include "render/item_visual_properties.hpp"
#include "render/multi_gradient.hpp"

namespace vellum::testing {
namespace {

constexpr CallTypes kGet = CallTypes::Get;
constexpr CallTypes kGetLet = CallTypes::Get | CallTypes::Let;
constexpr CallTypes kGetSet = CallTypes::Get | CallTypes::Set;  // assigned by reference
constexpr CallTypes kMethod = CallTypes::Method;

template <class T>
Ref<T> Hold(Owners& owners, Ref<T> object) {
  owners.push_back(object);
  return object;
}

// --- how each instance is made ----------------------------------------------------------------

Ref<Object> MakeMenus(Owners&) {
  const Ref<Menus> set = Menus::New();
  set->Add(Menubar::New(), u"Main");
  return set;
}

Ref<Object> MakeMenuLibGlobal(Owners&) {
  return MenuLibGlobal::New();
}

Ref<Object> MakeMenubar(Owners&) {
  const Ref<Menubar> bar = Menubar::New();
  bar->Add(u"&File");
  return bar;
}

Ref<Object> MakeSubMenu(Owners& owners) {
  const Ref<SubMenu> popup = Hold(owners, Menubar::New())->Add(u"&File")->SubMenu();
  popup->Add(u"&Open");
  return popup;
}

Ref<Object> MakeSystemMenu(Owners&) {
  const Ref<SystemMenu> menu = SystemMenu::New();
  menu->Subclass(sim::CreateWindow(u"App", {0, 0, 400, 300}));
  return menu;
}

Ref<Object> MakeMenuItem(Owners& owners) {
  return Hold(owners, Menubar::New())->Add(u"&File");
}

Ref<Object> MakeSidebar(Owners& owners) {
  return Hold(owners, SubMenu::New())->Sidebar();
}

Ref<Object> MakeItemVisualProperties(Owners& owners) {
  return Hold(owners, Menubar::New())->Add(u"&File")->Visual();
}

Ref<Object> MakeMultiGradient(Owners& owners) {
  const Ref<MultiGradient> stops = Hold(owners, ItemVisualProperties::New())->MultiGradient();
  stops->Add(0x0000FF);
  return stops;
}

Ref<Object> MakeAccelerators(Owners& owners) {
  const Ref<Menubar> bar = Hold(owners, Menubar::New());
  bar->Accelerators()->Add(u"Ctrl+F", bar->Add(u"&File"));
  return bar->Accelerators();
}

Ref<Object> MakeAccelerator(Owners& owners) {
  return Hold(owners, Menubar::New())->Add(u"&File")->Accelerator();
}

}  // namespace

const std::vector<InterfaceRow>& InterfaceTable() {
  static const std::vector<InterfaceRow> table = {
      {
          u"Vellum10.Menus",
          &MakeMenus,
          u"Item",
          {1},
          {
              {u"MenuDrawStyle", kGetLet},
              {u"GlobalNoUnicode", kGetLet},
              {u"PrefixLib", kGet},
              {u"AcceleratorStyle", kGetLet},
              {u"Active", kGet},
              {u"AddDesigner", kMethod},
              {u"Add", kMethod},
              {u"Remove", kMethod},
              // Not marked as a property: a method, as the type library declares it.
              {u"Item", kMethod},
              {u"MenuByHandle", kMethod},
              {u"HasMenu", kGet},
              {u"ItemType", kGet},
              {u"SubMenu", kGet},
              {u"Menubar", kGet},
              {u"SystemMenu", kGet},
              {u"Designer", kGet},
              {u"GlobalFont", kGetSet},
              {u"Count", kGet},
              {u"MenuCount", kGet},
              {u"MenubarCount", kGet},
              {u"SubmenuCount", kGet},
              {u"SystemMenuCount", kGet},
              {u"DesignerCount", kGet},
              {u"NewEnum", kGet},
              {u"Clear", kMethod},
              {u"FindMenuItem", kMethod},
              {u"SearchRecursive", kMethod},
              {u"ItemByCaption", kMethod},
              {u"ItemByKey", kMethod},
              {u"GetMenubar", kMethod},
              {u"SaveProperties", kMethod},
              {u"LoadProperties", kMethod},
          },
          {},
      },
      {
          u"Vellum10.MenuLibGlobal",
          &MakeMenuLibGlobal,
          {},
          {},
          {
              {u"Menus", kGet},
              {u"MenuItems", kGet},
              {u"SetActiveMenuSet", kMethod},
          },
          {},
      },
      {
          u"Vellum10.Menubar",
          &MakeMenubar,
          u"Item",
          {1},
          {
              {u"hWnd", kGet},
              {u"OldWndProc", kGet},
              {u"OldWndMenu", kGet},
              {u"hMenu", kGet},
              {u"ItemId", kGet},
              {u"ImageMax_Left", kGet},
              {u"ImageMax_Right", kGet},
              {u"Counter", kGet},
              {u"Key", kGetLet},
              {u"Connected", kGetLet},
              {u"Accelerators", kGet},
              {u"Font", kGetSet},
              {u"RightToLeft", kGetLet},
              {u"TopMostParent", kGet},
              {u"Add", kMethod},
              // Not marked as a property: a method, as the type library declares it.
              {u"Item", kMethod},
              {u"SubMenu", kGet},
              {u"Count", kGet},
              {u"Remove", kMethod},
              {u"Clear", kMethod},
              {u"NewEnum", kGet},
              {u"AnyItemVisible", kGet},
              {u"Child", kGet},
              {u"WindowList", kGet},
              {u"SetWindowList", kMethod},
              {u"Search", kMethod},
              {u"Redraw", kMethod},
              {u"ReleaseWindowHandle", kMethod},
              {u"SetWindowHandle", kMethod},
              {u"SetWindowHandleMDI", kMethod},
              {u"Destroy", kMethod},
              {u"Create", kMethod},
              {u"Subclass", kMethod},
              {u"CopyFromWindow", kMethod},
              {u"CopyMenu", kMethod},
              {u"BuddyObject", kGetSet},
              {u"SaveProperties", kMethod},
              {u"LoadProperties", kMethod},
          },
          {
              {u"Initialize", {}},
              {u"UserCommand", {u"Item"}},
              {u"ItemRightClick", {u"Item"}},
              {u"SubmenuInitialize", {u"SubMenu"}},
          },
      },
      {
          u"Vellum10.SubMenu",
          &MakeSubMenu,
          u"Item",
          {1},
          {
              {u"hMenu", kGet},
              {u"hWnd", kGet},
              {u"ItemId", kGet},
              {u"Key", kGetLet},
              {u"Accelerators", kGet},
              {u"Font", kGetSet},
              {u"Sidebar", kGet},
              {u"WindowList", kGet},
              {u"RightToLeft", kGetLet},
              {u"ImageMax_Left", kGet},
              {u"ImageMax_Right", kGet},
              {u"MaxHeight", kGetLet},
              {u"AutoDismiss", kGetLet},
              {u"LargeIcons", kGetLet},
              {u"AnyItemVisible", kGet},
              {u"Parent", kGet},
              {u"TopMostParent", kGet},
              {u"Add", kMethod},
              {u"Item", kGet},
              {u"SubMenu", kGet},
              {u"Count", kGet},
              {u"Remove", kMethod},
              {u"Clear", kMethod},
              {u"NewEnum", kGet},
              {u"Child", kGet},
              {u"Search", kMethod},
              {u"ClearWindowList", kMethod},
              {u"Subclass", kMethod},
              {u"CopyMenu", kMethod},
              {u"Popup", kMethod},
              {u"Create", kMethod},
              {u"Destroy", kMethod},
              {u"BuddyObject", kGetSet},
              {u"SaveProperties", kMethod},
              {u"LoadProperties", kMethod},
          },
          {
              {u"Initialize", {}},
              {u"UserCommand", {u"Item"}},
              {u"ItemRightClick", {u"Item"}},
              {u"SubmenuInitialize", {u"SubMenu"}},
              {u"SidebarClick", {}},
              {u"SidebarRightClick", {}},
          },
      },
      {
          u"Vellum10.SystemMenu",
          &MakeSystemMenu,
          u"Item",
          {1},
          {
              {u"hMenu", kGet},
              {u"hWnd", kGet},
              {u"ItemId", kGet},
              {u"Key", kGetLet},
              {u"NoSysCommand", kGetLet},
              {u"Accelerators", kGet},
              {u"Font", kGetSet},
              {u"Sidebar", kGet},
              {u"WindowList", kGet},
              {u"RightToLeft", kGetLet},
              {u"ImageMax_Left", kGet},
              {u"ImageMax_Right", kGet},
              {u"MaxHeight", kGetLet},
              {u"AutoDismiss", kGetLet},
              {u"LargeIcons", kGetLet},
              {u"AnyItemVisible", kGet},
              {u"Parent", kGet},
              {u"TopMostParent", kGet},
              {u"Add", kMethod},
              {u"Item", kGet},
              {u"SubMenu", kGet},
              {u"Count", kGet},
              {u"Remove", kMethod},
              {u"Clear", kMethod},
              {u"NewEnum", kGet},
              {u"Child", kGet},
              {u"Search", kMethod},
              {u"ClearWindowList", kMethod},
              {u"Subclass", kMethod},
              {u"Unsubclass", kMethod},
              {u"CopySystemMenu", kMethod},
              {u"Popup", kMethod},
              {u"Create", kMethod},
              {u"Destroy", kMethod},
              {u"BuddyObject", kGetSet},
              {u"SaveProperties", kMethod},
              {u"LoadProperties", kMethod},
          },
          {
              {u"Initialize", {}},
              {u"UserCommand", {u"Item"}},
              {u"SysCommand", {u"Item"}},
              {u"ItemRightClick", {u"Item"}},
              {u"SubmenuInitialize", {u"SubMenu"}},
              {u"SidebarClick", {}},
              {u"SidebarRightClick", {}},
          },
      },
      {
          u"Vellum10.MenuItem",
          &MakeMenuItem,
          u"Caption",
          {},
          {
              {u"PrevItem", kGet},
              {u"NextItem", kGet},
              {u"Parent", kGet},
              {u"SubMenu", kGet},
              {u"TopMostParent", kGet},
              {u"Accelerator", kGet},
              {u"Visual", kGetSet},
              {u"Picture", kGetSet},
              {u"CheckedPicture", kGetSet},
              {u"ItemId", kGet},
              {u"Index", kGet},
              {u"Key", kGetLet},
              {u"Tag", kGetLet},
              {u"ItemData", kGetLet},
              {u"ItemData_String", kGet},
              {u"CaptionPlain", kGet},
              {u"Caption", kGetLet},
              {u"Checkmark", kGetLet},
              {u"RadioGroup", kGetLet},
              {u"Checked", kGetLet},
              {u"Enabled", kGetLet},
              {u"Grayed", kGetLet},
              {u"Visible", kGetLet},
              {u"Default", kGetLet},
              {u"Separator", kGetLet},
              {u"RightAlign", kGetLet},
              {u"SeparatorType", kGetLet},
              {u"RightToLeft", kGet},
              {u"DesignMode", kGet},
              {u"ParentType", kGet},
              {u"Search", kMethod},
              {u"BuddyObject", kGetSet},
              {u"CopyItem", kMethod},
              {u"LoadProperties", kMethod},
              {u"SaveProperties", kMethod},
          },
          {
              {u"Click", {}},
              {u"RightClick", {}},
          },
      },
      {
          u"Vellum10.Sidebar",
          &MakeSidebar,
          {},
          {},
          {
              // Parent and TopMostParent are read as the item's are.
              {u"Parent", kGet},
              {u"TopMostParent", kGet},
              {u"Visual", kGetSet},
              {u"Picture", kGetSet},
              {u"ItemId", kGet},
              {u"BreakId", kGet},
              {u"Index", kGet},
              {u"Key", kGetLet},
              {u"Caption", kGetLet},
              {u"Enabled", kGetLet},
              {u"Visible", kGetLet},
              {u"Escapement", kGetLet},
              {u"Position", kGetLet},
              {u"RightToLeft", kGet},
              {u"DesignMode", kGet},
              {u"ParentType", kGet},
              // No kind given: a method, as the item's Search is.
              {u"Search", kMethod},
              {u"BuddyObject", kGetSet},
              {u"CopyItem", kMethod},
              {u"LoadProperties", kMethod},
              {u"SaveProperties", kMethod},
          },
          {
              {u"Click", {}},
              {u"RightClick", {}},
          },
      },
      {
          u"Vellum10.ItemVisualProperties",
          &MakeItemVisualProperties,
          {},
          {},
          {
              {u"TextAlign", kGetLet},
              {u"PictureVAlign", kGetLet},
              {u"Font", kGetSet},
              {u"SelectBackground", kGetLet},
              {u"SelectBkGradient", kGetLet},
              {u"SelectForeground", kGetLet},
              {u"ItemBackground", kGetLet},
              {u"ItemBkGradient", kGetLet},
              {u"ItemForeground", kGetLet},
              {u"ItemCheckBackground", kGetLet},
              {u"RunnerColor", kGetLet},
              {u"RunnerSelection", kGetLet},
              {u"MultiGradient", kGet},
              {u"SelMultiGradient", kGet},
              {u"UnifyColorScheme", kMethod},
              {u"SelectionStyle", kGetLet},
              {u"DrawBoolPic", kGetLet},
              {u"ScaleImages", kGetLet},
              {u"ImageScaleWidth", kGetLet},
              {u"ImageScaleHeight", kGetLet},
              {u"SizeImage", kMethod},
              {u"UserWidth", kGetLet},
              {u"UserHeight", kGetLet},
              {u"UserSize", kMethod},
              {u"WrapLimit", kGetLet},
              {u"Item", kGet},
              {u"BuddyObject", kGetSet},
              {u"LoadProperties", kMethod},
              {u"SaveProperties", kMethod},
          },
          {
              {u"PropertyChanged", {u"PropertyName"}},
          },
      },
      {
          u"Vellum10.MultiGradient",
          &MakeMultiGradient,
          u"Color",
          {1},
          {
              // No kinds are given for this class: members with arguments are methods, and
              // Count and NewEnum read as the other collections' do.
              {u"Copy", kMethod},
              {u"Add", kMethod},
              {u"NewEnum", kGet},
              {u"Remove", kMethod},
              {u"Clear", kMethod},
              {u"Count", kGet},
              {u"Color", kMethod},
              {u"SaveProperties", kMethod},
              {u"LoadProperties", kMethod},
          },
          {},
      },
      {
          u"Vellum10.Accelerators",
          &MakeAccelerators,
          u"Item",
          {1},
          {
              {u"Menu", kGet},
              {u"IsPrefixLib", kGet},
              {u"ExtendedKeys", kGet},
              {u"Add", kMethod},
              {u"Item", kGet},
              {u"ItemByID", kGet},
              {u"Count", kGet},
              {u"Remove", kMethod},
              {u"RemoveByID", kMethod},
              {u"Clear", kMethod},
              {u"NewEnum", kGet},
              {u"SaveProperties", kMethod},
              {u"LoadProperties", kMethod},
          },
          {},
      },
      {
          u"Vellum10.Accelerator",
          &MakeAccelerator,
          {},
          {},
          {
              {u"ExtendedKeys", kGet},
              {u"KeyCode", kGetLet},
              {u"CommandKey", kGetLet},
              {u"Shift", kGetLet},
              {u"ItemId", kGet},
              {u"IsCommandPrefix", kGet},
              {u"Table", kGet},
              {u"AccelWord", kGetLet},
              {u"BuddyObject", kGetSet},
              {u"SaveProperties", kMethod},
              {u"LoadProperties", kMethod},
          },
          {
              {u"AcceleratorChange", {}},
          },
      },
  };
  return table;
}

std::string DescribeCalls(CallTypes calls) {
  static constexpr struct {
    CallTypes type;
    const char* name;
  } kNames[] = {{CallTypes::Method, "method"},
                {CallTypes::Get, "get"},
                {CallTypes::Let, "let"},
                {CallTypes::Set, "set by reference"}};
  std::string text;
  for (const auto& entry : kNames) {
    if (!Includes(calls, entry.type)) continue;
    if (!text.empty()) text += " | ";
    text += entry.name;
  }
  return text.empty() ? "none" : text;
}

void PrintTo(const InterfaceRow& row, std::ostream* out) {
  *out << StringToUtf8(row.className);
}

}  // namespace vellum::testing
