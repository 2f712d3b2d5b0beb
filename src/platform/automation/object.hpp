#pragma once
// Automation objects: reference counted, created by T::New(), callable by member name.

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

#include "platform/automation/event_table.hpp"
#include "platform/automation/variant.hpp"

namespace vellum {

// How a member is called by late binding.
enum class CallType { Method = 1, PropertyGet = 2, PropertyLet = 4, PropertySet = 8 };

// The ways a member may be called, as its class publishes them: the call types of its
// interface (a property read and written by value is Get | Let).
enum class CallTypes : unsigned { None = 0, Method = 1, Get = 2, Let = 4, Set = 8 };

constexpr CallTypes operator|(CallTypes a, CallTypes b) {
  return static_cast<CallTypes>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool Includes(CallTypes set, CallTypes types) {
  return (static_cast<unsigned>(set) & static_cast<unsigned>(types)) != 0;
}
// Whether a member published with `published` answers a call of type `call`. Reading is
// reading: callers use a method call and a property get alike; so is assigning, by value or
// by reference.
bool Answers(CallTypes published, CallType call);

// One late-bound call as a member sees it: its kind and its arguments, by reference.
// A property let or set carries the assigned value as its last argument.
class Invocation {
 public:
  Invocation(CallType type, std::span<Variant> args) : type_(type), args_(args) {}

  CallType Type() const { return type_; }
  bool IsAssignment() const {
    return type_ == CallType::PropertyLet || type_ == CallType::PropertySet;
  }
  // The arguments, the assigned value excluded.
  std::size_t Count() const { return args_.size() - (IsAssignment() && !args_.empty()); }
  // The i-th argument; Missing when the caller passed fewer.
  const Variant& Arg(std::size_t i) const { return i < Count() ? args_[i] : Missing; }
  // The i-th argument itself: writing it changes the caller's value. 449 when not passed.
  Variant& ByRef(std::size_t i);
  // The i-th argument, which may not be omitted (449).
  const Variant& Required(std::size_t i) const;
  // The value a property let or set assigns (450 when there is none).
  const Variant& Value() const;

 private:
  CallType type_;
  std::span<Variant> args_;
};

class Object;
using MemberFunction = std::function<Variant(Object&, Invocation&)>;

// The members a class answers to by name, declared once per class with their call types;
// names compare without regard to case. A table may extend the table of a base class.
class MemberTable {
 public:
  struct Entry {
    String name;
    CallTypes calls;
    MemberFunction function;
  };

  MemberTable(std::initializer_list<Entry> entries, const MemberTable* base = nullptr,
              String defaultMember = {});

  // The member of that name; the empty name is the default member.
  const Entry* Find(StringView name) const;
  const String& DefaultMember() const;
  // Every member once, the base table's first, each in declaration order; a member the
  // table redeclares stands where the base declared it.
  std::vector<const Entry*> Published() const;

 private:
  std::vector<Entry> entries_;
  std::unordered_map<String, std::size_t, NoCaseHash, NoCaseEqual> byName_;
  const MemberTable* base_;
  String defaultMember_;
};

class ObjectFactory;

class Object : public std::enable_shared_from_this<Object> {
 public:
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;

  // The class's automation name ("Vellum10.MenuItem").
  virtual String ClassName() const { return u"Object"; }

  // Late binding: calls the member `name` with `args` by reference. 438 for a member the
  // object lacks; other errors as the member raises them.
  virtual Variant Invoke(StringView name, CallType type, std::span<Variant> args = {});
  // The same with arguments by value.
  Variant Invoke(StringView name, CallType type, std::initializer_list<Variant> args);

  // The value of the default member (438 when the class has none).
  virtual Variant DefaultValue();

  // Connects `handler` to the event `name` (438 when the class raises no such event); it
  // receives the event's arguments as its class publishes them.
  Connection ConnectEvent(StringView name, EventHandler handler);

  // What the class publishes for late binding: its members and its events.
  virtual const MemberTable& Members() const;
  virtual const EventTable& Events() const;

 protected:
  Object() = default;

  // Creation steps that need the object owned (shared_from_this works here); run by New().
  virtual void Created() {}

  template <class T>
  Ref<T> Self() {
    return std::static_pointer_cast<T>(shared_from_this());
  }

  friend class ObjectFactory;
};

// Two-phase creation behind every T::New(): own the object first, then run its creation steps.
// A class befriends it and keeps its constructors protected.
class ObjectFactory {
 public:
  template <class T, class... Args>
  static Ref<T> Make(Args&&... args) {
    Ref<T> object(new T(std::forward<Args>(args)...));
    static_cast<Object&>(*object).Created();
    return object;
  }
};

// --- declaring members ------------------------------------------------------------------------
// One line per member:
//   Property(u"Caption", &MenuItem::Caption, &MenuItem::Caption),
//   ReadOnly(u"ItemId", &MenuItem::ItemId),
//   Method(u"Refresh", &MenuItem::Refresh),
//   Custom<MenuItem>(u"Add", [](MenuItem& self, Invocation& call) { ... }),

namespace members {

// Converts an argument to the parameter type a member function takes.
template <class P>
struct FromVariant;
template <>
struct FromVariant<bool> {
  static bool From(const Variant& v) { return v.ToBool(); }
};
template <>
struct FromVariant<std::uint8_t> {
  static std::uint8_t From(const Variant& v) { return v.ToByte(); }
};
template <>
struct FromVariant<std::int16_t> {
  static std::int16_t From(const Variant& v) { return v.ToInteger(); }
};
template <>
struct FromVariant<std::int32_t> {
  static std::int32_t From(const Variant& v) { return v.ToLong(); }
};
template <>
struct FromVariant<std::uint32_t> {
  static std::uint32_t From(const Variant& v) { return static_cast<std::uint32_t>(v.ToLong()); }
};
template <>
struct FromVariant<float> {
  static float From(const Variant& v) { return v.ToSingle(); }
};
template <>
struct FromVariant<double> {
  static double From(const Variant& v) { return v.ToDouble(); }
};
template <>
struct FromVariant<Currency> {
  static Currency From(const Variant& v) { return v.ToCurrency(); }
};
template <>
struct FromVariant<String> {
  static String From(const Variant& v) { return v.ToString(); }
};
template <>
struct FromVariant<Variant> {
  static const Variant& From(const Variant& v) { return v; }
};
template <class T>
struct FromVariant<Ref<T>> {
  static Ref<T> From(const Variant& v) { return v.ToObjectOf<T>(); }
};
template <class E>
requires std::is_enum_v<E>
struct FromVariant<E> {
  static E From(const Variant& v) { return static_cast<E>(v.ToLong()); }
};

// The i-th argument converted to P, or `fallback` when the caller omitted it.
template <class P>
P OptionalArgument(const Invocation& call, std::size_t i, P fallback) {
  const Variant& value = call.Arg(i);
  return value.IsMissing() ? fallback : FromVariant<P>::From(value);
}

// The i-th argument for a parameter of type P: `Variant&` binds the caller's value,
// `const Variant&` takes Missing for an omitted argument, anything else is required.
template <class P>
decltype(auto) Argument(Invocation& call, std::size_t i) {
  if constexpr (std::is_same_v<P, Variant&>) {
    return call.ByRef(i);
  } else if constexpr (std::is_same_v<std::remove_cvref_t<P>, Variant>) {
    return call.Arg(i);
  } else {
    return FromVariant<std::remove_cvref_t<P>>::From(call.Required(i));
  }
}

[[noreturn]] void RaiseMemberNotFound();
void CheckArgumentCount(const Invocation& call, std::size_t parameters);

template <class P>
struct IsObjectReference : std::false_type {};
template <class T>
struct IsObjectReference<Ref<T>> : std::true_type {};

template <class T, class R, class... A, std::size_t... I>
Variant CallWith(T& self, R (T::*fn)(A...), Invocation& call, std::index_sequence<I...>) {
  if constexpr (std::is_void_v<R>) {
    (self.*fn)(Argument<A>(call, I)...);
    return {};
  } else {
    return Variant((self.*fn)(Argument<A>(call, I)...));
  }
}

template <class T, class R, class... A, std::size_t... I>
Variant CallWith(T& self, R (T::*fn)(A...) const, Invocation& call, std::index_sequence<I...>) {
  if constexpr (std::is_void_v<R>) {
    (self.*fn)(Argument<A>(call, I)...);
    return {};
  } else {
    return Variant((self.*fn)(Argument<A>(call, I)...));
  }
}

// What a member function pointer names: its class and the number of its parameters.
template <class F>
struct MemberCall;
template <class T, class R, class... A>
struct MemberCall<R (T::*)(A...)> {
  using Class = T;
  static constexpr std::size_t kArity = sizeof...(A);
};
template <class T, class R, class... A>
struct MemberCall<R (T::*)(A...) const> {
  using Class = T;
  static constexpr std::size_t kArity = sizeof...(A);
};

// Calls a member function with the invocation's arguments converted to its parameters.
template <class T, class F>
Variant Call(T& self, F fn, Invocation& call) {
  constexpr std::size_t kArity = MemberCall<F>::kArity;
  CheckArgumentCount(call, kArity);
  return CallWith(self, fn, call, std::make_index_sequence<kArity>{});
}

}  // namespace members

// A member written out by hand; a method unless `calls` says otherwise.
template <class T, class Fn>
MemberTable::Entry Custom(String name, CallTypes calls, Fn fn) {
  return {std::move(name), calls, [fn](Object& self, Invocation& call) -> Variant {
            return fn(static_cast<T&>(self), call);
          }};
}

template <class T, class Fn>
MemberTable::Entry Custom(String name, Fn fn) {
  return Custom<T>(std::move(name), CallTypes::Method, std::move(fn));
}

template <class F, class T = typename members::MemberCall<F>::Class>
MemberTable::Entry Method(String name, F fn) {
  return Custom<T>(std::move(name),
                   [fn](T& self, Invocation& call) { return members::Call(self, fn, call); });
}

// A property that is only read, with or without arguments (`Item(index)`).
template <class F, class T = typename members::MemberCall<F>::Class>
MemberTable::Entry ReadOnly(String name, F get) {
  return Custom<T>(std::move(name), CallTypes::Get,
                   [get](T& self, Invocation& call) { return members::Call(self, get, call); });
}

// The same for a getter without arguments, which may share its name with a setter.
template <class T, class G>
MemberTable::Entry ReadOnly(String name, G (T::*get)() const) {
  return Custom<T>(std::move(name), CallTypes::Get,
                   [get](T& self, Invocation& call) { return members::Call(self, get, call); });
}

// A property read and written: assigned by value (Let), or by reference (Set) when its
// setter takes an object.
template <class T, class G, class S>
MemberTable::Entry Property(String name, G (T::*get)() const, void (T::*set)(S)) {
  constexpr CallTypes kAssign =
      members::IsObjectReference<std::remove_cvref_t<S>>::value ? CallTypes::Set : CallTypes::Let;
  return Custom<T>(std::move(name), CallTypes::Get | kAssign,
                   [get, set](T& self, Invocation& call) -> Variant {
                     members::CheckArgumentCount(call, 0);
                     if (!call.IsAssignment()) return Variant((self.*get)());
                     (self.*set)(members::FromVariant<std::remove_cvref_t<S>>::From(call.Value()));
                     return {};
                   });
}

// An object a host (or a test) assembles from functions: it answers for the members it was
// given, whatever the call type, and serves as a buddy, designer or MDI connection.
class HostObject : public Object {
 public:
  using Handler = std::function<Variant(Invocation&)>;

  static Ref<HostObject> New(String className = u"HostObject");

  // Adds or replaces the member `name`.
  HostObject& Define(StringView name, Handler handler);
  bool Has(StringView name) const { return handlers_.find(name) != handlers_.end(); }

  String ClassName() const override { return className_; }
  Variant Invoke(StringView name, CallType type, std::span<Variant> args = {}) override;
  using Object::Invoke;

 protected:
  explicit HostObject(String className) : className_(std::move(className)) {}

 private:
  friend class ObjectFactory;
  String className_;
  std::unordered_map<String, Handler, NoCaseHash, NoCaseEqual> handlers_;
};

}  // namespace vellum
