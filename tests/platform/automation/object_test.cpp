#include "platform/automation/object.hpp"
#include "support/error_of.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace vellum {
namespace {

using testing::ErrorOf;

// A small automation class declared the way library classes are.
class Counter : public Object {
 public:
  static Ref<Counter> New() { return ObjectFactory::Make<Counter>(); }

  std::int32_t Value() const { return value_; }
  void Value(std::int32_t value) { value_ = value; }
  void Twice(Variant& number) { number = number.ToLong() * 2; }
  String Greet(const String& name, const Variant& punctuation) const {
    return u"Hello, " + name + (punctuation.IsMissing() ? u"." : punctuation.ToString());
  }
  bool OwnedWhenCreated() const { return ownedWhenCreated_; }
  std::int32_t Doubled() const { return value_ * 2; }
  Ref<Counter> Partner() const { return partner_; }
  void Partner(const Ref<Counter>& partner) { partner_ = partner; }
  void Step() {
    ++value_;
    Stepped.Raise(value_, Partner());
  }

  // Raised by Step with the new value and the partner.
  Event<std::int32_t, const Ref<Counter>&> Stepped;
  Event<> Reset;

  String ClassName() const override { return u"Test.Counter"; }

 protected:
  Counter() = default;
  void Created() override { ownedWhenCreated_ = weak_from_this().lock() != nullptr; }
  const MemberTable& Members() const override {
    static const MemberTable table(
        {
            Property(u"Value", &Counter::Value, &Counter::Value),
            Method(u"Twice", &Counter::Twice),
            Method(u"Greet", &Counter::Greet),
            ReadOnly(u"Doubled", &Counter::Doubled),
            Property(u"Partner", &Counter::Partner, &Counter::Partner),
            Method(u"Step", &Counter::Step),
        },
        &Object::Members(), u"Value");
    return table;
  }
  const EventTable& Events() const override {
    static const EventTable table(
        {
            EventMember(u"Stepped", &Counter::Stepped, {u"NewValue", u"Partner"}),
            EventMember(u"Reset", &Counter::Reset, {}),
        },
        &Object::Events());
    return table;
  }

 private:
  friend class vellum::ObjectFactory;
  std::int32_t value_ = 0;
  Ref<Counter> partner_;
  bool ownedWhenCreated_ = false;
};

TEST(ObjectCreation, CreationStepsRunOnceTheObjectIsOwned) {
  EXPECT_TRUE(Counter::New()->OwnedWhenCreated());
}

TEST(ObjectInvoke, ReadsAndWritesPropertiesByCaseInsensitiveName) {
  auto counter = Counter::New();
  counter->Invoke(u"VALUE", CallType::PropertyLet, {u"41"});
  EXPECT_EQ(counter->Value(), 41);
  EXPECT_EQ(counter->Invoke(u"value", CallType::PropertyGet), Variant(41));
  EXPECT_EQ(Variant(counter).ToLong(), 41);  // through the default member
}

TEST(ObjectInvoke, ByReferenceArgumentChangesTheCallersValue) {
  auto counter = Counter::New();
  std::vector<Variant> args{Variant(21)};
  counter->Invoke(u"twice", CallType::Method, args);
  EXPECT_EQ(args[0], Variant(42));
}

TEST(ObjectInvoke, OptionalArgumentsArriveAsMissing) {
  auto counter = Counter::New();
  EXPECT_EQ(counter->Invoke(u"Greet", CallType::Method, {u"Ann"}), Variant(u"Hello, Ann."));
  EXPECT_EQ(counter->Invoke(u"Greet", CallType::Method, {u"Ann", u"!"}), Variant(u"Hello, Ann!"));
}

TEST(ObjectInvoke, BadCallsRaiseTheRuntimesErrors) {
  auto counter = Counter::New();
  struct Case {
    const char* name;
    std::function<void()> call;
    int error;
  };
  const Case cases[] = {
      {"unknown member", [&] { counter->Invoke(u"Reset", CallType::Method); }, 438},
      {"assigning a method", [&] { counter->Invoke(u"Greet", CallType::PropertyLet, {1}); }, 438},
      {"required argument omitted", [&] { counter->Invoke(u"Greet", CallType::Method); }, 449},
      {"Missing for a required one",
       [&] { counter->Invoke(u"Greet", CallType::Method, {Missing}); }, 449},
      {"too many arguments",
       [&] {
         counter->Invoke(u"Greet", CallType::Method, {u"a", u"b", u"c"});
       },
       450},
      {"by-reference argument omitted", [&] { counter->Invoke(u"Twice", CallType::Method); }, 449},
      {"argument of the wrong type",
       [&] { counter->Invoke(u"Value", CallType::PropertyLet, {u"many"}); }, 13},
      {"value out of range", [&] { counter->Invoke(u"Value", CallType::PropertyLet, {3e10}); }, 6},
      {"assigning a read-only property",
       [&] { counter->Invoke(u"Doubled", CallType::PropertyLet, {4}); }, 438},
      {"setting a method by reference",
       [&] { counter->Invoke(u"Step", CallType::PropertySet, {Variant(counter)}); }, 438},
      {"the empty name on a class without default member",
       [&] { HostObject::New()->Invoke(u"", CallType::PropertyGet); }, 438},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ErrorOf(c.call), c.error);
  }
  EXPECT_EQ(counter->Value(), 0);
}

TEST(ObjectInvoke, ReadingIsReadingAndAssigningIsAssigning) {
  // Script hosts read a property by a method call and assign an object by value or by
  // reference: each member answers the calls of its kind.
  auto counter = Counter::New();
  auto partner = Counter::New();
  counter->Invoke(u"Value", CallType::PropertyLet, {3});
  EXPECT_EQ(counter->Invoke(u"Doubled", CallType::Method), Variant(6));
  EXPECT_EQ(counter->Invoke(u"Greet", CallType::PropertyGet, {u"Al"}), Variant(u"Hello, Al."));
  counter->Invoke(u"Partner", CallType::PropertyLet, {Variant(partner)});
  EXPECT_EQ(counter->Partner(), partner);
  counter->Invoke(u"Partner", CallType::PropertySet, {Variant::Nothing()});
  EXPECT_EQ(counter->Partner(), nullptr);
}

TEST(ObjectMembers, EachIsPublishedWithItsCallTypesAndTheDefaultUnderTheEmptyName) {
  auto counter = Counter::New();
  const MemberTable& table = static_cast<Object&>(*counter).Members();
  struct Row {
    const char16_t* name;
    CallTypes calls;
  };
  const Row rows[] = {
      {u"Value", CallTypes::Get | CallTypes::Let},
      {u"Twice", CallTypes::Method},
      {u"Greet", CallTypes::Method},
      {u"Doubled", CallTypes::Get},
      {u"Partner", CallTypes::Get | CallTypes::Set},
      {u"Step", CallTypes::Method},
  };
  const std::vector<const MemberTable::Entry*> published = table.Published();
  ASSERT_EQ(published.size(), std::size(rows));
  for (std::size_t i = 0; i < published.size(); ++i) {
    EXPECT_EQ(published[i]->name, rows[i].name);
    EXPECT_EQ(published[i]->calls, rows[i].calls) << StringToUtf8(rows[i].name);
  }
  EXPECT_EQ(table.Find(u""), table.Find(u"value"));
  counter->Invoke(u"", CallType::PropertyLet, {7});
  EXPECT_EQ(counter->Invoke(u"", CallType::PropertyGet), Variant(7));
}

TEST(ObjectEvents, AHandlerConnectedByNameReceivesTheArgumentsAsVariants) {
  auto counter = Counter::New();
  auto partner = Counter::New();
  counter->Partner(partner);
  std::vector<Variant> heard;
  Connection connection = counter->ConnectEvent(u"STEPPED", [&](std::span<Variant> arguments) {
    heard.assign(arguments.begin(), arguments.end());
  });
  int resets = 0;
  counter->ConnectEvent(u"Reset", [&](std::span<Variant> arguments) {
    EXPECT_TRUE(arguments.empty());
    ++resets;
  });
  counter->Step();
  EXPECT_EQ(heard, (std::vector<Variant>{Variant(1), Variant(partner)}));
  counter->Reset.Raise();
  EXPECT_EQ(resets, 1);

  connection.Disconnect();
  counter->Step();
  EXPECT_EQ(heard[0], Variant(1));  // not heard again

  const std::vector<const EventTable::Entry*> events =
      static_cast<Object&>(*counter).Events().Published();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0]->name, u"Stepped");
  EXPECT_EQ(events[0]->parameters, (std::vector<String>{u"NewValue", u"Partner"}));
  EXPECT_EQ(ErrorOf([&] { counter->ConnectEvent(u"Missing", [](std::span<Variant>) {}); }), 438);
}

TEST(HostObject, AnswersForTheMembersItWasGiven) {
  auto buddy = HostObject::New(u"Test.Buddy");
  std::vector<String> heard;
  buddy->Define(u"MenuItem_Click", [&](Invocation& call) {
    heard.push_back(call.Arg(0).ToString());
    call.ByRef(1) = true;  // e.g. a Cancel argument
    return Variant();
  });
  std::vector<Variant> args{Variant(u"Open"), Variant(false)};
  buddy->Invoke(u"menuitem_click", CallType::Method, args);
  EXPECT_EQ(heard, std::vector<String>{u"Open"});
  EXPECT_EQ(args[1], Variant(true));
  EXPECT_TRUE(buddy->Has(u"MENUITEM_CLICK"));
  EXPECT_EQ(ErrorOf([&] { buddy->Invoke(u"Other", CallType::Method); }), 438);
  EXPECT_EQ(buddy->ClassName(), u"Test.Buddy");
}

TEST(HostObject, AHandlerMayDropTheLastReferenceToItsObject) {
  auto holder = std::make_shared<Ref<HostObject>>(HostObject::New());
  Ref<HostObject>& object = *holder;
  object->Define(u"Drop", [holder](Invocation&) {
    holder->reset();
    return Variant(1);
  });
  HostObject* raw = object.get();
  EXPECT_EQ(raw->Invoke(u"Drop", CallType::Method), Variant(1));
  EXPECT_EQ(*holder, nullptr);
}

}  // namespace
}  // namespace vellum
