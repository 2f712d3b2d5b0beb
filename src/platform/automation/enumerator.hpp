#pragma once
// The enumerator every collection hands out through NewEnum: it walks a snapshot taken when it
// was made, so that a collection changed during a For Each walk does not disturb the walk.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/automation/object.hpp"

namespace vellum {

class Enumerator : public Object {
 public:
  static Ref<Enumerator> New(std::vector<Variant> elements);

  // The next `count` elements, fewer at the end (5 for a negative count).
  std::vector<Variant> Next(std::int32_t count);
  // Steps over the next `count` elements; whether there were that many (5 when negative).
  bool Skip(std::int32_t count);
  void Reset() { position_ = 0; }
  // A second enumerator over the same snapshot, at the same place.
  Ref<Enumerator> Clone() const;

  // The snapshot, from where the enumerator stands.
  std::vector<Variant>::const_iterator begin() const {
    return elements_->begin() + static_cast<std::ptrdiff_t>(position_);
  }
  std::vector<Variant>::const_iterator end() const { return elements_->end(); }

  String ClassName() const override { return u"Enumerator"; }
  const MemberTable& Members() const override;

 protected:
  Enumerator(std::shared_ptr<const std::vector<Variant>> elements, std::size_t position)
      : elements_(std::move(elements)), position_(position) {}

 private:
  friend class ObjectFactory;

  std::size_t Remaining() const { return elements_->size() - position_; }

  std::shared_ptr<const std::vector<Variant>> elements_;
  std::size_t position_;
};

// C++ hosts walk a collection as `for (const Variant& item : menu->NewEnum())`: the loop holds
// the enumerator, and with it the snapshot, until it ends.
inline std::vector<Variant>::const_iterator begin(const Ref<Enumerator>& enumerator) {
  return enumerator->begin();
}
inline std::vector<Variant>::const_iterator end(const Ref<Enumerator>& enumerator) {
  return enumerator->end();
}

}  // namespace vellum
