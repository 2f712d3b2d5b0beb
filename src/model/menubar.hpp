#pragma once
// A window's top-level menu: items backed by one native menu-bar handle, optionally attached to
// a window. Each item owns the popup that drops down from it.

#include <cstdint>

#include "model/menu.hpp"
#include "native/import_constants.hpp"

namespace vellum {

class SubMenu;

class Menubar : public Menu {
 public:
  static constexpr const char16_t* kClassName = u"Vellum10.Menubar";

  static Ref<Menubar> New();
  ~Menubar() override;

  platform::HWND hWnd() const override { return hWnd_; }
  platform::HMENU OldWndMenu() const { return oldWndMenu_; }
  std::int32_t OldWndProc() const { return 0; }  // kept for the interface only
  std::int32_t Counter() const { return 0; }     // kept for the interface only
  bool Connected() const { return connected_; }
  void Connected(bool value) { connected_ = value; }
  void Font(const Ref<StdFont>& font) override;
  using Menu::Font;
  Ref<Object> TopMostParent() override { return Self<Menubar>(); }

  // Adds an item after the item named by `insertAfter` (a key, an item or an item ID), or at
  // the end. Never fails.
  Ref<MenuItem> Add(const String& caption, const Ref<Object>& picture = nullptr,
                    const String& key = {}, const Variant& insertAfter = Missing);
  // The item at a position or under a key; none when there is none, never an error.
  Ref<MenuItem> Item(const Variant& indexKey) const override;
  Ref<vellum::SubMenu> SubMenu(const Variant& indexKey) const;
  void Remove(const Variant& indexKey);
  void Clear();
  Ref<vellum::SubMenu> WindowList() const { return windowList_; }
  // Makes a popup of this bar (given as itself, or as its item's position or key) the list of
  // MDI child windows. A position or key that names no item fails with the collection's error.
  void SetWindowList(const Variant& menu);
  // The item with that item ID anywhere in the bar's tree (13 for a sidebar's ID).
  Ref<MenuItem> Search(const Variant& indexKey);
  void Redraw();
  // Installs the bar on a window and subclasses it (unless Connected); does nothing while the
  // bar has a window. With `copyOldMenu` the bar also takes copies of the entries of the menu
  // the window showed before.
  void SetWindowHandle(platform::HWND hWnd, bool copyOldMenu = false);
  void SetWindowHandleMDI(platform::HWND hMDIWnd, bool copyOldMenu = false);
  // Lets the window go; the bar stays installed on it.
  void ReleaseWindowHandle();
  void Create();
  void Destroy();
  // Takes over the menu bar the window shows, in place, and attaches the window: its entries
  // become owner-drawn items with their command IDs. Does nothing while the bar has a window;
  // a failing entry ends the import quietly.
  void Subclass(platform::HWND hWnd, bool tagOriginalIDs = false,
                TranslateItemDataConstants translate = tdNone);
  // Replaces the bar's items by owner-drawn copies of a native menu's entries (of the menu the
  // window shows); the source stays as it was. Failures reach the caller.
  void CopyMenu(platform::HMENU hMenu, bool tagOriginalIDs = false,
                TranslateItemDataConstants translate = tdNone);
  void CopyFromWindow(platform::HWND hWnd, bool tagOriginalIDs = false,
                      TranslateItemDataConstants translate = tdNone);

  // "ItemId", "RightToLeft", "Key", "Font", then the items.
  void SaveProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) override;
  void LoadProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) override;

  // The bar is about to open; an item anywhere in its tree was chosen or right-clicked; a popup
  // below it is about to open.
  Event<> Initialize;
  Event<const Ref<MenuItem>&> UserCommand;
  Event<const Ref<MenuItem>&> ItemRightClick;
  Event<const Ref<vellum::SubMenu>&> SubmenuInitialize;

  MenuTypeConstants MenuType() const override { return mtcMenubar; }
  String ClassName() const override { return kClassName; }
  platform::LRESULT ExecCmd(platform::WPARAM wParam, platform::UINT message) override;

  // --- for the library ---
  Ref<MenuItem> HotItem() const { return hotItem_.lock(); }
  void SetHotItem(const Ref<MenuItem>& item) { hotItem_ = item; }
  // Redraws the window's menu bar when the bar has a window.
  void RedrawWindowBar() const;

 protected:
  Menubar() = default;
  void Created() override;
  const MemberTable& Members() const override;
  const EventTable& Events() const override;

 private:
  friend class ObjectFactory;

  platform::HWND hWnd_ = 0;
  platform::HMENU oldWndMenu_ = 0;
  bool connected_ = false;
  Ref<vellum::SubMenu> windowList_;
  std::weak_ptr<MenuItem> hotItem_;
};

}  // namespace vellum
