#pragma once
// Internal to the sim: the cursor and the keyboard as the scripted user leaves them.

#include "platform/types.hpp"

namespace vellum::sim::detail {

void MoveCursor(platform::POINT screen);
platform::POINT CursorPosition();
// Key transitions update GetKeyState and send the key message to the active window.
void PressKey(platform::UINT vk);
void ReleaseKey(platform::UINT vk);
bool IsKeyDown(platform::UINT vk);
// While Alt's release is being sent: whether no other key went down since Alt did.
bool AltReleasedAlone();

}  // namespace vellum::sim::detail
