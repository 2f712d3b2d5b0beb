#pragma once
// One object's part of a property bag: its keys are its names under a key prefix, "Caption"
// under the prefix "Menu1.Item2" being "Menu1.Item2.Caption" and "Caption" under the empty
// prefix. A child object's part continues the prefix with the child's name ("Menu1.Item2" +
// "SubMenu"). Reads are typed: a stored value that does not convert to the type asked for fails
// with the conversion's error, and its description names the key and what was found there.

#include <cstdint>

#include "platform/automation/property_bag.hpp"

namespace vellum {

class BagSection {
 public:
  // `prefix` as a persistence method takes it: a string, or Missing for none.
  BagSection(PropertyBag& bag, const Variant& prefix);
  BagSection(PropertyBag& bag, String prefix) : bag_(bag), prefix_(std::move(prefix)) {}

  PropertyBag& Bag() const { return bag_; }
  const String& Prefix() const { return prefix_; }
  // The key of `name` in this part of the bag.
  String Key(StringView name) const;
  // The part of a child saved under `name` ("SubMenu", or a numbered name).
  BagSection Child(StringView name) const { return BagSection(bag_, Key(name)); }

  void Write(StringView name, const Variant& value) const;
  // An object value; none is written as Nothing.
  void WriteObject(StringView name, const Ref<Object>& object) const;

  // Each read returns `current` when the key is absent.
  std::int32_t ReadLong(StringView name, std::int32_t current) const;
  bool ReadBool(StringView name, bool current) const;
  String ReadString(StringView name, const String& current) const;
  // A stored object of class `className` (none when Nothing is stored); 13 for anything else.
  // `current` comes back as it is when the key is absent.
  Ref<Object> ReadObject(StringView name, const Ref<Object>& current, StringView className) const;
  template <class T>
  Ref<T> ReadObject(StringView name, const Ref<T>& current) const {
    return std::dynamic_pointer_cast<T>(ReadObject(name, current, T::kClassName));
  }

 private:
  PropertyBag& bag_;
  String prefix_;
};

// "Item" and 3 give "Item3": the names of numbered children and values.
String Numbered(StringView word, std::int32_t n);

// The bag argument of a late-bound persistence call (424 when it is not a bag).
PropertyBag& BagArgument(const Invocation& call);

// The late-bound SaveProperties(PropBag, [Prefix]) and LoadProperties(PropBag, [Prefix]) of a
// class with members of those names.
template <class T>
MemberTable::Entry SavePropertiesMember() {
  return Custom<T>(u"SaveProperties", [](T& self, Invocation& call) {
    members::CheckArgumentCount(call, 2);
    self.SaveProperties(BagArgument(call), call.Arg(1));
    return Variant();
  });
}
template <class T>
MemberTable::Entry LoadPropertiesMember() {
  return Custom<T>(u"LoadProperties", [](T& self, Invocation& call) {
    members::CheckArgumentCount(call, 2);
    self.LoadProperties(BagArgument(call), call.Arg(1));
    return Variant();
  });
}

// Makes class T readable from object values: a new T, restored from the value's state.
template <class T>
void RegisterPersistable() {
  RegisterPersistableClass(String(T::kClassName), [] { return Ref<Object>(T::New()); });
}

}  // namespace vellum
