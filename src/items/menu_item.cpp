#include "items/menu_item.hpp"

#include "accel/accelerator.hpp"
#include "items/caption_text.hpp"
#include "items/entry_notifications.hpp"
#include "items/sub_menu.hpp"
#include "model/image_columns.hpp"
#include "model/library_state.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "native/native_sync.hpp"
#include "platform/platform.hpp"
#include "render/builtin_pictures.hpp"
#include "render/item_visual_properties.hpp"

namespace vellum {
namespace {

using namespace platform;

bool IsMenuOfKind(const Ref<Menu>& menu, MenuTypeConstants type) {
  return menu && menu->MenuType() == type;
}

// Stores `value` and says whether it changed: assigning the same value again does nothing.
template <class T>
bool Change(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

MENUITEMINFOW ToRecord(const NativeItemRecord& native) {
  MENUITEMINFOW record;
  record.fMask = native.mask;
  record.fType = native.type;
  record.fState = native.state;
  record.wID = native.id;
  record.hSubMenu = native.subMenu;
  return record;
}

}  // namespace

Ref<MenuItem> MenuItem::New() {
  return ObjectFactory::Make<MenuItem>();
}

void MenuItem::Created() {
  itemId_ = NextItemId();
  nativeInfo_.id = static_cast<UINT>(itemId_);
  visual_ = ItemVisualProperties::New();
  visual_->SetItem(Self<MenuItem>());
  accelerator_ = vellum::Accelerator::New();
  accelerator_->SetItemId(itemId_);
  subMenu_ = vellum::SubMenu::New();
  subMenu_->SetItemId(itemId_);

  const std::weak_ptr<MenuItem> self = Self<MenuItem>();
  visualConnection_ = visual_->PropertyChanged.Connect([self](const String& property) {
    if (const auto item = self.lock()) item->OnVisualChanged(property);
  });
  acceleratorConnection_ = accelerator_->AcceleratorChange.Connect([self] {
    // The accelerator text is part of the entry's width.
    if (const auto item = self.lock()) item->UpdateNative(false);
  });
}

MenuItem::~MenuItem() {
  RemoveNative();
}

Ref<Menu> MenuItem::ParentMenu() const {
  return AsMenu(parent_.lock());
}

Ref<Object> MenuItem::TopMostParent() const {
  return TopMostParentOf(parent_.lock());
}

void MenuItem::Visual(const Ref<ItemVisualProperties>& visual) {
  if (!visual) return;
  visual_ = visual;  // the style's own owner stays as it was
  const std::weak_ptr<MenuItem> self = Self<MenuItem>();
  visualConnection_ = visual_->PropertyChanged.Connect([self](const String& property) {
    if (const auto item = self.lock()) item->OnVisualChanged(property);
  });
  UpdateNative(false);
}

void MenuItem::Picture(const Ref<Object>& picture) {
  picture_ = picture;
  UpdateNative(false);
}

void MenuItem::CheckedPicture(const Ref<Object>& picture) {
  checkedPicture_ = picture;
  UpdateNative(false);
}

String MenuItem::CaptionPlain() const {
  return PlainCaption(caption_);
}

void MenuItem::Caption(const String& value) {
  if (value == caption_) return;
  caption_ = value;
  if (caption_ == u"-") {
    separator_ = true;
    separatorType_ = mstNormal;
  }
  captionLayout_.valid = false;
  UpdateNative(false);
}

void MenuItem::Checkmark(bool value) {
  if (value == checkmark_) return;
  if (!checkedPicture_) checkedPicture_ = LoadBuiltInCheckPicture(radioGroup_);
  checkmark_ = value;
  UpdateNative(false);
}

void MenuItem::RadioGroup(bool value) {
  if (value == radioGroup_) return;
  // The check picture follows the kind of group, replacing one the host set.
  checkedPicture_ = LoadBuiltInCheckPicture(value);
  radioGroup_ = value;
  UpdateNative(false);
}

String MenuItem::ItemData_String() const {
  // The data is an address only the platform can vouch for: it reads its own memory, and
  // anything else as empty text.
  return ReadStringAt(static_cast<std::uint32_t>(itemData_), UseWideCalls());
}

void MenuItem::Checked(bool value) {
  if (value == checked_) return;
  if (radioGroup_ && value) {
    const Ref<Menu> parent = ParentMenu();
    if (IsMenuOfKind(parent, mtcPopup) || IsMenuOfKind(parent, mtcMenubar)) {
      parent->ClearRadioGroup();
    }
  }
  checked_ = value;
  UpdateNative(true);
}

void MenuItem::Enabled(bool value) {
  if (Change(enabled_, value)) UpdateNative(true);
}

void MenuItem::Grayed(bool value) {
  if (Change(grayed_, value)) UpdateNative(true);
}

void MenuItem::Visible(bool value) {
  if (value == visible_) return;
  const auto keepAlive = Self<MenuItem>();
  visible_ = value;
  ReinsertNativeItem(itemId_, false, nullptr);
  if (visible_) {
    UpdateNative(false);
  } else if (const Ref<Menu> parent = ParentMenu(); IsMenuOfKind(parent, mtcMenubar)) {
    static_cast<Menubar&>(*parent).RedrawWindowBar();
  }
}

void MenuItem::Default(bool value) {
  if (Change(default_, value)) UpdateNative(false);
}

void MenuItem::Separator(bool value) {
  if (Change(separator_, value)) UpdateNative(false);
}

void MenuItem::SeparatorType(SeparatorTypeConstants value) {
  if (value == separatorType_) return;
  if (value != mstNormal) separator_ = true;
  if (value == mstCaption) {
    // The tooltip background as a colour value, not as a system-colour reference.
    IgnoringErrors([&] {
      visual_->ItemBackground(static_cast<std::int32_t>(GetSysColor(COLOR_INFOBK)));
      visual_->TextAlign(taCenter);
    });
  }
  separatorType_ = value;
  UpdateNative(false);
}

void MenuItem::RightAlign(bool value) {
  if (Change(rightAlign_, value)) UpdateNative(false);
}

Ref<Object> MenuItem::Search(const Variant& indexKey) {
  const std::int32_t id = indexKey.ToLong();
  const Ref<Menus> active = Library().activeMenus;
  return active ? active->SearchRecursive(subMenu_, id) : nullptr;
}

void MenuItem::SetItemId(std::int32_t id) {
  itemId_ = id;
  subMenu_->SetItemId(id);
  nativeInfo_.id = static_cast<UINT>(id);
  UpdateNative(false);
}

void MenuItem::SetRightToLeft(bool value) {
  if (Change(rightToLeft_, value)) UpdateNative(false);
}

void MenuItem::SetSubMenu(const Ref<vellum::SubMenu>& subMenu) {
  if (!subMenu) return;
  subMenu_ = subMenu;
  UpdateNative(true);
}

void MenuItem::SetParent(const Ref<Object>& parent) {
  parent_.reset();
  if (const Ref<Menu> menu = AsMenu(parent)) {
    parent_ = menu;
    IgnoringErrors([&] { subMenu_->SetParent(menu); });
    IgnoringErrors([&] { accelerator_->AttachToTable(menu->Accelerators()); });
    parentType_ = menu->MenuType();
    designMode_ = false;
    rightToLeft_ = menu->RightToLeft();
    return;
  }
  // A designer object: the popup, the table and the parent type stay as they were.
  parent_ = parent;
  designMode_ = parent != nullptr;
}

void MenuItem::UpdateNative(bool noRefresh) {
  const Ref<Menu> parent = ParentMenu();
  if (updatesSuspended_ || !parent) return;
  UINT type = 0;
  UINT state = 0;
  if (!enabled_) state = MFS_DISABLED;
  if (grayed_) state |= MFS_GRAYED;
  // Checking an item makes it a check-mark item for good (a radio item never is one).
  if (checked_) checkmark_ = !radioGroup_;
  if (radioGroup_ || checkmark_) {
    if (radioGroup_) type = MFT_RADIOCHECK;
    if (checked_) state += MFS_CHECKED;
  }
  if (caption_ == u"-") {
    separator_ = true;
    separatorType_ = mstNormal;
  }
  if (separator_) {
    switch (separatorType_) {
      case mstNormal:
        type = MFT_SEPARATOR | MFT_OWNERDRAW;
        break;
      case mstCaption: {
        type = MFT_OWNERDRAW;
        bool anyVisible = false;
        IgnoringErrors([&] { anyVisible = subMenu_->AnyItemVisible(); });
        if (!anyVisible) state |= MFS_DISABLED;
        break;
      }
      case mstBreak:
        type = MFT_MENUBREAK | MFT_OWNERDRAW;
        break;
      case mstBarBreak:
        type = MFT_MENUBARBREAK | MFT_OWNERDRAW;
        break;
      default:
        break;
    }
  } else {
    type += MFT_OWNERDRAW;
  }
  if (visual_->TextAlign() == taRight || rightAlign_) type += MFT_RIGHTJUSTIFY;
  if (default_) state += MFS_DEFAULT;
  if (grayed_) type |= MFT_SEPARATOR;

  nativeInfo_.mask = MIIM_STATE | MIIM_TYPE;
  nativeInfo_.type = type;
  nativeInfo_.state = state;
  nativeInfo_.id = static_cast<UINT>(itemId_);
  if (subMenu_->hMenu() != 0) {
    nativeInfo_.mask |= MIIM_SUBMENU;
    nativeInfo_.subMenu = subMenu_->hMenu();
  }
  SetItemInfo(parent->hMenu(), static_cast<UINT>(itemId_), false, ToRecord(nativeInfo_));
  if (!noRefresh) Refresh();
}

void MenuItem::ReadNative() {
  const Ref<Menu> parent = ParentMenu();
  if (!parent) return;
  MENUITEMINFOW record;
  record.fMask = MIIM_STATE | MIIM_TYPE;
  GetItemInfo(parent->hMenu(), static_cast<UINT>(itemId_), false, record);
  nativeInfo_.mask = record.fMask;
  nativeInfo_.type = record.fType;
  nativeInfo_.state = record.fState;
  const UINT type = record.fType;
  const UINT state = record.fState;

  enabled_ = (state & 6) == 0;
  if (state & MFS_CHECKED) {
    checked_ = true;
    checkmark_ = true;
  } else {
    checked_ = false;
  }
  if (type & MFT_RADIOCHECK) {
    radioGroup_ = true;
    checkmark_ = false;
  }
  if (visual_->TextAlign() != taCenter) {
    IgnoringErrors([&] { visual_->TextAlign(type & MFT_RIGHTJUSTIFY ? taRight : taLeft); });
  }
  default_ = (state & MFS_DEFAULT) != 0;
  if (type & (MFT_MENUBREAK | MFT_MENUBARBREAK)) {
    separator_ = true;
    separatorType_ = type & MFT_MENUBREAK ? mstBreak : mstBarBreak;
  } else if (type & MFT_SEPARATOR) {
    separator_ = true;
    separatorType_ = mstNormal;
  } else if (separatorType_ == mstCaption) {
    separator_ = true;
  } else {
    separator_ = false;
    separatorType_ = mstNormal;
  }
}

LRESULT MenuItem::ExecCmd(WPARAM id, UINT message) {
  const auto keepAlive = Self<MenuItem>();
  if (id == static_cast<WPARAM>(static_cast<UINT>(itemId_))) {
    IgnoringErrors([&] {
      AnnounceChoice(message, buddy_, {u"MenuItem_Click", u"MenuItem_RightClick"}, Click,
                     RightClick);
    });
  }
  // The menus above raise their own events for the same message.
  RouteToMenu(parent_.lock(), id, message);
  return 0;
}

const CaptionLayout& MenuItem::GetCaptionLines(HDC hDC) {
  return EnsureCaptionLayout(captionLayout_, hDC, caption_, visual_->WrapLimit());
}

void MenuItem::RemoveNative() {
  if (const Ref<Menu> parent = ParentMenu()) {
    DeleteMenu(parent->hMenu(), static_cast<UINT>(itemId_), MF_BYCOMMAND);
  }
}

void MenuItem::Refresh() {
  const Ref<Menu> parent = ParentMenu();
  if (IsMenuOfKind(parent, mtcMenubar)) {
    IgnoringErrors([&] { RebuildNativeMenu(*parent); });
    return;
  }
  if (IsMenuOfKind(parent, mtcPopup) || IsMenuOfKind(parent, mtcSysmenu)) {
    IgnoringErrors([&] { ReinsertNativeItem(itemId_, false, nullptr); });
    SetItemInfo(parent->hMenu(), static_cast<UINT>(itemId_), false, ToRecord(nativeInfo_));
    IgnoringErrors([&] { ComputeImageColumns(*parent); });
  }
}

void MenuItem::OnVisualChanged(const String& property) {
  if (ResizesEntry(property)) Refresh();
}

void ApplyFlatSelection(MenuItem& item, bool barEntry) {
  const Ref<Menus> active = Library().activeMenus;
  if (!active || active->MenuDrawStyle() != mdsOfficeXP) return;
  ItemVisualProperties& visual = *item.Visual();
  visual.SelectionStyle(barEntry ? mssFlat | mssColor : visual.SelectionStyle() | mssFlat);
}

const MemberTable& MenuItem::Members() const {
  static const MemberTable table(
      {
          ReadOnly(u"PrevItem", &MenuItem::PrevItem),
          ReadOnly(u"NextItem", &MenuItem::NextItem),
          ReadOnly(u"Parent", &MenuItem::Parent),
          ReadOnly(u"SubMenu", &MenuItem::SubMenu),
          ReadOnly(u"TopMostParent", &MenuItem::TopMostParent),
          ReadOnly(u"Accelerator", &MenuItem::Accelerator),
          Property(u"Visual", &MenuItem::Visual, &MenuItem::Visual),
          Property(u"Picture", &MenuItem::Picture, &MenuItem::Picture),
          Property(u"CheckedPicture", &MenuItem::CheckedPicture, &MenuItem::CheckedPicture),
          ReadOnly(u"ItemId", &MenuItem::ItemId),
          ReadOnly(u"Index", &MenuItem::Index),
          Property(u"Key", &MenuItem::Key, &MenuItem::Key),
          Property(u"Tag", &MenuItem::Tag, &MenuItem::Tag),
          Property(u"ItemData", &MenuItem::ItemData, &MenuItem::ItemData),
          ReadOnly(u"ItemData_String", &MenuItem::ItemData_String),
          ReadOnly(u"CaptionPlain", &MenuItem::CaptionPlain),
          Property(u"Caption", &MenuItem::Caption, &MenuItem::Caption),
          Property(u"Checkmark", &MenuItem::Checkmark, &MenuItem::Checkmark),
          Property(u"RadioGroup", &MenuItem::RadioGroup, &MenuItem::RadioGroup),
          Property(u"Checked", &MenuItem::Checked, &MenuItem::Checked),
          Property(u"Enabled", &MenuItem::Enabled, &MenuItem::Enabled),
          Property(u"Grayed", &MenuItem::Grayed, &MenuItem::Grayed),
          Property(u"Visible", &MenuItem::Visible, &MenuItem::Visible),
          Property(u"Default", &MenuItem::Default, &MenuItem::Default),
          Property(u"Separator", &MenuItem::Separator, &MenuItem::Separator),
          Property(u"SeparatorType", &MenuItem::SeparatorType, &MenuItem::SeparatorType),
          Property(u"RightAlign", &MenuItem::RightAlign, &MenuItem::RightAlign),
          ReadOnly(u"RightToLeft", &MenuItem::RightToLeft),
          ReadOnly(u"DesignMode", &MenuItem::DesignMode),
          ReadOnly(u"ParentType", &MenuItem::ParentType),
          Method(u"Search", &MenuItem::Search),
          Property(u"BuddyObject", &MenuItem::BuddyObject, &MenuItem::BuddyObject),
      },
      &Object::Members(), u"Caption");
  return table;
}

const EventTable& MenuItem::Events() const {
  static const EventTable table(
      {
          EventMember(u"Click", &MenuItem::Click, {}),
          EventMember(u"RightClick", &MenuItem::RightClick, {}),
      },
      &Object::Events());
  return table;
}

}  // namespace vellum
