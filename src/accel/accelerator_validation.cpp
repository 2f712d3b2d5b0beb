#include "accel/accelerator_validation.hpp"

#include "accel/accelerator_environment.hpp"
#include "accel/accelerator_error.hpp"
#include "accel/accelerator_shift_states.hpp"

namespace vellum {
namespace {

namespace f = accelerator_flag;

bool UsesExtendedKeys(const AcceleratorEnvironment& environment) {
  return (environment.AcceleratorStyle() & sbExtendedKeys) != 0;
}

// Left/right flags must be used under sbExtendedKeys and must not be under sbNormalKeys; a
// failure replaces the base flag.
std::int32_t StyleFlags(std::int32_t shift, const AcceleratorEnvironment& environment) {
  const bool namesSides = (shift & acIsExtended) != 0;
  if (UsesExtendedKeys(environment)) return namesSides ? f::kBase : f::kExtendedRequired;
  return namesSides ? f::kExtendedNotAllowed : f::kBase;
}

// At most one problem with the second key.
std::int32_t SequenceFlags(const AcceleratorKeys& keys, bool inPrefixLib,
                           const AcceleratorEnvironment& environment) {
  const bool hasCommand = keys.CommandKey != 0;
  if (inPrefixLib && hasCommand) return f::kCommandInPrefixLib;
  const bool isPrefix = IsRegisteredPrefix(environment, keys.KeyCode, keys.Shift);
  if (!isPrefix && hasCommand) return f::kUnregisteredPrefix;
  if (isPrefix && !hasCommand) return f::kPrefixWithoutCommand;
  return 0;
}

// System-menu accelerators need Alt; menu accelerators need Ctrl and must leave Alt to the
// menu bar's mnemonics.
std::int32_t ModifierFlags(std::int32_t shift, bool inSystemMenu) {
  const bool hasAlt = (shift & kAnyAlt) != 0;
  if (inSystemMenu) return hasAlt ? 0 : f::kAltRequired;
  std::int32_t flags = 0;
  if (hasAlt) flags |= f::kAltNotAllowed;
  if ((shift & kAnyCtrl) == 0) flags |= f::kCtrlRequired;
  return flags;
}

}  // namespace

bool IsRegisteredPrefix(const AcceleratorEnvironment& environment, std::int32_t keyCode,
                        std::int32_t shift) {
  return environment.PrefixLibContains(keyCode, shift);
}

bool IsAcceleratorAssigned(const AcceleratorEnvironment& environment, const AcceleratorKeys& keys) {
  if (!environment.MenuTablesContain(keys.KeyCode, keys.Shift, keys.CommandKey)) return false;
  return keys.CommandKey == 0 || IsRegisteredPrefix(environment, keys.KeyCode, keys.Shift);
}

std::int32_t ValidateAccelerator(const AcceleratorKeys& keys, bool inSystemMenu, bool inPrefixLib,
                                 const AcceleratorEnvironment& environment) {
  std::int32_t flags = StyleFlags(keys.Shift, environment);
  flags |= SequenceFlags(keys, inPrefixLib, environment);
  flags |= ModifierFlags(keys.Shift, inSystemMenu);
  if (IsAcceleratorAssigned(environment, keys)) flags |= f::kAssigned;
  if (flags & f::kRaising) RaiseAcceleratorError(flags, u"");
  return flags;
}

}  // namespace vellum
