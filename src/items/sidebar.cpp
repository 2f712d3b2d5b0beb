#include "items/sidebar.hpp"

#include "items/entry_notifications.hpp"
#include "model/library_state.hpp"
#include "model/menu.hpp"
#include "model/menus.hpp"
#include "native/native_sync.hpp"
#include "platform/automation/bag_section.hpp"
#include "platform/automation/std_picture.hpp"
#include "platform/platform.hpp"
#include "render/item_visual_properties.hpp"

namespace vellum {
namespace {

using namespace platform;

using Color = ItemVisualProperties::Color;

constexpr Color SystemColor(int index) {
  return static_cast<Color>(0x80000000u | static_cast<unsigned>(index));
}
constexpr Color kBlack = 0;
constexpr Color kPureBlue = 0xFF0000;

// A band starts as a button-face to tooltip gradient with a blue, centred, hot-track caption.
void ApplyBandStyle(ItemVisualProperties& visual) {
  visual.ItemBackground(SystemColor(COLOR_BTNFACE));
  visual.ItemBkGradient(SystemColor(COLOR_INFOBK));
  visual.ItemForeground(kBlack);
  visual.SelectBackground(SystemColor(COLOR_BTNFACE));
  visual.SelectBkGradient(SystemColor(COLOR_INFOBK));
  visual.SelectionStyle(mssHotTrack);
  visual.SelectForeground(kPureBlue);
  visual.TextAlign(taCenter);
}

// The band's native state: a disabled band cannot be chosen.
constexpr UINT kBandDisabledState = MFS_DISABLED;
// The break entry is never chosen either.
constexpr UINT kBreakState = 6;

MENUITEMINFOW EntryRecord(UINT type, UINT state) {
  MENUITEMINFOW record;
  record.fMask = MIIM_STATE | MIIM_TYPE;
  record.fType = type;
  record.fState = state;
  return record;
}

UINT ToCommand(std::int32_t id) {
  return static_cast<UINT>(id);
}

}  // namespace

Ref<Sidebar> Sidebar::New() {
  return ObjectFactory::Make<Sidebar>();
}

void Sidebar::Created() {
  itemId_ = NextItemId();
  breakId_ = NextItemId();
  visual_ = ItemVisualProperties::New();
  visual_->SetItem(Self<Sidebar>());
  // Nobody listens yet: the defaults cause no refresh.
  IgnoringErrors([&] { ApplyBandStyle(*visual_); });
  ListenTo(visual_);
}

Sidebar::~Sidebar() {
  RemoveNative();
}

Ref<Menu> Sidebar::ParentMenu() const {
  return AsMenu(parent_.lock());
}

Ref<Object> Sidebar::TopMostParent() const {
  return TopMostParentOf(parent_.lock());
}

void Sidebar::ListenTo(const Ref<ItemVisualProperties>& visual) {
  const std::weak_ptr<Sidebar> self = Self<Sidebar>();
  visualConnection_ = visual->PropertyChanged.Connect([self](const String& property) {
    const auto sidebar = self.lock();
    if (sidebar && ResizesEntry(property)) sidebar->Refresh();
  });
}

void Sidebar::Visual(const Ref<ItemVisualProperties>& visual) {
  if (!visual) return;
  visual_ = visual;  // the style's own owner stays as it was
  ListenTo(visual_);
  UpdateNative(false);
}

void Sidebar::Picture(const Ref<Object>& picture) {
  picture_ = picture;
  UpdateNative(false);
}

void Sidebar::Caption(const String& value) {
  if (value == caption_) return;
  caption_ = value;
  captionLayout_.valid = false;
  UpdateNative(false);
}

void Sidebar::Enabled(bool value) {
  // Not compared: assigning the same value writes the native records again.
  enabled_ = value;
  UpdateNative(true);
}

void Sidebar::Visible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Reinsert();
}

void Sidebar::Escapement(SidebarEscapementConstants value) {
  escapement_ = value;
  UpdateNative(false);
}

void Sidebar::Position(SidebarPositionConstants value) {
  position_ = value;
  UpdateNative(false);
}

Ref<Object> Sidebar::Search(const Variant& indexKey) {
  const std::int32_t id = indexKey.ToLong();
  const Ref<Menus> active = Library().activeMenus;
  return active ? active->SearchRecursive(parent_.lock(), id) : nullptr;
}

void Sidebar::SetParent(const Ref<Object>& parent) {
  parent_.reset();
  if (const Ref<Menu> menu = AsMenu(parent)) {
    parent_ = menu;
    parentType_ = menu->MenuType();
    designMode_ = false;
    rightToLeft_ = menu->RightToLeft();
    return;
  }
  // A designer object: the parent type and reading order stay as they were.
  parent_ = parent;
  designMode_ = parent != nullptr;
}

void Sidebar::UpdateNative(bool noRefresh) {
  const Ref<Menu> parent = ParentMenu();
  if (updatesSuspended_ || !parent) return;
  const HMENU hMenu = parent->hMenu();
  const UINT bandState = enabled_ ? 0 : kBandDisabledState;
  SetItemInfo(hMenu, ToCommand(itemId_), false, EntryRecord(MFT_OWNERDRAW, bandState));
  SetItemInfo(hMenu, ToCommand(breakId_), false,
              EntryRecord(MFT_MENUBREAK | MFT_OWNERDRAW, kBreakState));
  if (!noRefresh) Refresh();
}

void Sidebar::ReadNative() {
  const Ref<Menu> parent = ParentMenu();
  if (!parent) return;
  // Starting from the current state, a band that cannot be read keeps its Enabled.
  MENUITEMINFOW record = EntryRecord(0, enabled_ ? 0 : kBandDisabledState);
  record.fMask = MIIM_STATE;
  GetItemInfo(parent->hMenu(), ToCommand(itemId_), false, record);
  enabled_ = (record.fState & 6) == 0;
}

LRESULT Sidebar::ExecCmd(WPARAM id, UINT message) {
  const auto keepAlive = Self<Sidebar>();
  if (id == static_cast<WPARAM>(ToCommand(itemId_))) {
    IgnoringErrors([&] {
      AnnounceChoice(message, buddy_, {u"Sidebar_Click", u"Sidebar_RightClick"}, Click, RightClick);
    });
  }
  // The popup raises SidebarClick or SidebarRightClick and passes the message up.
  RouteToMenu(parent_.lock(), id, message);
  return 0;
}

const CaptionLayout& Sidebar::GetCaptionLines(HDC hDC) {
  return EnsureCaptionLayout(captionLayout_, hDC, caption_, visual_->WrapLimit());
}

void Sidebar::Reinsert() {
  const Ref<Menu> menu = ParentMenu();
  const HMENU hMenu = menu ? menu->hMenu() : 0;
  SuspendUpdates();
  RemoveMenu(hMenu, ToCommand(itemId_), MF_BYCOMMAND);
  RemoveMenu(hMenu, ToCommand(breakId_), MF_BYCOMMAND);
  // A hidden band stays suspended: its changes wait in the object until it is shown again.
  if (!visible_) return;

  // A disabled band is typed as a separator so that it cannot be selected.
  const UINT bandFlags = MF_OWNERDRAW | (enabled_ ? 0 : MF_SEPARATOR);
  const UINT breakFlags = MF_OWNERDRAW | MF_SEPARATOR | MF_MENUBREAK;
  const auto band = static_cast<UINT_PTR>(ToCommand(itemId_));
  const auto columnBreak = static_cast<UINT_PTR>(ToCommand(breakId_));
  if (position_ == posLeft) {
    InsertMenuA(hMenu, 0, MF_BYPOSITION | bandFlags, band, nullptr);
    InsertMenuA(hMenu, 1, MF_BYPOSITION | breakFlags, columnBreak, nullptr);
  } else {
    AppendMenuA(hMenu, breakFlags, columnBreak, nullptr);
    AppendMenuA(hMenu, bandFlags, band, nullptr);
  }
  ResumeUpdates();
  UpdateNative(true);
}

void Sidebar::RemoveNative() {
  const Ref<Menu> parent = ParentMenu();
  if (!parent) return;
  // The break goes too: a band removed from a menu that lives on leaves no stray column break.
  DeleteMenu(parent->hMenu(), ToCommand(itemId_), MF_BYCOMMAND);
  DeleteMenu(parent->hMenu(), ToCommand(breakId_), MF_BYCOMMAND);
}

void Sidebar::Refresh() {
  // The platform measures an owner-drawn entry only when it is inserted.
  IgnoringErrors([&] { Reinsert(); });
}

Ref<Sidebar> Sidebar::CopyItem(const Variant& Item, const Variant& IsSource) {
  const bool fromThis = !IsSource.IsMissing() && IsSource.ToBool();
  Ref<Sidebar> other = Item.IsMissing() ? nullptr : Item.ToObjectOf<Sidebar>();
  if (!other) other = New();
  const Ref<PropertyBag> bag = PropertyBag::New();
  const Ref<Sidebar> source = fromThis ? Self<Sidebar>() : other;
  const Ref<Sidebar> target = fromThis ? other : Self<Sidebar>();
  source->SaveProperties(*bag, String());
  target->LoadProperties(*bag, String());
  return other;
}

void Sidebar::SaveProperties(PropertyBag& PropBag, const Variant& Prefix) const {
  const BagSection bag(PropBag, Prefix);
  bag.WriteObject(u"Visual", visual_);
  bag.Write(u"Key", key_);
  bag.Write(u"Caption", caption_);
  bag.Write(u"Enabled", enabled_);
  bag.Write(u"Visible", visible_);
  bag.Write(u"RightToLeft", rightToLeft_);
  bag.Write(u"Position", position_);
  bag.Write(u"Escapement", escapement_);
  bag.WriteObject(u"Picture", picture_);
}

void Sidebar::LoadProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const auto keepAlive = Self<Sidebar>();
  const BagSection bag(PropBag, Prefix);
  // Nothing in place of the style leaves the band's own: it always has one.
  if (const auto visual = bag.ReadObject(u"Visual", visual_); visual && visual != visual_) {
    visual_ = visual;
    visual_->SetItem(keepAlive);
    ListenTo(visual_);
  }
  key_ = bag.ReadString(u"Key", key_);
  caption_ = bag.ReadString(u"Caption", caption_);
  enabled_ = bag.ReadBool(u"Enabled", enabled_);
  visible_ = bag.ReadBool(u"Visible", visible_);
  rightToLeft_ = bag.ReadBool(u"RightToLeft", rightToLeft_);
  escapement_ = static_cast<SidebarEscapementConstants>(bag.ReadLong(u"Escapement", escapement_));
  position_ = static_cast<SidebarPositionConstants>(bag.ReadLong(u"Position", position_));
  picture_ = bag.ReadObject(u"Picture", picture_, StdPicture::kClassName);
  captionLayout_.valid = false;
  // The band's entries take the loaded state (a hidden band's go).
  if (ParentMenu()) Refresh();
}

const MemberTable& Sidebar::Members() const {
  static const MemberTable table(
      {
          ReadOnly(u"Parent", &Sidebar::Parent),
          ReadOnly(u"TopMostParent", &Sidebar::TopMostParent),
          Property(u"Visual", &Sidebar::Visual, &Sidebar::Visual),
          Property(u"Picture", &Sidebar::Picture, &Sidebar::Picture),
          ReadOnly(u"ItemId", &Sidebar::ItemId),
          ReadOnly(u"BreakId", &Sidebar::BreakId),
          ReadOnly(u"Index", &Sidebar::Index),
          Property(u"Key", &Sidebar::Key, &Sidebar::Key),
          Property(u"Caption", &Sidebar::Caption, &Sidebar::Caption),
          Property(u"Enabled", &Sidebar::Enabled, &Sidebar::Enabled),
          Property(u"Visible", &Sidebar::Visible, &Sidebar::Visible),
          Property(u"Escapement", &Sidebar::Escapement, &Sidebar::Escapement),
          Property(u"Position", &Sidebar::Position, &Sidebar::Position),
          ReadOnly(u"RightToLeft", &Sidebar::RightToLeft),
          ReadOnly(u"DesignMode", &Sidebar::DesignMode),
          ReadOnly(u"ParentType", &Sidebar::ParentType),
          Method(u"Search", &Sidebar::Search),
          Custom<Sidebar>(u"CopyItem",
                          [](Sidebar& self, Invocation& call) {
                            members::CheckArgumentCount(call, 2);
                            return Variant(self.CopyItem(call.Arg(0), call.Arg(1)));
                          }),
          LoadPropertiesMember<Sidebar>(),
          SavePropertiesMember<Sidebar>(),
          Property(u"BuddyObject", &Sidebar::BuddyObject, &Sidebar::BuddyObject),
      },
      &Object::Members());
  return table;
}

const EventTable& Sidebar::Events() const {
  static const EventTable table(
      {
          EventMember(u"Click", &Sidebar::Click, {}),
          EventMember(u"RightClick", &Sidebar::RightClick, {}),
      },
      &Object::Events());
  return table;
}

}  // namespace vellum
