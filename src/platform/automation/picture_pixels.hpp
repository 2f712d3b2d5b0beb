#pragma once
// Internal to the runtime: the pixels of bitmap and icon handles and new handles made from
// pixels, through the platform's graphics calls only.

#include <optional>

#include "platform/automation/png_codec.hpp"
#include "platform/types.hpp"

namespace vellum::detail {

// The pixel size of a bitmap or icon; nullopt for anything else.
std::optional<platform::SIZE> ImageSize(platform::HANDLE handle, bool icon);

// A bitmap's pixels (all opaque) or an icon's pixels with its mask as alpha.
std::optional<PngPixels> ReadImage(platform::HANDLE handle, bool icon);

// A new bitmap, or a new icon whose mask hides the pixels less than half opaque; 0 on failure.
platform::HANDLE CreateImage(const PngPixels& image, bool icon);

}  // namespace vellum::detail
