#include "platform/automation/object.hpp"
#include "platform/automation/assert.hpp"

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

bool Answers(CallTypes published, CallType call) {
  switch (call) {
    case CallType::Method:
    case CallType::PropertyGet:
      return Includes(published, CallTypes::Method | CallTypes::Get);
    case CallType::PropertyLet:
    case CallType::PropertySet:
      return Includes(published, CallTypes::Let | CallTypes::Set);
  }
  return false;
}

MemberTable::MemberTable(std::initializer_list<Entry> entries, const MemberTable* base,
                         String defaultMember)
    : entries_(entries), base_(base), defaultMember_(std::move(defaultMember)) {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const bool added = byName_.emplace(entries_[i].name, i).second;
    VELLUM_ASSERT(added, "a member table declares a name twice");
  }
}

const MemberTable::Entry* MemberTable::Find(StringView name) const {
  if (name.empty()) {
    const String& defaultMember = DefaultMember();
    return defaultMember.empty() ? nullptr : Find(defaultMember);
  }
  for (const MemberTable* table = this; table; table = table->base_) {
    auto found = table->byName_.find(name);
    if (found != table->byName_.end()) return &table->entries_[found->second];
  }
  return nullptr;
}

std::vector<const MemberTable::Entry*> MemberTable::Published() const {
  std::vector<const Entry*> published;
  if (base_) {
    for (const Entry* entry : base_->Published()) {
      // A redeclared member keeps the base's place.
      auto own = byName_.find(entry->name);
      published.push_back(own == byName_.end() ? entry : &entries_[own->second]);
    }
  }
  for (const Entry& entry : entries_) {
    if (!base_ || !base_->Find(entry.name)) published.push_back(&entry);
  }
  return published;
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

const EventTable& Object::Events() const {
  static const EventTable table({});
  return table;
}

Variant Object::Invoke(StringView name, CallType type, std::span<Variant> args) {
  const MemberTable::Entry* member = Members().Find(name);
  if (!member || !Answers(member->calls, type)) members::RaiseMemberNotFound();
  // Keep the object alive while the member runs: it may drop the last outside reference.
  const auto keepAlive = weak_from_this().lock();
  Invocation call(type, args);
  return member->function(*this, call);
}

Connection Object::ConnectEvent(StringView name, EventHandler handler) {
  const EventTable::Entry* event = Events().Find(name);
  if (!event) members::RaiseMemberNotFound();
  return event->connect(*this, std::move(handler));
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
