#pragma once
// The runtime's font object: a font description with change notification. Size is in points
// with four decimals; Bold and Weight stay consistent (Bold is Weight >= 700).

#include <cstdint>

#include "platform/automation/event.hpp"
#include "platform/automation/property_bag.hpp"

namespace vellum {

struct FontDescription {
  String name = u"MS Sans Serif";
  double size = 8;  // points
  std::int16_t weight = 400;
  std::int16_t charset = 0;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
};

class StdFont : public Object, public Persistable {
 public:
  static constexpr const char16_t* kClassName = u"StdFont";

  static Ref<StdFont> New(const FontDescription& description = {});
  Ref<StdFont> Clone() const;

  String Name() const { return description_.name; }
  void Name(const String& value);
  double Size() const { return description_.size; }
  void Size(double points);  // rounded to four decimals; 380 unless positive
  bool Bold() const { return description_.weight >= kBoldWeight; }
  void Bold(bool value);  // 700 or 400
  std::int16_t Weight() const { return description_.weight; }
  void Weight(std::int16_t value);  // 380 outside 0-1000
  bool Italic() const { return description_.italic; }
  void Italic(bool value);
  bool Underline() const { return description_.underline; }
  void Underline(bool value);
  bool Strikethrough() const { return description_.strikethrough; }
  void Strikethrough(bool value);
  std::int16_t Charset() const { return description_.charset; }
  void Charset(std::int16_t value);

  const FontDescription& Description() const { return description_; }

  // Raised after every property assignment, with the property's name ("Size").
  Event<const String&> FontChanged;

  String ClassName() const override { return kClassName; }
  void WriteProperties(PropertyBag& bag) override;
  void ReadProperties(PropertyBag& bag) override;

 protected:
  explicit StdFont(const FontDescription& description) : description_(description) {}
  const MemberTable& Members() const override;
  const EventTable& Events() const override;

 private:
  friend class ObjectFactory;
  static constexpr std::int16_t kBoldWeight = 700;
  static constexpr std::int16_t kNormalWeight = 400;

  void Changed(const char16_t* property) { FontChanged.Raise(property); }

  FontDescription description_;
};

}  // namespace vellum
