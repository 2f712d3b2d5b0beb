#pragma once
// A window's system menu, owner-drawn: the popup menu bound to one window instead of to an
// owning entry, filled by importing the window's native system menu. It tells the standard
// system commands (SysCommand) apart from the host's own entries (UserCommand) and stands alone
// at the top of its tree; it has no sidebar until one is loaded.

#include <cstdint>

#include "items/sub_menu.hpp"
#include "native/import_constants.hpp"

namespace vellum {

class SystemMenu : public SubMenu {
 public:
  static constexpr const char16_t* kClassName = u"Vellum10.SystemMenu";

  static Ref<SystemMenu> New();

  platform::HWND hWnd() const override { return hWnd_; }
  bool NoSysCommand() const { return noSysCommand_; }
  void NoSysCommand(bool value) { noSysCommand_ = value; }
  // The table, whatever the parent (a system menu never has one).
  Ref<vellum::Accelerators> Accelerators() const override { return accelerators_; }
  std::int32_t MaxHeight() { return SubMenu::MaxHeight(); }
  // Applied to the native menu only when it differs from the stored value.
  void MaxHeight(std::int32_t value);

  // Adds an item after the item named by `insertAfter` (a key, an item or an item ID), or at
  // the end; an anchor in another menu hands the call to that menu by name. Never fails.
  Ref<MenuItem> Add(const String& caption, const Ref<Object>& picture = nullptr,
                    const String& key = {}, const Variant& insertAfter = Missing);
  // The item at any numeric 1-based position or under a key; none otherwise, never an error.
  Ref<MenuItem> Item(const Variant& indexKey) const override;
  std::int32_t Count() const override { return items_->Count(); }
  // As a popup's Clear, ignoring the failures of its steps.
  void Clear();

  // Takes over the window's system menu (reset to the platform's default first when
  // `revertMenu`) and subclasses the window. Does nothing while the menu has a handle.
  void Subclass(platform::HWND hWnd, bool revertMenu = false);
  // Gives the window back its default system menu and its procedure; failures reach the caller.
  void Unsubclass();
  // Takes over the window's default system menu without subclassing the window.
  void CopySystemMenu(platform::HWND hWnd, TranslateItemDataConstants translate = tdNone);
  // Shows the menu at the cursor through `hWnd` (nothing for window 0).
  void Popup(platform::HWND hWnd, bool recurse = false);
  // As a popup's Destroy; a menu that holds a window's system menu also lets the window go and
  // gives it its default system menu back, so that no window keeps a destroyed menu.
  void Destroy() override;

  // "ItemId", "RightToLeft", "NoSysCommand", "LargeIcons", "AutoDismiss", "MaxHeight", "Key",
  // "Font", the items, then the sidebar as a popup's. A loaded system menu has native entries
  // only when it already holds a window's system menu.
  void SaveProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) override;
  void LoadProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) override;

  // A standard system command was chosen (the host's own entries raise UserCommand).
  Event<const Ref<MenuItem>&> SysCommand;

  MenuTypeConstants MenuType() const override { return mtcSysmenu; }
  String ClassName() const override { return kClassName; }

  // --- for the library ---
  void SetOwnerWindow(platform::HWND hWnd) { hWnd_ = hWnd; }

 protected:
  SystemMenu() = default;
  void Created() override;
  const MemberTable& Members() const override;
  const EventTable& Events() const override;

  bool IsChoice(platform::UINT message) const override;
  void AnnounceItem(const Ref<MenuItem>& item, platform::WPARAM id, bool right) override;
  const char16_t* BuddyPrefix() const override { return u"SystemMenu_"; }
  void PrepareNativeMenu() override;

 private:
  friend class ObjectFactory;

  platform::HWND hWnd_ = 0;
  bool attached_ = false;  // Subclass attached the window
  bool noSysCommand_ = false;
};

}  // namespace vellum
