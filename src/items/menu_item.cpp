#include "items/menu_item.hpp"

#include <algorithm>

#include "accel/accelerator.hpp"
#include "items/caption_text.hpp"
#include "items/entry_notifications.hpp"
#include "items/sub_menu.hpp"
#include "model/image_columns.hpp"
#include "model/library_state.hpp"
#include "model/menubar.hpp"
#include "model/menus.hpp"
#include "native/native_sync.hpp"
#include "platform/automation/bag_section.hpp"
#include "platform/automation/std_picture.hpp"
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
  AdoptVisual(ItemVisualProperties::New());
  AdoptAccelerator(vellum::Accelerator::New());
  accelerator_->SetItemId(itemId_);
  subMenu_ = vellum::SubMenu::New();
  subMenu_->SetItemId(itemId_);
}

void MenuItem::AdoptVisual(const Ref<ItemVisualProperties>& visual) {
  visual_ = visual;
  visual_->SetItem(Self<MenuItem>());
  ListenToVisual();
}

void MenuItem::ListenToVisual() {
  const std::weak_ptr<MenuItem> self = Self<MenuItem>();
  visualConnection_ = visual_->PropertyChanged.Connect([self](const String& property) {
    if (const auto item = self.lock()) item->OnVisualChanged(property);
  });
}

void MenuItem::AdoptAccelerator(const Ref<vellum::Accelerator>& accelerator) {
  accelerator_ = accelerator;
  const std::weak_ptr<MenuItem> self = Self<MenuItem>();
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
  ListenToVisual();
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

Ref<MenuItem> MenuItem::CopyItem(const Variant& Item, const Variant& IsSource) {
  const bool fromThis = !IsSource.IsMissing() && IsSource.ToBool();
  Ref<MenuItem> other = Item.IsMissing() ? nullptr : Item.ToObjectOf<MenuItem>();
  if (!other) other = New();
  const Ref<PropertyBag> bag = PropertyBag::New();
  const Ref<MenuItem> source = fromThis ? Self<MenuItem>() : other;
  const Ref<MenuItem> target = fromThis ? other : Self<MenuItem>();
  source->SaveProperties(*bag, String());
  target->LoadProperties(*bag, String());
  return other;
}

void MenuItem::SaveProperties(PropertyBag& PropBag, const Variant& Prefix) const {
  const BagSection bag(PropBag, Prefix);
  bag.WriteObject(u"Visual", visual_);
  bag.Write(u"Key", key_);
  bag.Write(u"Caption", caption_);
  bag.Write(u"Default", default_);
  bag.Write(u"Enabled", enabled_);
  bag.Write(u"Grayed", grayed_);
  bag.Write(u"Visible", visible_);
  bag.Write(u"Checkmark", checkmark_);
  bag.Write(u"RadioGroup", radioGroup_);
  bag.Write(u"Checked", checked_);
  bag.Write(u"RightToLeft", rightToLeft_);
  bag.Write(u"RightAlign", rightAlign_);
  bag.Write(u"Tag", tag_);
  bag.Write(u"Separator", separator_);
  bag.Write(u"SeparatorType", separatorType_);
  bag.WriteObject(u"Accelerator", accelerator_);
  bag.WriteObject(u"Picture", picture_);
  bag.WriteObject(u"CheckedPicture", checkedPicture_);
  subMenu_->SaveProperties(PropBag, bag.Key(u"SubMenu"));
}

void MenuItem::LoadProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const auto keepAlive = Self<MenuItem>();
  const BagSection bag(PropBag, Prefix);
  // Nothing in place of the style or accelerator leaves the item's own: it always has both.
  if (const auto visual = bag.ReadObject(u"Visual", visual_); visual && visual != visual_) {
    AdoptVisual(visual);
  }
  key_ = bag.ReadString(u"Key", key_);
  caption_ = bag.ReadString(u"Caption", caption_);
  default_ = bag.ReadBool(u"Default", default_);
  enabled_ = bag.ReadBool(u"Enabled", enabled_);
  grayed_ = bag.ReadBool(u"Grayed", grayed_);
  visible_ = bag.ReadBool(u"Visible", visible_);
  checkmark_ = bag.ReadBool(u"Checkmark", checkmark_);
  radioGroup_ = bag.ReadBool(u"RadioGroup", radioGroup_);
  checked_ = bag.ReadBool(u"Checked", checked_);
  rightToLeft_ = bag.ReadBool(u"RightToLeft", rightToLeft_);
  rightAlign_ = bag.ReadBool(u"RightAlign", rightAlign_);
  tag_ = bag.ReadString(u"Tag", tag_);
  separator_ = bag.ReadBool(u"Separator", separator_);
  separatorType_ =
      static_cast<SeparatorTypeConstants>(bag.ReadLong(u"SeparatorType", separatorType_));
  if (const auto accelerator = bag.ReadObject(u"Accelerator", accelerator_);
      accelerator && accelerator != accelerator_) {
    AdoptAccelerator(accelerator);
  }
  picture_ = bag.ReadObject(u"Picture", picture_, StdPicture::kClassName);
  checkedPicture_ = bag.ReadObject(u"CheckedPicture", checkedPicture_, StdPicture::kClassName);
  subMenu_->LoadProperties(PropBag, bag.Key(u"SubMenu"));
  // The popup of an item carries the item's command ID, not the one it was saved with.
  subMenu_->SetItemId(itemId_);
  captionLayout_.valid = false;

  // An item its menu already lists shows the loaded state at once; one being loaded with its
  // menu gets its entry when the menu is rebuilt.
  const Ref<Menu> parent = ParentMenu();
  if (!parent) return;
  const std::vector<Ref<MenuItem>> siblings = parent->ItemList();
  if (std::find(siblings.begin(), siblings.end(), keepAlive) == siblings.end()) return;
  ReinsertNativeItem(itemId_, false, keepAlive);
  if (IsMenuOfKind(parent, mtcMenubar)) static_cast<Menubar&>(*parent).RedrawWindowBar();
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
          Custom<MenuItem>(u"CopyItem",
                           [](MenuItem& self, Invocation& call) {
                             members::CheckArgumentCount(call, 2);
                             return Variant(self.CopyItem(call.Arg(0), call.Arg(1)));
                           }),
          LoadPropertiesMember<MenuItem>(),
          SavePropertiesMember<MenuItem>(),
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
