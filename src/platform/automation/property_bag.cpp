#include "platform/automation/property_bag.hpp"

#include <mutex>

#include "platform/automation/std_font.hpp"
#include "platform/automation/std_picture.hpp"

namespace vellum {
namespace {

const String kSource = u"PropertyBag";

// Classes are code, not per-thread state: one registry for the process.
class ClassRegistry {
 public:
  static ClassRegistry& Instance() {
    static ClassRegistry registry;
    return registry;
  }

  void Register(const String& className, PersistableFactory factory) {
    std::lock_guard lock(mutex_);
    factories_.insert_or_assign(className, std::move(factory));
  }

  // The factory of `className`, or an empty one.
  PersistableFactory Find(StringView className) {
    std::lock_guard lock(mutex_);
    auto found = factories_.find(className);
    return found == factories_.end() ? PersistableFactory() : found->second;
  }

 private:
  ClassRegistry() {
    factories_.emplace(StdFont::kClassName, [] { return Ref<Object>(StdFont::New()); });
    factories_.emplace(StdPicture::kClassName, [] { return Ref<Object>(StdPicture::New()); });
  }

  std::mutex mutex_;
  std::unordered_map<String, PersistableFactory, NoCaseHash, NoCaseEqual> factories_;
};

}  // namespace

void RegisterPersistableClass(const String& className, PersistableFactory factory) {
  ClassRegistry::Instance().Register(className, std::move(factory));
}

bool IsPersistableClass(StringView className) {
  return static_cast<bool>(ClassRegistry::Instance().Find(className));
}

Ref<PropertyBag> PropertyBag::New() {
  return ObjectFactory::Make<PropertyBag>();
}

void PropertyBag::Store(Property property) {
  auto found = index_.find(property.name);
  if (found != index_.end()) {
    property.name = properties_[found->second].name;  // keep the name as first written
    properties_[found->second] = std::move(property);
    return;
  }
  index_.emplace(property.name, properties_.size());
  properties_.push_back(std::move(property));
}

void PropertyBag::WriteProperty(StringView name, const Variant& value,
                                const Variant& defaultValue) {
  if (value.IsMissing()) RaiseError(error::kArgumentNotOptional);
  if (!defaultValue.IsMissing() && value == defaultValue) {
    if (auto found = index_.find(name); found != index_.end()) {
      properties_.erase(properties_.begin() + static_cast<std::ptrdiff_t>(found->second));
      index_.clear();
      for (std::size_t i = 0; i < properties_.size(); ++i)
        index_.emplace(properties_[i].name, i);
    }
    return;
  }
  if (!value.IsObject()) {
    Store({String(name), value, std::nullopt});
    return;
  }
  const Ref<Object> object = value.ToObject();
  if (!object) {
    Store({String(name), {}, SavedObject{}});
    return;
  }
  auto* persistable = dynamic_cast<Persistable*>(object.get());
  if (!persistable || !IsPersistableClass(object->ClassName())) {
    RaiseError(error::kInvalidProcedureCall, kSource,
               u"An object of class " + object->ClassName() + u" cannot be stored in a bag");
  }
  Ref<PropertyBag> state = New();
  persistable->WriteProperties(*state);
  Store({String(name), {}, SavedObject{object->ClassName(), std::move(state)}});
}

Variant PropertyBag::ReadProperty(StringView name, const Variant& defaultValue) {
  auto found = index_.find(name);
  if (found == index_.end()) return defaultValue;
  const Property& property = properties_[found->second];
  if (!property.object) return property.value;
  const SavedObject saved = *property.object;  // reading may write to this bag
  if (!saved.state) return Variant::Nothing();
  const PersistableFactory factory = ClassRegistry::Instance().Find(saved.className);
  if (!factory) {
    RaiseError(error::kInvalidProcedureCall, kSource, u"Unknown class " + saved.className);
  }
  Ref<Object> object = factory();
  dynamic_cast<Persistable&>(*object).ReadProperties(*saved.state);
  return Variant(object);
}

std::vector<String> PropertyBag::Names() const {
  std::vector<String> names;
  names.reserve(properties_.size());
  for (const Property& property : properties_)
    names.push_back(property.name);
  return names;
}

const MemberTable& PropertyBag::Members() const {
  static const MemberTable table(
      {
          Custom<PropertyBag>(u"WriteProperty",
                              [](PropertyBag& self, Invocation& call) {
                                members::CheckArgumentCount(call, 3);
                                self.WriteProperty(call.Required(0).ToString(), call.Required(1),
                                                   call.Arg(2));
                                return Variant();
                              }),
          Custom<PropertyBag>(u"ReadProperty",
                              [](PropertyBag& self, Invocation& call) {
                                members::CheckArgumentCount(call, 2);
                                return self.ReadProperty(call.Required(0).ToString(), call.Arg(1));
                              }),
      },
      &Object::Members());
  return table;
}

}  // namespace vellum
