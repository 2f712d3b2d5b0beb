#include "model/library_state.hpp"

#include <cstdio>

#include "model/menus.hpp"
#include "platform/platform.hpp"
#include "render/fonts.hpp"
#include "units/screen_scale.hpp"

namespace vellum {
namespace {

// The platform's menu font as a font object; "MS Sans Serif" 8 when the metrics are not to be
// had.
Ref<StdFont> PlatformMenuFont() {
  platform::NONCLIENTMETRICSA metrics;
  metrics.cbSize = platform::NONCLIENTMETRICSA_SIZE;
  Ref<StdFont> font;
  if (platform::SystemParametersInfoA(platform::SPI_GETNONCLIENTMETRICS,
                                      platform::NONCLIENTMETRICSA_SIZE, &metrics, 0)) {
    font = LogFontToFont(metrics.lfMenuFont);
  }
  return font ? font : StdFont::New({.name = u"MS Sans Serif", .size = 8});
}

// Start-up: the platform facts, the shared collections, the menu font and an empty active set.
void StartUp(LibraryState& state) {
  // Menus and windows are reached first here, so that the platform's tables of them are there
  // for as long as this state (see Library()).
  platform::IsMenu(0);
  platform::IsWindow(0);
  platform::OSVERSIONINFOA version;
  version.dwOSVersionInfoSize = sizeof version;
  if (platform::GetVersionExA(&version)) {
    state.versionNumber =
        static_cast<std::int32_t>(version.dwMajorVersion * 100 + version.dwMinorVersion);
    state.ntPlatform = version.dwPlatformId == platform::VER_PLATFORM_WIN32_NT;
  }
  state.itemInfoSize = state.versionNumber == 500 ? platform::MENUITEMINFO_SIZE_WITH_BITMAP
                                                  : platform::MENUITEMINFO_SIZE_WITHOUT_BITMAP;
  // The unit conversions read the screen's resolution once, now.
  ScreenScale();
  state.windowList = Collection::New();
  state.globalFont = PlatformMenuFont();
  state.nextItemId = 4680;
  state.activeMenus = Menus::New();
}

}  // namespace

Ref<StdFont> GlobalFont() {
  LibraryState& state = Library();
  if (!state.globalFont) state.globalFont = PlatformMenuFont();
  return state.globalFont;
}

void ReleaseLibraryWideObjects() {
  LibraryState& state = Library();
  state.globalFont.reset();
  ReleaseScreenScale();
  // Entries of window-list popups that live on stay findable.
  if (state.windowList && state.windowList->Count() == 0) state.windowList.reset();
}

LibraryState& Library() {
  // The platform's per-thread state must outlive ours, whose objects talk to it while they are
  // torn down: StartUp reaches the window manager and the graphics engine before this state is
  // complete, so they are destroyed after it.
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
