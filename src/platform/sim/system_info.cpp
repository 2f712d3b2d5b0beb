// System information: the platform version, the non-client metrics, and the screen size the
// window manager places popups on.
#include <cstring>

#include "platform/kernel32.hpp"
#include "platform/sim/call_arguments.hpp"
#include "platform/sim/driver.hpp"
#include "platform/sim/window_metrics.hpp"
#include "platform/user32.hpp"

namespace vellum::sim {
namespace {

using namespace platform;

struct SystemSpace {
  OSVERSIONINFOA version = [] {
    OSVERSIONINFOA v;
    v.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    v.dwMajorVersion = 5;
    v.dwMinorVersion = 1;
    v.dwBuildNumber = 2600;
    v.dwPlatformId = VER_PLATFORM_WIN32_NT;
    return v;
  }();
  SIZE screen{1024, 768};
};

SystemSpace& Space() {
  thread_local SystemSpace space;
  return space;
}

// An 8-point sans face at 96 pixels per inch.
LOGFONTA SansFont(LONG weight) {
  LOGFONTA font;
  font.lfHeight = detail::kMenuFontHeight;
  font.lfWeight = weight;
  std::strcpy(font.lfFaceName, "Tahoma");
  return font;
}

}  // namespace

void SetPlatformVersion(DWORD major, DWORD minor, DWORD platformId, DWORD build) {
  OSVERSIONINFOA& v = Space().version;
  v.dwMajorVersion = major;
  v.dwMinorVersion = minor;
  v.dwPlatformId = platformId;
  v.dwBuildNumber = build;
}

}  // namespace vellum::sim

namespace vellum::platform {

// The record's size field must be that of OSVERSIONINFOA (148 bytes).
BOOL GetVersionExA(OSVERSIONINFOA* lpVersionInformation) {
  sim::detail::LogCall("GetVersionExA");
  if (!lpVersionInformation || lpVersionInformation->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA))
    return FALSE;
  *lpVersionInformation = sim::Space().version;
  return TRUE;
}

// Only SPI_GETNONCLIENTMETRICS, with uiParam and cbSize both 340 (the platform's 32-bit size of
// the record, which ours matches). The menu font is Tahoma at 8 points; caption fonts are bold.
BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, void* pvParam, UINT fWinIni) {
  sim::detail::LogCall("SystemParametersInfoA", {{"uiAction", sim::detail::Hex(uiAction)},
                                                 {"uiParam", sim::detail::Dec(uiParam)},
                                                 {"fWinIni", sim::detail::Dec(fWinIni)}});
  static_assert(sizeof(NONCLIENTMETRICSA) == NONCLIENTMETRICSA_SIZE);
  if (uiAction != SPI_GETNONCLIENTMETRICS || !pvParam) return FALSE;
  auto* metrics = static_cast<NONCLIENTMETRICSA*>(pvParam);
  if (uiParam != NONCLIENTMETRICSA_SIZE || metrics->cbSize != NONCLIENTMETRICSA_SIZE) return FALSE;
  using namespace sim::detail;
  metrics->iBorderWidth = 1;
  metrics->iScrollWidth = 16;
  metrics->iScrollHeight = 16;
  metrics->iCaptionWidth = kCaptionHeight - 1;
  metrics->iCaptionHeight = kCaptionHeight - 1;
  metrics->lfCaptionFont = sim::SansFont(700);
  metrics->iSmCaptionWidth = 12;
  metrics->iSmCaptionHeight = 15;
  metrics->lfSmCaptionFont = sim::SansFont(700);
  metrics->iMenuWidth = kMenuBarRowHeight - 1;
  metrics->iMenuHeight = kMenuBarRowHeight - 1;
  metrics->lfMenuFont = sim::SansFont(400);
  metrics->lfStatusFont = sim::SansFont(400);
  metrics->lfMessageFont = sim::SansFont(400);
  return TRUE;
}

}  // namespace vellum::platform
