#pragma once
// The keyed collection: ordered, 1-based, each element optionally under a key that compares
// without regard to case. Look-ups by key and by position take constant time; a failed call
// changes nothing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/automation/enumerator.hpp"
#include "platform/automation/object.hpp"

namespace vellum {

class Collection : public Object {
 public:
  static Ref<Collection> New();

  // Appends `item`, or inserts it before or after the element named by position or key.
  // 457 for a key already present, 9 for a position out of range, 5 for an absent anchor key
  // or for both anchors at once.
  void Add(const Variant& item, const Variant& key = Missing, const Variant& before = Missing,
           const Variant& after = Missing);
  // The element at a position (9 out of range) or under a key (5 when absent).
  Variant Item(const Variant& index) const;
  void Remove(const Variant& index);
  std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
  // An enumerator over the elements as they are now.
  Ref<Enumerator> NewEnum() const { return Enumerator::New(Items()); }

  // For C++ callers.
  bool ContainsKey(StringView key) const { return keys_.find(key) != keys_.end(); }
  // The 1-based position of the element under `key`.
  std::optional<std::int32_t> PositionOfKey(StringView key) const;
  // The element's key ("" when it has none).
  const String& KeyAt(std::int32_t position) const;
  // The elements in order, copied, so that callers may change the collection while they walk.
  std::vector<Variant> Items() const;

  String ClassName() const override { return u"Collection"; }

 protected:
  Collection() = default;
  const MemberTable& Members() const override;

 private:
  friend class ObjectFactory;

  struct Entry {
    Variant item;
    String key;
  };

  std::size_t IndexOf(const Variant& index) const;  // 0-based; raises like Item
  void Renumber(std::size_t from);

  std::vector<Entry> entries_;
  std::unordered_map<String, std::size_t, NoCaseHash, NoCaseEqual> keys_;  // key -> 0-based index
};

}  // namespace vellum
