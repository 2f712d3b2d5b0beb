#include "platform/automation/enumerator.hpp"

#include <algorithm>

namespace vellum {
namespace {

std::size_t Count(std::int32_t count) {
  if (count < 0) RaiseError(error::kInvalidProcedureCall);
  return static_cast<std::size_t>(count);
}

}  // namespace

Ref<Enumerator> Enumerator::New(std::vector<Variant> elements) {
  return ObjectFactory::Make<Enumerator>(
      std::make_shared<const std::vector<Variant>>(std::move(elements)), std::size_t{0});
}

std::vector<Variant> Enumerator::Next(std::int32_t count) {
  const std::size_t fetched = std::min(Count(count), Remaining());
  const auto first = elements_->begin() + static_cast<std::ptrdiff_t>(position_);
  position_ += fetched;
  return {first, first + static_cast<std::ptrdiff_t>(fetched)};
}

bool Enumerator::Skip(std::int32_t count) {
  const std::size_t wanted = Count(count);
  const std::size_t skipped = std::min(wanted, Remaining());
  position_ += skipped;
  return skipped == wanted;
}

Ref<Enumerator> Enumerator::Clone() const {
  return ObjectFactory::Make<Enumerator>(elements_, position_);
}

const MemberTable& Enumerator::Members() const {
  static const MemberTable table(
      {
          // Next(Count, Element1, ..., ElementCount): the fetched elements go into the
          // arguments after Count, by reference; the result is how many were fetched.
          Custom<Enumerator>(u"Next",
                             [](Enumerator& self, Invocation& call) {
                               const std::int32_t count = call.Required(0).ToLong();
                               if (count >= 0 && call.Count() < 1 + static_cast<std::size_t>(count))
                                 RaiseError(error::kInvalidProcedureCall);
                               const std::vector<Variant> fetched = self.Next(count);
                               for (std::size_t i = 0; i < fetched.size(); ++i)
                                 call.ByRef(1 + i) = fetched[i];
                               return Variant(static_cast<std::int32_t>(fetched.size()));
                             }),
          Method(u"Skip", &Enumerator::Skip),
          Method(u"Reset", &Enumerator::Reset),
          Method(u"Clone", &Enumerator::Clone),
      },
      &Object::Members());
  return table;
}

}  // namespace vellum
