// Bulk pixel transfer between bitmaps and caller memory in the device-independent layout.
#include <cstring>

#include "platform/gdi32.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/gdi/call_format.hpp"
#include "platform/sim/gdi/gdi_tables.hpp"

namespace vellum::platform {

using namespace sim::detail;

namespace {

// The rows to transfer, or false when the request is not one the sim understands.
struct RowRange {
  int first = 0;  // first scan line (0 = bottom for bottom-up layouts)
  int count = 0;
  bool topDown = false;
};

bool CheckedRange(const BITMAPINFOHEADER& header, const Pixmap& pixels, UINT start, UINT cLines,
                  RowRange& range) {
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biBitCount != 32 ||
      header.biCompression != BI_RGB || header.biWidth != pixels.width ||
      (header.biHeight != pixels.height && header.biHeight != -pixels.height))
    return false;
  range.topDown = header.biHeight < 0;
  if (start >= static_cast<UINT>(pixels.height)) return false;
  range.first = static_cast<int>(start);
  range.count = static_cast<int>(std::min<UINT>(cLines, static_cast<UINT>(pixels.height) - start));
  return true;
}

// The bitmap row holding scan line `line` of the layout.
int BitmapRow(const Pixmap& pixels, const RowRange& range, int line) {
  return range.topDown ? line : pixels.height - 1 - line;
}

// COLORREF is red-first; the layout's 32-bit value is blue-first.
std::uint32_t SwapRedBlue(std::uint32_t v) {
  return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

}  // namespace

// Returns the number of scan lines copied, 0 on failure.
int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, void* lpvBits, BITMAPINFO* lpbmi,
              UINT usage) {
  sim::Calls().Record("GetDIBits", FormatArguments("hdc=0x%X hbm=0x%X start=%u cLines=%u", hdc, hbm,
                                                   start, cLines));
  const auto* bitmap = FindObject<BitmapObject>(hbm);
  if (!FindDC(hdc) || !bitmap || !lpbmi || usage != DIB_RGB_COLORS) return 0;
  const Pixmap& pixels = *bitmap->pixels;
  BITMAPINFOHEADER& header = lpbmi->bmiHeader;
  if (!lpvBits) {
    header.biWidth = pixels.width;
    header.biHeight = pixels.height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(pixels.width) * pixels.height * 4;
    return pixels.height;
  }
  RowRange range;
  if (!CheckedRange(header, pixels, start, cLines, range)) return 0;
  auto* out = static_cast<std::uint32_t*>(lpvBits);
  for (int line = 0; line < range.count; ++line) {
    const int row = BitmapRow(pixels, range, range.first + line);
    for (int x = 0; x < pixels.width; ++x)
      out[static_cast<std::size_t>(line) * pixels.width + x] = SwapRedBlue(pixels.At(x, row));
  }
  return range.count;
}

int SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const void* lpBits,
              const BITMAPINFO* lpbmi, UINT ColorUse) {
  sim::Calls().Record("SetDIBits", FormatArguments("hdc=0x%X hbm=0x%X start=%u cLines=%u", hdc, hbm,
                                                   start, cLines));
  auto* bitmap = FindObject<BitmapObject>(hbm);
  if (!FindDC(hdc) || !bitmap || !lpBits || !lpbmi || ColorUse != DIB_RGB_COLORS) return 0;
  if (FindEntry(hbm)->stock) return 0;  // the shared stock bitmap is never written
  Pixmap& pixels = *bitmap->pixels;
  RowRange range;
  if (!CheckedRange(lpbmi->bmiHeader, pixels, start, cLines, range)) return 0;
  const auto* in = static_cast<const std::uint32_t*>(lpBits);
  for (int line = 0; line < range.count; ++line) {
    const int row = BitmapRow(pixels, range, range.first + line);
    for (int x = 0; x < pixels.width; ++x)
      pixels.At(x, row) =
          SwapRedBlue(in[static_cast<std::size_t>(line) * pixels.width + x]) & 0xFFFFFF;
  }
  return range.count;
}

}  // namespace vellum::platform
