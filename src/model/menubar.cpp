#include "model/menubar.hpp"

#include "accel/accelerator.hpp"
#include "accel/accelerators.hpp"
#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "items/sub_menu.hpp"
#include "model/library_state.hpp"
#include "model/menus.hpp"
#include "native/handle_object.hpp"
#include "native/menu_import.hpp"
#include "native/menu_wnd_proc.hpp"
#include "native/native_sync.hpp"
#include "platform/automation/bag_section.hpp"
#include "platform/platform.hpp"
#include "render/item_visual_properties.hpp"

namespace vellum {

using namespace platform;

namespace {
[[maybe_unused]] const bool kPersistable = (RegisterPersistable<Menubar>(), true);
}  // namespace

Ref<Menubar> Menubar::New() {
  return ObjectFactory::Make<Menubar>();
}

void Menubar::Created() {
  Menu::Created();
  Create();
}

// The last reference is going: the bar's native menu goes with it. Its items, released with
// the list, no longer find the bar to delete their entries from, so that happens here.
Menubar::~Menubar() {
  if (hWnd_ != 0 && !connected_) ReleaseWindow(hWnd_);
  if (hMenu_ == 0) return;
  for (const Ref<MenuItem>& item : ItemList()) {
    IgnoringErrors([&] { item->SubMenu()->Destroy(); });
  }
  DestroyMenu(hMenu_);
}

void Menubar::Font(const Ref<StdFont>& font) {
  font_ = font;
  RedrawWindowBar();
}

void Menubar::RedrawWindowBar() const {
  if (hWnd_ != 0) DrawMenuBar(hWnd_);
}

void Menubar::Create() {
  if (hMenu_ != 0) return;
  hMenu_ = CreateMenu();
  IgnoringErrors([&] { Menus::RegisterMenu(*this); });
  if (hWnd_ != 0 && !connected_) {
    SetMenu(hWnd_, hMenu_);
    DrawMenuBar(hWnd_);
  }
}

void Menubar::Destroy() {
  const auto keepAlive = Self<Menubar>();
  if (hWnd_ != 0) IgnoringErrors([&] { ReleaseWindowHandle(); });
  DropItems();
  if (hMenu_ != 0) {
    IgnoringErrors([&] { Menus::UnregisterMenu(*this); });
    DestroyMenu(hMenu_);
    hMenu_ = 0;
  }
}

Ref<MenuItem> Menubar::Add(const String& caption, const Ref<Object>& picture, const String& key,
                           const Variant& insertAfter) {
  const auto self = Self<Menubar>();
  if (hMenu_ == 0) Create();

  const Ref<MenuItem> item = MenuItem::New();
  IgnoringErrors([&] { item->SetParent(self); });
  IgnoringErrors([&] { item->Accelerator()->AttachToTable(accelerators_); });
  item->Key(key.empty() ? DefaultKey(static_cast<std::uint32_t>(item->ItemId())) : key);

  // The anchor: a key, an item, or an item ID anywhere in the bar's tree.
  Ref<MenuItem> after;
  IgnoringErrors([&] {
    if (insertAfter.IsMissing()) return;
    if (insertAfter.IsString()) {
      after = Item(insertAfter);
    } else if (insertAfter.IsObject()) {
      after = AsMenuItem(insertAfter);
    } else {
      after = Search(insertAfter);
    }
  });
  if (after) {
    InsertMenuA(hMenu_, NativePosition(*after) + 1, MF_BYPOSITION | MF_OWNERDRAW,
                static_cast<UINT_PTR>(static_cast<UINT>(item->ItemId())), nullptr);
    IgnoringErrors([&] { items_->Add(item, item->Key(), Missing, after->Index() + 1); });
    RelinkItems(*this);
  } else {
    item->SetIndex(items_->Count());
    AppendMenuA(hMenu_, MF_OWNERDRAW, static_cast<UINT_PTR>(static_cast<UINT>(item->ItemId())),
                nullptr);
    IgnoringErrors([&] { items_->Add(item, item->Key()); });
  }

  IgnoringErrors([&] { item->SetRightToLeft(rightToLeft_); });
  IgnoringErrors([&] { item->Visual()->TextAlign(taCenter); });
  IgnoringErrors([&] { item->Caption(caption); });
  if (picture) IgnoringErrors([&] { item->Picture(picture); });
  IgnoringErrors([&] { ApplyFlatSelection(*item, true); });
  item->ResumeUpdates();
  // For a bar item the refresh rebuilds the whole bar, which also relinks the items.
  IgnoringErrors([&] { item->UpdateNative(false); });
  if (!connected_) RedrawWindowBar();
  return item;
}

Ref<MenuItem> Menubar::Item(const Variant& indexKey) const {
  Ref<MenuItem> item;
  IgnoringErrors([&] { item = AsMenuItem(items_->Item(indexKey)); });
  return item;
}

Ref<SubMenu> Menubar::SubMenu(const Variant& indexKey) const {
  const Ref<MenuItem> item = Item(indexKey);
  return item ? item->SubMenu() : nullptr;
}

void Menubar::Remove(const Variant& indexKey) {
  IgnoringErrors([&] {
    const Variant removed = items_->Item(indexKey);  // the item goes when this is released
    items_->Remove(indexKey);
    RelinkItems(*this);
  });
}

void Menubar::Clear() {
  DropItems();
}

Ref<MenuItem> Menubar::Search(const Variant& indexKey) {
  const std::int32_t id = indexKey.ToLong();
  const Ref<Menus> active = Library().activeMenus;
  const Ref<Object> found = active ? active->SearchRecursive(Self<Menubar>(), id) : nullptr;
  if (found && !std::dynamic_pointer_cast<MenuItem>(found)) RaiseError(error::kTypeMismatch);
  return std::dynamic_pointer_cast<MenuItem>(found);
}

void Menubar::SetWindowList(const Variant& menu) {
  if (!menu.IsObject()) {
    windowList_ = AsMenuItem(items_->Item(menu))->SubMenu();
  } else if (const auto popup = std::dynamic_pointer_cast<vellum::SubMenu>(menu.ToObject());
             popup && popup->MenuType() == mtcPopup && popup->TopMostParent() == Self<Menubar>()) {
    windowList_ = popup;
  }
  if (!windowList_) return;
  for (const Ref<MenuItem>& item : ItemList()) {
    const Ref<vellum::SubMenu> popup = item->SubMenu();
    popup->SetWindowList(popup->hMenu() == windowList_->hMenu());
  }
}

void Menubar::Redraw() {
  RedrawWindowBar();
}

void Menubar::SetWindowHandle(HWND hWnd, bool copyOldMenu) {
  // Window 0 is no window: attaching it would leave a registry record nothing releases.
  if (hWnd_ != 0 || hWnd == 0) return;
  const auto keepAlive = Self<Menubar>();
  hWnd_ = hWnd;
  if (!connected_) {
    IgnoringErrors([&] {
      oldWndMenu_ = GetMenu(hWnd);
      if (oldWndMenu_ == hMenu_) {
        oldWndMenu_ = 0;
      } else {
        SetMenu(hWnd, hMenu_);
      }
    });
    if (copyOldMenu && oldWndMenu_ != 0) {
      IgnoringErrors([&] { ImportMenubar(oldWndMenu_, *this, false, false, tdNone); });
    }
    // Every attached bar holds its own reference, so that releasing one bar of a window that
    // shows another keeps the window subclassed for the other.
    IgnoringErrors([&] { AttachWindow(hWnd, MenuWndProc, hMenu_); });
    if (items_->Count() > 0) IgnoringErrors([&] { RebuildNativeMenu(*this); });
  }
  DrawMenuBar(hWnd);
}

void Menubar::SetWindowHandleMDI(HWND hMDIWnd, bool copyOldMenu) {
  SetWindowHandle(hMDIWnd, copyOldMenu);
}

void Menubar::Subclass(HWND hWnd, bool tagOriginalIDs, TranslateItemDataConstants translate) {
  if (hWnd_ != 0) return;
  const auto keepAlive = Self<Menubar>();
  // Taking over drops the bar's own items and native menu first.
  IgnoringErrors([&] { ImportMenubar(GetMenu(hWnd), *this, true, tagOriginalIDs, translate); });
  IgnoringErrors([&] { SetWindowHandle(hWnd, false); });
  IgnoringErrors([&] { Menus::RegisterMenu(*this); });
}

void Menubar::CopyMenu(HMENU hMenu, bool tagOriginalIDs, TranslateItemDataConstants translate) {
  const auto keepAlive = Self<Menubar>();
  // The bar keeps its window: only its items and native menu are replaced.
  if (hMenu_ != 0) AdoptHandle(0);
  Create();
  ImportMenubar(hMenu, *this, false, tagOriginalIDs, translate);
  if (hWnd_ != 0) {
    SetMenu(hWnd_, hMenu_);
    DrawMenuBar(hWnd_);
  }
}

void Menubar::CopyFromWindow(HWND hWnd, bool tagOriginalIDs, TranslateItemDataConstants translate) {
  CopyMenu(GetMenu(hWnd), tagOriginalIDs, translate);
}

void Menubar::ReleaseWindowHandle() {
  if (hWnd_ == 0) return;
  // A lit entry's timer goes with the window: no later tick would find the bar to stop it.
  if (HotItem()) KillTimer(hWnd_, static_cast<UINT_PTR>(hMenu_));
  hotItem_.reset();
  if (!connected_) IgnoringErrors([&] { ReleaseWindow(hWnd_); });
  hWnd_ = 0;
}

void Menubar::SaveProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const BagSection bag(PropBag, Prefix);
  bag.Write(u"ItemId", itemId_);
  bag.Write(u"RightToLeft", rightToLeft_);
  bag.Write(u"Key", key_);
  bag.WriteObject(u"Font", font_);
  SaveItems(bag);
}

void Menubar::LoadProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const auto keepAlive = Self<Menubar>();
  const BagSection bag(PropBag, Prefix);
  itemId_ = bag.ReadLong(u"ItemId", itemId_);
  rightToLeft_ = bag.ReadBool(u"RightToLeft", rightToLeft_);
  key_ = bag.ReadString(u"Key", key_);
  font_ = bag.ReadObject(u"Font", font_);
  const std::int32_t count = bag.ReadLong(u"Count", 0);
  Clear();
  LoadThenFinish([&] { LoadItems(bag, count); });
}

LRESULT Menubar::ExecCmd(WPARAM wParam, UINT message) {
  const auto self = Self<Menubar>();
  const Ref<Menus> active = Library().activeMenus;
  IgnoringErrors([&] {
    if (message == WM_COMMAND || message == WM_MENURBUTTONUP) {
      const Ref<MenuItem> item = active
                                     ? std::dynamic_pointer_cast<MenuItem>(active->SearchRecursive(
                                           self, static_cast<std::int32_t>(wParam)))
                                     : nullptr;
      if (!item) return;
      message == WM_MENURBUTTONUP ? Announce(u"Menubar_ItemRightClick", ItemRightClick, item)
                                  : Announce(u"Menubar_UserCommand", UserCommand, item);
    } else if (message == WM_INITMENU) {
      if (static_cast<HMENU>(wParam) == hMenu_) Announce(u"Menubar_Initialize", Initialize);
    } else if (message == WM_INITMENUPOPUP) {
      const Ref<vellum::SubMenu> popup = active
                                             ? std::dynamic_pointer_cast<vellum::SubMenu>(
                                                   active->MenuByHandle(static_cast<HMENU>(wParam)))
                                             : nullptr;
      // Raised for popups whose chain of parents reaches this bar.
      if (IsBelow(popup, self)) Announce(u"Menubar_SubmenuInitialize", SubmenuInitialize, popup);
    }
  });
  return 0;
}

const MemberTable& Menubar::Members() const {
  static const MemberTable table(
      {
          ReadOnly(u"OldWndMenu", &Menubar::OldWndMenu),
          ReadOnly(u"OldWndProc", &Menubar::OldWndProc),
          ReadOnly(u"Counter", &Menubar::Counter),
          Property(u"Connected", &Menubar::Connected, &Menubar::Connected),
          ReadOnly(u"Accelerators", &Menubar::Accelerators),
          Custom<Menubar>(u"Add",
                          [](Menubar& self, Invocation& call) {
                            members::CheckArgumentCount(call, 4);
                            const Variant& picture = call.Arg(1);
                            const Variant& key = call.Arg(2);
                            return Variant(
                                self.Add(call.Required(0).ToString(),
                                         picture.IsObject() ? picture.ToObject() : nullptr,
                                         key.IsMissing() ? String() : key.ToString(), call.Arg(3)));
                          }),
          Method(u"Item", &Menubar::Item),
          ReadOnly(u"SubMenu", &Menubar::SubMenu),
          Method(u"Remove", &Menubar::Remove),
          Method(u"Clear", &Menubar::Clear),
          ReadOnly(u"WindowList", &Menubar::WindowList),
          Method(u"SetWindowList", &Menubar::SetWindowList),
          Method(u"Search", &Menubar::Search),
          Method(u"Redraw", &Menubar::Redraw),
          Custom<Menubar>(u"SetWindowHandle",
                          [](Menubar& self, Invocation& call) {
                            members::CheckArgumentCount(call, 2);
                            self.SetWindowHandle(static_cast<HWND>(call.Required(0).ToLong()),
                                                 members::OptionalArgument(call, 1, false));
                            return Variant();
                          }),
          Custom<Menubar>(u"SetWindowHandleMDI",
                          [](Menubar& self, Invocation& call) {
                            members::CheckArgumentCount(call, 2);
                            self.SetWindowHandleMDI(static_cast<HWND>(call.Required(0).ToLong()),
                                                    members::OptionalArgument(call, 1, false));
                            return Variant();
                          }),
          Method(u"ReleaseWindowHandle", &Menubar::ReleaseWindowHandle),
          Method(u"Create", &Menubar::Create),
          Method(u"Destroy", &Menubar::Destroy),
          ImportMember(u"Subclass", &Menubar::Subclass),
          ImportMember(u"CopyMenu", &Menubar::CopyMenu),
          ImportMember(u"CopyFromWindow", &Menubar::CopyFromWindow),
      },
      &Menu::Members(), u"Item");
  return table;
}

const EventTable& Menubar::Events() const {
  static const EventTable table(
      {
          EventMember(u"Initialize", &Menubar::Initialize, {}),
          EventMember(u"UserCommand", &Menubar::UserCommand, {u"Item"}),
          EventMember(u"ItemRightClick", &Menubar::ItemRightClick, {u"Item"}),
          EventMember(u"SubmenuInitialize", &Menubar::SubmenuInitialize, {u"SubMenu"}),
      },
      &Object::Events());
  return table;
}

}  // namespace vellum
