#include "platform/automation/object.hpp"

namespace vellum {

Variant& Invocation::ByRef(std::size_t i) {
  if (i >= Count()) RaiseError(error::kArgumentNotOptional);
  return args_[i];
}

const Variant& Invocation::Required(std::size_t i) const {
  const Variant& value = Arg(i);
  if (value.IsMissing()) RaiseError(error::kArgumentNotOptional);
  return value;
}

const Variant& Invocation::Value() const {
  if (!IsAssignment() || args_.empty()) RaiseError(error::kWrongArgumentCount);
  return args_.back();
}

MemberTable::MemberTable(std::initializer_list<Entry> entries, const MemberTable* base,
                         String defaultMember)
    : base_(base), defaultMember_(std::move(defaultMember)) {
  for (const Entry& entry : entries)
    members_.insert_or_assign(entry.name, entry.function);
}

const MemberFunction* MemberTable::Find(StringView name) const {
  for (const MemberTable* table = this; table; table = table->base_) {
    auto found = table->members_.find(name);
    if (found != table->members_.end()) return &found->second;
  }
  return nullptr;
}

const String& MemberTable::DefaultMember() const {
  const MemberTable* table = this;
  while (table->defaultMember_.empty() && table->base_)
    table = table->base_;
  return table->defaultMember_;
}

const MemberTable& Object::Members() const {
  static const MemberTable table({});
  return table;
}

Variant Object::Invoke(StringView name, CallType type, std::span<Variant> args) {
  const MemberFunction* member = Members().Find(name);
  if (!member) members::RaiseMemberNotFound();
  // Keep the object alive while the member runs: it may drop the last outside reference.
  const auto keepAlive = weak_from_this().lock();
  Invocation call(type, args);
  return (*member)(*this, call);
}

Variant Object::Invoke(StringView name, CallType type, std::initializer_list<Variant> args) {
  std::vector<Variant> copies(args);
  return Invoke(name, type, std::span<Variant>(copies));
}

Variant Object::DefaultValue() {
  const String& name = Members().DefaultMember();
  if (name.empty()) members::RaiseMemberNotFound();
  return Invoke(name, CallType::PropertyGet);
}

namespace members {

void RaiseMemberNotFound() {
  RaiseError(error::kMemberNotFound);
}

void CheckArgumentCount(const Invocation& call, std::size_t parameters) {
  if (call.Count() > parameters) RaiseError(error::kWrongArgumentCount);
}

// A property is read by a get, or by a method call (late binding allows both).
bool IsRead(const Invocation& call) {
  return !call.IsAssignment();
}

}  // namespace members

Ref<HostObject> HostObject::New(String className) {
  return ObjectFactory::Make<HostObject>(std::move(className));
}

HostObject& HostObject::Define(StringView name, Handler handler) {
  handlers_.insert_or_assign(String(name), std::move(handler));
  return *this;
}

Variant HostObject::Invoke(StringView name, CallType type, std::span<Variant> args) {
  auto found = handlers_.find(name);
  if (found == handlers_.end()) members::RaiseMemberNotFound();
  const auto keepAlive = weak_from_this().lock();
  const Handler handler = found->second;  // the handler may redefine itself
  Invocation call(type, args);
  return handler(call);
}

}  // namespace vellum
