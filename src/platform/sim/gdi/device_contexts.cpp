// Device contexts: window, screen, memory and surface DCs and their attributes.
#include "platform/gdi32.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/gdi/call_format.hpp"
#include "platform/sim/gdi/gdi_tables.hpp"
#include "platform/sim/gdi/system_colors.hpp"
#include "platform/sim/handle_space.hpp"
#include "platform/sim/surfaces.hpp"

namespace vellum::sim::detail {

using namespace platform;

namespace {

void SelectStockDefaults(DeviceContext& dc) {
  const GdiState& gdi = Gdi();
  dc.pen = gdi.stock[BLACK_PEN];
  dc.brush = gdi.stock[WHITE_BRUSH];
  dc.font = gdi.stock[SYSTEM_FONT];
}

HDC AddDC(DeviceContext dc) {
  SelectStockDefaults(dc);
  const HDC hdc = NewHandle();
  Gdi().dcs.emplace(hdc, std::move(dc));
  return hdc;
}

// A view of a window's surface: the whole window, or only its client area.
HDC BorrowWindowDC(HWND hWnd, bool clientOnly) {
  if (hWnd == 0) {
    DeviceContext dc;
    dc.kind = DcKind::Borrowed;
    dc.surface = Desktop();
    dc.clip = {0, 0, dc.surface->width, dc.surface->height};
    return AddDC(std::move(dc));
  }
  const std::optional<WindowGeometry> geometry = GetWindowGeometry(hWnd);
  if (!geometry) return 0;
  DeviceContext* surface = FindDC(geometry->surface);
  if (!surface || surface->kind != DcKind::Surface) return 0;

  DeviceContext dc;
  dc.kind = DcKind::Borrowed;
  dc.window = hWnd;
  dc.surface = surface->surface;
  dc.dpiX = surface->dpiX;
  dc.dpiY = surface->dpiY;
  dc.screenOrigin = {geometry->window.left, geometry->window.top};
  dc.clip = {0, 0, dc.surface->width, dc.surface->height};
  if (clientOnly) {
    dc.offset = {geometry->client.left - geometry->window.left,
                 geometry->client.top - geometry->window.top};
    dc.screenOrigin = {geometry->client.left, geometry->client.top};
    dc.clip = {dc.offset.x, dc.offset.y,
               dc.offset.x + (geometry->client.right - geometry->client.left),
               dc.offset.y + (geometry->client.bottom - geometry->client.top)};
  }
  return AddDC(std::move(dc));
}

}  // namespace

HDC CreateSurfaceDC(int width, int height, POINT screenOrigin) {
  if (width < 0 || height < 0 || static_cast<long long>(width) * height > kMaxPixels) return 0;
  DeviceContext dc;
  dc.kind = DcKind::Surface;
  dc.surface = std::make_shared<Pixmap>(width, height, SystemColor(COLOR_WINDOW));
  dc.clip = {0, 0, width, height};
  dc.screenOrigin = screenOrigin;
  return AddDC(std::move(dc));
}

void DestroySurfaceDC(HDC hdc) {
  DeviceContext* dc = FindDC(hdc);
  // Views still borrowed from the surface keep its pixels until they are released.
  if (dc && dc->kind == DcKind::Surface) Gdi().dcs.erase(hdc);
}

}  // namespace vellum::sim::detail

namespace vellum::platform {

using namespace sim::detail;

// The client area of a window, or the screen for 0.
HDC GetDC(HWND hWnd) {
  sim::Calls().Record("GetDC", FormatArguments("hWnd=0x%X", hWnd));
  return BorrowWindowDC(hWnd, true);
}

// The whole window, origin at the window's top-left corner.
HDC GetWindowDC(HWND hWnd) {
  sim::Calls().Record("GetWindowDC", FormatArguments("hWnd=0x%X", hWnd));
  return BorrowWindowDC(hWnd, false);
}

// 1 when the DC came from GetDC/GetWindowDC and is now released, else 0.
int ReleaseDC(HWND hWnd, HDC hdc) {
  sim::Calls().Record("ReleaseDC", FormatArguments("hWnd=0x%X hdc=0x%X", hWnd, hdc));
  DeviceContext* dc = FindDC(hdc);
  if (!dc || dc->kind != DcKind::Borrowed) return 0;
  Gdi().dcs.erase(hdc);
  return 1;
}

// A memory DC holding the 1 x 1 stock bitmap; it takes the resolution of the DC it copies.
HDC CreateCompatibleDC(HDC hdc) {
  sim::Calls().Record("CreateCompatibleDC", FormatArguments("hdc=0x%X", hdc));
  DeviceContext dc;
  if (hdc != 0) {
    const DeviceContext* model = FindDC(hdc);
    if (!model) return 0;
    dc.dpiX = model->dpiX;
    dc.dpiY = model->dpiY;
  }
  dc.kind = DcKind::Memory;
  dc.bitmap = Gdi().stockBitmap;
  return AddDC(std::move(dc));
}

// Only memory DCs are deleted; what they held is simply no longer selected.
BOOL DeleteDC(HDC hdc) {
  sim::Calls().Record("DeleteDC", FormatArguments("hdc=0x%X", hdc));
  DeviceContext* dc = FindDC(hdc);
  if (!dc || dc->kind != DcKind::Memory) return FALSE;
  Gdi().dcs.erase(hdc);
  return TRUE;
}

// The screen position of the DC's logical origin; (0, 0) for memory DCs.
BOOL GetDCOrgEx(HDC hdc, POINT* lppt) {
  sim::Calls().Record("GetDCOrgEx", FormatArguments("hdc=0x%X", hdc));
  const DeviceContext* dc = FindDC(hdc);
  if (!dc || !lppt) return FALSE;
  *lppt = dc->screenOrigin;
  return TRUE;
}

// Memory DCs report the screen's size, as compatible DCs do on the platform.
int GetDeviceCaps(HDC hdc, int index) {
  sim::Calls().Record("GetDeviceCaps", FormatArguments("hdc=0x%X index=%d", hdc, index));
  const DeviceContext* dc = FindDC(hdc);
  if (!dc) return 0;
  const GdiState& gdi = Gdi();
  switch (index) {
    case HORZRES:
      return gdi.screenWidth;
    case VERTRES:
      return gdi.screenHeight;
    case HORZSIZE:
      return static_cast<int>(gdi.screenWidth * 254LL / (DpiX(*dc) * 10LL));
    case VERTSIZE:
      return static_cast<int>(gdi.screenHeight * 254LL / (DpiY(*dc) * 10LL));
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case LOGPIXELSX:
      return DpiX(*dc);
    case LOGPIXELSY:
      return DpiY(*dc);
    default:
      return 0;
  }
}

// Returns the previous mode, 0 for an unknown DC or mode.
int SetBkMode(HDC hdc, int mode) {
  sim::Calls().Record("SetBkMode", FormatArguments("hdc=0x%X mode=%d", hdc, mode));
  DeviceContext* dc = FindDC(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int previous = dc->bkMode;
  dc->bkMode = mode;
  return previous;
}

int GetBkMode(HDC hdc) {
  sim::Calls().Record("GetBkMode", FormatArguments("hdc=0x%X", hdc));
  const DeviceContext* dc = FindDC(hdc);
  return dc ? dc->bkMode : 0;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  sim::Calls().Record("SetBkColor", FormatArguments("hdc=0x%X color=0x%06X", hdc, color));
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return CLR_INVALID;
  const COLORREF previous = dc->bkColor;
  dc->bkColor = color & 0x00FFFFFF;
  return previous;
}

COLORREF GetBkColor(HDC hdc) {
  sim::Calls().Record("GetBkColor", FormatArguments("hdc=0x%X", hdc));
  const DeviceContext* dc = FindDC(hdc);
  return dc ? dc->bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  sim::Calls().Record("SetTextColor", FormatArguments("hdc=0x%X color=0x%06X", hdc, color));
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return CLR_INVALID;
  const COLORREF previous = dc->textColor;
  dc->textColor = color & 0x00FFFFFF;
  return previous;
}

COLORREF GetTextColor(HDC hdc) {
  sim::Calls().Record("GetTextColor", FormatArguments("hdc=0x%X", hdc));
  const DeviceContext* dc = FindDC(hdc);
  return dc ? dc->textColor : CLR_INVALID;
}

UINT SetTextAlign(HDC hdc, UINT align) {
  sim::Calls().Record("SetTextAlign", FormatArguments("hdc=0x%X align=0x%X", hdc, align));
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return GDI_ERROR;
  const UINT previous = dc->textAlign;
  dc->textAlign = align;
  return previous;
}

UINT GetTextAlign(HDC hdc) {
  sim::Calls().Record("GetTextAlign", FormatArguments("hdc=0x%X", hdc));
  const DeviceContext* dc = FindDC(hdc);
  return dc ? dc->textAlign : GDI_ERROR;
}

}  // namespace vellum::platform
