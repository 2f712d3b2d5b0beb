#pragma once
// Guards for the graphics resources an operation uses: the objects it creates (pens, brushes,
// fonts, bitmaps) are deleted, the objects it selects are replaced by what they displaced, and
// the device contexts it borrows are given back, whichever way the operation ends.

#include "platform/gdi32.hpp"

namespace vellum {

class ScopedObject {
 public:
  explicit ScopedObject(platform::HGDIOBJ object) : object_(object) {}
  ~ScopedObject() {
    if (object_) platform::DeleteObject(object_);
  }
  ScopedObject(const ScopedObject&) = delete;
  ScopedObject& operator=(const ScopedObject&) = delete;

  platform::HGDIOBJ get() const { return object_; }

 private:
  platform::HGDIOBJ object_;
};

// Selects an object the caller created into a device context; at the end selects back what it
// displaced and deletes the object.
class SelectedObject {
 public:
  SelectedObject(platform::HDC hDC, platform::HGDIOBJ object)
      : hDC_(hDC), object_(object), displaced_(object ? platform::SelectObject(hDC, object) : 0) {}
  ~SelectedObject() {
    if (displaced_) platform::SelectObject(hDC_, displaced_);
    if (object_) platform::DeleteObject(object_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

  platform::HGDIOBJ get() const { return object_; }

 private:
  platform::HDC hDC_;
  platform::HGDIOBJ object_;
  platform::HGDIOBJ displaced_;
};

// A window's client device context (the screen's for window 0), released at the end.
class WindowDC {
 public:
  explicit WindowDC(platform::HWND hWnd) : hWnd_(hWnd), hDC_(platform::GetDC(hWnd)) {}
  ~WindowDC() {
    if (hDC_) platform::ReleaseDC(hWnd_, hDC_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  platform::HDC get() const { return hDC_; }

 private:
  platform::HWND hWnd_;
  platform::HDC hDC_;
};

// A window's whole-window device context (title bar and menu bar included), released at the end.
class WholeWindowDC {
 public:
  explicit WholeWindowDC(platform::HWND hWnd) : hWnd_(hWnd), hDC_(platform::GetWindowDC(hWnd)) {}
  ~WholeWindowDC() {
    if (hDC_) platform::ReleaseDC(hWnd_, hDC_);
  }
  WholeWindowDC(const WholeWindowDC&) = delete;
  WholeWindowDC& operator=(const WholeWindowDC&) = delete;

  platform::HDC get() const { return hDC_; }

 private:
  platform::HWND hWnd_;
  platform::HDC hDC_;
};

}  // namespace vellum
