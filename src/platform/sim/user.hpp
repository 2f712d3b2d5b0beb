#pragma once
// The scripted user. A test queues what the user will do inside the next menu loop (hover an
// entry, open its submenu, choose it, right-click it, type a menu character, press a navigation
// key, run a callback from inside the loop, cancel), then opens a menu: the loop consumes the
// steps in order and cancels when they run out, so a script can never hang. The same object
// clicks menu-bar entries, opens system menus, moves the mouse, presses keys and lets time pass.
//
//   sim::User user;
//   user.Open(0).Choose(sim::ById(4682));
//   user.ClickMenuBar(hWnd, 1);

#include <cstddef>
#include <functional>

#include "platform/user32_types.hpp"

namespace vellum::sim {

// An entry of the innermost open popup by position, or — with ById — the entry with that
// command ID in any open popup (innermost first, closing the popups below it) or anywhere in
// the submenus below the innermost popup (opening the popups on the way, as a user would).
class Target {
 public:
  Target(int position) : position_(position) {}  // NOLINT: a position reads best bare
  static Target Command(platform::UINT id) {
    Target target(0);
    target.byCommand_ = true;
    target.id_ = id;
    return target;
  }
  bool ByCommand() const { return byCommand_; }
  int Position() const { return position_; }
  platform::UINT Id() const { return id_; }

 private:
  int position_ = 0;
  bool byCommand_ = false;
  platform::UINT id_ = 0;
};

inline Target ById(platform::UINT id) {
  return Target::Command(id);
}

class User {
 public:
  // --- steps for the menu loop (queued) ---
  // Highlights the entry (separators are never highlighted).
  User& Hover(Target target);
  // Highlights the entry and opens its submenu.
  User& Open(Target target);
  // Clicks the entry: an entry with a submenu opens it; a grayed, disabled or separator entry
  // ignores the click and the menu stays open; any other entry is chosen and the loop ends.
  User& Choose(Target target);
  // Releases the right button over the entry: WM_MENURBUTTONUP; the menu stays open (with
  // TPM_RIGHTBUTTON the right button chooses instead).
  User& RightClick(Target target);
  // Types a menu character.
  User& Type(char16_t character);
  // A navigation key inside the menu: VK_ESCAPE, VK_RETURN, VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT.
  User& Key(platform::UINT vk);
  // Moves along the menu bar to another entry (bar menus only), opening its popup.
  User& MoveToMenuBarEntry(int position);
  // Clicks outside every menu: the loop ends without a choice.
  User& Cancel();
  // Runs `action` from inside the loop (it may open another menu, which consumes the steps
  // that follow).
  User& Run(std::function<void()> action);

  std::size_t PendingSteps() const;
  void ForgetSteps();

  // --- immediate actions ---
  // Clicks a menu-bar entry and runs the menu loop. False when the window has no such entry
  // or a menu is open already.
  bool ClickMenuBar(platform::HWND hWnd, int position);
  // Opens the window's system menu (as a click on its icon) and runs the menu loop.
  bool OpenSystemMenu(platform::HWND hWnd);
  // Moves the cursor; over a window's non-client area the window receives WM_NCMOUSEMOVE with
  // the hit code and the screen point, over its client area WM_MOUSEMOVE with client
  // coordinates.
  void MoveMouse(platform::POINT screen);
  // Moves the cursor to the middle of a menu-bar entry. False when there is none.
  bool MoveMouseOverMenuBar(platform::HWND hWnd, int position);
  // Key transitions: GetKeyState follows; the active window receives WM_KEYDOWN / WM_KEYUP
  // (WM_SYSKEYDOWN / WM_SYSKEYUP while Alt is held).
  void PressKey(platform::UINT vk);
  void ReleaseKey(platform::UINT vk);
  void TapKey(platform::UINT vk);
  // Lets time pass, firing due timers.
  void Wait(platform::DWORD milliseconds);
};

}  // namespace vellum::sim
