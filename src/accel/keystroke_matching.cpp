#include "accel/keystroke_matching.hpp"

#include "accel/accelerator.hpp"
#include "accel/accelerator_shift_states.hpp"
#include "accel/active_set_environment.hpp"
#include "items/menu_item.hpp"
#include "model/library_state.hpp"
#include "model/menu.hpp"
#include "model/menus.hpp"
#include "platform/platform.hpp"

namespace vellum {
namespace {

using namespace platform;

bool IsDown(int vk) {
  return GetKeyState(vk) < 0;
}

// Shift and Ctrl in their generic and side forms: released alone, they leave a prefix pending.
bool IsShiftOrCtrl(std::int32_t vk) {
  switch (vk) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_LSHIFT:
    case VK_RSHIFT:
    case VK_LCONTROL:
    case VK_RCONTROL:
      return true;
  }
  return false;
}

// The window a member's tree stands on; 0 when it cannot be read.
HWND WindowOf(const Ref<Menu>& menu) {
  const Ref<Object> top = menu->TopMostParent();
  if (!top) return 0;
  if (const Ref<Menu> topMenu = AsMenu(top)) return topMenu->hWnd();
  return static_cast<HWND>(top->Invoke(u"hWnd", CallType::PropertyGet).ToLong());
}

// The first item of `menu` whose accelerator is `keys`.
Ref<MenuItem> FirstItemWith(const Menu& menu, const AcceleratorKeys& keys) {
  for (const Ref<MenuItem>& item : menu.ItemList()) {
    bool equal = false;
    IgnoringErrors([&] { equal = item->Accelerator()->Keys() == keys; });
    if (equal) return item;
  }
  return nullptr;
}

}  // namespace

std::int32_t SampleShiftState(bool leftAndRight) {
  if (!leftAndRight) return (IsDown(VK_SHIFT) ? acShift : 0) | (IsDown(VK_CONTROL) ? acCtrl : 0);
  std::int32_t shift = 0;
  if (IsDown(VK_LSHIFT)) shift |= acLShift;
  if (IsDown(VK_RSHIFT)) shift |= acRShift;
  if (IsDown(VK_LCONTROL)) shift |= acLCtrl;
  if (IsDown(VK_RCONTROL)) shift |= acRCtrl;
  return shift;
}

Ref<MenuItem> FindAcceleratorItem(HWND hWnd, std::int32_t key, std::int32_t shift,
                                  std::int32_t command) {
  const Ref<Menus> active = Library().activeMenus;
  if (!active) return nullptr;
  const AcceleratorKeys keys{key, shift, command};
  for (const Ref<Object>& member : active->MemberList()) {
    // Only menus hold items; nested popups are members of their own.
    const Ref<Menu> menu = AsMenu(member);
    if (!menu) continue;
    Ref<MenuItem> found;
    IgnoringErrors([&] {
      if (WindowOf(menu) == hWnd) found = FirstItemWith(*menu, keys);
    });
    if (!found) continue;
    // The first match decides: a sequence runs only under a registered prefix, and a single
    // keystroke that is a prefix only ever starts a sequence.
    const bool isPrefix = IsActiveSetPrefix(key, shift);
    return (command != 0) == isPrefix ? found : nullptr;
  }
  return nullptr;
}

Ref<MenuItem> HandleKeyUp(HWND hWnd, std::int32_t vk) {
  // Under sbExtendedKeys every valid accelerator names sides, so the sides are what is sampled.
  const std::int32_t shift = SampleShiftState(ActiveSetUsesExtendedKeys());
  if (IsShiftOrCtrl(vk)) return nullptr;
  PendingPrefix& pending = Library().pendingPrefix;

  // With Shift or Ctrl held: any pending prefix ends; the key starts a new one or is a
  // single-keystroke accelerator.
  if (shift != 0) {
    if (pending.PendingActive) pending = PendingPrefix{};
    if (IsActiveSetPrefix(vk, shift)) {
      pending = PendingPrefix{vk, shift, true};
      return nullptr;
    }
    return FindAcceleratorItem(hWnd, vk, shift, 0);
  }

  // Without them: the key completes the pending sequence, Escape abandons it, and anything else
  // is no accelerator of ours.
  if (!pending.PendingActive && vk != VK_ESCAPE) return nullptr;
  const PendingPrefix prefix = pending;
  pending = PendingPrefix{};
  if (vk == VK_ESCAPE) return nullptr;
  return FindAcceleratorItem(hWnd, prefix.PendingKey, prefix.PendingShift, vk);
}

}  // namespace vellum
