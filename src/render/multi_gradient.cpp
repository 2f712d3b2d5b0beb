#include "render/multi_gradient.hpp"

namespace vellum {

Ref<MultiGradient> MultiGradient::New() {
  return ObjectFactory::Make<MultiGradient>();
}

std::vector<std::int32_t> MultiGradient::Colors() const {
  std::vector<std::int32_t> colors;
  for (const Variant& stop : stops_->Items())
    colors.push_back(stop.ToLong());
  return colors;
}

Ref<MultiGradient> MultiGradient::CopyColors() const {
  Ref<MultiGradient> copy = New();
  for (std::int32_t color : Colors())
    copy->Add(color);
  return copy;
}

}  // namespace vellum
