#include "native/menu_import.hpp"

#include <optional>
#include <string>

#include "accel/accelerator.hpp"
#include "items/menu_item.hpp"
#include "items/sub_menu.hpp"
#include "items/system_menu.hpp"
#include "model/library_state.hpp"
#include "model/menubar.hpp"
#include "native/native_sync.hpp"
#include "platform/platform.hpp"
#include "render/builtin_pictures.hpp"
#include "render/fonts.hpp"
#include "render/item_visual_properties.hpp"

namespace vellum {
namespace {

using namespace platform;

// Which routine imports: they map entries alike, with a few differences each.
enum class Routine { Menubar, Popup, SystemMenu };

struct Entry {
  MENUITEMINFOW record;
  String text;
};

// The entry at `position`, with its text and its item data; an entry that cannot be read reads
// as a plain one.
Entry ReadEntry(HMENU menu, UINT position) {
  Entry entry;
  entry.record.fMask =
      MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;
  GetItemInfo(menu, position, true, entry.record, &entry.text);
  return entry;
}

// A bitmap entry has no text to draw and is left out; every other kind is imported (a radio
// or right-to-left text entry included).
bool IsImported(UINT type) {
  constexpr UINT kDrawnKinds =
      MFT_RIGHTJUSTIFY | MFT_SEPARATOR | MFT_OWNERDRAW | MFT_MENUBREAK | MFT_MENUBARBREAK;
  return (type & MFT_BITMAP) == 0 || (type & kDrawnKinds) != 0;
}

// A check-mark bitmap of the entry as a 16 x 16 picture of the item's own.
Ref<Object> PictureOf(HBITMAP bitmap) {
  const HANDLE copy = CopyImage(bitmap, IMAGE_BITMAP, 16, 16, LR_COPYFROMRESOURCE);
  return copy ? PictureFromHandle(copy, 0, true) : nullptr;
}

// Text with a Tab is a caption and an accelerator: the part after the first Tab.
void ApplyText(MenuItem& item, const String& text) {
  const std::size_t tab = text.find(u'\t');
  item.Caption(text.substr(0, tab));
  if (tab != String::npos) item.Accelerator()->AccelWord(text.substr(tab + 1));
}

// The entry's kind and state as the item's properties.
void ApplyEntry(MenuItem& item, const Entry& entry, Routine routine) {
  const UINT type = entry.record.fType;
  const UINT state = entry.record.fState;
  if (type & MFT_RIGHTJUSTIFY) item.Visual()->TextAlign(taRight);
  if (state & MFS_DEFAULT) item.Default(true);
  if (state & (MFS_GRAYED | MFS_DISABLED)) item.Enabled(false);
  if (type & MFT_RADIOCHECK) item.RadioGroup(true);
  if (state & MFS_CHECKED) item.Checked(true);
  if (routine != Routine::SystemMenu) ApplyText(item, entry.text);
  if (type & MFT_SEPARATOR) {
    item.Separator(true);
    item.SeparatorType(mstNormal);
    if (routine == Routine::Popup) item.Caption(u"-");
  } else if (type & MFT_MENUBARBREAK) {
    item.Separator(true);
    item.SeparatorType(mstBarBreak);
  } else if (type & MFT_MENUBREAK) {
    item.Separator(true);
    item.SeparatorType(mstBreak);
  }
  // Imported entries look as added ones do under the flat draw style.
  ApplyFlatSelection(item, routine == Routine::Menubar);
  if (routine != Routine::Popup) return;
  if (entry.record.hbmpUnchecked) item.Picture(PictureOf(entry.record.hbmpUnchecked));
  if (entry.record.hbmpChecked) {
    item.CheckedPicture(PictureOf(entry.record.hbmpChecked));
    item.Visual()->SelectionStyle(mssNoCheckBevel);
  }
}

// A new item of `menu` after `previous`, at `position`.
Ref<MenuItem> NewItem(Menu& menu, const Ref<MenuItem>& previous, std::int32_t position) {
  const Ref<MenuItem> item = MenuItem::New();
  if (previous) {
    item->SetPrevItem(previous);
    previous->SetNextItem(item);
  }
  item->SetParent(menu.shared_from_this());
  item->Accelerator()->AttachToTable(menu.AcceleratorTable());
  item->SetIndex(position);
  return item;
}

void ListUnderDefaultKey(Menu& menu, const Ref<MenuItem>& item) {
  item->Key(DefaultKey(static_cast<std::uint32_t>(item->ItemId())));
  menu.ItemCollection()->Add(item, item->Key());
}

// The command ID an imported entry keeps: its own, unless it is 0 (a separator) or taken by an
// item of the menu already — several entries of one ID could not be told apart — in which
// case the item keeps the ID it was given.
std::int32_t KeptId(const Menu& menu, const MenuItem& item, UINT entryId) {
  const auto id = static_cast<std::int32_t>(entryId);
  if (id == 0 || menu.ItemCollection()->ContainsKey(DefaultKey(entryId))) return item.ItemId();
  return id;
}

// Runs the steps of one entry; when one fails, the item leaves the menu again, so that the
// menu holds exactly the entries imported before it, and the error goes on.
template <class Steps>
void ImportOrUndo(Menu& menu, const Ref<MenuItem>& item, Steps&& steps) {
  try {
    steps();
  } catch (const AutomationError&) {
    if (menu.ItemCollection()->ContainsKey(item->Key())) menu.ItemCollection()->Remove(item->Key());
    if (const Ref<MenuItem> previous = item->PrevItem()) previous->SetNextItem(nullptr);
    RelinkItems(menu);
    throw;
  }
}

// What both the menu-bar and the popup routine do, entry by entry.
void ImportEntries(HMENU source, Menu& target, Routine routine, bool adopting, bool tagOriginalIDs,
                   TranslateItemDataConstants translate) {
  const auto keepAlive = target.shared_from_this();
  const int count = GetMenuItemCount(source);
  if (adopting) {
    target.AdoptHandle(source);
  } else if (target.hMenu() == 0) {
    routine == Routine::Menubar ? static_cast<Menubar&>(target).Create()
                                : static_cast<SubMenu&>(target).Create();
  }
  Ref<MenuItem> previous;
  for (int position = 0; position < count; ++position) {
    const UINT at = static_cast<UINT>(position);
    const Entry entry = ReadEntry(source, at);
    if (!IsImported(entry.record.fType)) continue;

    const Ref<MenuItem> item = NewItem(target, previous, position);
    ImportOrUndo(target, item, [&] {
      if (routine == Routine::Menubar) {
        item->Visual()->TextAlign(taCenter);
        item->SetParentType(mtcMenubar);
      }
      if (translate != tdNone) item->ItemData(static_cast<std::int32_t>(entry.record.dwItemData));
      if (tagOriginalIDs) item->Tag(Utf8ToString(std::to_string(entry.record.wID)));
      // Adopted entries keep their command IDs, so that the host's own handling still works.
      if (adopting) item->SetItemId(KeptId(target, *item, entry.record.wID));
      ListUnderDefaultKey(target, item);
      ApplyEntry(*item, entry, routine);
      // The nested menu is read before the entry is replaced, which destroys it.
      if (entry.record.hSubMenu) {
        CopyNativePopup(entry.record.hSubMenu, *item->SubMenu(), false, tagOriginalIDs, tdNone);
      }
    });
    previous = item;
    const auto id = static_cast<UINT_PTR>(static_cast<UINT>(item->ItemId()));
    if (adopting) {
      DeleteMenu(source, at, MF_BYPOSITION);
      InsertMenuA(source, at, MF_BYPOSITION | MF_OWNERDRAW, id, nullptr);
    } else {
      AppendMenuA(target.hMenu(), MF_OWNERDRAW, id, nullptr);
    }
    item->ResumeUpdates();
    // The item's record carries its popup as the entry's submenu.
    item->UpdateNative(!adopting);
  }
  RelinkItems(target);
}

// How the window stands, for the entries of its system menu.
enum class ShowState { Normal, Minimized, Maximized };

ShowState ShowStateOf(HWND hWnd) {
  WINDOWPLACEMENT placement;
  placement.length = sizeof placement;
  if (!GetWindowPlacement(hWnd, &placement)) return ShowState::Normal;
  if (placement.showCmd == SW_SHOWMAXIMIZED) return ShowState::Maximized;
  // The platform reports a minimised window as shown minimised (2); 6 is the minimise command.
  if (placement.showCmd == SW_SHOWMINIMIZED || placement.showCmd == SW_MINIMIZE) {
    return ShowState::Minimized;
  }
  return ShowState::Normal;
}

// The standard entries of a system menu by position: caption, picture, and the show state
// that disables the entry.
struct StandardEntry {
  const char16_t* caption;
  std::optional<BuiltInPicture> picture;
  std::optional<ShowState> disabledWhen;
};

constexpr StandardEntry kStandardEntries[] = {
    {u"&Restore", BuiltInPicture::Restore, ShowState::Normal},
    {u"&Move", std::nullopt, std::nullopt},
    {u"&Size", std::nullopt, std::nullopt},
    {u"Mi&nimize", BuiltInPicture::Minimize, ShowState::Minimized},
    {u"Ma&ximize", BuiltInPicture::Maximize, ShowState::Maximized},
    {u"-", std::nullopt, std::nullopt},
    {u"&Close", BuiltInPicture::Close, std::nullopt},
};
constexpr std::size_t kClosePosition = 6;

void ApplyStandardEntry(MenuItem& item, std::size_t position, ShowState show) {
  const StandardEntry& standard = kStandardEntries[position];
  item.Caption(standard.caption);
  if (standard.picture) item.Picture(LoadBuiltInPicture(*standard.picture));
  if (standard.disabledWhen == show) item.Enabled(false);
  if (position == kClosePosition) {
    item.Accelerator()->AccelWord(u"Alt+F4");
    item.Default(true);
  }
}

}  // namespace

void ImportMenubar(HMENU source, Menubar& bar, bool adopting, bool tagOriginalIDs,
                   TranslateItemDataConstants translate) {
  ImportEntries(source, bar, Routine::Menubar, adopting, tagOriginalIDs, translate);
}

void CopyNativePopup(HMENU source, SubMenu& popup, bool adopting, bool tagOriginalIDs,
                     TranslateItemDataConstants translate) {
  ImportEntries(source, popup, Routine::Popup, adopting, tagOriginalIDs, translate);
}

void ImportSystemMenu(HWND hWnd, SystemMenu& menu, bool revertMenu,
                      TranslateItemDataConstants translate) {
  const auto keepAlive = menu.shared_from_this();
  if (revertMenu) GetSystemMenu(hWnd, TRUE);
  const HMENU source = GetSystemMenu(hWnd, FALSE);
  const int count = GetMenuItemCount(source);
  // Taking the handle over drops whatever items the menu held.
  menu.AdoptHandle(source);
  menu.SetOwnerWindow(hWnd);
  const ShowState show = ShowStateOf(hWnd);

  Ref<MenuItem> previous;
  for (int position = 0; position < count; ++position) {
    const UINT at = static_cast<UINT>(position);
    const Entry entry = ReadEntry(source, at);
    const Ref<MenuItem> item = NewItem(menu, previous, position);
    if (translate != tdNone) item->ItemData(static_cast<std::int32_t>(entry.record.dwItemData));
    // System commands keep their codes.
    item->SetItemId(KeptId(menu, *item, entry.record.wID));
    // A plain entry with that command ID; it turns owner-drawn when the item writes itself.
    RemoveMenu(source, at, MF_BYPOSITION);
    InsertMenuA(source, at, MF_BYPOSITION, static_cast<UINT_PTR>(static_cast<UINT>(item->ItemId())),
                nullptr);
    item->SetParentType(mtcSysmenu);
    ImportOrUndo(menu, item, [&] {
      ListUnderDefaultKey(menu, item);
      ApplyEntry(*item, entry, Routine::SystemMenu);
      if (entry.record.hSubMenu) {
        CopyNativePopup(entry.record.hSubMenu, *item->SubMenu(), false, true, tdNone);
      }
      if (static_cast<std::size_t>(position) < std::size(kStandardEntries)) {
        ApplyStandardEntry(*item, static_cast<std::size_t>(position), show);
      } else {
        // The host's own entries keep their native text, as the other routines give it.
        ApplyText(*item, entry.text);
      }
    });
    previous = item;
    item->ResumeUpdates();
    item->UpdateNative(false);
  }
  RelinkItems(menu);
}

}  // namespace vellum
