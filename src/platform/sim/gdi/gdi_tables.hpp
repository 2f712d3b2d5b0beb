#pragma once
// Internal to the sim: this thread's tables of graphics objects and device contexts, and the
// screen they belong to. Every handle comes from the shared handle space.

#include <array>
#include <memory>
#include <optional>
#include <unordered_map>
#include <variant>

#include "platform/gdi32_types.hpp"
#include "platform/sim/gdi/pixmap.hpp"

namespace vellum::sim::detail {

struct PenObject {
  int style = platform::PS_SOLID;
  int width = 1;
  platform::COLORREF color = 0;
};

struct BrushObject {
  platform::UINT style = platform::BS_SOLID;
  platform::COLORREF color = 0;
};

// Only the description: faces and glyphs live in the font cache.
struct FontObject {
  platform::LOGFONTA description;
};

struct BitmapObject {
  std::shared_ptr<Pixmap> pixels;
};

// An icon keeps its colour pixels and which of them are opaque.
struct IconObject {
  std::shared_ptr<Pixmap> color;
  std::vector<bool> opaque;  // row-major, color->width * color->height
};

using GdiObject = std::variant<PenObject, BrushObject, FontObject, BitmapObject, IconObject>;

struct ObjectEntry {
  GdiObject object;
  bool stock = false;  // stock objects are never deleted
};

enum class DcKind {
  Memory,    // CreateCompatibleDC: paints into its selected bitmap
  Surface,   // owns a window's or popup's pixels (CreateSurfaceDC)
  Borrowed,  // GetDC / GetWindowDC: a view of a surface or the desktop, freed by ReleaseDC
};

struct DeviceContext {
  DcKind kind = DcKind::Memory;
  std::shared_ptr<Pixmap> surface;  // Surface and Borrowed kinds
  platform::POINT offset;           // pixmap position of logical (0, 0)
  platform::RECT clip;              // pixmap coordinates, right/bottom exclusive
  platform::POINT screenOrigin;     // screen position of logical (0, 0)
  platform::HWND window = 0;        // Borrowed: the window asked for (0 = the screen)

  platform::HBITMAP bitmap = 0;
  platform::HPEN pen = 0;
  platform::HBRUSH brush = 0;
  platform::HFONT font = 0;

  platform::COLORREF textColor = 0;
  platform::COLORREF bkColor = 0xFFFFFF;
  int bkMode = platform::OPAQUE;
  platform::UINT textAlign = 0;
  platform::POINT position;
  int dpiX = 0;  // 0: follow the screen
  int dpiY = 0;
};

struct GdiState {
  GdiState();

  std::unordered_map<platform::HANDLE, ObjectEntry> objects;
  std::unordered_map<platform::HDC, DeviceContext> dcs;
  std::array<platform::HGDIOBJ, 18> stock{};  // by GetStockObject index, 0 where absent
  platform::HBITMAP stockBitmap = 0;          // 1 x 1, what a new memory DC holds

  int screenWidth = 1024;
  int screenHeight = 768;
  int screenDpiX = 96;
  int screenDpiY = 96;
  std::shared_ptr<Pixmap> desktop;  // created on first use, screen-sized
};

// This thread's tables.
GdiState& Gdi();

DeviceContext* FindDC(platform::HDC hdc);
ObjectEntry* FindEntry(platform::HANDLE h);

template <class T>
T* FindObject(platform::HANDLE h) {
  ObjectEntry* entry = FindEntry(h);
  return entry ? std::get_if<T>(&entry->object) : nullptr;
}

platform::HANDLE AddObject(GdiObject object, bool stock = false);

// True when some DC has the object selected.
bool SelectedAnywhere(platform::HGDIOBJ h);
// Removes a non-stock object that no DC holds; false when it must stay.
bool EraseObject(platform::HANDLE h);

// The pixels a DC paints into, seen through its origin and clip.
std::optional<Canvas> CanvasOf(DeviceContext& dc);

// The screen-sized desktop pixmap, created on first use.
std::shared_ptr<Pixmap> Desktop();

// A DC's resolution: its own when set, else the screen's.
int DpiX(const DeviceContext& dc);
int DpiY(const DeviceContext& dc);

// The font a DC has selected (the stock system font when none).
const platform::LOGFONTA& SelectedFont(const DeviceContext& dc);

}  // namespace vellum::sim::detail
