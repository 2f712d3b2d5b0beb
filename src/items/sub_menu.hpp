#pragma once
// A popup menu: the child menu of every item, a free-standing context menu, or a menu bar's
// window list. It owns a native popup handle, an accelerator table and a sidebar, and turns the
// command, right-button and initialisation messages of its items into its own events.

#include <cstdint>

#include "model/menu.hpp"
#include "native/import_constants.hpp"

namespace vellum {

class SubMenu : public Menu {
 public:
  static constexpr const char16_t* kClassName = u"Vellum10.SubMenu";

  static Ref<SubMenu> New();
  ~SubMenu() override;

  bool WindowList() const { return windowList_; }
  // The table when the popup has a parent; none for a free-standing popup.
  Ref<vellum::Accelerators> Accelerators() const override;
  void Font(const Ref<StdFont>& font) override;
  using Menu::Font;
  Ref<vellum::Sidebar> Sidebar() const override { return sidebar_; }
  std::int32_t MaxHeight();
  void MaxHeight(std::int32_t value);
  bool AutoDismiss();
  void AutoDismiss(bool value);
  bool LargeIcons() const { return largeIcons_; }
  void LargeIcons(bool value);
  Ref<Object> Parent() const { return parent_.lock(); }
  Ref<Object> TopMostParent() override;

  // Adds an item after the item named by `insertAfter` (a key, an item or an item ID), or at the
  // end; `hWndList` adds a window-list entry instead. Never fails: none when nothing was added.
  Ref<MenuItem> Add(const String& caption, const Ref<Object>& picture = nullptr,
                    const String& key = {}, const Variant& insertAfter = Missing,
                    platform::HWND hWndList = 0);
  // The item at a 1-based position (16-bit, 32-bit or byte numbers only) or under a key; none
  // when there is none, never an error.
  Ref<MenuItem> Item(const Variant& indexKey) const override;
  Ref<vellum::SubMenu> SubMenuOf(const Variant& indexKey) const;
  std::int32_t Count() const override;
  // Removes the item at a position or under a key: 5 or 9 when there is none.
  void Remove(const Variant& indexKey);
  void Clear();
  Ref<Object> Search(const Variant& indexKey);
  void ClearWindowList();
  // Shows the popup at screen coordinates: through its menu bar's window (hWnd 0), through a
  // window the library manages, or through another window attached for the time of the call,
  // in which case the chosen item's popups raise their events but the item's Click does not.
  void Popup(platform::HWND hWnd, bool recurse = false, std::int32_t x = 0, std::int32_t y = 0);
  void Create();
  virtual void Destroy();
  // Takes over a native popup in place: its entries become owner-drawn items with their command
  // IDs. Does nothing while the popup has a handle; a failing entry ends the import quietly.
  void Subclass(platform::HMENU hMenu, bool tagOriginalIDs = false,
                TranslateItemDataConstants translate = tdNone);
  // Adds owner-drawn copies of another native menu's entries; its failures reach the caller.
  void CopyMenu(platform::HMENU hMenu, bool tagOriginalIDs = false,
                TranslateItemDataConstants translate = tdNone);

  // "ItemId", "RightToLeft", "AutoDismiss", "MaxHeight", "LargeIcons", "Key", "Font", the
  // items, then "HasSidebar" and the sidebar under "Sidebar". A popup hung under an item keeps
  // the item's ID when loaded; one with items to show gets its native menu.
  void SaveProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) override;
  void LoadProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) override;

  // The popup is about to open; an item of it (or below it) was chosen or right-clicked;
  // a popup below it is about to open; its sidebar was chosen.
  Event<> Initialize;
  Event<const Ref<MenuItem>&> UserCommand;
  Event<const Ref<MenuItem>&> ItemRightClick;
  Event<const Ref<vellum::SubMenu>&> SubmenuInitialize;
  Event<> SidebarClick;
  Event<> SidebarRightClick;

  MenuTypeConstants MenuType() const override { return mtcPopup; }
  String ClassName() const override { return kClassName; }
  platform::LRESULT ExecCmd(platform::WPARAM wParam, platform::UINT message) override;

  // --- for the library ---
  void SetItemId(std::int32_t id) { itemId_ = id; }
  void SetWindowList(bool value) { windowList_ = value; }
  // Accepts only a menu bar or popup as parent, and takes its font.
  void SetParent(const Ref<Object>& parent);

 protected:
  SubMenu() = default;
  void Created() override;
  const MemberTable& Members() const override;
  const EventTable& Events() const override;

  // The steps of adding an item, shared with the system menu: a new item hung in this popup,
  // placed under its key after `after` (or at the end), then given its caption and picture
  // and written to the native menu.
  Ref<MenuItem> StartItem();
  void PlaceItem(const Ref<MenuItem>& item, const String& key, const Ref<MenuItem>& after);
  void FinishItem(const Ref<MenuItem>& item, const String& caption, const Ref<Object>& picture);
  // Resolves `insertAfter` to an item, or nothing when it names none.
  Ref<MenuItem> ResolveAnchor(const Variant& insertAfter);
  void ApplyMenuInfo(platform::DWORD mask, platform::DWORD style, platform::UINT cyMax);
  // Gives the native menu the stored height limit and dismissal style.
  void ApplyStoredMenuInfo();
  // "HasSidebar" and, when there is one, the sidebar under "Sidebar".
  void SaveSidebar(const BagSection& bag) const;
  // A stored sidebar replaces the popup's own; without one the popup keeps its own.
  void LoadSidebar(const BagSection& bag);
  void PrepareNativeMenu() override;

  // How the menu-level events go out: which messages are choices, how a chosen item is
  // announced, and the prefix of the buddy's method names.
  virtual bool IsChoice(platform::UINT message) const;
  virtual void AnnounceItem(const Ref<MenuItem>& item, platform::WPARAM id, bool right);
  virtual const char16_t* BuddyPrefix() const { return u"SubMenu_"; }
  String BuddyMethod(StringView event) const;

  Ref<vellum::Sidebar> sidebar_;
  std::int32_t maxHeight_ = 0;
  bool largeIcons_ = false;
  bool autoDismiss_ = false;

 private:
  friend class ObjectFactory;

  void HangUnderOwningEntry();
  void AddWindowListEntry(const Ref<MenuItem>& item, platform::HWND hWndList);
  void InsertAfterAnchor(const Ref<MenuItem>& item, const Ref<MenuItem>& after);
  void Append(const Ref<MenuItem>& item);

  bool windowList_ = false;
  std::weak_ptr<Object> parent_;
};

// Adds an item to a menu that is none of the library's own (a designer), by name:
// `parent.Add(caption, picture, key, after)`.
Ref<MenuItem> AddThroughParent(const Ref<Object>& parent, const String& caption,
                               const Ref<Object>& picture, const String& key,
                               const Ref<MenuItem>& after);

}  // namespace vellum
