// The JSON form of a property bag:
//   {"format": "vellum-property-bag", "version": 1, "properties": [
//     {"name": "Count", "type": "Long", "value": 2},
//     {"name": "Font", "type": "Object", "class": "StdFont", "properties": [...]},
//     {"name": "Picture", "type": "Object", "class": null}]}      <- Nothing
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "platform/automation/property_bag.hpp"

namespace vellum {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

namespace {

const String kSource = u"PropertyBag";

// A fault in the input and where it is; FromJson reports it under the file format's title.
struct FormatFault {
  std::string place;
  std::string problem;
};

[[noreturn]] void RaiseFormat(const std::string& place, const std::string& problem) {
  throw FormatFault{place, problem};
}

// Where the parser stopped, as a person finds it in an editor: "line 3, column 7".
std::string LineAndColumn(std::string_view text, std::size_t byte) {
  std::size_t line = 1;
  std::size_t column = 1;
  // The parser counts the bytes it read; the last of them is where it stopped.
  const std::size_t stop = std::min(byte > 0 ? byte - 1 : 0, text.size());
  for (std::size_t i = 0; i < stop; ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The parser's own words for the fault, without its error code and position.
std::string ParseProblem(const Json::parse_error& error) {
  const std::string what = error.what();
  const std::size_t colon = what.find(": ");
  return colon == std::string::npos ? what : what.substr(colon + 2);
}

OrderedJson ScalarToJson(const Variant& value) {
  switch (value.Type()) {
    case VariantType::Empty:
    case VariantType::Null:
      return nullptr;
    case VariantType::Boolean:
      return value.ToBool();
    case VariantType::Byte:
    case VariantType::Integer:
    case VariantType::Long:
      return value.ToLong();
    case VariantType::Single:
    case VariantType::Double:
      return value.ToDouble();
    case VariantType::Currency:
      return value.ToCurrency().scaled;
    case VariantType::String:
      return StringToUtf8(value.ToString());
    default:
      RaiseError(error::kTypeMismatch);
  }
}

template <class Int>
Variant ReadInteger(const Json& value, const std::string& place, const char* type) {
  if (!value.is_number_integer() || value.get<std::int64_t>() < std::numeric_limits<Int>::min() ||
      value.get<std::int64_t>() > std::numeric_limits<Int>::max()) {
    RaiseFormat(place, std::string("the value is not a valid ") + type);
  }
  return Variant(static_cast<Int>(value.get<std::int64_t>()));
}

// The scalar of type `type` held in `value`.
Variant ScalarFromJson(const std::string& type, const Json& value, const std::string& place) {
  if (type == "Empty" || type == "Null") {
    if (!value.is_null()) RaiseFormat(place, "a " + type + " value must be null");
    return type == "Empty" ? Variant() : Variant::NullValue();
  }
  if (type == "Boolean") {
    if (!value.is_boolean()) RaiseFormat(place, "the value is not a Boolean");
    return Variant(value.get<bool>());
  }
  if (type == "Byte") return ReadInteger<std::uint8_t>(value, place, "Byte");
  if (type == "Integer") return ReadInteger<std::int16_t>(value, place, "Integer");
  if (type == "Long") return ReadInteger<std::int32_t>(value, place, "Long");
  if (type == "Single" || type == "Double") {
    if (!value.is_number()) RaiseFormat(place, "the value is not a number");
    const double number = value.get<double>();
    return type == "Single" ? Variant(static_cast<float>(number)) : Variant(number);
  }
  if (type == "Currency") {
    if (!value.is_number_integer()) RaiseFormat(place, "the value is not a Currency amount");
    return Variant(Currency{value.get<std::int64_t>()});
  }
  if (type == "String") {
    if (!value.is_string()) RaiseFormat(place, "the value is not a String");
    return Variant(Utf8ToString(value.get<std::string>()));
  }
  RaiseFormat(place, "unknown value type \"" + type + "\"");
}

}  // namespace

struct PropertyBagJson {
  // The text of a bag: its format and version first, then one property a line (an object
  // value's own properties on the lines below it, indented), so that a person can read and
  // edit it and a change shows as a change of lines.
  static std::string Write(const PropertyBag& bag, const BagFileFormat& format) {
    std::string text = "{\n  \"format\": " + Json(format.name).dump() +
                       ",\n  \"version\": " + std::to_string(format.version) +
                       ",\n  \"properties\": ";
    WriteList(bag, "  ", text);
    return text + "\n}";
  }

  static void WriteList(const PropertyBag& bag, const std::string& indent, std::string& text) {
    if (bag.properties_.empty()) {
      text += "[]";
      return;
    }
    text += "[";
    const std::string inner = indent + "  ";
    for (std::size_t i = 0; i < bag.properties_.size(); ++i) {
      const PropertyBag::Property& property = bag.properties_[i];
      text += (i ? ",\n" : "\n") + inner;
      OrderedJson entry{{"name", StringToUtf8(property.name)}};
      if (!property.object) {
        entry["type"] = StringToUtf8(TypeName(property.value.Type()));
        entry["value"] = ScalarToJson(property.value);
        text += OneLine(entry);
        continue;
      }
      entry["type"] = "Object";
      if (!property.object->state) {
        entry["class"] = nullptr;
        text += OneLine(entry);
        continue;
      }
      entry["class"] = StringToUtf8(property.object->className);
      std::string head = OneLine(entry);
      head.pop_back();  // the closing brace: the properties follow
      text += head + ", \"properties\": ";
      WriteList(*property.object->state, inner, text);
      text += "}";
    }
    text += "\n" + indent + "]";
  }

  // {"name": "Count", "type": "Long", "value": 2}
  static std::string OneLine(const OrderedJson& entry) {
    std::string line = "{";
    for (auto it = entry.begin(); it != entry.end(); ++it) {
      if (it != entry.begin()) line += ", ";
      line += Json(it.key()).dump() + ": " + it.value().dump();
    }
    return line + "}";
  }

  // Reads every property of `list` into `bag` (a fresh one), raising at the first fault.
  static void Read(const Json& list, const std::string& place, PropertyBag& bag) {
    if (!list.is_array()) RaiseFormat(place, "\"properties\" is not a list");
    for (std::size_t i = 0; i < list.size(); ++i) {
      const Json& entry = list[i];
      std::string here = place + "[" + std::to_string(i) + "]";
      if (!entry.is_object()) RaiseFormat(here, "a property is not an object");
      const auto name = entry.find("name");
      const auto type = entry.find("type");
      if (name == entry.end() || !name->is_string()) RaiseFormat(here, "a property has no name");
      here += " (\"" + name->get<std::string>() + "\")";
      if (type == entry.end() || !type->is_string()) RaiseFormat(here, "a property has no type");

      PropertyBag::Property property{Utf8ToString(name->get<std::string>()), {}, std::nullopt};
      if (bag.Contains(property.name)) RaiseFormat(here, "the name is written twice");
      if (type->get<std::string>() == "Object") {
        property.object = ReadObject(entry, here);
      } else {
        const auto value = entry.find("value");
        if (value == entry.end()) RaiseFormat(here, "a property has no value");
        property.value = ScalarFromJson(type->get<std::string>(), *value, here);
      }
      bag.Store(std::move(property));
    }
  }

  static PropertyBag::SavedObject ReadObject(const Json& entry, const std::string& place) {
    const auto className = entry.find("class");
    if (className == entry.end()) RaiseFormat(place, "an object value has no class");
    if (className->is_null()) return {};  // Nothing
    if (!className->is_string()) RaiseFormat(place, "an object's class is not a name");
    const String name = Utf8ToString(className->get<std::string>());
    if (!IsPersistableClass(name)) {
      RaiseFormat(place, "unknown class \"" + className->get<std::string>() + "\"");
    }
    const auto properties = entry.find("properties");
    if (properties == entry.end()) RaiseFormat(place, "an object value has no properties");
    Ref<PropertyBag> state = PropertyBag::New();
    Read(*properties, place + ".properties", *state);
    return {name, std::move(state)};
  }
};

std::string PropertyBag::ToJson(const BagFileFormat& format) const {
  return PropertyBagJson::Write(*this, format);
}

void PropertyBag::FromJson(std::string_view text, const BagFileFormat& format) {
  try {
    Load(text, format);
  } catch (const FormatFault& fault) {
    RaiseError(
        error::kInvalidFileFormat, kSource,
        Utf8ToString("Invalid " + format.title + ": " + fault.problem + " at " + fault.place));
  }
}

void PropertyBag::Load(std::string_view text, const BagFileFormat& format) {
  Json document;
  try {
    document = Json::parse(text);
  } catch (const Json::parse_error& e) {
    RaiseFormat(LineAndColumn(text, e.byte), "not valid JSON (" + ParseProblem(e) + ")");
  }
  if (!document.is_object()) RaiseFormat("the top level", "not a JSON object");
  const auto name = document.find("format");
  if (name == document.end() || !name->is_string() || name->get<std::string>() != format.name) {
    RaiseFormat("the top level", "\"format\" is " +
                                     (name == document.end() ? "missing" : name->dump()) +
                                     ", not \"" + format.name + "\"");
  }
  const auto version = document.find("version");
  if (version == document.end() || !version->is_number_integer() ||
      version->get<std::int64_t>() != format.version) {
    RaiseFormat("the top level",
                "version " + (version == document.end() ? std::string("(none)") : version->dump()) +
                    " of \"" + format.name + "\" is not supported, only version " +
                    std::to_string(format.version));
  }
  const auto properties = document.find("properties");
  if (properties == document.end()) {
    RaiseFormat("the top level", "no \"properties\"");
  }

  // Read into a fresh bag, so that a fault leaves this one as it was.
  Ref<PropertyBag> loaded = New();
  PropertyBagJson::Read(*properties, "properties", *loaded);
  properties_ = std::move(loaded->properties_);
  index_ = std::move(loaded->index_);
}

void PropertyBag::SaveToFile(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) RaiseError(error::kPathFileAccess, kSource, Utf8ToString("Cannot write " + path));
  out << ToJson() << '\n';
  if (!out.flush())
    RaiseError(error::kPathFileAccess, kSource, Utf8ToString("Cannot write " + path));
}

void PropertyBag::LoadFromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) RaiseError(error::kFileNotFound, kSource, Utf8ToString("Cannot open " + path));
  std::ostringstream text;
  text << in.rdbuf();
  FromJson(text.str());
}

}  // namespace vellum
