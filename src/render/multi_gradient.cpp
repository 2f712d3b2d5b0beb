#include "render/multi_gradient.hpp"

#include "platform/automation/bag_section.hpp"
#include "platform/automation/collection.hpp"
#include "render/colors.hpp"

namespace vellum {
namespace {

// A variable that holds no gradient: never assigned, or assigned nothing.
bool IsUnset(const Variant& value) {
  return value.IsEmpty() || value.IsMissing() || (value.IsObject() && !value.ToObject());
}

}  // namespace

Ref<MultiGradient> MultiGradient::New() {
  return ObjectFactory::Make<MultiGradient>();
}

MultiGradient::MultiGradient() : stops_(Collection::New()) {}

Variant MultiGradient::Copy(Variant& vData, const Variant& fCopyTo) {
  const bool copyTo = !fCopyTo.IsMissing() && fCopyTo.ToBool();
  if (!copyTo) {
    if (IsUnset(vData)) RaiseError(error::kObjectVariableNotSet);
    // Read the source first, so that copying a gradient onto itself keeps its colours.
    Assign(vData.ToObjectOf<MultiGradient>()->Colors());
    return {};
  }
  Ref<MultiGradient> target = IsUnset(vData) ? nullptr : vData.ToObjectOf<MultiGradient>();
  const std::vector<std::int32_t> colors = Colors();
  if (!target) {
    target = New();
    vData = Variant(target);
  }
  if (target->Count() > 0) target->Clear();
  for (std::int32_t color : colors)
    target->Add(color);
  return {};
}

void MultiGradient::Add(std::int32_t crColor, const Variant& Key, const Variant& InsertBefore) {
  stops_->Add(crColor, Key, InsertBefore);
}

Ref<Enumerator> MultiGradient::NewEnum() const {
  std::vector<Variant> colors;
  for (std::int32_t color : Colors())
    colors.emplace_back(color);
  return Enumerator::New(std::move(colors));
}

std::vector<std::int32_t> MultiGradient::Colors() const {
  std::vector<std::int32_t> colors;
  for (const Variant& stop : stops_->Items())
    colors.push_back(stop.ToLong());
  return colors;
}

void MultiGradient::Remove(const Variant& varIndexKey) {
  stops_->Remove(varIndexKey);
}

void MultiGradient::Clear() {
  stops_ = Collection::New();
}

std::int32_t MultiGradient::Count() const {
  return stops_->Count();
}

std::int32_t MultiGradient::Color(const Variant& varIndexKey) const {
  return stops_->Item(varIndexKey).ToLong();
}

void MultiGradient::SaveProperties(PropertyBag& PropBag, const Variant& Prefix) const {
  const BagSection bag(PropBag, Prefix);
  const std::vector<std::int32_t> colors = Colors();
  bag.Write(u"Count", static_cast<std::int32_t>(colors.size()));
  for (std::size_t n = 1; n <= colors.size(); ++n)
    bag.Write(Numbered(u"Value", static_cast<std::int32_t>(n)), colors[n - 1]);
}

void MultiGradient::LoadProperties(PropertyBag& PropBag, const Variant& Prefix) {
  const BagSection bag(PropBag, Prefix);
  const std::int32_t count = bag.ReadLong(u"Count", 0);
  std::vector<std::int32_t> colors;
  // A missing stop repeats the one before it (black for the first).
  std::int32_t color = 0;
  for (std::int32_t n = 1; n <= count; ++n) {
    color = bag.ReadLong(Numbered(u"Value", n), color);
    colors.push_back(color);
  }
  Assign(colors);
}

std::vector<std::int32_t> MultiGradient::ResolvedColors() const {
  std::vector<std::int32_t> colors = Colors();
  for (std::int32_t& color : colors)
    color = ResolveColor(color);
  return colors;
}

Ref<MultiGradient> MultiGradient::CopyColors() const {
  Ref<MultiGradient> copy = New();
  copy->Assign(Colors());
  return copy;
}

void MultiGradient::Assign(const std::vector<std::int32_t>& colors) {
  Ref<Collection> stops = Collection::New();
  for (std::int32_t color : colors)
    stops->Add(color);
  stops_ = std::move(stops);
}

const MemberTable& MultiGradient::Members() const {
  using MG = MultiGradient;
  static const MemberTable table(
      {
          Custom<MG>(
              u"Copy",
              [](MG& self, Invocation& call) { return self.Copy(call.ByRef(0), call.Arg(1)); }),
          Method(u"Add", &MG::Add),
          ReadOnly(u"NewEnum", &MG::NewEnum),
          Method(u"Remove", &MG::Remove),
          Method(u"Clear", &MG::Clear),
          ReadOnly(u"Count", &MG::Count),
          Method(u"Color", &MG::Color),
          SavePropertiesMember<MG>(),
          LoadPropertiesMember<MG>(),
      },
      &Object::Members(), u"Color");
  return table;
}

}  // namespace vellum
