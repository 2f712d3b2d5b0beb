#pragma once
// Text as the automation runtime holds it: UTF-16, one code unit per character.

#include <cstddef>
#include <string>
#include <string_view>

namespace vellum {

using String = std::u16string;
using StringView = std::u16string_view;

// UTF-8 <-> UTF-16. Ill-formed input becomes U+FFFD, never an error.
String Utf8ToString(std::string_view utf8);
std::string StringToUtf8(StringView text);

// The single-byte code page (Windows-1252) that the narrow platform calls speak.
// A character the code page cannot hold becomes "?".
std::string StringToCodePage(StringView text);
String CodePageToString(std::string_view bytes);

// Case folding for keys and member names: ASCII and Latin-1 letters fold to lower case,
// everything else stays as it is.
char16_t FoldCase(char16_t c);
String FoldCase(StringView text);
bool EqualsNoCase(StringView a, StringView b);

// Hash and equality for unordered containers keyed by case-folded text.
struct NoCaseHash {
  using is_transparent = void;
  std::size_t operator()(StringView text) const;
};
struct NoCaseEqual {
  using is_transparent = void;
  bool operator()(StringView a, StringView b) const { return EqualsNoCase(a, b); }
};

}  // namespace vellum
