// System menus: each window's own copy of the default system menu, with entry states that
// follow the window's placement.
#include "platform/sim/system_menu.hpp"

#include "platform/sim/call_arguments.hpp"
#include "platform/sim/menu_table.hpp"
#include "platform/sim/window_table.hpp"
#include "platform/user32.hpp"

namespace vellum::sim::detail {
namespace {

using namespace platform;

struct DefaultEntry {
  UINT id;
  const char16_t* text;
};

constexpr DefaultEntry kDefaultEntries[] = {
    {SC_RESTORE, u"&Restore"},    {SC_MOVE, u"&Move"},         {SC_SIZE, u"&Size"},
    {SC_MINIMIZE, u"Mi&nimize"},  {SC_MAXIMIZE, u"Ma&ximize"}, {0, nullptr},
    {SC_CLOSE, u"&Close\tAlt+F4"}};

HMENU BuildDefaultSystemMenu(HWND hWnd) {
  const HMENU handle = NewMenu(true);
  MenuRecord& menu = *FindMenu(handle);
  menu.systemMenuOf = hWnd;
  for (const DefaultEntry& item : kDefaultEntries) {
    MenuEntry entry;
    entry.id = item.id;
    if (item.text)
      entry.text = item.text;
    else
      entry.type = MFT_SEPARATOR;
    if (item.id == SC_CLOSE) entry.state = MFS_DEFAULT;
    menu.entries.push_back(std::move(entry));
  }
  return handle;
}

// Which commands the placement rules out: Restore when normal; Maximize, Move and Size when
// maximised; Minimize and Size when minimised.
bool RuledOut(UINT id, sim::Placement placement) {
  switch (placement) {
    case sim::Placement::Normal:
      return id == SC_RESTORE;
    case sim::Placement::Maximized:
      return id == SC_MAXIMIZE || id == SC_MOVE || id == SC_SIZE;
    case sim::Placement::Minimized:
      return id == SC_MINIMIZE || id == SC_SIZE;
  }
  return false;
}

}  // namespace

HMENU SystemMenuOf(HWND hWnd) {
  WindowRecord* window = FindWindow(hWnd);
  if (!window) return 0;
  if (!FindMenu(window->systemMenu)) {
    window->systemMenu = BuildDefaultSystemMenu(hWnd);
    UpdateSystemMenuStates(hWnd);
  }
  return window->systemMenu;
}

void UpdateSystemMenuStates(HWND hWnd) {
  const WindowRecord* window = FindWindow(hWnd);
  if (!window) return;
  constexpr UINT kPlacementCommands[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE};
  for (UINT id : kPlacementCommands) {
    auto location = LocateEntry(window->systemMenu, id, false);
    if (!location) continue;
    MenuEntry& entry = *FindEntry(*location);
    entry.state &= ~(MF_GRAYED | MF_DISABLED);
    if (RuledOut(id, window->placement)) entry.state |= MF_GRAYED;
  }
}

}  // namespace vellum::sim::detail

namespace vellum::platform {

// FALSE: the window's own copy of the default system menu (made on first use). TRUE: the copy
// is destroyed, the window goes back to the default, and the result is 0.
HMENU GetSystemMenu(HWND hWnd, BOOL bRevert) {
  sim::detail::LogCall("GetSystemMenu",
                       {{"hWnd", sim::detail::Hex(hWnd)}, {"bRevert", sim::detail::Dec(bRevert)}});
  sim::detail::WindowRecord* window = sim::detail::FindWindow(hWnd);
  if (!window) return 0;
  if (bRevert) {
    sim::detail::DestroyMenuTree(window->systemMenu);
    window->systemMenu = 0;
    return 0;
  }
  return sim::detail::SystemMenuOf(hWnd);
}

}  // namespace vellum::platform
