#pragma once
// Automation errors: the exception that members throw towards a host, the calling thread's
// error information that members set without failing, and the helper that runs a step whose
// errors are ignored.

#include <cstdint>
#include <exception>
#include <string>

#include "platform/automation/string.hpp"

namespace vellum {

// Numbers the runtime itself raises.
namespace error {
constexpr std::int32_t kInvalidProcedureCall = 5;
constexpr std::int32_t kOverflow = 6;
constexpr std::int32_t kOutOfMemory = 7;
constexpr std::int32_t kSubscriptOutOfRange = 9;
constexpr std::int32_t kDivisionByZero = 11;
constexpr std::int32_t kTypeMismatch = 13;
constexpr std::int32_t kFileNotFound = 53;
constexpr std::int32_t kPathFileAccess = 75;
constexpr std::int32_t kObjectVariableNotSet = 91;
constexpr std::int32_t kInvalidUseOfNull = 94;
constexpr std::int32_t kInvalidFileFormat = 321;
constexpr std::int32_t kInvalidPropertyValue = 380;
constexpr std::int32_t kObjectRequired = 424;
constexpr std::int32_t kMemberNotFound = 438;
constexpr std::int32_t kArgumentNotOptional = 449;
constexpr std::int32_t kWrongArgumentCount = 450;
constexpr std::int32_t kDuplicateKey = 457;
}  // namespace error

// The runtime's own description of a standard error number ("" for numbers it does not know).
String StandardDescription(std::int32_t number);

class AutomationError : public std::exception {
 public:
  // An empty description takes the standard one for the number.
  AutomationError(std::int32_t number, String source = {}, String description = {});

  std::int32_t Number() const { return number_; }
  const String& Source() const { return source_; }
  const String& Description() const { return description_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::int32_t number_;
  String source_;
  String description_;
  std::string what_;
};

[[noreturn]] void RaiseError(std::int32_t number, String source = {}, String description = {});

// The calling thread's error information, as a member leaves it when it reports an error
// without failing. Number() is 0 when clear.
class ErrorInfo {
 public:
  std::int32_t Number() const { return number_; }
  const String& Source() const { return source_; }
  const String& Description() const { return description_; }

 private:
  friend void SetLastError(std::int32_t, String, String);
  friend void ClearLastError();
  std::int32_t number_ = 0;
  String source_;
  String description_;
};

void SetLastError(std::int32_t number, String source = {}, String description = {});
const ErrorInfo& LastError();
void ClearLastError();

// Runs one step of a member that ignores the errors of its steps: an AutomationError is
// swallowed (other exceptions are bugs and pass). Returns whether the step succeeded.
template <class Step>
bool IgnoringErrors(Step&& step) {
  try {
    step();
    return true;
  } catch (const AutomationError&) {
    return false;
  }
}

}  // namespace vellum
