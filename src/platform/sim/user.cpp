// The scripted user: steps for the menu loop, and the mouse, keys and clock outside it.
#include "platform/sim/user.hpp"

#include "platform/sim/driver.hpp"
#include "platform/sim/input_state.hpp"
#include "platform/sim/menu_loop.hpp"
#include "platform/sim/user_script.hpp"
#include "platform/sim/window_table.hpp"
#include "platform/user32.hpp"

namespace vellum::sim {
namespace {

using detail::Step;

User& Queue(User& user, Step step) {
  detail::Script().push_back(std::move(step));
  return user;
}

Step Targeted(Step::Kind kind, Target target) {
  Step step;
  step.kind = kind;
  step.target = target;
  return step;
}

}  // namespace

namespace detail {

std::deque<Step>& Script() {
  thread_local std::deque<Step> script;
  return script;
}

}  // namespace detail

User& User::Hover(Target target) {
  return Queue(*this, Targeted(Step::Kind::Hover, target));
}

User& User::Open(Target target) {
  return Queue(*this, Targeted(Step::Kind::Open, target));
}

User& User::Choose(Target target) {
  return Queue(*this, Targeted(Step::Kind::Choose, target));
}

User& User::RightClick(Target target) {
  return Queue(*this, Targeted(Step::Kind::RightClick, target));
}

User& User::Type(char16_t character) {
  Step step;
  step.kind = Step::Kind::Character;
  step.character = character;
  return Queue(*this, std::move(step));
}

User& User::Key(platform::UINT vk) {
  Step step;
  step.kind = Step::Kind::Key;
  step.key = vk;
  return Queue(*this, std::move(step));
}

User& User::MoveToMenuBarEntry(int position) {
  return Queue(*this, Targeted(Step::Kind::BarEntry, position));
}

User& User::Cancel() {
  return Queue(*this, Step{});
}

User& User::Run(std::function<void()> action) {
  Step step;
  step.kind = Step::Kind::Run;
  step.action = std::move(action);
  return Queue(*this, std::move(step));
}

std::size_t User::PendingSteps() const {
  return detail::Script().size();
}

void User::ForgetSteps() {
  detail::Script().clear();
}

bool User::ClickMenuBar(platform::HWND hWnd, int position) {
  return position >= 0 && detail::TrackMenuBar(hWnd, static_cast<std::size_t>(position));
}

bool User::OpenSystemMenu(platform::HWND hWnd) {
  return detail::TrackSystemMenu(hWnd);
}

// The topmost window under the point gets the mouse message for the part it hits.
void User::MoveMouse(platform::POINT screen) {
  using namespace platform;
  detail::MoveCursor(screen);
  const std::vector<HWND> windows = detail::WindowsInZOrder();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    const detail::WindowRecord* window = detail::FindWindow(*it);
    if (!window) continue;
    const UINT hit = detail::HitTest(*window, screen);
    if (hit == HTNOWHERE) continue;
    const POINT p = detail::ToWindow(*window, screen);
    const RECT client = detail::ClientArea(*window);
    if (hit == HTCLIENT)
      detail::Send(
          *it, WM_MOUSEMOVE, 0,
          MAKELPARAM(static_cast<WORD>(p.x - client.left), static_cast<WORD>(p.y - client.top)));
    else
      detail::Send(*it, WM_NCMOUSEMOVE, hit,
                   MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
    return;
  }
}

bool User::MoveMouseOverMenuBar(platform::HWND hWnd, int position) {
  const std::vector<platform::RECT> rects = MenuBarEntryRects(hWnd);
  if (position < 0 || static_cast<std::size_t>(position) >= rects.size()) return false;
  const platform::RECT& r = rects[position];
  MoveMouse({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  return true;
}

void User::PressKey(platform::UINT vk) {
  detail::PressKey(vk);
}

void User::ReleaseKey(platform::UINT vk) {
  detail::ReleaseKey(vk);
}

void User::TapKey(platform::UINT vk) {
  detail::PressKey(vk);
  detail::ReleaseKey(vk);
}

void User::Wait(platform::DWORD milliseconds) {
  AdvanceClock(milliseconds);
}

}  // namespace vellum::sim
