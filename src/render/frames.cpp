#include "render/frames.hpp"

#include <cstdint>
#include <initializer_list>
#include <limits>

#include "platform/automation/error.hpp"
#include "platform/gdi32.hpp"
#include "render/gradient.hpp"
#include "render/scoped_object.hpp"

namespace vellum {

using namespace platform;

namespace {

constexpr int kFace = COLOR_BTNFACE;
constexpr int kShadow = COLOR_BTNSHADOW;
constexpr int kHighlight = COLOR_BTNHIGHLIGHT;
constexpr int kDarkShadow = COLOR_3DDKSHADOW;

// Frames reach one pixel beyond their rectangle.
void CheckRange(const RECT& rect) {
  constexpr LONG kMin = std::numeric_limits<LONG>::min();
  constexpr LONG kMax = std::numeric_limits<LONG>::max();
  for (LONG value : {rect.left, rect.top, rect.right, rect.bottom}) {
    if (value == kMin || value == kMax) RaiseError(error::kOverflow);
  }
}

// A polyline through `points` in a solid pen: the first point and every pixel on the way to
// the last, but not the last.
void StrokePolyline(HDC hDC, DWORD color, int width, std::initializer_list<POINT> points) {
  const SelectedObject pen(hDC, CreatePen(PS_SOLID, width, color));
  const POINT* first = points.begin();
  MoveToEx(hDC, first->x, first->y, nullptr);
  for (const POINT* p = first + 1; p != points.end(); ++p)
    LineTo(hDC, p->x, p->y);
}

void StrokePolyline(HDC hDC, int systemColor, std::initializer_list<POINT> points) {
  StrokePolyline(hDC, GetSysColor(systemColor), 1, points);
}

void FillSystem(HDC hDC, const RECT& rect, int systemColor) {
  FillSolid(hDC, rect, static_cast<std::int32_t>(0x80000000u | static_cast<unsigned>(systemColor)));
}

}  // namespace

void DrawSunkenFrame(HDC hDC, const RECT& r) {
  CheckRange(r);
  StrokePolyline(hDC, kDarkShadow, {{r.left, r.bottom}, {r.left, r.top + 1}, {r.right, r.top + 1}});
  StrokePolyline(hDC, kFace,
                 {{r.right - 1, r.top + 1}, {r.right - 1, r.bottom}, {r.left, r.bottom}});
  StrokePolyline(hDC, kHighlight,
                 {{r.right, r.top + 1}, {r.right, r.bottom + 1}, {r.left, r.bottom + 1}});
}

void DrawRaisedFrame(HDC hDC, const RECT& r) {
  CheckRange(r);
  StrokePolyline(hDC, kHighlight, {{r.right, r.top}, {r.left, r.top}, {r.left, r.bottom}});
  StrokePolyline(hDC, kShadow, {{r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}});
}

void DrawBevelFrame(HDC hDC, const RECT& r, bool sunken) {
  CheckRange(r);
  // Right and bottom edges, then left and top: a band filled, then a wide line along it.
  const int farPen = sunken ? kHighlight : kShadow;
  const int farFill = sunken ? kShadow : kHighlight;
  FillSystem(hDC, {r.right - 1, r.top, r.right, r.bottom}, farFill);
  StrokePolyline(hDC, GetSysColor(farPen), 2,
                 {{r.right - 1, r.top + 1}, {r.right - 1, r.bottom - 1}});
  FillSystem(hDC, {r.left, r.bottom - 1, r.right, r.bottom}, farFill);
  StrokePolyline(hDC, GetSysColor(farPen), 2,
                 {{r.left + 1, r.bottom - 1}, {r.right - 1, r.bottom - 1}});

  const int nearPen = sunken ? kShadow : kHighlight;
  const int nearFill = sunken ? kHighlight : kShadow;
  FillSystem(hDC, {r.left, r.top + 1, r.left + 1, r.bottom - 1}, nearFill);
  StrokePolyline(hDC, GetSysColor(nearPen), 2,
                 {{r.left + 1, r.top + 1}, {r.left + 1, r.bottom - 1}});
  FillSystem(hDC, {r.left + 1, r.top, r.right - 1, r.top + 1}, nearFill);
  StrokePolyline(hDC, GetSysColor(nearPen), 2, {{r.left + 1, r.top + 1}, {r.right - 1, r.top + 1}});
}

void DrawFlatFrame(HDC hDC, const RECT& r) {
  CheckRange(r);
  StrokePolyline(hDC, 0, 1,
                 {{r.left, r.top},
                  {r.left, r.bottom},
                  {r.right, r.bottom},
                  {r.right, r.top},
                  {r.left, r.top}});
}

void DrawEtchedLine(HDC hDC, POINT p1, POINT p2, bool vertical, bool flip) {
  POINT remembered{};
  MoveToEx(hDC, p1.x, p1.y, &remembered);
  StrokePolyline(hDC, kHighlight, {p1, p2});
  const POINT shift = vertical ? POINT{flip ? -1 : 1, 0} : POINT{0, flip ? 1 : -1};
  StrokePolyline(hDC, kShadow,
                 {{p1.x + shift.x, p1.y + shift.y}, {p2.x + shift.x, p2.y + shift.y}});
  MoveToEx(hDC, remembered.x, remembered.y, nullptr);
}

}  // namespace vellum
