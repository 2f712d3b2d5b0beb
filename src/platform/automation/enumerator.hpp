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

  // C++ hosts walk the snapshot with a range-for.
  std::vector<Variant>::const_iterator begin() const { return elements_->begin(); }
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

}  // namespace vellum
