#include "platform/automation/property_bag.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/automation/std_font.hpp"

namespace vellum {
namespace {

// A persistable class that nests another object value, like a visual style holding a font.
class Style : public Object, public Persistable {
 public:
  static constexpr const char16_t* kClassName = u"Test.Style";
  static Ref<Style> New() { return ObjectFactory::Make<Style>(); }

  std::int32_t color = 0;
  Ref<StdFont> font;

  String ClassName() const override { return kClassName; }
  void WriteProperties(PropertyBag& bag) override {
    bag.WriteProperty(u"Color", color);
    bag.WriteProperty(u"Font", font ? Variant(font) : Variant::Nothing());
  }
  void ReadProperties(PropertyBag& bag) override {
    color = bag.ReadProperty(u"Color", color).ToLong();
    font = bag.ReadProperty(u"Font").ToObjectOf<StdFont>();
  }

 protected:
  Style() = default;

 private:
  friend class vellum::ObjectFactory;
};

std::filesystem::path ScratchFile(const std::string& name) {
  const char* dir = std::getenv("VELLUM_TEST_TMPDIR");
  std::filesystem::path path = dir ? dir : std::filesystem::temp_directory_path().string();
  std::filesystem::create_directories(path);
  return path / name;
}

int ErrorOf(const std::function<void()>& call, std::string* description = nullptr) {
  try {
    call();
  } catch (const AutomationError& e) {
    if (description) *description = StringToUtf8(e.Description());
    return e.Number();
  }
  return 0;
}

class PropertyBagTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterPersistableClass(Style::kClassName, [] { return Ref<Object>(Style::New()); });
  }
};

TEST_F(PropertyBagTest, ReadsStoredValuesOrTheDefaultByCaseInsensitiveName) {
  auto bag = PropertyBag::New();
  bag->WriteProperty(u"Menu1.Caption", u"&File");
  bag->WriteProperty(u"Count", 2);
  bag->WriteProperty(u"count", 3);  // replaces, in place
  EXPECT_EQ(bag->ReadProperty(u"MENU1.caption"), Variant(u"&File"));
  EXPECT_EQ(bag->ReadProperty(u"Count", 0), Variant(3));
  EXPECT_EQ(bag->ReadProperty(u"Tag", u"none"), Variant(u"none"));
  EXPECT_EQ(bag->Names(), (std::vector<String>{u"Menu1.Caption", u"Count"}));
}

TEST_F(PropertyBagTest, AValueEqualToTheGivenDefaultIsLeftOut) {
  auto bag = PropertyBag::New();
  bag->WriteProperty(u"Enabled", true, true);
  bag->WriteProperty(u"Visible", false, true);
  EXPECT_FALSE(bag->Contains(u"Enabled"));
  EXPECT_EQ(bag->ReadProperty(u"Visible"), Variant(false));
}

TEST_F(PropertyBagTest, ObjectValuesSaveStateNowAndReadBackAsNewObjects) {
  auto style = Style::New();
  style->color = 0x80000004;
  style->font = StdFont::New({.name = u"Tahoma", .size = 9, .weight = 700});
  auto bag = PropertyBag::New();
  bag->WriteProperty(u"Visual", style);
  style->color = 1;  // later changes are not in the bag

  auto read = bag->ReadProperty(u"Visual").ToObjectOf<Style>();
  ASSERT_NE(read, nullptr);
  EXPECT_NE(read, style);
  EXPECT_EQ(read->color, static_cast<std::int32_t>(0x80000004));
  ASSERT_NE(read->font, nullptr);
  EXPECT_EQ(read->font->Name(), u"Tahoma");
  EXPECT_TRUE(read->font->Bold());

  bag->WriteProperty(u"Picture", Variant::Nothing());
  EXPECT_EQ(bag->ReadProperty(u"Picture", 5), Variant::Nothing());
}

TEST_F(PropertyBagTest, RefusesObjectsThatCannotBeStored) {
  auto bag = PropertyBag::New();
  EXPECT_EQ(ErrorOf([&] { bag->WriteProperty(u"Buddy", HostObject::New()); }), 5);
  EXPECT_EQ(bag->Count(), 0u);
}

TEST_F(PropertyBagTest, RoundTripsEveryValueTypeThroughAJsonFile) {
  auto style = Style::New();
  style->color = 255;
  style->font = StdFont::New({.name = u"Vellum Fixed", .size = 8.25, .italic = true});

  auto bag = PropertyBag::New();
  bag->WriteProperty(u"Empty", Variant());
  bag->WriteProperty(u"Null", Variant::NullValue());
  bag->WriteProperty(u"Checked", true);
  bag->WriteProperty(u"Byte", std::uint8_t{200});
  bag->WriteProperty(u"Integer", std::int16_t{-3});
  bag->WriteProperty(u"Long", -2147483647 - 1);
  bag->WriteProperty(u"Single", 0.5f);
  bag->WriteProperty(u"Double", 1.0 / 3);
  bag->WriteProperty(u"Currency", Currency{-123456789});
  bag->WriteProperty(u"Caption", u"Caf\u00E9 &Open\tCtrl+O");
  bag->WriteProperty(u"Visual", style);
  bag->WriteProperty(u"Picture", Variant::Nothing());

  const auto path = ScratchFile("round_trip.json");
  bag->SaveToFile(path.string());
  auto loaded = PropertyBag::New();
  loaded->LoadFromFile(path.string());

  EXPECT_EQ(loaded->Names(), bag->Names());
  for (const String& name : bag->Names()) {
    if (name == u"Visual") continue;
    EXPECT_EQ(loaded->ReadProperty(name), bag->ReadProperty(name)) << StringToUtf8(name);
  }
  auto read = loaded->ReadProperty(u"Visual").ToObjectOf<Style>();
  EXPECT_EQ(read->color, 255);
  EXPECT_EQ(read->font->Name(), u"Vellum Fixed");
  EXPECT_EQ(read->font->Size(), 8.25);
  EXPECT_TRUE(read->font->Italic());
}

TEST_F(PropertyBagTest, MalformedInputFailsWithItsPlaceAndLeavesTheBagUnchanged) {
  const auto bagWith = [](const std::string& properties) {
    return R"({"format": "vellum-property-bag", "version": 1, "properties": )" + properties + "}";
  };
  struct Case {
    const char* name;
    std::string json;
    const char* described;  // a part of the description
  };
  const Case cases[] = {
      {"not JSON", bagWith("[").substr(0, 60),
       "not valid JSON (syntax error while parsing object separator - unexpected end of input; "
       "expected ':') at line 1, column 61"},
      {"not a bag", R"({"properties": []})", "\"format\" is missing, not \"vellum-property-bag\""},
      {"unknown value type", bagWith(R"([{"name": "A", "type": "Long", "value": 1},
                    {"name": "B", "type": "Decimal", "value": 1}])"),
       "unknown value type \"Decimal\" at properties[1] (\"B\")"},
      {"value of the wrong type", bagWith(R"([{"name": "A", "type": "Long", "value": "x"}])"),
       "not a valid Long at properties[0]"},
      {"value out of range", bagWith(R"([{"name": "A", "type": "Integer", "value": 40000}])"),
       "not a valid Integer"},
      {"unknown class",
       bagWith(R"([{"name": "V", "type": "Object", "class": "Test.Style", "properties": [
                     {"name": "F", "type": "Object", "class": "NoSuchFont", "properties": []}]}])"),
       "unknown class \"NoSuchFont\" at properties[0] (\"V\").properties[0] (\"F\")"},
      {"duplicate name", bagWith(R"([{"name": "A", "type": "Long", "value": 1},
                    {"name": "a", "type": "Long", "value": 2}])"),
       "written twice"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto bag = PropertyBag::New();
    bag->WriteProperty(u"Kept", 1);
    const auto path = ScratchFile("malformed.json");
    std::ofstream(path) << c.json;
    std::string description;
    EXPECT_EQ(ErrorOf([&] { bag->LoadFromFile(path.string()); }, &description), 321);
    EXPECT_NE(description.find(c.described), std::string::npos) << description;
    EXPECT_EQ(bag->Names(), std::vector<String>{u"Kept"});
    EXPECT_EQ(bag->ReadProperty(u"Kept"), Variant(1));
  }
}

TEST_F(PropertyBagTest, AMissingFileIsReportedAsSuch) {
  auto bag = PropertyBag::New();
  EXPECT_EQ(ErrorOf([&] { bag->LoadFromFile(ScratchFile("absent.json").string()); }), 53);
}

TEST_F(PropertyBagTest, AnswersLateBoundCalls) {
  auto bag = PropertyBag::New();
  bag->Invoke(u"WriteProperty", CallType::Method, {u"Key", u"mnuFile"});
  EXPECT_EQ(bag->Invoke(u"readproperty", CallType::Method, {u"Key", u""}), Variant(u"mnuFile"));
  EXPECT_EQ(bag->Invoke(u"ReadProperty", CallType::Method, {u"Tag", u"-"}), Variant(u"-"));
}

}  // namespace
}  // namespace vellum
