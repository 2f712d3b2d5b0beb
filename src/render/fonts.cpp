#include "render/fonts.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "items/menu_item.hpp"
#include "items/sidebar.hpp"
#include "model/library_state.hpp"
#include "model/menu.hpp"
#include "platform/platform.hpp"
#include "render/item_visual_properties.hpp"

namespace vellum {
namespace {

using namespace platform;

constexpr LONG kBold = 700;
constexpr LONG kSemibold = 600;
constexpr BYTE kProofQuality = 2;

int ScreenPixelsPerInch() {
  const HDC screen = GetDC(0);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(0, screen);
  return dpi;
}

// The visual record of an item or sidebar; none for any other object.
Ref<ItemVisualProperties> VisualOf(const Ref<Object>& object) {
  if (const auto item = std::dynamic_pointer_cast<MenuItem>(object)) return item->Visual();
  if (const auto sidebar = std::dynamic_pointer_cast<Sidebar>(object)) return sidebar->Visual();
  return nullptr;
}

// The font that applies to the object: its style's own, else its menu's, else the global one.
Ref<StdFont> FontOf(const Ref<Object>& object) {
  Ref<Object> parent;
  Ref<StdFont> own;
  if (const auto item = std::dynamic_pointer_cast<MenuItem>(object)) {
    own = item->Visual()->Font();
    parent = item->Parent();
  } else if (const auto sidebar = std::dynamic_pointer_cast<Sidebar>(object)) {
    own = sidebar->Visual()->Font();
    parent = sidebar->Parent();
  } else {
    return nullptr;
  }
  if (own) return own;
  Ref<StdFont> menuFont;
  if (const Ref<Menu> menu = AsMenu(parent)) {
    menuFont = menu->Font();
  } else if (parent) {
    IgnoringErrors(
        [&] { menuFont = parent->Invoke(u"Font", CallType::PropertyGet).ToObjectOf<StdFont>(); });
  }
  return menuFont ? menuFont : GlobalFont();
}

}  // namespace

void FontToLogFont(Ref<StdFont>& font, LOGFONTA& description, HDC hDC) {
  if (!font) font = StdFont::New();
  description.lfCharSet = static_cast<BYTE>(font->Charset());
  description.lfItalic = font->Italic() ? 255 : 0;
  description.lfWeight = font->Bold() ? kBold : font->Weight();
  description.lfQuality = kProofQuality;
  description.lfUnderline = font->Underline() ? 1 : 0;
  const std::string face = StringToCodePage(font->Name());
  std::memset(description.lfFaceName, 0, sizeof description.lfFaceName);
  std::memcpy(description.lfFaceName, face.data(),
              std::min(face.size(), sizeof description.lfFaceName - 1));
  description.lfStrikeOut = font->Strikethrough() ? 1 : 0;
  // Whole points (8.25 counts as 8) at the device's resolution.
  const int points = Variant(font->Size()).ToLong();
  const int dpi = hDC ? GetDeviceCaps(hDC, LOGPIXELSY) : ScreenPixelsPerInch();
  description.lfHeight = -MulDiv(points, dpi, 72);
}

Ref<StdFont> LogFontToFont(const LOGFONTA& description) {
  const std::size_t length = strnlen(description.lfFaceName, sizeof description.lfFaceName);
  const String name = CodePageToString(std::string_view(description.lfFaceName, length));
  // A negative height is the character height, a positive one the cell height: either way the
  // size is its magnitude (a font of no size is none).
  const int points = std::abs(MulDiv(description.lfHeight, 72, ScreenPixelsPerInch()));
  if (points == 0) return nullptr;
  Ref<StdFont> font = StdFont::New({.name = name,
                                    .size = static_cast<double>(points),
                                    .weight = static_cast<std::int16_t>(description.lfWeight),
                                    .charset = description.lfCharSet,
                                    .italic = description.lfItalic != 0,
                                    .underline = description.lfUnderline != 0,
                                    .strikethrough = description.lfStrikeOut != 0});
  return font;
}

HFONT CreateBaseFont(HDC hDC, const Ref<Object>& object) {
  LOGFONTA description;
  IgnoringErrors([&] {
    Ref<StdFont> font = FontOf(object);
    FontToLogFont(font, description, hDC);
  });
  // Sidebars have no Default and are always bold.
  const auto item = std::dynamic_pointer_cast<MenuItem>(object);
  if (!item || item->Default()) description.lfWeight = kBold;
  return CreateFontIndirectA(&description);
}

HFONT CreateItemFont(const Ref<Object>& object, HDC hDC, bool selected) {
  const HFONT base = CreateBaseFont(hDC, object);
  LOGFONTA description;
  GetObjectA(base, sizeof description, &description);
  if (const auto item = std::dynamic_pointer_cast<MenuItem>(object)) {
    if (item->Default()) description.lfWeight = kBold;
    if (item->SeparatorType() & mstCaption) {
      // Heights are negative: one or two pixels smaller (-11 gives -10, -13 gives -12).
      description.lfWeight = kSemibold;
      description.lfHeight = Variant(description.lfHeight + 1.5).ToLong();
      description.lfUnderline = 0;
    }
  }
  // Hot-track selection underlines the caption, of items and sidebars alike.
  const Ref<ItemVisualProperties> visual = VisualOf(object);
  if (selected && visual && visual->SelectionStyle() == mssHotTrack) description.lfUnderline = 255;
  if (const auto sidebar = std::dynamic_pointer_cast<Sidebar>(object)) {
    // Only the two named escapements turn the text; any other value leaves it level.
    const SidebarEscapementConstants escapement = sidebar->Escapement();
    if (escapement == esc90 || escapement == esc270) {
      const LONG angle = escapement == esc270 ? 2700 : 900;
      description.lfEscapement = angle;
      description.lfOrientation = angle;
    }
    description.lfQuality = kProofQuality;
  }
  DeleteObject(base);
  return CreateFontIndirectA(&description);
}

Ref<StdPicture> PictureFromHandle(HANDLE handle, std::int32_t kind, bool own) {
  Ref<StdPicture> picture;
  IgnoringErrors([&] {
    if (kind == 0) {
      picture = StdPicture::FromHandle(handle, PictureType::Bitmap, own);
    } else if (kind == 1 || kind == 2) {
      picture = StdPicture::FromHandle(handle, PictureType::Icon, true);
    }
  });
  return picture;
}

}  // namespace vellum
