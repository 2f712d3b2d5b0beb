#include "platform/automation/bag_section.hpp"

namespace vellum {
namespace {

// Converts a stored value, naming the key in the error of a value that does not convert.
template <class Convert>
auto Converted(const String& key, const Variant& value, const char* wanted, Convert convert) {
  try {
    return convert(value);
  } catch (const AutomationError& error) {
    RaiseError(error.Number(), error.Source(),
               u"The value of \"" + key + u"\" is " + Utf8ToString(DebugString(value)) + u", not " +
                   Utf8ToString(wanted));
  }
}

}  // namespace

BagSection::BagSection(PropertyBag& bag, const Variant& prefix)
    : bag_(bag), prefix_(prefix.IsMissing() ? String() : prefix.ToString()) {}

String BagSection::Key(StringView name) const {
  return prefix_.empty() ? String(name) : prefix_ + u"." + String(name);
}

void BagSection::Write(StringView name, const Variant& value) const {
  bag_.WriteProperty(Key(name), value);
}

void BagSection::WriteObject(StringView name, const Ref<Object>& object) const {
  bag_.WriteProperty(Key(name), object ? Variant(object) : Variant::Nothing());
}

std::int32_t BagSection::ReadLong(StringView name, std::int32_t current) const {
  const String key = Key(name);
  return Converted(key, bag_.ReadProperty(key, current), "a 32-bit integer",
                   [](const Variant& value) { return value.ToLong(); });
}

bool BagSection::ReadBool(StringView name, bool current) const {
  const String key = Key(name);
  return Converted(key, bag_.ReadProperty(key, current), "a Boolean",
                   [](const Variant& value) { return value.ToBool(); });
}

String BagSection::ReadString(StringView name, const String& current) const {
  const String key = Key(name);
  return Converted(key, bag_.ReadProperty(key, current), "a string",
                   [](const Variant& value) { return value.ToString(); });
}

Ref<Object> BagSection::ReadObject(StringView name, const Ref<Object>& current,
                                   StringView className) const {
  const String key = Key(name);
  if (!bag_.Contains(key)) return current;
  const Variant value = bag_.ReadProperty(key);
  const String wanted = u"a " + String(className) + u" object";
  if (!value.IsObject()) {
    RaiseError(error::kTypeMismatch, {},
               u"The value of \"" + key + u"\" is " + Utf8ToString(DebugString(value)) + u", not " +
                   wanted);
  }
  const Ref<Object> object = value.ToObject();
  if (object && !NoCaseEqual()(object->ClassName(), className)) {
    RaiseError(
        error::kTypeMismatch, {},
        u"The value of \"" + key + u"\" is a " + object->ClassName() + u" object, not " + wanted);
  }
  return object;
}

String Numbered(StringView word, std::int32_t n) {
  return String(word) + Utf8ToString(std::to_string(n));
}

PropertyBag& BagArgument(const Invocation& call) {
  const Variant& argument = call.Required(0);
  const Ref<PropertyBag> bag = argument.IsObject() ? argument.ToObjectOf<PropertyBag>() : nullptr;
  if (!bag) RaiseError(error::kObjectRequired);
  return *bag;
}

}  // namespace vellum
