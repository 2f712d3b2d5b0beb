#include "keystrokes.hpp"

#include <cctype>
#include <map>

#include "platform/user32_types.hpp"
#include "scene.hpp"

namespace vellum::render_tool {
namespace {

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words(1);
  for (char c : text) {
    if (std::isspace(static_cast<unsigned char>(c)) || c == ',') {
      if (!words.back().empty()) words.emplace_back();
    } else {
      words.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

bool IsLetterOrDigit(const std::string& word) {
  return word.size() == 1 && std::isalnum(static_cast<unsigned char>(word[0]));
}

platform::UINT NavigationKey(const std::string& word) {
  static const std::map<std::string, platform::UINT> kNames = {
      {"up", platform::VK_UP},        {"down", platform::VK_DOWN},
      {"left", platform::VK_LEFT},    {"right", platform::VK_RIGHT},
      {"enter", platform::VK_RETURN}, {"return", platform::VK_RETURN},
      {"esc", platform::VK_ESCAPE},   {"escape", platform::VK_ESCAPE}};
  const auto found = kNames.find(word);
  return found == kNames.end() ? 0 : found->second;
}

}  // namespace

Keystrokes ParseKeystrokes(const std::string& text) {
  const std::vector<std::string> words = Words(text);
  if (words.empty()) throw RenderError("--keys names no key");
  Keystrokes keys;
  const std::string& first = words.front();
  if (first == "alt") {
    keys.opener = platform::VK_MENU;
  } else if (first == "f10") {
    keys.opener = platform::VK_F10;
  } else if (first.starts_with("alt+") && IsLetterOrDigit(first.substr(4))) {
    keys.opener = static_cast<platform::UINT>(std::toupper(static_cast<unsigned char>(first[4])));
    keys.withAlt = true;
  } else {
    throw RenderError("--keys must begin with Alt, F10 or Alt+letter, not \"" + first + "\"");
  }
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (const platform::UINT vk = NavigationKey(words[i])) {
      keys.inside.push_back({vk, 0});
    } else if (IsLetterOrDigit(words[i])) {
      keys.inside.push_back({0, static_cast<char16_t>(words[i][0])});
    } else {
      throw RenderError("unknown key \"" + words[i] + "\" in --keys");
    }
  }
  return keys;
}

}  // namespace vellum::render_tool
