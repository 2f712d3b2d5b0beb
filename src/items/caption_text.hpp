#pragma once
// Caption text: "&" marks the mnemonic ("&&" is a literal ampersand), "\r\n" forces a line
// break, and long captions wrap at word boundaries to a pixel width. Positions are 1-based,
// as in the host's string functions; a character is one UTF-16 code unit.

#include <cstdint>
#include <vector>

#include "platform/automation/string.hpp"
#include "platform/types.hpp"

namespace vellum {

// Where a caption may wrap (space, underscore, hyphen), and its forced line break.
inline constexpr StringView kCaptionDelimiters = u" _-";
inline constexpr StringView kForcedBreak = u"\r\n";

// `text` without its characters of code 0.
String StripNul(StringView text);

// Whether `ch` is exactly one character and occurs in a non-empty `set`.
bool CharInSet(StringView ch, StringView set);

// Finds the next separator at or after `start` (0 means 1): the first of the single-character
// `delimiters` (empty means " _-"), or `sequence` when it comes earlier. `piece` receives the
// text in front of the separator — in front of a sequence's last character, so that
// «ab\r\ncd» gives «ab\r» — and `separator` what was found (empty at the end of the text).
// Returns where the next search starts, or -1 when the text is exhausted. A negative start
// fails with error 5.
std::int32_t NextCaptionPiece(StringView text, std::int32_t start, String& piece, String& separator,
                              StringView delimiters, StringView sequence);

// Words and separators in caption order: «Save as\r\nnew» gives «Save», « », «as\r»,
// «\r\n», «new».
std::vector<String> SplitCaptionTokens(StringView text);

// Greedy word wrap of `text` to `wrapLimit` pixels as measured in `hDC` (mnemonic markers
// measured away when `fMnemonic`). A limit below 20 means no limit and comes back as the
// widest line's width; a word wider than the limit widens it. Separators and forced breaks
// stay at the end of the line they close.
std::vector<String> WrapCaption(platform::HDC hDC, std::int32_t& wrapLimit, StringView text,
                                StringView delimiters, StringView sequence, bool fMnemonic);

// The caption's lines wrapped at " _-" and broken at `sequence`. Every output is optional:
// `wrapLimit` is the limit in (0 when not given) and as widened out; `lineCount` the number
// of lines; `mnemonicLine`, when given, asks for mnemonic handling and receives the index of
// the first line holding "&" (unchanged when none does); `sizeOut` the extent of the block.
// An empty caption gives no lines and leaves the outputs alone.
std::vector<String> WrapCaptionLines(platform::HDC hDC, StringView text,
                                     std::int32_t* lineCount = nullptr,
                                     std::int32_t* wrapLimit = nullptr,
                                     std::int32_t* mnemonicLine = nullptr,
                                     platform::SIZE* sizeOut = nullptr,
                                     StringView sequence = kForcedBreak);

// The caption as displayed, without mnemonic markers and line breaks: «&Open\r\nfile» gives
// «Openfile»; a lone "\r" and a final "&" stay.
String PlainCaption(StringView text);

// The zero-terminated string at `address`: 16-bit units when `fUnicode`, else code-page
// bytes. Only memory the platform lets the library read is read; anything else reads as an
// empty string.
String ReadStringAt(platform::ULONG_PTR address, bool fUnicode);

}  // namespace vellum
