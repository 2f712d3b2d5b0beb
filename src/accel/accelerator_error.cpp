#include "accel/accelerator_error.hpp"

#include <vector>

#include "platform/automation/error.hpp"

namespace vellum {
namespace {

// The problems of `flags` in the order the description names them: the sequence, Alt, Ctrl,
// then the left/right style. At most one of each group.
std::vector<StringView> ProblemFragments(std::int32_t flags) {
  namespace f = accelerator_flag;
  std::vector<StringView> fragments;
  if (flags & f::kUnregisteredPrefix) {
    fragments.push_back(u"cannot reference a sub-command under an unregistered prefix sequence");
  } else if (flags & f::kPrefixWithoutCommand) {
    fragments.push_back(u"references a prefix sequence without a sub-command");
  } else if (flags & f::kCommandInPrefixLib) {
    fragments.push_back(u"would reference a sub-command from the prefix library");
  }
  if (flags & f::kAltNotAllowed) {
    fragments.push_back(u"cannot contain the 'Alt' key");
  } else if (flags & f::kAltRequired) {
    fragments.push_back(u"must contain the 'Alt' key");
  }
  if (flags & f::kCtrlRequired) fragments.push_back(u"must contain the 'Ctrl' key");
  if (flags & f::kExtendedRequired) {
    fragments.push_back(u"must use extended (left and right) keys");
  } else if (flags & f::kExtendedNotAllowed) {
    fragments.push_back(u"cannot contain extended (left and right) keys");
  }
  return fragments;
}

// "Sequence a, b, and c": the fragments joined by ", ", the last one after ", and ".
String DescribeProblems(const std::vector<StringView>& fragments) {
  String text = u"Sequence ";
  for (std::size_t i = 0; i < fragments.size(); ++i) {
    if (i > 0) text += u", ";
    if (i > 0 && i + 1 == fragments.size()) text += u"and ";
    text += fragments[i];
  }
  if (fragments.size() < 2) return u"Invalid keyboard accelerator: " + text;
  return u"There are several things wrong with this sequence: " + text;
}

}  // namespace

void RaiseAcceleratorError(std::int32_t flags, StringView token) {
  String description;
  if (flags == accelerator_flag::kUnknownToken) {
    description = u"Don't know how to interpret accelerator token: \"";
    description.append(token);
    description += u"\"";
  } else {
    description = DescribeProblems(ProblemFragments(flags));
  }
  description += u".";
  RaiseError(kAcceleratorErrorBase + flags, kAcceleratorErrorSource, std::move(description));
}

}  // namespace vellum
