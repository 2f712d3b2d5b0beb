#include "recording_owner.hpp"

namespace vellum::testing {

using namespace platform;

OwnerRecorder& Recorder() {
  thread_local OwnerRecorder recorder;
  return recorder;
}

std::vector<std::string> OwnerRecorder::MenuMessageNames() const {
  std::vector<std::string> names;
  for (const Seen& seen : messages) {
    if (seen.message != WM_MEASUREITEM && seen.message != WM_DRAWITEM)
      names.push_back(sim::MessageName(seen.message));
  }
  return names;
}

std::vector<Seen> OwnerRecorder::Of(UINT message) const {
  std::vector<Seen> out;
  for (const Seen& seen : messages) {
    if (seen.message == message) out.push_back(seen);
  }
  return out;
}

LRESULT RecordingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  OwnerRecorder& recorder = Recorder();
  recorder.messages.push_back({hWnd, message, wParam, lParam});
  // The request records are the sim's own, alive for the duration of the call.
  if (message == WM_MEASUREITEM) {
    auto* request = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    const auto size = recorder.sizeOf ? recorder.sizeOf(request->itemID) : std::nullopt;
    request->itemWidth = size ? size->cx : 100;
    request->itemHeight = size ? size->cy : 20;
    recorder.measured.push_back(*request);
  } else if (message == WM_DRAWITEM) {
    recorder.drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
  }
  if (recorder.handler) {
    if (auto result = recorder.handler(hWnd, message, wParam, lParam)) return *result;
  }
  if (message == WM_MEASUREITEM || message == WM_DRAWITEM) return TRUE;
  return DefWindowProcA(hWnd, message, wParam, lParam);
}

HWND CreateRecordingWindow() {
  return sim::CreateWindow(u"Owner", {100, 100, 500, 400}, &RecordingProc);
}

}  // namespace vellum::testing
