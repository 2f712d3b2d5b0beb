#pragma once
// The geometry of an owner-drawn entry, shared by measuring and painting so that an entry is
// painted in exactly the box it asked for. All values are pixels.

#include <cstdint>

namespace vellum::layout {

// The image box of an entry that shows no image, and the smallest box of one that does.
constexpr std::int32_t kImageBox = 18;
// Added to an image's size around the picture.
constexpr std::int32_t kImageMargin = 2;
// Space between the image box and the caption of a popup item.
constexpr std::int32_t kCaptionGap = 26;
// The accelerator text stands this many space characters behind the caption.
constexpr std::int32_t kAcceleratorGapSpaces = 12;
// Extra height of a caption that wraps onto two or more lines, once taller than the image box.
constexpr std::int32_t kWrappedCaptionExtra = 4;
// A popup item is at least the image box high, plus this.
constexpr std::int32_t kPopupItemExtra = 2;
constexpr std::int32_t kSeparatorHeight = 4;
// The flat draw style's shadow band, added to both sides of every entry.
constexpr std::int32_t kShadowExtra = 2;
// Added to every entry's height.
constexpr std::int32_t kFinalHeightExtra = 1;

// Sidebars: the smallest unscaled picture, and the length beyond picture and caption.
constexpr std::int32_t kSidebarPictureMinimum = 18;
constexpr std::int32_t kSidebarExtraLength = 16;

// Painting: the image cell's padding around the picture, the caption's distance from the image
// box, and the accelerator text's distance from the far edge.
constexpr std::int32_t kImageCellPadding = 6;
constexpr std::int32_t kCaptionIndent = 9;
constexpr std::int32_t kBarCaptionIndent = 4;
constexpr std::int32_t kAcceleratorIndent = 19;
// Painting a sidebar: the caption's distance from the band's ends, the picture's from the bottom.
constexpr std::int32_t kSidebarCaptionInset = 10;
constexpr std::int32_t kSidebarPictureInset = 4;

}  // namespace vellum::layout
