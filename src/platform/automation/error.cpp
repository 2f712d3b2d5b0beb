#include "platform/automation/error.hpp"

#include <utility>

namespace vellum {

String StandardDescription(std::int32_t number) {
  switch (number) {
    case error::kInvalidProcedureCall:
      return u"Invalid procedure call or argument";
    case error::kOverflow:
      return u"Overflow";
    case error::kOutOfMemory:
      return u"Out of memory";
    case error::kSubscriptOutOfRange:
      return u"Subscript out of range";
    case error::kDivisionByZero:
      return u"Division by zero";
    case error::kTypeMismatch:
      return u"Type mismatch";
    case error::kFileNotFound:
      return u"File not found";
    case error::kPathFileAccess:
      return u"Path/File access error";
    case error::kObjectVariableNotSet:
      return u"Object variable or With block variable not set";
    case error::kInvalidUseOfNull:
      return u"Invalid use of Null";
    case error::kInvalidFileFormat:
      return u"Invalid file format";
    case error::kInvalidPropertyValue:
      return u"Invalid property value";
    case error::kObjectRequired:
      return u"Object required";
    case error::kMemberNotFound:
      return u"Object doesn't support this property or method";
    case error::kArgumentNotOptional:
      return u"Argument not optional";
    case error::kWrongArgumentCount:
      return u"Wrong number of arguments or invalid property assignment";
    case error::kDuplicateKey:
      return u"This key is already associated with an element of this "
             u"collection";
    default:
      return {};
  }
}

AutomationError::AutomationError(std::int32_t number, String source, String description)
    : number_(number), source_(std::move(source)), description_(std::move(description)) {
  if (description_.empty()) description_ = StandardDescription(number);
  what_ = "error " + std::to_string(number_) + ": " + StringToUtf8(description_);
}

void RaiseError(std::int32_t number, String source, String description) {
  throw AutomationError(number, std::move(source), std::move(description));
}

namespace {
ErrorInfo& ThreadErrorInfo() {
  thread_local ErrorInfo info;
  return info;
}
}  // namespace

void SetLastError(std::int32_t number, String source, String description) {
  ErrorInfo& info = ThreadErrorInfo();
  info.number_ = number;
  info.source_ = std::move(source);
  info.description_ = description.empty() ? StandardDescription(number) : std::move(description);
}

const ErrorInfo& LastError() {
  return ThreadErrorInfo();
}

void ClearLastError() {
  SetLastError(0, {}, {});
}

}  // namespace vellum
