#pragma once
// Internal to the sim: the sizes of the window manager's own parts, in one place, shared by
// window layout, menu layout and the reported non-client metrics.

namespace vellum::sim::detail {

// Windows: a sizing frame around a title bar, the menu-bar rows and the client area.
constexpr int kFrameWidth = 4;
constexpr int kCaptionHeight = 19;
constexpr int kMenuBarRowHeight = 19;

// Entries that are not owner-drawn are sized from their text: kCharWidth per character (an
// "&" marker takes no room, "&&" one character), plus fixed margins.
constexpr int kCharWidth = 7;
constexpr int kBarTextMargin = 6;         // each side of a bar entry's text
constexpr int kPopupTextLeft = 18;        // check-mark column
constexpr int kPopupTextRight = 18;       // submenu-arrow column
constexpr int kPopupAcceleratorGap = 14;  // between the text and the part after a tab
constexpr int kPopupTextHeight = 19;
constexpr int kPopupSeparatorHeight = 9;
constexpr int kBitmapEntrySize = 16;  // bitmap entries: the sim does not read bitmap sizes
// Owner-drawn entries are drawn a check-mark width (SM_CXMENUCHECK + 1) wider than they answered,
// in popups and in the bar alike (under Wine: 100 answered, 114 drawn).
constexpr int kOwnerDrawnExtraWidth = 14;
// Bar entries are a pixel shorter than their row, whatever they answered (under Wine: 18 in a
// 19-pixel row for an entry answered 20 high).
constexpr int kBarEntryHeight = kMenuBarRowHeight - 1;

// Popups: a border around the columns of entries; a bar break adds a gap between columns.
constexpr int kPopupBorder = 3;
constexpr int kBarBreakGap = 4;

// Reported by SystemParametersInfoA: the heights above less their one-pixel edge.
constexpr int kMenuFontHeight = -11;  // 8 points at 96 pixels per inch

}  // namespace vellum::sim::detail
