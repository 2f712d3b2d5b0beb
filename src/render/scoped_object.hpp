#pragma once
// A guard for the graphics objects an operation creates (pens, brushes, fonts, bitmaps): the
// operation that creates one deletes it, whichever way it ends.

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

}  // namespace vellum
