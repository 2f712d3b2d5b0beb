#include "platform/automation/collection.hpp"

namespace vellum {
namespace {

// A key argument: Missing or Empty for none, otherwise a non-empty string.
std::optional<String> KeyArgument(const Variant& key) {
  if (key.IsMissing() || key.IsEmpty()) return std::nullopt;
  if (!key.IsString()) RaiseError(error::kTypeMismatch);
  String text = key.ToString();
  if (text.empty()) RaiseError(error::kInvalidProcedureCall);
  return text;
}

}  // namespace

Ref<Collection> Collection::New() {
  return ObjectFactory::Make<Collection>();
}

std::size_t Collection::IndexOf(const Variant& index) const {
  if (index.IsMissing()) RaiseError(error::kArgumentNotOptional);
  if (index.IsString()) {
    auto found = keys_.find(index.ToString());
    if (found == keys_.end()) RaiseError(error::kInvalidProcedureCall);
    return found->second;
  }
  if (!index.IsNumeric()) RaiseError(error::kTypeMismatch);
  const std::int32_t position = index.ToLong();
  if (position < 1 || position > Count()) RaiseError(error::kSubscriptOutOfRange);
  return static_cast<std::size_t>(position - 1);
}

void Collection::Add(const Variant& item, const Variant& key, const Variant& before,
                     const Variant& after) {
  // Check everything first: a failed call adds nothing.
  const std::optional<String> newKey = KeyArgument(key);
  if (newKey && ContainsKey(*newKey)) RaiseError(error::kDuplicateKey);
  if (!before.IsMissing() && !after.IsMissing()) RaiseError(error::kInvalidProcedureCall);
  std::size_t at = entries_.size();
  if (!before.IsMissing()) at = IndexOf(before);
  if (!after.IsMissing()) at = IndexOf(after) + 1;

  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at),
                  Entry{item, newKey.value_or(String())});
  if (newKey) keys_.emplace(*newKey, at);
  Renumber(at + 1);
}

Variant Collection::Item(const Variant& index) const {
  return entries_[IndexOf(index)].item;
}

void Collection::Remove(const Variant& index) {
  const std::size_t at = IndexOf(index);
  // The element may be the last reference to an object whose destruction looks at this
  // collection: take it out completely before it goes.
  Entry removed = std::move(entries_[at]);
  if (!removed.key.empty()) keys_.erase(removed.key);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
  Renumber(at);
}

void Collection::Renumber(std::size_t from) {
  for (std::size_t i = from; i < entries_.size(); ++i) {
    if (!entries_[i].key.empty()) keys_.find(entries_[i].key)->second = i;
  }
}

std::optional<std::int32_t> Collection::PositionOfKey(StringView key) const {
  auto found = keys_.find(key);
  if (found == keys_.end()) return std::nullopt;
  return static_cast<std::int32_t>(found->second + 1);
}

const String& Collection::KeyAt(std::int32_t position) const {
  return entries_[IndexOf(position)].key;
}

std::vector<Variant> Collection::Items() const {
  std::vector<Variant> items;
  items.reserve(entries_.size());
  for (const Entry& entry : entries_)
    items.push_back(entry.item);
  return items;
}

const MemberTable& Collection::Members() const {
  static const MemberTable table(
      {
          Method(u"Add", &Collection::Add),
          Method(u"Item", &Collection::Item),
          Method(u"Remove", &Collection::Remove),
          ReadOnly(u"Count", &Collection::Count),
          ReadOnly(u"NewEnum", &Collection::NewEnum),
      },
      &Object::Members(), u"Item");
  return table;
}

}  // namespace vellum
