#pragma once
// Per-class tables of published properties, methods and component fields, and the class
// registry the form reader creates components from.
//
// A class publishes itself like this:
//
//   const TClassInfo& TspSkinButton::StaticClassInfo() {
//     static const TClassInfo info("TspSkinButton", &TspSkinControl::StaticClassInfo(),
//         &CreateComponent<TspSkinButton>, {
//           prop::Integer<&TspSkinButton::SetSpacing>("Spacing", 1),
//           prop::Event<&TspSkinButton::SetOnClick>("OnClick"),
//         });
//     return info;
//   }
//
// The setters receive values already checked and converted; a value of the wrong shape is
// an EPropertyError that names the property.
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/core/Component.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Method.h"

namespace tmv {

// A value as written in a form resource.
struct TPropValue {
  enum Kind { vkInteger, vkString, vkIdent, vkSet, vkList, vkBinary };
  Kind kind = vkInteger;
  int64_t Int = 0;
  std::string Str;                  // vkString text, vkIdent identifier
  std::vector<std::string> Items;   // vkSet identifiers, vkList strings
  std::vector<uint8_t> Bytes;       // vkBinary
  int Line = 0;                     // where it stood, for error messages

  // Values made in code, for setting properties at run time.
  static TPropValue Integer(int64_t value);
  static TPropValue String(const std::string& text);
  // An enumeration value, a colour name, True or False, a component or a method name.
  static TPropValue Ident(const std::string& name);
  static TPropValue Boolean(bool value) { return Ident(value ? "True" : "False"); }
  static TPropValue Set(const std::vector<std::string>& names);
};

// Names of an enumeration's values (value i is Names[i]) or a set's elements (bit i).
struct TEnumInfo {
  const char* TypeName;
  std::vector<const char*> Names;
  int IndexOf(const std::string& name) const;  // -1 when not a member; exact case
};

class TReadContext;

enum class TPropKind { Integer, Boolean, String, Enum, Set, Color, StringList, Binary,
                       Reference, Event, Object, Obsolete };

struct TPropInfo {
  std::string Name;
  TPropKind Kind;
  std::string Default;  // text form of the constructor's value; empty for none
  // Stores a value read from a resource into obj; none for an obsolete property.
  std::function<void(TObject& obj, const TPropValue& value, TReadContext& ctx)> Apply;
  // TPropKind::Object only: the sub-object whose own properties follow the dot.
  std::function<TPersistent*(TObject& obj)> SubObject;
};

// A published method of a form, to which events in its resource are bound by name.
struct TMethodEntry {
  std::string Name;
  const void* Signature;          // identifies the event type
  void (*Code)();                 // the type-erased thunk of TMethod<...>
};

// A published component field of a form, set to the component of the same name.
struct TFieldEntry {
  std::string Name;
  std::function<bool(TObject& root, TComponent* component)> Assign;  // false: wrong class
};

class TClassInfo {
public:
  using Factory = TComponent* (*)(TComponent* owner);
  TClassInfo(const char* name, const TClassInfo* parent, Factory create,
             std::vector<TPropInfo> props = {}, std::vector<TMethodEntry> methods = {},
             std::vector<TFieldEntry> fields = {});

  const char* Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const TClassInfo& other) const;
  bool CanCreate() const { return create_ != nullptr; }
  TComponent* CreateInstance(TComponent* owner) const;

  // Lookups walk up to the base classes. Property, method and field names ignore letter
  // case, as identifiers in a form resource do.
  const TPropInfo* FindProperty(const std::string& name) const;
  const TMethodEntry* FindMethod(const std::string& name) const;
  const TFieldEntry* FindField(const std::string& name) const;
  const std::vector<TPropInfo>& OwnProperties() const { return props_; }

private:
  const char* name_;
  const TClassInfo* parent_;
  Factory create_;
  std::vector<TPropInfo> props_;
  std::vector<TMethodEntry> methods_;
  std::vector<TFieldEntry> fields_;
};

template <class C>
TComponent* CreateComponent(TComponent* owner) { return new C(owner); }

// The registry of classes the form reader may create.
void RegisterClass(const TClassInfo& info);
void RegisterClasses(std::initializer_list<const TClassInfo*> infos);
const TClassInfo* FindClass(const std::string& name);  // exact name; nullptr when unknown

// Colour identifiers usable as values of colour properties (clBtnFace, clWhite, ...).
bool IdentToColor(const std::string& ident, uint32_t& color);

// What the form reader offers to property setters while reading.
class TReadContext {
public:
  virtual ~TReadContext() = default;
  virtual TComponent& Root() = 0;
  // Resolves name to a component once the whole resource is read, then calls assign.
  virtual void AddFixup(const std::string& name, const std::string& what,
                        std::function<bool(TComponent*)> assign, int line) = 0;
  // EPropertyError with the message where Placed puts it.
  [[noreturn]] void Fail(const std::string& message, int line);

protected:
  // "Line <line>: <message>".
  virtual std::string Placed(const std::string& message, int line) const;
};

namespace detail {

template <class> struct SetterTraits;
template <class C, class T> struct SetterTraits<void (C::*)(T)> {
  using Class = C;
  using Arg = std::decay_t<T>;
};
template <class> struct GetterTraits;
template <class C, class T> struct GetterTraits<T* (C::*)()> {
  using Class = C;
  using Result = T;
};
template <class> struct FieldTraits;
template <class C, class T> struct FieldTraits<T* C::*> {
  using Class = C;
  using Component = T;
};
template <class> struct MethodTraits;
template <class C, class... A> struct MethodTraits<void (C::*)(A...)> {
  using Class = C;
  using Event = TMethod<A...>;
};

template <class E> const void* SignatureOf() {
  static const char tag = 0;
  return &tag;
}

[[noreturn]] void WrongValue(TReadContext& ctx, const std::string& prop, const TPropValue& v,
                             const char* expected);
int64_t IntegerIn(TReadContext& ctx, const std::string& prop, const TPropValue& v,
                  int64_t lo, int64_t hi);
bool BooleanOf(TReadContext& ctx, const std::string& prop, const TPropValue& v);
uint32_t ColorOf(TReadContext& ctx, const std::string& prop, const TPropValue& v);
int EnumOf(TReadContext& ctx, const std::string& prop, const TPropValue& v, const TEnumInfo& e);
uint32_t SetOf(TReadContext& ctx, const std::string& prop, const TPropValue& v, const TEnumInfo& e);

}  // namespace detail

namespace prop {

template <auto Setter>
TPropInfo Integer(const char* name, int64_t def = 0) {
  using T = detail::SetterTraits<decltype(Setter)>;
  using Arg = typename T::Arg;
  return {name, TPropKind::Integer, std::to_string(def),
          [n = std::string(name)](TObject& o, const TPropValue& v, TReadContext& ctx) {
            auto x = detail::IntegerIn(ctx, n, v, std::numeric_limits<Arg>::min(),
                                       std::numeric_limits<Arg>::max());
            (static_cast<typename T::Class&>(o).*Setter)(static_cast<Arg>(x));
          },
          nullptr};
}

template <auto Setter>
TPropInfo Boolean(const char* name, bool def = false) {
  using T = detail::SetterTraits<decltype(Setter)>;
  return {name, TPropKind::Boolean, def ? "True" : "False",
          [n = std::string(name)](TObject& o, const TPropValue& v, TReadContext& ctx) {
            (static_cast<typename T::Class&>(o).*Setter)(detail::BooleanOf(ctx, n, v));
          },
          nullptr};
}

template <auto Setter>
TPropInfo String(const char* name, const char* def = "") {
  using T = detail::SetterTraits<decltype(Setter)>;
  return {name, TPropKind::String, def,
          [n = std::string(name)](TObject& o, const TPropValue& v, TReadContext& ctx) {
            if (v.kind != TPropValue::vkString) detail::WrongValue(ctx, n, v, "a string");
            (static_cast<typename T::Class&>(o).*Setter)(v.Str);
          },
          nullptr};
}

template <auto Setter>
TPropInfo Enum(const char* name, const TEnumInfo& info, int def = 0) {
  using T = detail::SetterTraits<decltype(Setter)>;
  using Arg = typename T::Arg;
  return {name, TPropKind::Enum, info.Names.at(static_cast<size_t>(def)),
          [n = std::string(name), &info](TObject& o, const TPropValue& v, TReadContext& ctx) {
            (static_cast<typename T::Class&>(o).*Setter)(static_cast<Arg>(detail::EnumOf(ctx, n, v, info)));
          },
          nullptr};
}

template <auto Setter>
TPropInfo Set(const char* name, const TEnumInfo& info, const char* def = "[]") {
  using T = detail::SetterTraits<decltype(Setter)>;
  using Arg = typename T::Arg;
  return {name, TPropKind::Set, def,
          [n = std::string(name), &info](TObject& o, const TPropValue& v, TReadContext& ctx) {
            (static_cast<typename T::Class&>(o).*Setter)(static_cast<Arg>(detail::SetOf(ctx, n, v, info)));
          },
          nullptr};
}

template <auto Setter>
TPropInfo Color(const char* name, const char* def = "") {
  using T = detail::SetterTraits<decltype(Setter)>;
  using Arg = typename T::Arg;
  return {name, TPropKind::Color, def,
          [n = std::string(name)](TObject& o, const TPropValue& v, TReadContext& ctx) {
            (static_cast<typename T::Class&>(o).*Setter)(static_cast<Arg>(detail::ColorOf(ctx, n, v)));
          },
          nullptr};
}

template <auto Setter>
TPropInfo StringList(const char* name) {
  using T = detail::SetterTraits<decltype(Setter)>;
  return {name, TPropKind::StringList, "",
          [n = std::string(name)](TObject& o, const TPropValue& v, TReadContext& ctx) {
            if (v.kind != TPropValue::vkList) detail::WrongValue(ctx, n, v, "a list of strings");
            (static_cast<typename T::Class&>(o).*Setter)(v.Items);
          },
          nullptr};
}

template <auto Setter>
TPropInfo Binary(const char* name) {
  using T = detail::SetterTraits<decltype(Setter)>;
  return {name, TPropKind::Binary, "",
          [n = std::string(name)](TObject& o, const TPropValue& v, TReadContext& ctx) {
            if (v.kind != TPropValue::vkBinary) detail::WrongValue(ctx, n, v, "binary data");
            (static_cast<typename T::Class&>(o).*Setter)(v.Bytes);
          },
          nullptr};
}

// A reference to another component by name, resolved after the whole resource is read.
template <auto Setter>
TPropInfo Reference(const char* name) {
  using T = detail::SetterTraits<decltype(Setter)>;
  using Target = std::remove_pointer_t<typename T::Arg>;
  return {name, TPropKind::Reference, "nil",
          [n = std::string(name)](TObject& o, const TPropValue& v, TReadContext& ctx) {
            if (v.kind != TPropValue::vkIdent) detail::WrongValue(ctx, n, v, "a component name");
            auto* self = &static_cast<typename T::Class&>(o);
            if (v.Str == "nil") {
              (self->*Setter)(nullptr);
              return;
            }
            ctx.AddFixup(v.Str, n,
                         [self](TComponent* c) {
                           auto* target = dynamic_cast<Target*>(c);
                           if (!target) return false;
                           (self->*Setter)(target);
                           return true;
                         },
                         v.Line);
          },
          nullptr};
}

// An event bound to a published method of the resource's root, by the method's name.
template <auto Setter>
TPropInfo Event(const char* name) {
  using T = detail::SetterTraits<decltype(Setter)>;
  using E = typename T::Arg;
  return {name, TPropKind::Event, "",
          [n = std::string(name)](TObject& o, const TPropValue& v, TReadContext& ctx) {
            if (v.kind != TPropValue::vkIdent) detail::WrongValue(ctx, n, v, "a method name");
            const TMethodEntry* m = ctx.Root().ClassInfo().FindMethod(v.Str);
            if (!m)
              ctx.Fail("method " + v.Str + " for " + n + " is not published by " +
                           ctx.Root().ClassName(), v.Line);
            if (m->Signature != detail::SignatureOf<E>())
              ctx.Fail("method " + v.Str + " does not match event " + n, v.Line);
            (static_cast<typename T::Class&>(o).*Setter)(
                E(&ctx.Root(), reinterpret_cast<typename E::Thunk>(m->Code)));
          },
          nullptr};
}

// A property older form resources still carry and this class no longer has: its value is
// read and dropped. Only names declared so are skipped; any other unknown name is an error.
inline TPropInfo Obsolete(const char* name) { return {name, TPropKind::Obsolete, "", nullptr, nullptr}; }

// A sub-object (a font, a glyph bitmap) whose properties are written Name.Property.
template <auto Getter>
TPropInfo Object(const char* name) {
  using T = detail::GetterTraits<decltype(Getter)>;
  return {name, TPropKind::Object, "", nullptr,
          [](TObject& o) -> TPersistent* { return (static_cast<typename T::Class&>(o).*Getter)(); }};
}

}  // namespace prop

// Method<&TFormMorvane::BTNSelFileClick>("BTNSelFileClick")
template <auto Member>
TMethodEntry Method(const char* name) {
  using T = detail::MethodTraits<decltype(Member)>;
  using E = typename T::Event;
  return {name, detail::SignatureOf<E>(),
          reinterpret_cast<void (*)()>(E::template Of<Member>(static_cast<typename T::Class*>(nullptr)).Code())};
}

// Field<&TFormMorvane::BTNSelFile>("BTNSelFile"). Assigning nullptr clears the field.
template <auto Member>
TFieldEntry Field(const char* name) {
  using T = detail::FieldTraits<decltype(Member)>;
  return {name, [](TObject& root, TComponent* c) {
            auto* typed = dynamic_cast<typename T::Component*>(c);
            if (c && !typed) return false;
            static_cast<typename T::Class&>(root).*Member = typed;
            return true;
          }};
}

}  // namespace tmv
