#pragma once
// The answer to the platform's measure request for an owner-drawn entry of the library.

#include "platform/types.hpp"

namespace vellum {

// Finds the item or sidebar behind the request at address `request` (a measure record the
// platform is sending to `hWnd`), writes its width and height into the request and keeps a
// copy in the object's visual record. False, with the request untouched, when the window,
// the request or the entry is not the library's.
bool MeasureItem(platform::HWND hWnd, platform::LPARAM request);

}  // namespace vellum
