#include "platform/sim/menu_layout.hpp"

#include <algorithm>

#include "platform/sim/driver.hpp"
#include "platform/sim/live_memory.hpp"
#include "platform/sim/window_metrics.hpp"
#include "platform/sim/window_table.hpp"

namespace vellum::sim::detail {
namespace {

using namespace platform;

constexpr UINT kBreaks = MFT_MENUBREAK | MFT_MENUBARBREAK;

// Characters a text shows: an "&" marker takes no room and "&&" shows one "&".
int ShownCharacters(StringView text) {
  int count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    ++count;
  }
  return count;
}

// Sizes of entries that are not owner-drawn: see window_metrics.hpp for the rule.
SIZE TextEntrySize(const String& text, bool inBar) {
  const std::size_t tab = text.find(u'\t');
  const StringView label = StringView(text).substr(0, tab);
  if (inBar) return {ShownCharacters(text) * kCharWidth + 2 * kBarTextMargin, kBarEntryHeight};
  int width = kPopupTextLeft + ShownCharacters(label) * kCharWidth + kPopupTextRight;
  if (tab != String::npos)
    width += kPopupAcceleratorGap + ShownCharacters(StringView(text).substr(tab + 1)) * kCharWidth;
  return {width, kPopupTextHeight};
}

SIZE EntrySize(const MenuEntry& entry, bool inBar) {
  if (IsOwnerDrawn(entry)) {
    if (!entry.measured) return SIZE{};
    const LONG width = entry.measuredSize.cx + kOwnerDrawnExtraWidth;
    return {width, inBar ? kBarEntryHeight : entry.measuredSize.cy};
  }
  if (IsSeparator(entry)) return inBar ? SIZE{} : SIZE{0, kPopupSeparatorHeight};
  if (entry.type & MFT_BITMAP) {
    if (inBar) return {kBitmapEntrySize + 2 * kBarTextMargin, kBarEntryHeight};
    return {kPopupTextLeft + kBitmapEntrySize + kPopupTextRight,
            std::max(kBitmapEntrySize, kPopupTextHeight)};
  }
  return TextEntrySize(entry.text, inBar);
}

}  // namespace

void ForgetMeasurements(HMENU hMenu) {
  for (std::size_t i = 0;; ++i) {
    MenuEntry* entry = FindEntry({hMenu, i});
    if (!entry) return;
    entry->measured = false;
  }
}

void MeasureEntries(HMENU hMenu, HWND owner) {
  // The owner may change the menu while it answers: every step looks the entry up again.
  for (std::size_t i = 0;; ++i) {
    const MenuEntry* entry = FindEntry({hMenu, i});
    if (!entry) return;
    if (!IsOwnerDrawn(*entry) || entry->measured) continue;
    const UINT id = entry->id;
    MEASUREITEMSTRUCT request{ODT_MENU, 0, id, 0, 0, entry->data};
    {
      LiveBlock live(&request, sizeof request);
      Send(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
    }
    MenuEntry* answered = FindEntry({hMenu, i});
    if (answered && answered->id == id) {
      answered->measured = true;
      answered->measuredSize = {static_cast<LONG>(request.itemWidth),
                                static_cast<LONG>(request.itemHeight)};
    }
  }
}

// Entries stack in columns; a break starts a new column (a bar break leaves a gap), every
// entry spans its column's width, and a maximum height (or the screen) cuts the popup off.
PopupLayout LayOutPopup(HMENU hMenu) {
  PopupLayout layout;
  const MenuRecord* menu = FindMenu(hMenu);
  if (!menu) return layout;
  int x = kPopupBorder, y = kPopupBorder, columnWidth = 0, bottom = kPopupBorder;
  std::size_t columnStart = 0;
  const auto closeColumn = [&](std::size_t end) {
    for (std::size_t i = columnStart; i < end; ++i)
      layout.entries[i].right = x + columnWidth;
  };
  for (std::size_t i = 0; i < menu->entries.size(); ++i) {
    const MenuEntry& entry = menu->entries[i];
    if (i > 0 && (entry.type & kBreaks)) {
      closeColumn(i);
      x += columnWidth + ((entry.type & MFT_MENUBARBREAK) ? kBarBreakGap : 0);
      y = kPopupBorder;
      columnWidth = 0;
      columnStart = i;
    }
    const SIZE size = EntrySize(entry, false);
    layout.entries.push_back({x, y, x + size.cx, y + size.cy});
    y += size.cy;
    columnWidth = std::max(columnWidth, static_cast<int>(size.cx));
    bottom = std::max(bottom, y);
  }
  closeColumn(menu->entries.size());
  layout.size = {x + columnWidth + kPopupBorder, bottom + kPopupBorder};
  int limit = ScreenSize().cy;
  if (menu->maxHeight > 0) limit = std::min(limit, static_cast<int>(menu->maxHeight));
  layout.size.cy = std::min(static_cast<int>(layout.size.cy), limit);
  for (const RECT& rect : layout.entries)
    layout.visible.push_back(rect.bottom <= layout.size.cy - kPopupBorder);
  return layout;
}

// Bar entries run left to right and wrap to a new row when the width runs out or an entry
// carries a break; from the first right-justified entry on, the rest of its row moves to the
// right edge. Every row is kMenuBarRowHeight high, its entries a pixel less.
void LayOutMenuBar(HWND hWnd) {
  WindowRecord* window = FindWindow(hWnd);
  if (!window) return;
  const HMENU hMenu = LiveMenuOf(*window);
  if (hMenu) MeasureEntries(hMenu, hWnd);
  window = FindWindow(hWnd);
  if (!window) return;
  window->bar = {};
  const MenuRecord* menu = FindMenu(LiveMenuOf(*window));
  if (!menu) return;
  const RECT area = MenuBarArea(*window);
  const int left = area.left, right = area.right;
  std::vector<RECT>& rects = window->bar.entries;
  std::vector<std::size_t> rowStarts{0};
  int x = left;
  for (std::size_t i = 0; i < menu->entries.size(); ++i) {
    const MenuEntry& entry = menu->entries[i];
    const SIZE size = EntrySize(entry, true);
    const bool rowHasEntries = i > rowStarts.back();
    if (rowHasEntries && ((entry.type & kBreaks) || x + size.cx > right)) {
      rowStarts.push_back(i);
      x = left;
    }
    rects.push_back({x, 0, x + size.cx, size.cy});
    x += size.cx;
  }
  rowStarts.push_back(menu->entries.size());
  int y = area.top;
  for (std::size_t row = 0; row + 1 < rowStarts.size(); ++row) {
    const std::size_t first = rowStarts[row], end = rowStarts[row + 1];
    const int height = kMenuBarRowHeight;
    std::size_t justified = end;
    for (std::size_t i = first; i < end && justified == end; ++i) {
      if (menu->entries[i].type & MFT_RIGHTJUSTIFY) justified = i;
    }
    const int shift = end > first ? std::max(0, right - static_cast<int>(rects[end - 1].right)) : 0;
    for (std::size_t i = first; i < end; ++i) {
      if (i >= justified) {
        rects[i].left += shift;
        rects[i].right += shift;
      }
      rects[i].top = y;
      rects[i].bottom = y + kBarEntryHeight;
    }
    y += height;
  }
  window->bar.height = std::max(y - area.top, kMenuBarRowHeight);
}

UINT DrawStateOf(const MenuEntry& entry) {
  UINT state = 0;
  if (entry.state & MF_GRAYED) state |= ODS_GRAYED;
  if (entry.state & MF_DISABLED) state |= ODS_DISABLED;
  if (entry.state & MFS_CHECKED) state |= ODS_CHECKED;
  if (entry.state & MFS_DEFAULT) state |= ODS_DEFAULT;
  return state;
}

void PaintEntry(HWND owner, HMENU hMenu, std::size_t index, HDC dc, const RECT& rect, UINT action,
                UINT itemState) {
  const MenuEntry* entry = FindEntry({hMenu, index});
  if (!entry || !IsOwnerDrawn(*entry)) return;
  DRAWITEMSTRUCT request{ODT_MENU, 0, entry->id, action, itemState, hMenu, dc, rect, entry->data};
  LiveBlock live(&request, sizeof request);
  Send(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
}

char16_t MnemonicOf(const String& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return FoldCase(text[i + 1]);
    ++i;
  }
  return 0;
}

}  // namespace vellum::sim::detail
