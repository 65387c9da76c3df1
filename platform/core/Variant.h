#pragma once
// A variant holds one value moved as a property value: nothing, an integer, a
// Boolean, a floating-point number or a text. Conversions follow the class
// library's text rules: integers in decimal, Booleans as "True"/"False".

#include <cstdint>
#include <string>
#include <variant>

class Variant {
  public:
    enum class Type { Empty, Integer, Boolean, Float, String };

    Variant() = default;
    Variant(int v) : value_(std::int64_t{v}) {}
    Variant(std::int64_t v) : value_(v) {}
    Variant(bool v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(std::string v) : value_(std::move(v)) {}
    Variant(const char* v) : value_(std::string(v)) {}

    Type type() const { return static_cast<Type>(value_.index()); }
    bool IsEmpty() const { return type() == Type::Empty; }

    // Conversions; each raises EConvertError when the value has no such form.
    std::string ToString() const;
    std::int64_t ToInteger() const;
    bool ToBoolean() const;
    double ToFloat() const;

    bool operator==(const Variant& other) const = default;

  private:
    std::variant<std::monostate, std::int64_t, bool, double, std::string> value_;
};

// The platform's text conversion of a variant: empty gives the empty text.
inline std::string VarToStr(const Variant& v) {
    return v.ToString();
}

// Text to number and back, with the class library's messages:
// "'abc' is not a valid integer value". Accepts an optional sign, decimal
// digits, or "$" followed by hexadecimal digits.
std::int64_t StrToInt(const std::string& text);
bool TryStrToInt(const std::string& text, std::int64_t& value);
std::string IntToStr(std::int64_t value);
// "True" and "False" (any letter case), or an integer (0 is False).
bool StrToBool(const std::string& text);
std::string BoolToStr(bool value);
