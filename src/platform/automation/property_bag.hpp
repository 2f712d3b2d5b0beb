#pragma once
// The property bag: a flat store of named values in the order they were written, names
// compared without regard to case. An object value holds the saved state of a persistable
// object and reads back as a new object of the same class. A bag saves to and loads from a
// JSON file.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/automation/object.hpp"

namespace vellum {

class PropertyBag;

// An object that saves its state into a bag and restores it from one.
class Persistable {
 public:
  virtual void WriteProperties(PropertyBag& bag) = 0;
  virtual void ReadProperties(PropertyBag& bag) = 0;

 protected:
  ~Persistable() = default;
};

// Persistable classes by automation class name, so that an object value can be read back as a
// new object of its class. The runtime's own classes are known from the start.
using PersistableFactory = std::function<Ref<Object>()>;
void RegisterPersistableClass(const String& className, PersistableFactory factory);
bool IsPersistableClass(StringView className);

// What a JSON bag file says at its top, and what its error messages call it. A file format built
// on bags (a menu-set file) has a name and version of its own.
struct BagFileFormat {
  std::string name = "vellum-property-bag";
  int version = 1;
  std::string title = "property bag";
};

class PropertyBag : public Object {
 public:
  static Ref<PropertyBag> New();

  // Stores `value` under `name`, replacing an earlier value in its place. When a default is
  // given and the value equals it, the name is left out instead. An object value must be
  // persistable (or Nothing): its state is saved now.
  void WriteProperty(StringView name, const Variant& value, const Variant& defaultValue = Missing);
  // The stored value, or `defaultValue` when `name` is absent.
  Variant ReadProperty(StringView name, const Variant& defaultValue = Missing);

  bool Contains(StringView name) const { return index_.find(name) != index_.end(); }
  std::size_t Count() const { return properties_.size(); }
  // The names in the order they were first written.
  std::vector<String> Names() const;

  // JSON. Loading checks the whole input first: on any error (an AutomationError, 321 with the
  // problem and its place in the description: the property's name, or the line and column of
  // text that is not JSON) the bag is left as it was.
  std::string ToJson(const BagFileFormat& format = {}) const;
  void FromJson(std::string_view json, const BagFileFormat& format = {});
  void SaveToFile(const std::string& path) const;
  void LoadFromFile(const std::string& path);

  String ClassName() const override { return u"PropertyBag"; }

 protected:
  PropertyBag() = default;
  const MemberTable& Members() const override;

 private:
  friend class ObjectFactory;
  friend struct PropertyBagJson;

  // The saved state of an object value; a null state is Nothing.
  struct SavedObject {
    String className;
    Ref<PropertyBag> state;
  };
  struct Property {
    String name;
    Variant value;                      // scalar values
    std::optional<SavedObject> object;  // object values
  };

  void Store(Property property);
  // FromJson's steps, which report a fault of the input as a FormatFault.
  void Load(std::string_view json, const BagFileFormat& format);

  std::vector<Property> properties_;
  std::unordered_map<String, std::size_t, NoCaseHash, NoCaseEqual> index_;
};

}  // namespace vellum
