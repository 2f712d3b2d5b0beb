#pragma once
// The record of one window the library has subclassed: the procedure it replaced, how many
// users the attachment has, and the off-screen drawing context items are painted in.

#include <cstdint>

#include "platform/automation/object.hpp"
#include "platform/types.hpp"

namespace vellum {

class HandleObject : public Object {
 public:
  static Ref<HandleObject> New();
  ~HandleObject() override;

  // Subclasses `hWndNew` with `hProcNew` (none when it is 0) and counts one reference.
  void SetHandle(platform::HWND hWndNew, platform::LONG_PTR hProcNew, platform::HMENU hMenuNew,
                 platform::HWND hWndChild);
  void CreateDC();
  void AddReference() { ++references_; }
  // At the last reference the window gets its previous procedure back.
  void RemoveReference();
  void Reset();

  std::int32_t References() const { return references_; }
  platform::HWND hWnd() const { return hWnd_; }
  platform::HWND hWndStatic() const { return hWndStatic_; }
  platform::HMENU hMenu() const { return hMenu_; }
  platform::LONG_PTR OldProc() const { return oldProc_; }
  platform::LONG_PTR NewProc() const { return newProc_; }
  platform::HDC PaintDC() const { return paintDC_; }
  const String& Key() const { return key_; }
  Ref<Object> Interface() const { return interface_; }
  void Interface(const Ref<Object>& value) { interface_ = value; }

  String ClassName() const override { return u"Vellum10.HandleObject"; }

 protected:
  HandleObject() = default;

 private:
  friend class ObjectFactory;

  platform::HWND hWnd_ = 0;
  platform::HMENU hMenu_ = 0;
  platform::LONG_PTR newProc_ = 0;
  platform::LONG_PTR oldProc_ = 0;
  platform::HDC paintDC_ = 0;
  platform::HWND hWndStatic_ = 0;
  Ref<Object> interface_;
  std::int32_t references_ = 0;
  String key_;
};

// The registry of subclassed windows, per thread, keyed "_H" + hexadecimal window handle.
// Attaching a window that is attached already only counts a reference (and returns none);
// window 0 is never attached.
Ref<HandleObject> AttachWindow(platform::HWND hWnd, platform::WNDPROC proc, platform::HMENU hMenu);
void ReleaseWindow(platform::HWND hWnd);
// The procedure the window had before the library's, or 0 when it is not attached.
platform::LONG_PTR PreviousWindowProc(platform::HWND hWnd);
// The window's record, or none.
Ref<HandleObject> WindowRecord(platform::HWND hWnd);

}  // namespace vellum
