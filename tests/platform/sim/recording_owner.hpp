#pragma once
// A window procedure for sim tests that records every message it receives, answers measure
// requests with sizes a test chooses, keeps copies of the measure and paint requests, and can
// run a test's own handler before passing the message on to DefWindowProcA.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/sim/sim.hpp"

namespace vellum::testing {

struct Seen {
  platform::HWND hWnd = 0;
  platform::UINT message = 0;
  platform::WPARAM wParam = 0;
  platform::LPARAM lParam = 0;
};

struct OwnerRecorder {
  std::vector<Seen> messages;
  std::vector<platform::MEASUREITEMSTRUCT> measured;
  std::vector<platform::DRAWITEMSTRUCT> drawn;
  // Size given to a measured entry, by command ID; 100 x 20 when it returns nothing.
  std::function<std::optional<platform::SIZE>(platform::UINT id)> sizeOf;
  // Runs first; a value it returns is the message's result (nothing is passed on).
  std::function<std::optional<platform::LRESULT>(platform::HWND, platform::UINT, platform::WPARAM,
                                                 platform::LPARAM)>
      handler;

  // The messages of the menu protocol in order, by name (measure and paint requests left out).
  std::vector<std::string> MenuMessageNames() const;
  std::vector<Seen> Of(platform::UINT message) const;
};

// This thread's recorder.
OwnerRecorder& Recorder();

platform::LRESULT RecordingProc(platform::HWND hWnd, platform::UINT message,
                                platform::WPARAM wParam, platform::LPARAM lParam);

// A window with RecordingProc at (100, 100), 400 x 300.
platform::HWND CreateRecordingWindow();

}  // namespace vellum::testing
