#include "model/library_state.hpp"

#include <cstdio>

#include "model/menus.hpp"
#include "platform/platform.hpp"

namespace vellum {
namespace {

// The platform's menu font as a font object; "MS Sans Serif" 8 when the metrics are not to be
// had.
Ref<StdFont> PlatformMenuFont() {
  platform::NONCLIENTMETRICSA metrics;
  metrics.cbSize = platform::NONCLIENTMETRICSA_SIZE;
  if (!platform::SystemParametersInfoA(platform::SPI_GETNONCLIENTMETRICS,
                                       platform::NONCLIENTMETRICSA_SIZE, &metrics, 0)) {
    return StdFont::New({.name = u"MS Sans Serif", .size = 8});
  }
  const platform::LOGFONTA& menuFont = metrics.lfMenuFont;
  // A negative height is the character height in pixels at the screen's 96 pixels per inch.
  const int height = menuFont.lfHeight < 0 ? -menuFont.lfHeight : menuFont.lfHeight;
  return StdFont::New({.name = CodePageToString(menuFont.lfFaceName),
                       .size = platform::MulDiv(height, 72, 96),
                       .weight = static_cast<std::int16_t>(menuFont.lfWeight),
                       .charset = menuFont.lfCharSet,
                       .italic = menuFont.lfItalic != 0,
                       .underline = menuFont.lfUnderline != 0,
                       .strikethrough = menuFont.lfStrikeOut != 0});
}

// Start-up: the platform facts, the shared collections, the menu font and an empty active set.
void StartUp(LibraryState& state) {
  platform::OSVERSIONINFOA version;
  version.dwOSVersionInfoSize = sizeof version;
  if (platform::GetVersionExA(&version)) {
    state.versionNumber =
        static_cast<std::int32_t>(version.dwMajorVersion * 100 + version.dwMinorVersion);
    state.ntPlatform = version.dwPlatformId == platform::VER_PLATFORM_WIN32_NT;
  }
  state.itemInfoSize = state.versionNumber == 500 ? platform::MENUITEMINFO_SIZE_WITH_BITMAP
                                                  : platform::MENUITEMINFO_SIZE_WITHOUT_BITMAP;
  state.windowList = Collection::New();
  state.globalFont = PlatformMenuFont();
  state.nextItemId = 4680;
  state.activeMenus = Menus::New();
}

}  // namespace

LibraryState& Library() {
  // The platform's own per-thread state must outlive ours, whose objects talk to it while they
  // are torn down: StartUp reaches it before this state is complete.
  thread_local struct Holder {
    Holder() { StartUp(state); }
    ~Holder() { state.activeMenus.reset(); }
    LibraryState state;
  } holder;
  return holder.state;
}

std::int32_t NextItemId() {
  LibraryState& state = Library();
  if (state.nextItemId == 0) state.nextItemId = 4680;
  return state.nextItemId++;
}

void DecideUnicodeMode() {
  LibraryState& state = Library();
  state.useWideCalls =
      state.ntPlatform && (!state.activeMenus || !state.activeMenus->GlobalNoUnicode());
}

bool UseWideCalls() {
  if (!Library().useWideCalls) DecideUnicodeMode();
  return *Library().useWideCalls;
}

String DefaultKey(std::uint32_t number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%X", number);
  return u"_H" + Utf8ToString(digits);
}

}  // namespace vellum
