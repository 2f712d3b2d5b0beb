// Graphics objects: creation, selection, description and deletion.
#include <cstring>

#include "platform/gdi32.hpp"
#include "platform/sim/call_log.hpp"
#include "platform/sim/gdi/call_format.hpp"
#include "platform/sim/gdi/gdi_tables.hpp"

namespace vellum::platform {

using namespace sim::detail;

namespace {

template <class Record>
int CopyRecord(const Record& record, int c, void* pv) {
  if (!pv) return static_cast<int>(sizeof(Record));
  if (c < static_cast<int>(sizeof(Record))) return 0;
  std::memcpy(pv, &record, sizeof(Record));
  return static_cast<int>(sizeof(Record));
}

}  // namespace

// A 32-bit bitmap, black; a zero width or height gives the 1 x 1 stock bitmap, as the
// platform does. Every sim bitmap is 32-bit, whatever the DC holds.
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  sim::Calls().Record("CreateCompatibleBitmap",
                      FormatArguments("hdc=0x%X cx=%d cy=%d", hdc, cx, cy));
  if (!FindDC(hdc) || cx < 0 || cy < 0) return 0;
  if (cx == 0 || cy == 0) return Gdi().stockBitmap;
  if (static_cast<long long>(cx) * cy > kMaxPixels) return 0;
  return AddObject(BitmapObject{std::make_shared<Pixmap>(cx, cy)});
}

// Solid and null pens; the dashed styles draw solid. Width 0 draws one pixel wide.
HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
  sim::Calls().Record("CreatePen",
                      FormatArguments("iStyle=%d cWidth=%d color=0x%06X", iStyle, cWidth, color));
  if (iStyle < PS_SOLID || iStyle > PS_INSIDEFRAME) return 0;
  const int width = cWidth < 1 ? 1 : (cWidth > 64 ? 64 : cWidth);
  return AddObject(PenObject{iStyle, width, color & 0x00FFFFFF});
}

HBRUSH CreateSolidBrush(COLORREF color) {
  sim::Calls().Record("CreateSolidBrush", FormatArguments("color=0x%06X", color));
  return AddObject(BrushObject{BS_SOLID, color & 0x00FFFFFF});
}

// Solid and hollow brushes; patterns and hatches are not simulated and fail.
HBRUSH CreateBrushIndirect(const LOGBRUSH* plbrush) {
  sim::Calls().Record(
      "CreateBrushIndirect",
      plbrush ? FormatArguments("lbStyle=%u lbColor=0x%06X", plbrush->lbStyle, plbrush->lbColor)
              : std::string("null"));
  if (!plbrush || (plbrush->lbStyle != BS_SOLID && plbrush->lbStyle != BS_NULL)) return 0;
  return AddObject(BrushObject{plbrush->lbStyle, plbrush->lbColor & 0x00FFFFFF});
}

// Records the description only; the face is found when text is first drawn with it.
HFONT CreateFontIndirectA(const LOGFONTA* lplf) {
  if (!lplf) {
    sim::Calls().Record("CreateFontIndirectA", "null");
    return 0;
  }
  LOGFONTA description = *lplf;
  description.lfFaceName[LF_FACESIZE - 1] = '\0';
  sim::Calls().Record(
      "CreateFontIndirectA",
      FormatArguments("lfHeight=%d lfWeight=%d lfEscapement=%d lfFaceName=%s", description.lfHeight,
                      description.lfWeight, description.lfEscapement, description.lfFaceName));
  return AddObject(FontObject{description});
}

HGDIOBJ GetStockObject(int i) {
  sim::Calls().Record("GetStockObject", FormatArguments("i=%d", i));
  const auto& stock = Gdi().stock;
  return i >= 0 && i < static_cast<int>(stock.size()) ? stock[i] : 0;
}

// Returns the object of the same kind it displaced. A bitmap goes only into a memory DC and
// only into one DC at a time.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
  sim::Calls().Record("SelectObject", FormatArguments("hdc=0x%X h=0x%X", hdc, h));
  DeviceContext* dc = FindDC(hdc);
  ObjectEntry* entry = FindEntry(h);
  if (!dc || !entry) return HGDI_ERROR;
  auto swap = [h](HANDLE& slot) {
    const HANDLE previous = slot;
    slot = h;
    return previous;
  };
  if (std::holds_alternative<PenObject>(entry->object)) return swap(dc->pen);
  if (std::holds_alternative<BrushObject>(entry->object)) return swap(dc->brush);
  if (std::holds_alternative<FontObject>(entry->object)) return swap(dc->font);
  if (std::holds_alternative<BitmapObject>(entry->object)) {
    if (dc->kind != DcKind::Memory) return HGDI_ERROR;
    if (dc->bitmap == h) return h;
    if (!entry->stock && SelectedAnywhere(h)) return HGDI_ERROR;
    return swap(dc->bitmap);
  }
  return HGDI_ERROR;  // icons are not selectable
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
  sim::Calls().Record("GetCurrentObject", FormatArguments("hdc=0x%X type=%u", hdc, type));
  const DeviceContext* dc = FindDC(hdc);
  if (!dc) return 0;
  switch (type) {
    case OBJ_PEN:
      return dc->pen;
    case OBJ_BRUSH:
      return dc->brush;
    case OBJ_FONT:
      return dc->font;
    case OBJ_BITMAP:
      return dc->bitmap;
    default:
      return 0;
  }
}

// Refuses an object still selected into a DC; stock objects report success and stay.
BOOL DeleteObject(HGDIOBJ ho) {
  sim::Calls().Record("DeleteObject", FormatArguments("ho=0x%X", ho));
  ObjectEntry* entry = FindEntry(ho);
  if (!entry || std::holds_alternative<IconObject>(entry->object)) return FALSE;
  if (entry->stock) return TRUE;
  return EraseObject(ho) ? TRUE : FALSE;
}

// LOGFONTA of a font, BITMAP of a bitmap, LOGPEN, LOGBRUSH; with pv null, the size needed.
int GetObjectA(HGDIOBJ h, int c, void* pv) {
  sim::Calls().Record("GetObjectA", FormatArguments("h=0x%X c=%d", h, c));
  const ObjectEntry* entry = FindEntry(h);
  if (!entry) return 0;
  if (const auto* font = std::get_if<FontObject>(&entry->object))
    return CopyRecord(font->description, c, pv);
  if (const auto* bitmap = std::get_if<BitmapObject>(&entry->object)) {
    BITMAP record;
    record.bmWidth = bitmap->pixels->width;
    record.bmHeight = bitmap->pixels->height;
    record.bmWidthBytes = bitmap->pixels->width * 4;
    record.bmPlanes = 1;
    record.bmBitsPixel = 32;
    return CopyRecord(record, c, pv);
  }
  if (const auto* pen = std::get_if<PenObject>(&entry->object)) {
    LOGPEN record;
    record.lopnStyle = static_cast<UINT>(pen->style);
    record.lopnWidth = {pen->width, 0};
    record.lopnColor = pen->color;
    return CopyRecord(record, c, pv);
  }
  if (const auto* brush = std::get_if<BrushObject>(&entry->object)) {
    LOGBRUSH record;
    record.lbStyle = brush->style;
    record.lbColor = brush->color;
    return CopyRecord(record, c, pv);
  }
  return 0;
}

DWORD GetObjectType(HGDIOBJ h) {
  sim::Calls().Record("GetObjectType", FormatArguments("h=0x%X", h));
  if (const DeviceContext* dc = FindDC(h)) return dc->kind == DcKind::Memory ? OBJ_MEMDC : OBJ_DC;
  const ObjectEntry* entry = FindEntry(h);
  if (!entry) return 0;
  if (std::holds_alternative<PenObject>(entry->object)) return OBJ_PEN;
  if (std::holds_alternative<BrushObject>(entry->object)) return OBJ_BRUSH;
  if (std::holds_alternative<FontObject>(entry->object)) return OBJ_FONT;
  if (std::holds_alternative<BitmapObject>(entry->object)) return OBJ_BITMAP;
  return 0;
}

}  // namespace vellum::platform
