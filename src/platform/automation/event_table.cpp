#include "platform/automation/event_table.hpp"

#include "platform/automation/assert.hpp"

namespace vellum {

EventTable::EventTable(std::initializer_list<Entry> entries, const EventTable* base)
    : entries_(entries), base_(base) {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const bool added = byName_.emplace(entries_[i].name, i).second;
    VELLUM_ASSERT(added, "an event table declares an event twice");
  }
}

const EventTable::Entry* EventTable::Find(StringView name) const {
  for (const EventTable* table = this; table; table = table->base_) {
    auto found = table->byName_.find(name);
    if (found != table->byName_.end()) return &table->entries_[found->second];
  }
  return nullptr;
}

std::vector<const EventTable::Entry*> EventTable::Published() const {
  std::vector<const Entry*> published;
  if (base_) published = base_->Published();
  for (const Entry& entry : entries_)
    published.push_back(&entry);
  return published;
}

}  // namespace vellum
