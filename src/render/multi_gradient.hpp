#pragma once
// The colour stops of a multi-stop gradient, in order.

#include <cstdint>
#include <vector>

#include "platform/automation/collection.hpp"

namespace vellum {

class MultiGradient : public Object {
 public:
  static Ref<MultiGradient> New();

  std::int32_t Count() const { return stops_->Count(); }
  void Add(std::int32_t color, const Variant& key = Missing) { stops_->Add(color, key); }
  // The colours in order.
  std::vector<std::int32_t> Colors() const;
  // A new gradient with the same colours (keys are not copied).
  Ref<MultiGradient> CopyColors() const;

  String ClassName() const override { return u"Vellum10.MultiGradient"; }

 protected:
  MultiGradient() = default;

 private:
  friend class ObjectFactory;
  Ref<Collection> stops_ = Collection::New();
};

}  // namespace vellum
