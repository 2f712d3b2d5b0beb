#pragma once
// Readable forms of the window manager's records and codes, for traces and test failure
// messages: flags by name ("MFT_OWNERDRAW|MFT_SEPARATOR"), messages by name ("WM_COMMAND").

#include <string>

#include "platform/user32_types.hpp"

namespace vellum::sim {

std::string DebugString(const platform::MENUITEMINFOW& info);
std::string DebugString(const platform::MENUITEMINFOA& info);
std::string DebugString(const platform::DRAWITEMSTRUCT& request);

// InsertMenuA / AppendMenuA flags.
std::string MenuFlagsName(platform::UINT flags);
std::string ItemTypeName(platform::UINT type);
std::string ItemStateName(platform::UINT state);
std::string ItemMaskName(platform::UINT mask);
std::string DrawStateName(platform::UINT itemState);
// "WM_COMMAND", or "0x1234" for a message without a name here.
std::string MessageName(platform::UINT message);

}  // namespace vellum::sim
