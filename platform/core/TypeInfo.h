#pragma once
// Run-time type information: one static table per class with its published
// properties and published event handlers. The form-description reader and
// writer, the configuration component's entries and the property walker all
// work from these tables.
//
// A class declares its table with PF_CLASS in its body and defines it with
// TClassType::Define<Class, Base>("TClass") in its source file:
//
//   const TClassType& TCheckBox::StaticClass() {
//       static const TClassType type =
//           TClassType::Define<TCheckBox, TButtonControl>("TCheckBox")
//               .Property(Prop<TCheckBox>::Bool("Checked", &TCheckBox::Checked,
//                                               &TCheckBox::SetChecked, false));
//       return type;
//   }

#include <any>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Events.h"
#include "platform/core/Variant.h"

class TObject;
class TComponent;
class TClassType;

// The kinds of published types. The names are those stored in form descriptions
// ("tkLString"), so the order and spelling are fixed.
enum class TTypeKind {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkLString,
    tkWString,
    tkVariant,
    tkArray,
    tkRecord,
    tkInterface,
    tkInt64,
    tkDynArray
};

// The value names of an enumeration, indexed by ordinal. Sets use the names of
// their element enumeration; a set value is a bit mask over the ordinals.
struct TEnumInfo {
    std::string typeName;
    std::vector<std::string> names;

    // Ordinal of a name (case-insensitive), or -1.
    int OrdinalOf(std::string_view name) const;
    const std::string& NameOf(std::int64_t ordinal) const;  // EConvertError when out of range
};

// Names of the Boolean type, "False" and "True".
const TEnumInfo& BooleanEnumInfo();
// Names of TTypeKind, "tkUnknown" ... "tkDynArray".
const TEnumInfo& TypeKindEnumInfo();

// Set text as the form description stores it: "[a, b]" and back.
std::string SetToString(const TEnumInfo& info, std::uint32_t mask);
std::uint32_t StringToSet(const TEnumInfo& info, std::string_view text);  // EConvertError

// When a property is written to a form description.
enum class TStoredRule {
    Default,  // when it differs from its declared default (always when it has none)
    Always,
    Never,
    Function  // as the stored function says
};

constexpr std::int32_t NoIndexSpecifier = INT32_MIN;  // the index of a property without one

// One published property. Ordinal kinds (integer, char, enumeration, set,
// Boolean) move int64 values; string kinds move texts; class kinds move object
// pointers; method kinds move bound handlers.
struct TPropInfo {
    std::string name;
    TTypeKind kind = TTypeKind::tkUnknown;
    std::string typeName;                   // "Integer", "Boolean", "TCaption", "TFont" ...
    const TEnumInfo* enumInfo = nullptr;    // enumerations, Booleans and sets
    const TClassType* classType = nullptr;  // class kind: the declared class
    // Class kind: gives classType (and typeName) when the class table first
    // lists the property. Resolving it late lets a class have a property of
    // its own class or of a descendant, whose tables are not built yet.
    const TClassType& (*classTypeOf)() = nullptr;

    std::function<std::int64_t(const TObject&)> getOrd;
    std::function<void(TObject&, std::int64_t)> setOrd;
    std::function<std::string(const TObject&)> getStr;
    std::function<void(TObject&, const std::string&)> setStr;
    std::function<TObject*(const TObject&)> getObj;
    std::function<void(TObject&, TObject*)> setObj;
    std::function<TMethod(const TObject&)> getMethod;
    std::function<void(TObject&, const TMethod&)> setMethod;

    std::optional<std::int64_t> defaultOrd;  // declared default of an ordinal property
    TStoredRule stored = TStoredRule::Default;
    std::function<bool(const TObject&)> storedFn;
    std::int32_t index = NoIndexSpecifier;

    bool Readable() const;
    bool Writable() const;
    bool IsOrdinal() const;
    bool IsString() const;
    // Whether a form description stores this property's current value.
    bool IsStored(const TObject& object) const;
    // The value as a variant: integers as integers, Booleans, enumerations and
    // sets as their names, strings as texts. Classes and methods: EPropertyError.
    Variant GetValue(const TObject& object) const;
    // Converts the variant to the property's type and assigns it. EConvertError
    // for a text that names no value of the type.
    void SetValue(TObject& object, const Variant& value) const;

    // Chainable settings.
    TPropInfo& Default(std::int64_t value);
    TPropInfo& NoDefault();
    TPropInfo& Stored(TStoredRule rule);
    TPropInfo& StoredIf(std::function<bool(const TObject&)> fn);
    TPropInfo& Index(std::int32_t value);
};

// A published event handler of a class: binding it to an object gives the
// handler as a std::function of the event's signature, held in a std::any.
struct TMethodInfo {
    std::string name;
    std::function<std::any(TObject&)> bind;
};

// A published component field of a form: the reader assigns each component
// it creates to the root's field of the same name (the installer window's
// `BtnD3` field receives the check box named BtnD3).
struct TFieldInfo {
    std::string name;
    const TClassType* type = nullptr;  // the field's declared class
    std::function<void(TObject&, TComponent*)> set;
    std::function<TComponent*(const TObject&)> get;
};

using TComponentConstructor = std::function<TComponent*(TComponent* owner)>;

class TClassType {
  public:
    template <class C, class Base>
    static TClassType Define(std::string name);
    // The root class, without a base.
    static TClassType DefineRoot(std::string name);

    TClassType&& Property(TPropInfo prop) &&;
    TClassType&& Method(TMethodInfo method) &&;
    TClassType&& Constructor(TComponentConstructor ctor) &&;
    TClassType&& Field(TFieldInfo field) &&;

    const std::string& Name() const { return name_; }
    const TClassType* Parent() const { return parent_; }
    bool InheritsFrom(const TClassType& other) const;

    // Published properties, bases first, in declaration order. A redeclared
    // property replaces its base's entry in place.
    const std::vector<const TPropInfo*>& Properties() const;
    const TPropInfo* FindProperty(std::string_view name) const;  // case-insensitive
    const TMethodInfo* FindMethod(std::string_view name) const;  // case-insensitive
    const TFieldInfo* FindField(std::string_view name) const;    // case-insensitive
    // The fields this class declares itself (without its bases').
    const std::vector<TFieldInfo>& OwnFields() const { return ownFields_; }
    // Creates a component of this class (the virtual constructor); null for a
    // class that cannot be created from a description.
    TComponent* Create(TComponent* owner) const;
    bool CanCreate() const { return static_cast<bool>(ctor_); }

    TClassType(TClassType&&) = default;

  private:
    TClassType(std::string name, const TClassType* parent);

    std::string name_;
    const TClassType* parent_ = nullptr;
    std::vector<std::unique_ptr<TPropInfo>> ownProps_;
    std::vector<TMethodInfo> ownMethods_;
    std::vector<TFieldInfo> ownFields_;
    TComponentConstructor ctor_;
    mutable std::vector<const TPropInfo*> allProps_;
    mutable bool allPropsBuilt_ = false;
};

// Every class of the library declares its type table with this macro.
#define PF_CLASS(Name)                             \
  public:                                          \
    static const TClassType& StaticClass();        \
    const TClassType& ClassType() const override { \
        return Name::StaticClass();                \
    }                                              \
                                                   \
  private:

// The registry of classes that form descriptions can name.
void RegisterComponentClass(const TClassType& type);
const TClassType* FindClass(std::string_view name);  // null when unknown
const TClassType& GetClass(std::string_view name);   // EClassNotFound

// Names for chosen values of an integer type, such as "clBtnFace" for a
// TColor: form descriptions store such a value by its name.
struct TIntegerIdent {
    std::int64_t value;
    std::string name;
};
void RegisterIntegerIdents(const std::string& typeName, std::vector<TIntegerIdent> idents);
// The value that ident names for typeName (case-insensitive); false when none.
bool IdentToInteger(std::string_view typeName, std::string_view ident, std::int64_t& value);
// The name of value for typeName; false when it has none.
bool IntegerToIdent(std::string_view typeName, std::int64_t value, std::string& ident);

// ---- property builders ---------------------------------------------------------

template <class C>
struct Prop {
    template <class Get, class Setter>
    static TPropInfo Int(std::string name, Get get, Setter set, std::optional<std::int64_t> def = 0,
                         std::string typeName = "Integer");
    template <class Get, class Setter>
    static TPropInfo Bool(std::string name, Get get, Setter set, std::optional<bool> def = false);
    // An enumeration property of enum type E whose ordinals are those of info.
    template <class E, class Get, class Setter>
    static TPropInfo Enum(std::string name, const TEnumInfo& info, Get get, Setter set,
                          std::optional<E> def);
    // A set property; the value is a bit mask over the element ordinals.
    template <class Get, class Setter>
    static TPropInfo SetOf(std::string name, const TEnumInfo& elements, std::string typeName,
                           Get get, Setter set, std::optional<std::uint32_t> def);
    template <class Get, class Setter>
    static TPropInfo Str(std::string name, Get get, Setter set, std::string typeName = "string");
    // A class property: an owned sub-object (Font, Items) or a reference to a
    // component (set is null for a read-only sub-object).
    template <class T, class Get, class Setter>
    static TPropInfo Object(std::string name, Get get, Setter set);
    // An event: the member is a TEvent<Args...> of C.
    template <class... Args>
    static TPropInfo Event(std::string name, TEvent<Args...> C::*member, std::string typeName);
};

// A published component field: a pointer member of C to a T.
template <class C, class T>
TFieldInfo PublishedField(std::string name, T* C::*member);

// A published handler: a member function of C taking the event's arguments.
template <class C, class... Args>
TMethodInfo PublishedMethod(std::string name, void (C::*fn)(Args...));

#include "platform/core/TypeInfo.inl"
