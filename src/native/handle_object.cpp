#include "native/handle_object.hpp"

#include "model/library_state.hpp"
#include "platform/automation/collection.hpp"
#include "platform/platform.hpp"

namespace vellum {

using namespace platform;

Ref<HandleObject> HandleObject::New() {
  return ObjectFactory::Make<HandleObject>();
}

HandleObject::~HandleObject() {
  Reset();
}

void HandleObject::SetHandle(HWND hWndNew, LONG_PTR hProcNew, HMENU hMenuNew, HWND hWndChild) {
  if (hWnd_ != 0) Reset();
  hWnd_ = hWndNew;
  if (hProcNew != 0) {
    oldProc_ = SetWindowLongA(hWndNew, GWL_WNDPROC, hProcNew);
    newProc_ = hProcNew;
  }
  hMenu_ = hMenuNew;
  hWndStatic_ = hWndChild;
  references_ = 1;
  key_ = DefaultKey(hWnd_);
  CreateDC();
}

void HandleObject::CreateDC() {
  if (hWnd_ == 0) return;
  if (paintDC_ != 0) DeleteDC(paintDC_);
  const HDC window = GetWindowDC(hWnd_);
  paintDC_ = CreateCompatibleDC(window);
  ReleaseDC(hWnd_, window);
}

void HandleObject::RemoveReference() {
  if (--references_ == 0) Reset();
}

void HandleObject::Reset() {
  if (hWnd_ == 0) return;
  if (paintDC_ != 0) {
    DeleteDC(paintDC_);
    paintDC_ = 0;
  }
  if (oldProc_ != 0) {
    SetWindowLongA(hWnd_, GWL_WNDPROC, oldProc_);
    oldProc_ = 0;
    newProc_ = 0;
  }
  hWnd_ = 0;
  hWndStatic_ = 0;
  hMenu_ = 0;
  references_ = 0;
  key_.clear();
}

Ref<HandleObject> WindowRecord(HWND hWnd) {
  const Ref<Collection>& registry = Library().windowRegistry;
  if (!registry) return nullptr;
  const String key = DefaultKey(hWnd);
  return registry->ContainsKey(key) ? registry->Item(key).ToObjectOf<HandleObject>() : nullptr;
}

Ref<HandleObject> AttachWindow(HWND hWnd, WNDPROC proc, HMENU hMenu) {
  // A record for window 0 could never be reset or released.
  if (hWnd == 0) return nullptr;
  LibraryState& state = Library();
  if (!state.windowRegistry) state.windowRegistry = Collection::New();
  if (const Ref<HandleObject> record = WindowRecord(hWnd)) {
    record->AddReference();
    return nullptr;
  }
  const Ref<HandleObject> record = HandleObject::New();
  record->SetHandle(hWnd, reinterpret_cast<LONG_PTR>(proc), hMenu, 0);
  state.windowRegistry->Add(record, record->Key());
  return record;
}

void ReleaseWindow(HWND hWnd) {
  LibraryState& state = Library();
  if (const Ref<HandleObject> record = WindowRecord(hWnd)) {
    record->RemoveReference();
    if (record->References() == 0) state.windowRegistry->Remove(DefaultKey(hWnd));
  }
  if (state.windowRegistry && state.windowRegistry->Count() == 0) state.windowRegistry.reset();
}

LONG_PTR PreviousWindowProc(HWND hWnd) {
  const Ref<HandleObject> record = WindowRecord(hWnd);
  return record ? record->OldProc() : 0;
}

}  // namespace vellum
