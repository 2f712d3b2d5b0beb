#include "platform/sim/gdi/gdi_tables.hpp"

#include <cstring>

#include "platform/sim/gdi/system_colors.hpp"
#include "platform/sim/handle_space.hpp"

namespace vellum::sim::detail {

using namespace platform;

namespace {

LOGFONTA StockFontDescription(LONG height) {
  LOGFONTA font;
  font.lfHeight = height;
  font.lfWeight = FW_NORMAL;
  std::strcpy(font.lfFaceName, "MS Sans Serif");
  return font;
}

}  // namespace

GdiState::GdiState() {
  auto add = [this](int index, GdiObject object) {
    const HANDLE h = NewHandle();
    objects.emplace(h, ObjectEntry{std::move(object), true});
    stock[index] = h;
  };
  add(WHITE_BRUSH, BrushObject{BS_SOLID, RGB(255, 255, 255)});
  add(LTGRAY_BRUSH, BrushObject{BS_SOLID, RGB(192, 192, 192)});
  add(GRAY_BRUSH, BrushObject{BS_SOLID, RGB(128, 128, 128)});
  add(DKGRAY_BRUSH, BrushObject{BS_SOLID, RGB(64, 64, 64)});
  add(BLACK_BRUSH, BrushObject{BS_SOLID, RGB(0, 0, 0)});
  add(NULL_BRUSH, BrushObject{BS_NULL, 0});
  add(WHITE_PEN, PenObject{PS_SOLID, 1, RGB(255, 255, 255)});
  add(BLACK_PEN, PenObject{PS_SOLID, 1, RGB(0, 0, 0)});
  add(NULL_PEN, PenObject{PS_NULL, 1, 0});
  add(SYSTEM_FONT, FontObject{StockFontDescription(-13)});
  add(DEFAULT_GUI_FONT, FontObject{StockFontDescription(-11)});

  // The platform's stock bitmap is a 1 x 1 monochrome one; ours holds one black pixel.
  stockBitmap = NewHandle();
  objects.emplace(stockBitmap, ObjectEntry{BitmapObject{std::make_shared<Pixmap>(1, 1)}, true});
}

GdiState& Gdi() {
  thread_local GdiState state;
  return state;
}

DeviceContext* FindDC(HDC hdc) {
  auto& dcs = Gdi().dcs;
  auto it = dcs.find(hdc);
  return it == dcs.end() ? nullptr : &it->second;
}

ObjectEntry* FindEntry(HANDLE h) {
  auto& objects = Gdi().objects;
  auto it = objects.find(h);
  return it == objects.end() ? nullptr : &it->second;
}

HANDLE AddObject(GdiObject object, bool stock) {
  const HANDLE h = NewHandle();
  Gdi().objects.emplace(h, ObjectEntry{std::move(object), stock});
  return h;
}

bool SelectedAnywhere(HGDIOBJ h) {
  for (const auto& [hdc, dc] : Gdi().dcs) {
    if (dc.bitmap == h || dc.pen == h || dc.brush == h || dc.font == h) return true;
  }
  return false;
}

bool EraseObject(HANDLE h) {
  const ObjectEntry* entry = FindEntry(h);
  if (!entry || entry->stock || SelectedAnywhere(h)) return false;
  Gdi().objects.erase(h);
  return true;
}

std::optional<Canvas> CanvasOf(DeviceContext& dc) {
  if (dc.kind == DcKind::Memory) {
    auto* bitmap = FindObject<BitmapObject>(dc.bitmap);
    if (!bitmap) return std::nullopt;
    Pixmap& pixels = *bitmap->pixels;
    return Canvas(pixels, {0, 0}, {0, 0, pixels.width, pixels.height});
  }
  if (!dc.surface) return std::nullopt;
  return Canvas(*dc.surface, dc.offset, dc.clip);
}

std::shared_ptr<Pixmap> Desktop() {
  GdiState& gdi = Gdi();
  if (!gdi.desktop)
    gdi.desktop =
        std::make_shared<Pixmap>(gdi.screenWidth, gdi.screenHeight, SystemColor(COLOR_DESKTOP));
  return gdi.desktop;
}

int DpiX(const DeviceContext& dc) {
  return dc.dpiX > 0 ? dc.dpiX : Gdi().screenDpiX;
}
int DpiY(const DeviceContext& dc) {
  return dc.dpiY > 0 ? dc.dpiY : Gdi().screenDpiY;
}

const LOGFONTA& SelectedFont(const DeviceContext& dc) {
  if (auto* font = FindObject<FontObject>(dc.font)) return font->description;
  return std::get<FontObject>(FindEntry(Gdi().stock[SYSTEM_FONT])->object).description;
}

}  // namespace vellum::sim::detail
