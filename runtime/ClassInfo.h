#pragma once
// TClassInfo: walks the published properties of an object's class table, in
// the table's order (bases first), one selected property at a time.
//
// Select accepts the properties whose value can move as a text: readable
// ones of an ordinal kind (integer, character, enumeration, Boolean, set) or
// a string kind. Class properties (sub-objects, component references) and
// events are refused, as are write-only properties.

#include <cstdint>
#include <string>

#include "platform/core/Object.h"

// Access flags of a property, combined as a bit mask.
enum TAccessFlag : std::uint32_t { afReadable = 1u << 0, afWritable = 1u << 1 };

// The type description of a property, used as the hint of a stored value:
// an enumeration lists its values, "(cmFile, cmRegistry)" (a Boolean gives
// "(False, True)"); a set lists its elements, "set of (bfStatusText, ...)";
// any other type gives its type name ("Integer", "string", "TCaption").
std::string TypeDescription(const TPropInfo& prop);

class TClassInfo {
  public:
    // The object must outlive the walker.
    explicit TClassInfo(TObject& object);

    TObject& Object() const { return *object_; }
    // The number of published properties, accepted or not.
    int Count() const;
    // Selects the property at index (EListError outside 0 to Count - 1) and
    // returns whether it is accepted (see above). A refused property stays
    // selected, so its name and flags can still be asked.
    bool Select(int index);
    const TPropInfo& Selected() const;  // EInvalidOperation before any Select

    const std::string& Name() const { return Selected().name; }
    std::string TypDef() const { return TypeDescription(Selected()); }
    // The property's stored rule alone (not whether it differs from its
    // default, which only decides what a form description writes): false
    // for "stored never" and for a stored function that says so.
    bool IsStored() const;
    // The value as a variant (EPropertyError for a refused property).
    Variant GetValue() const;
    // Converts the variant to the property's type and assigns it.
    void SetValue(const Variant& value);
    // afReadable | afWritable as the property has them.
    std::uint32_t Access() const;
    // The index specifier, NoIndexSpecifier (INT32_MIN) when there is none.
    std::int32_t IndexSpecifier() const { return Selected().index; }

  private:
    TObject* object_;
    const TPropInfo* selected_ = nullptr;
};
