// Input: the cursor position, the key states and the key messages the user's keys produce.
#include <array>

#include "platform/sim/call_arguments.hpp"
#include "platform/sim/input_state.hpp"
#include "platform/sim/window_table.hpp"
#include "platform/user32.hpp"

namespace vellum::sim::detail {
namespace {

using namespace platform;

struct InputSpace {
  POINT cursor;
  std::array<bool, 256> down{};
  std::array<bool, 256> toggled{};
  bool altAlone = false;  // Alt went down and no other key since
};

InputSpace& Space() {
  thread_local InputSpace space;
  return space;
}

// Scan codes of the keys tests use most (set 1); others carry 0.
UINT ScanCode(UINT vk) {
  static constexpr char kLetters[] =
      "\x1E\x30\x2E\x20\x12\x21\x22\x23\x17\x24\x25\x26\x32\x31"
      "\x18\x19\x10\x13\x1F\x14\x16\x2F\x11\x2D\x15\x2C";
  if (vk >= 'A' && vk <= 'Z') return static_cast<unsigned char>(kLetters[vk - 'A']);
  if (vk >= '1' && vk <= '9') return 2 + (vk - '1');
  if (vk == '0') return 0x0B;
  if (vk >= VK_F1 && vk <= VK_F10) return 0x3B + (vk - VK_F1);
  switch (vk) {
    case VK_F11:
      return 0x57;
    case VK_F12:
      return 0x58;
    case VK_ESCAPE:
      return 0x01;
    case VK_BACK:
      return 0x0E;
    case VK_TAB:
      return 0x0F;
    case VK_RETURN:
      return 0x1C;
    case VK_SPACE:
      return 0x39;
    case VK_SHIFT:
    case VK_LSHIFT:
      return 0x2A;
    case VK_RSHIFT:
      return 0x36;
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL:
      return 0x1D;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
      return 0x38;
    case VK_INSERT:
      return 0x52;
    case VK_DELETE:
      return 0x53;
    case VK_HOME:
      return 0x47;
    case VK_END:
      return 0x4F;
    case VK_PRIOR:
      return 0x49;
    case VK_NEXT:
      return 0x51;
    case VK_LEFT:
      return 0x4B;
    case VK_UP:
      return 0x48;
    case VK_RIGHT:
      return 0x4D;
    case VK_DOWN:
      return 0x50;
  }
  return 0;
}

bool IsExtended(UINT vk) {
  switch (vk) {
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      return true;
  }
  return false;
}

// Messages carry the generic modifier codes; the key states know both sides.
UINT MessageKey(UINT vk) {
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT:
      return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
      return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
      return VK_MENU;
  }
  return vk;
}

bool AltDown() {
  return IsKeyDown(VK_MENU);
}

// The key message lParam: repeat count 1, scan code in bits 16-23, the extended-key bit 24,
// Alt held in bit 29, the previous state in bit 30 and the transition (1 = release) in bit 31.
LPARAM KeyLParam(UINT vk, bool wasDown, bool release) {
  DWORD value = 1 | (ScanCode(vk) << 16);
  if (IsExtended(vk)) value |= 1u << 24;
  if (AltDown()) value |= 1u << 29;
  if (wasDown) value |= 1u << 30;
  if (release) value |= 1u << 31;
  return static_cast<LPARAM>(value);
}

// With Alt held (or for F10) the platform sends the system form of the key messages.
UINT KeyMessage(UINT vk, bool release) {
  const bool system = AltDown() || vk == VK_F10 || MessageKey(vk) == VK_MENU;
  if (release) return system ? WM_SYSKEYUP : WM_KEYUP;
  return system ? WM_SYSKEYDOWN : WM_KEYDOWN;
}

}  // namespace

void MoveCursor(POINT screen) {
  Space().cursor = screen;
}

POINT CursorPosition() {
  return Space().cursor;
}

bool IsKeyDown(UINT vk) {
  const auto& down = Space().down;
  switch (vk & 0xFF) {
    case VK_SHIFT:
      return down[VK_SHIFT] || down[VK_LSHIFT] || down[VK_RSHIFT];
    case VK_CONTROL:
      return down[VK_CONTROL] || down[VK_LCONTROL] || down[VK_RCONTROL];
    case VK_MENU:
      return down[VK_MENU] || down[VK_LMENU] || down[VK_RMENU];
  }
  return down[vk & 0xFF];
}

// The character a letter, digit or the space bar types (lower case unless Shift is held), 0 for
// others and for any key with Ctrl held (Ctrl+Alt types nothing on the sim's US layout).
char16_t CharacterOf(UINT vk) {
  if (IsKeyDown(VK_CONTROL)) return 0;
  if (vk >= 'A' && vk <= 'Z') return static_cast<char16_t>(IsKeyDown(VK_SHIFT) ? vk : vk + 32);
  if (vk >= '0' && vk <= '9') return static_cast<char16_t>(vk);
  if (vk == VK_SPACE) return u' ';
  return 0;
}

void PressKey(UINT vk) {
  vk &= 0xFF;
  const bool wasDown = Space().down[vk];
  Space().down[vk] = true;
  if (!wasDown) Space().toggled[vk] = !Space().toggled[vk];
  if (MessageKey(vk) == VK_MENU) {
    if (!wasDown) Space().altAlone = true;
  } else {
    Space().altAlone = false;
  }
  const LPARAM lParam = KeyLParam(vk, wasDown, false);
  const UINT message = KeyMessage(vk, false);
  Send(ActiveWindowSlot(), message, MessageKey(vk), lParam);
  // The platform's message loop translates an Alt+key into its character (WM_SYSCHAR).
  if (const char16_t character = CharacterOf(vk); character && AltDown())
    Send(ActiveWindowSlot(), WM_SYSCHAR, character, lParam);
}

bool AltReleasedAlone() {
  return Space().altAlone;
}

void ReleaseKey(UINT vk) {
  vk &= 0xFF;
  Space().down[vk] = false;
  // Releasing Alt itself still reports Alt in the context bit, as the platform does.
  const UINT message = KeyMessage(vk, true);
  LPARAM lParam = KeyLParam(vk, true, true);
  if (MessageKey(vk) == VK_MENU) lParam |= static_cast<LPARAM>(1u << 29);
  Send(ActiveWindowSlot(), message, MessageKey(vk), lParam);
  if (MessageKey(vk) == VK_MENU) Space().altAlone = false;
}

}  // namespace vellum::sim::detail

namespace vellum::platform {

BOOL GetCursorPos(POINT* lpPoint) {
  sim::detail::LogCall("GetCursorPos");
  if (!lpPoint) return FALSE;
  *lpPoint = sim::detail::CursorPosition();
  return TRUE;
}

// High bit set while the key is down; low bit toggles with each press.
SHORT GetKeyState(int nVirtKey) {
  sim::detail::LogCall("GetKeyState", {{"nVirtKey", sim::detail::Dec(nVirtKey)}});
  const UINT vk = static_cast<UINT>(nVirtKey) & 0xFF;
  unsigned value = sim::detail::IsKeyDown(vk) ? 0x8000u : 0u;
  if (sim::detail::Space().toggled[vk]) value |= 1u;
  return static_cast<SHORT>(value);
}

}  // namespace vellum::platform
