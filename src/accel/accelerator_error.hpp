#pragma once
// The validation flags of an accelerator and the error that reports them to the host.

#include <cstdint>

#include "platform/automation/string.hpp"

namespace vellum {

// Validation flags; the error number a host sees is kAcceleratorErrorBase + flags.
namespace accelerator_flag {
constexpr std::int32_t kBase = 1;                    // present unless 16 or 32 replaces it
constexpr std::int32_t kAssigned = 2;                // the triple is already in a menu's table
constexpr std::int32_t kExtendedNotAllowed = 16;     // left/right keys under sbNormalKeys
constexpr std::int32_t kExtendedRequired = 32;       // no left/right key under sbExtendedKeys
constexpr std::int32_t kUnregisteredPrefix = 64;     // second key under an unregistered prefix
constexpr std::int32_t kPrefixWithoutCommand = 128;  // a registered prefix on its own
constexpr std::int32_t kCtrlRequired = 256;          // menu accelerator without Ctrl
constexpr std::int32_t kAltRequired = 512;           // system-menu accelerator without Alt
constexpr std::int32_t kAltNotAllowed = 1024;        // menu accelerator with Alt
constexpr std::int32_t kUnknownToken = 2048;         // raised by the parser, always alone
constexpr std::int32_t kCommandInPrefixLib = 4096;   // prefix-library entry with a second key
constexpr std::int32_t kRaising = 0xFFF0;            // the flags that make validation fail
}  // namespace accelerator_flag

constexpr std::int32_t kAcceleratorErrorBase = 5632;
inline constexpr char16_t kAcceleratorErrorSource[] = u"Vellum10.modAccelerators";

// Raises error kAcceleratorErrorBase + flags with a description naming every problem of
// `flags`; `token` is the key name quoted when flags is kUnknownToken alone.
[[noreturn]] void RaiseAcceleratorError(std::int32_t flags, StringView token);

}  // namespace vellum
