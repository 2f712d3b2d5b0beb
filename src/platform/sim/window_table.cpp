#include "platform/sim/window_table.hpp"

#include <algorithm>
#include <map>
#include <unordered_set>

#include "platform/sim/handle_space.hpp"
#include "platform/sim/menu_table.hpp"
#include "platform/sim/window_metrics.hpp"

namespace vellum::sim::detail {
namespace {

using platform::HWND;
using platform::RECT;

struct WindowSpace {
  std::map<HWND, WindowRecord> windows;
  std::vector<HWND> zOrder;  // bottom to top
  HWND active = 0;
  std::unordered_set<platform::UINT_PTR> procedures{
      reinterpret_cast<platform::UINT_PTR>(&DefaultProcedure)};
  std::map<HWND, std::vector<Message>> received;
};

WindowSpace& Space() {
  thread_local WindowSpace space;
  return space;
}

}  // namespace

WindowRecord* FindWindow(HWND hWnd) {
  auto found = Space().windows.find(hWnd);
  return found == Space().windows.end() ? nullptr : &found->second;
}

HWND AddWindow(WindowRecord record) {
  const HWND handle = NewHandle();
  Space().windows.emplace(handle, std::move(record));
  Space().zOrder.push_back(handle);
  Space().active = handle;
  return handle;
}

void RemoveWindow(HWND hWnd) {
  Space().windows.erase(hWnd);
  auto& order = Space().zOrder;
  order.erase(std::remove(order.begin(), order.end(), hWnd), order.end());
  if (Space().active == hWnd) Space().active = order.empty() ? 0 : order.back();
}

std::vector<HWND> WindowsInZOrder() {
  return Space().zOrder;
}

void BringToTop(HWND hWnd) {
  auto& order = Space().zOrder;
  auto found = std::find(order.begin(), order.end(), hWnd);
  if (found == order.end()) return;
  order.erase(found);
  order.push_back(hWnd);
}

HWND& ActiveWindowSlot() {
  return Space().active;
}

platform::HMENU LiveMenuOf(const WindowRecord& window) {
  return FindMenu(window.menu) ? window.menu : 0;
}

RECT MenuBarArea(const WindowRecord& window) {
  const int width = window.bounds.right - window.bounds.left;
  const int top = kFrameWidth + kCaptionHeight;
  const int height = LiveMenuOf(window) ? std::max(window.bar.height, kMenuBarRowHeight) : 0;
  return {kFrameWidth, top, width - kFrameWidth, top + height};
}

RECT ClientArea(const WindowRecord& window) {
  const int width = window.bounds.right - window.bounds.left;
  const int height = window.bounds.bottom - window.bounds.top;
  const RECT bar = MenuBarArea(window);
  return {kFrameWidth, bar.bottom, width - kFrameWidth, std::max(bar.bottom, height - kFrameWidth)};
}

RECT CaptionArea(const WindowRecord& window) {
  const int width = window.bounds.right - window.bounds.left;
  return {kFrameWidth, kFrameWidth, width - kFrameWidth, kFrameWidth + kCaptionHeight};
}

bool Contains(const RECT& rect, platform::POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

platform::POINT ToWindow(const WindowRecord& window, platform::POINT screen) {
  return {screen.x - window.bounds.left, screen.y - window.bounds.top};
}

RECT ToScreen(const WindowRecord& window, RECT r) {
  return {r.left + window.bounds.left, r.top + window.bounds.top, r.right + window.bounds.left,
          r.bottom + window.bounds.top};
}

// The system-menu icon is the caption's leftmost square.
platform::UINT HitTest(const WindowRecord& window, platform::POINT screen) {
  if (!Contains(window.bounds, screen)) return platform::HTNOWHERE;
  const platform::POINT p = ToWindow(window, screen);
  const RECT caption = CaptionArea(window);
  if (Contains(caption, p))
    return p.x < caption.left + kCaptionHeight ? platform::HTSYSMENU : platform::HTCAPTION;
  if (Contains(MenuBarArea(window), p)) return platform::HTMENU;
  if (Contains(ClientArea(window), p)) return platform::HTCLIENT;
  return platform::HTBORDER;
}

void RememberProcedure(platform::WNDPROC proc) {
  if (proc) Space().procedures.insert(reinterpret_cast<platform::UINT_PTR>(proc));
}

bool IsKnownProcedure(platform::UINT_PTR address) {
  return address != 0 && Space().procedures.count(address) != 0;
}

void RecordReceived(HWND hWnd, const Message& message) {
  Space().received[hWnd].push_back(message);
}

}  // namespace vellum::sim::detail

namespace vellum::sim {

std::vector<Message> ReceivedMessages(platform::HWND hWnd) {
  auto& received = detail::Space().received;
  auto found = received.find(hWnd);
  return found == received.end() ? std::vector<Message>{} : found->second;
}

std::vector<Message> ReceivedMessages(platform::HWND hWnd, platform::UINT message) {
  std::vector<Message> out;
  for (const Message& m : ReceivedMessages(hWnd)) {
    if (m.message == message) out.push_back(m);
  }
  return out;
}

void ClearReceivedMessages(platform::HWND hWnd) {
  detail::Space().received.erase(hWnd);
}

}  // namespace vellum::sim
