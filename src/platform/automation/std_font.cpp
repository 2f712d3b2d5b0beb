#include "platform/automation/std_font.hpp"

#include <cmath>

namespace vellum {
namespace {

double RoundToFourDecimals(double points) {
  return static_cast<double>(Variant(points).ToCurrency().scaled) / 10000.0;
}

}  // namespace

Ref<StdFont> StdFont::New(const FontDescription& description) {
  FontDescription checked = description;
  checked.size = RoundToFourDecimals(description.size);
  return ObjectFactory::Make<StdFont>(checked);
}

Ref<StdFont> StdFont::Clone() const {
  return New(description_);
}

void StdFont::Name(const String& value) {
  description_.name = value;
  Changed(u"Name");
}

void StdFont::Size(double points) {
  if (!(points > 0)) RaiseError(error::kInvalidPropertyValue);
  description_.size = RoundToFourDecimals(points);
  Changed(u"Size");
}

void StdFont::Bold(bool value) {
  description_.weight = value ? kBoldWeight : kNormalWeight;
  Changed(u"Bold");
}

void StdFont::Weight(std::int16_t value) {
  if (value < 0 || value > 1000) RaiseError(error::kInvalidPropertyValue);
  description_.weight = value;
  Changed(u"Weight");
}

void StdFont::Italic(bool value) {
  description_.italic = value;
  Changed(u"Italic");
}

void StdFont::Underline(bool value) {
  description_.underline = value;
  Changed(u"Underline");
}

void StdFont::Strikethrough(bool value) {
  description_.strikethrough = value;
  Changed(u"Strikethrough");
}

void StdFont::Charset(std::int16_t value) {
  description_.charset = value;
  Changed(u"Charset");
}

void StdFont::WriteProperties(PropertyBag& bag) {
  bag.WriteProperty(u"Name", description_.name);
  bag.WriteProperty(u"Size", Variant(description_.size).ToCurrency());
  bag.WriteProperty(u"Weight", description_.weight);
  bag.WriteProperty(u"Italic", description_.italic);
  bag.WriteProperty(u"Underline", description_.underline);
  bag.WriteProperty(u"Strikethrough", description_.strikethrough);
  bag.WriteProperty(u"Charset", description_.charset);
}

// Restores the description without notifying: a read font is a new object nobody watches yet.
void StdFont::ReadProperties(PropertyBag& bag) {
  FontDescription read = description_;
  read.name = bag.ReadProperty(u"Name", read.name).ToString();
  read.size = RoundToFourDecimals(bag.ReadProperty(u"Size", read.size).ToDouble());
  read.weight = bag.ReadProperty(u"Weight", read.weight).ToInteger();
  read.italic = bag.ReadProperty(u"Italic", read.italic).ToBool();
  read.underline = bag.ReadProperty(u"Underline", read.underline).ToBool();
  read.strikethrough = bag.ReadProperty(u"Strikethrough", read.strikethrough).ToBool();
  read.charset = bag.ReadProperty(u"Charset", read.charset).ToInteger();
  description_ = read;
}

const MemberTable& StdFont::Members() const {
  static const MemberTable table(
      {
          Property(u"Name", &StdFont::Name, &StdFont::Name),
          Property(u"Size", &StdFont::Size, &StdFont::Size),
          Property(u"Bold", &StdFont::Bold, &StdFont::Bold),
          Property(u"Weight", &StdFont::Weight, &StdFont::Weight),
          Property(u"Italic", &StdFont::Italic, &StdFont::Italic),
          Property(u"Underline", &StdFont::Underline, &StdFont::Underline),
          Property(u"Strikethrough", &StdFont::Strikethrough, &StdFont::Strikethrough),
          Property(u"Charset", &StdFont::Charset, &StdFont::Charset),
      },
      &Object::Members(), u"Name");
  return table;
}

const EventTable& StdFont::Events() const {
  static const EventTable table(
      {
          EventMember(u"FontChanged", &StdFont::FontChanged, {u"PropertyName"}),
      },
      &Object::Events());
  return table;
}

}  // namespace vellum
