#pragma once
// Between automation fonts and platform fonts: the description of a font object at a device's
// resolution, the font an item or sidebar is drawn with in its role, the platform's menu font as
// a font object, and native image handles as picture objects.

#include "platform/automation/std_font.hpp"
#include "platform/automation/std_picture.hpp"
#include "platform/types.hpp"

namespace vellum {

// Describes `font` at the resolution of `hDC` (0: the screen). A missing font is replaced, in
// the caller's reference, by a new default one.
void FontToLogFont(Ref<StdFont>& font, platform::LOGFONTA& description, platform::HDC hDC = 0);
// The automation font of a description measured at the screen's resolution; none for a
// description of no size.
Ref<StdFont> LogFontToFont(const platform::LOGFONTA& description);
// The font that applies to a MenuItem or Sidebar (its own, its menu's, or the global one),
// bold for a default item and for every sidebar. The caller deletes it.
platform::HFONT CreateBaseFont(platform::HDC hDC, const Ref<Object>& object);
// The base font adjusted for the object's role: caption separators semibold and smaller,
// hot-track selections underlined, sidebars rotated. The caller deletes it.
platform::HFONT CreateItemFont(const Ref<Object>& object, platform::HDC hDC, bool selected);
// A picture over a native handle: kind 0 a bitmap (owned when `own`), 1 or 2 an icon (always
// owned); none for any other kind or a handle that is no image.
Ref<StdPicture> PictureFromHandle(platform::HANDLE handle, std::int32_t kind, bool own);

}  // namespace vellum
