#pragma once
// The keystrokes of --keys: the one that opens the menu bar from the keyboard (Alt, F10 or
// Alt+letter) and the keys pressed inside the menu after it.

#include <string>
#include <vector>

#include "platform/types.hpp"

namespace vellum::render_tool {

struct Keystrokes {
  platform::UINT opener = 0;  // VK_MENU (Alt alone), VK_F10, or the letter's key with Alt
  bool withAlt = false;       // opener is a letter pressed with Alt held
  struct Key {
    platform::UINT vk = 0;  // a navigation key, or 0 for a typed character
    char16_t character = 0;
  };
  std::vector<Key> inside;  // navigation keys and typed characters, in order
};

// "Alt+F", "F10 Right Down", "Alt, Down, Enter": names separated by blanks or commas, without
// regard to case. Throws RenderError naming what it cannot read.
Keystrokes ParseKeystrokes(const std::string& text);

}  // namespace vellum::render_tool
