#pragma once
// The colour stops of a multi-stop gradient: an ordered, 1-based collection of automation
// colours, each optionally under a key (keys compare without regard to case). Hosts reach it
// only through a visual style record, which creates it.

#include <cstdint>
#include <vector>

#include "platform/automation/enumerator.hpp"
#include "platform/automation/object.hpp"

namespace vellum {

class Collection;
class PropertyBag;

class MultiGradient : public Object {
 public:
  static Ref<MultiGradient> New();

  // fCopyTo false: this gradient takes the colours of `vData` (a MultiGradient; 91 when it is
  // none). fCopyTo true: `vData` takes this gradient's colours, and a `vData` that is none
  // first receives a new gradient. Keys are never copied. Returns Empty.
  Variant Copy(Variant& vData, const Variant& fCopyTo = Missing);
  // Appends the colour, or inserts it before the stop at a position or under a key.
  void Add(std::int32_t crColor, const Variant& Key = Missing,
           const Variant& InsertBefore = Missing);
  // The stored colours in order, as a snapshot: the gradient may change while it is walked.
  // The stored colour values in order.
  std::vector<std::int32_t> Colors() const;
  // An enumerator over them.
  Ref<Enumerator> NewEnum() const;
  void Remove(const Variant& varIndexKey);
  void Clear();
  std::int32_t Count() const;
  // The stop at a position or under a key (the default member).
  std::int32_t Color(const Variant& varIndexKey) const;

  // "Count", then "Value1" ... "ValueN", each under `Prefix` + "." when a prefix is given.
  void SaveProperties(PropertyBag& PropBag, const Variant& Prefix = Missing) const;
  // Replaces the stops by those in the bag, keys dropped; nothing changes when it fails.
  void LoadProperties(PropertyBag& PropBag, const Variant& Prefix = Missing);

  String ClassName() const override { return u"Vellum10.MultiGradient"; }

  // --- for the library ---
  // Every stop resolved to plain RGB, in order.
  std::vector<std::int32_t> ResolvedColors() const;
  // A new gradient with the same colours (keys are not copied).
  Ref<MultiGradient> CopyColors() const;

 protected:
  MultiGradient();
  const MemberTable& Members() const override;

 private:
  friend class ObjectFactory;
  // Replaces the stops by `colors`, without keys.
  void Assign(const std::vector<std::int32_t>& colors);

  Ref<Collection> stops_;
};

// Whether a gradient is there and holds at least one colour stop.
inline bool HasStops(const Ref<MultiGradient>& gradient) {
  return gradient && gradient->Count() > 0;
}

}  // namespace vellum
