#include "items/caption_text.hpp"

#include <algorithm>
#include <string>

#include "platform/automation/error.hpp"
#include "platform/kernel32.hpp"
#include "render/measure_text.hpp"

namespace vellum {
namespace {

constexpr std::int32_t kMinimumWrapLimit = 20;

std::int32_t Length(StringView text) {
  return static_cast<std::int32_t>(text.size());
}

// The 1-based position of `what` in `text` at or after `start`, 0 when absent.
std::int32_t Find(StringView text, StringView what, std::int32_t start) {
  const std::size_t at = text.find(what, static_cast<std::size_t>(start - 1));
  return at == StringView::npos ? 0 : static_cast<std::int32_t>(at) + 1;
}

// Characters `first` to `last` (1-based, inclusive); empty when the range is.
String Mid(StringView text, std::int32_t first, std::int32_t last) {
  if (first > Length(text) || last < first) return {};
  return String(
      text.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)));
}

std::int32_t Width(platform::HDC hDC, StringView text, bool fMnemonic) {
  platform::SIZE size;
  MeasureText(hDC, text, size, fMnemonic);
  return size.cx;
}

}  // namespace

String StripNul(StringView text) {
  String stripped;
  std::copy_if(text.begin(), text.end(), std::back_inserter(stripped),
               [](char16_t c) { return c != 0; });
  return stripped;
}

bool CharInSet(StringView ch, StringView set) {
  return ch.size() == 1 && !set.empty() && set.find(ch[0]) != StringView::npos;
}

std::int32_t NextCaptionPiece(StringView text, std::int32_t start, String& piece, String& separator,
                              StringView delimiters, StringView sequence) {
  if (start < 0) RaiseError(error::kInvalidProcedureCall);
  if (delimiters.empty()) delimiters = kCaptionDelimiters;
  if (start == 0) start = 1;

  // The nearest delimiter at or after `start`; b = 0 while none is found.
  std::int32_t b = 0;
  String found;
  for (char16_t delimiter : delimiters) {
    const std::int32_t at = Find(text, StringView(&delimiter, 1), start);
    if (at != 0 && (b == 0 || at < b)) {
      b = at;
      found = String(1, delimiter);
    }
  }
  // A sequence that starts earlier wins; the piece then runs up to its last character.
  if (!sequence.empty()) {
    const std::int32_t q = Find(text, sequence, start);
    if (q != 0 && (b == 0 || q < b)) {
      b = q + Length(sequence) - 1;
      found = String(sequence);
    }
  }

  if (b == 0) {
    piece = Mid(text, start, Length(text));
    separator.clear();
    return -1;
  }
  piece = Mid(text, start, b - 1);
  separator = found;
  return b + 1 > Length(text) ? -1 : b + 1;
}

std::vector<String> SplitCaptionTokens(StringView text) {
  std::vector<String> tokens;
  if (text.empty()) return tokens;
  String piece;
  String separator;
  std::int32_t start = 1;
  do {
    start = NextCaptionPiece(text, start, piece, separator, kCaptionDelimiters, kForcedBreak);
    if (!piece.empty()) tokens.push_back(StripNul(piece));
    if (!separator.empty()) tokens.push_back(StripNul(separator));
  } while (start != -1);
  return tokens;
}

std::vector<String> WrapCaption(platform::HDC hDC, std::int32_t& wrapLimit, StringView text,
                                StringView delimiters, StringView sequence, bool fMnemonic) {
  if (text.empty()) return {};
  const std::vector<String> tokens = SplitCaptionTokens(text);
  if (tokens.empty()) return {};
  const std::size_t last = tokens.size() - 1;
  auto wrapping = [&] { return wrapLimit >= kMinimumWrapLimit; };

  String current = tokens[0];
  String before = current;
  std::vector<String> lines(1);
  std::size_t i = 0;  // the line being filled
  std::size_t k = 0;  // the token last added to it
  int j = 1;          // tokens on the line
  bool restart = false;
  std::int32_t widest = 0;

  while (!current.empty()) {
    const std::int32_t wTok = Width(hDC, tokens[k], fMnemonic);
    const std::int32_t wLine = Width(hDC, current, fMnemonic);
    // A line's first token may be wider than the limit: the limit grows to hold it.
    if (wrapping() && j == 1) wrapLimit = std::max({wrapLimit, wLine, wTok});
    widest = std::max(widest, wLine);

    const bool forced = !sequence.empty() && tokens[k] == sequence;
    if ((wrapping() && wLine > wrapLimit) || forced) {
      // Close the line without the token that did not fit.
      lines[i] = before;
      lines.emplace_back();
      ++i;
      j = 1;
      if (CharInSet(tokens[k], delimiters) || forced) {
        // Separators and forced breaks stay at the end of the line they close.
        lines[i - 1] += tokens[k];
        if (k < last) {
          before = tokens[k + 1];
        } else {
          lines.emplace_back();
          ++i;
          before.clear();
        }
        ++k;
      } else {
        // A word opens the new line.
        before = tokens[k];
      }
      current = before;
      restart = true;
    }

    if (k < last && !restart) {
      before = current;
      ++k;
      current += tokens[k];
      ++j;
    } else if (restart) {
      restart = false;  // measure the new line first
    } else {
      break;
    }
  }

  lines[i] = current;
  if (lines[i].empty()) lines.pop_back();
  if (!wrapping()) wrapLimit = widest;
  return lines;
}

std::vector<String> WrapCaptionLines(platform::HDC hDC, StringView text, std::int32_t* lineCount,
                                     std::int32_t* wrapLimit, std::int32_t* mnemonicLine,
                                     platform::SIZE* sizeOut, StringView sequence) {
  const bool fMnemonic = mnemonicLine != nullptr;
  std::int32_t limit = wrapLimit ? *wrapLimit : 0;
  std::vector<String> lines;
  IgnoringErrors(
      [&] { lines = WrapCaption(hDC, limit, text, kCaptionDelimiters, sequence, fMnemonic); });
  if (lines.empty()) return lines;

  if (sizeOut) {
    IgnoringErrors([&] {
      platform::SIZE size;
      MeasureLines(hDC, lines, size, fMnemonic);
      *sizeOut = size;
    });
  }
  if (wrapLimit) *wrapLimit = limit;
  if (lineCount) *lineCount = static_cast<std::int32_t>(lines.size());
  if (mnemonicLine) {
    const auto holder = std::find_if(lines.begin(), lines.end(), [](const String& line) {
      return line.find(u'&') != String::npos;
    });
    if (holder != lines.end()) *mnemonicLine = static_cast<std::int32_t>(holder - lines.begin());
  }
  return lines;
}

String PlainCaption(StringView text) {
  String plain;
  std::size_t p = 0;
  while (p < text.size()) {
    // The end of a line that WrapCaption closed with a forced break.
    if (text.substr(p, 3) == u"\r\r\n") {
      p += 3;
      continue;
    }
    if (p + 1 >= text.size()) {
      plain += text.substr(p);
      break;
    }
    if (text[p] == u'&') {
      plain += text[p + 1];
      p += 2;
    } else if (text.substr(p, 2) == kForcedBreak) {
      p += 2;
    } else {
      plain += text[p];
      p += 1;
    }
  }
  return plain;
}

String ReadStringAt(platform::ULONG_PTR address, bool fUnicode) {
  // One unit at a time through the platform's copy, which copies nothing from memory it does
  // not vouch for: the unit then stays 0 and ends the string.
  const auto at = [address](std::size_t offset) {
    return reinterpret_cast<const void*>(address + offset);
  };
  if (fUnicode) {
    String text;
    for (std::size_t offset = 0;; offset += sizeof(char16_t)) {
      char16_t unit = 0;
      platform::RtlMoveMemory(&unit, at(offset), sizeof unit);
      if (unit == 0) return text;
      text += unit;
    }
  }
  std::string bytes;
  for (std::size_t offset = 0;; ++offset) {
    char byte = 0;
    platform::RtlMoveMemory(&byte, at(offset), sizeof byte);
    if (byte == 0) return CodePageToString(bytes);
    bytes += byte;
  }
}

}  // namespace vellum
