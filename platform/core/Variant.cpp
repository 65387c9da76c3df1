#include "platform/core/Variant.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"

std::string Variant::ToString() const {
    switch (type()) {
        case Type::Empty:
            return "";
        case Type::Integer:
            return IntToStr(std::get<std::int64_t>(value_));
        case Type::Boolean:
            return BoolToStr(std::get<bool>(value_));
        case Type::Float: {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.15g", std::get<double>(value_));
            return buffer;
        }
        case Type::String:
            return std::get<std::string>(value_);
    }
    return "";
}

std::int64_t Variant::ToInteger() const {
    switch (type()) {
        case Type::Empty:
            return 0;
        case Type::Integer:
            return std::get<std::int64_t>(value_);
        case Type::Boolean:
            return std::get<bool>(value_) ? -1 : 0;
        case Type::Float:
            return static_cast<std::int64_t>(std::get<double>(value_));
        case Type::String:
            return StrToInt(std::get<std::string>(value_));
    }
    return 0;
}

bool Variant::ToBoolean() const {
    switch (type()) {
        case Type::Empty:
            return false;
        case Type::Integer:
            return std::get<std::int64_t>(value_) != 0;
        case Type::Boolean:
            return std::get<bool>(value_);
        case Type::Float:
            return std::get<double>(value_) != 0.0;
        case Type::String:
            return StrToBool(std::get<std::string>(value_));
    }
    return false;
}

double Variant::ToFloat() const {
    switch (type()) {
        case Type::Empty:
            return 0.0;
        case Type::Integer:
            return static_cast<double>(std::get<std::int64_t>(value_));
        case Type::Boolean:
            return std::get<bool>(value_) ? -1.0 : 0.0;
        case Type::Float:
            return std::get<double>(value_);
        case Type::String: {
            const std::string& s = std::get<std::string>(value_);
            char* end = nullptr;
            errno = 0;
            double d = std::strtod(s.c_str(), &end);
            if (s.empty() || *end != '\0' || errno != 0) {
                throw EConvertError("'" + s + "' is not a valid floating point value");
            }
            return d;
        }
    }
    return 0.0;
}

bool TryStrToInt(const std::string& text, std::int64_t& value) {
    std::string s = Trim(text);
    if (s.empty())
        return false;
    std::size_t i = 0;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-') {
        negative = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return false;
    std::uint64_t result = 0;
    for (; i < s.size(); ++i) {
        int digit;
        char c = s[i];
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return false;
        }
        if (result > (UINT64_MAX - digit) / base)
            return false;
        result = result * base + digit;
    }
    if (base == 10 && result > static_cast<std::uint64_t>(INT64_MAX) + (negative ? 1 : 0)) {
        return false;
    }
    value = negative ? static_cast<std::int64_t>(0 - result) : static_cast<std::int64_t>(result);
    return true;
}

std::int64_t StrToInt(const std::string& text) {
    std::int64_t value = 0;
    if (!TryStrToInt(text, value)) {
        throw EConvertError("'" + text + "' is not a valid integer value");
    }
    return value;
}

std::string IntToStr(std::int64_t value) {
    return std::to_string(value);
}

bool StrToBool(const std::string& text) {
    if (SameText(text, "True"))
        return true;
    if (SameText(text, "False"))
        return false;
    std::int64_t number = 0;
    if (TryStrToInt(text, number))
        return number != 0;
    throw EConvertError("'" + text + "' is not a valid boolean value");
}

std::string BoolToStr(bool value) {
    return value ? "True" : "False";
}
