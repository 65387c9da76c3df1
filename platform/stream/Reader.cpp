#include "platform/stream/Reader.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <exception>

#include "platform/core/Collection.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TypeInfo.h"
#include "platform/core/Variant.h"

namespace {

enum class TokenKind { EndOfText, Ident, String, Integer, Float, Binary, Symbol };

struct Token {
    TokenKind kind = TokenKind::EndOfText;
    std::string text;  // identifier, decoded string, number as written, or the symbol
    std::int64_t integer = 0;
    double number = 0.0;
    std::vector<std::uint8_t> bytes;
    int line = 1;
};

std::string LinePrefix(int line) {
    return "Line " + IntToStr(line) + ": ";
}

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsIdentChar(char c) {
    return IsIdentStart(c) || IsDigit(c);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string Describe(const Token& t) {
    switch (t.kind) {
        case TokenKind::EndOfText:
            return "end of text";
        case TokenKind::Ident:
            return "'" + t.text + "'";
        case TokenKind::String:
            return "string";
        case TokenKind::Integer:
        case TokenKind::Float:
            return "number " + t.text;
        case TokenKind::Binary:
            return "binary data";
        case TokenKind::Symbol:
            return "'" + t.text + "'";
    }
    return "?";
}

// Splits the description into tokens, one token ahead. Syntax errors name the
// line they occur on.
class Lexer {
  public:
    explicit Lexer(std::string_view text) : text_(text) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF")
            pos_ = 3;  // UTF-8 byte order mark
    }

    const Token& Peek() {
        if (!hasPeek_) {
            peek_ = Scan();
            hasPeek_ = true;
        }
        return peek_;
    }

    Token Next() {
        Peek();
        hasPeek_ = false;
        return std::move(peek_);
    }

  private:
    [[noreturn]] void Fail(int line, const std::string& what) const {
        throw EReadError(LinePrefix(line) + what);
    }

    bool At(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    char CharAt(std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

    void SkipBlank() {
        while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= 32) {
            char c = text_[pos_++];
            if (c == '\n' || (c == '\r' && !At('\n')))
                ++line_;
        }
    }

    Token Scan() {
        SkipBlank();
        Token t;
        t.line = line_;
        if (pos_ >= text_.size())
            return t;
        char c = text_[pos_];
        if (IsIdentStart(c)) {
            ScanIdent(t);
        } else if (c == '\'' || c == '#') {
            ScanString(t);
        } else if (IsDigit(c) || c == '$' ||
                   (c == '-' && (IsDigit(CharAt(pos_ + 1)) || CharAt(pos_ + 1) == '$'))) {
            ScanNumber(t);
        } else if (c == '{') {
            ScanBinary(t);
        } else if (std::strchr("=:()[]<>,+", c) != nullptr) {
            t.kind = TokenKind::Symbol;
            t.text = std::string(1, c);
            ++pos_;
        } else {
            unsigned char u = static_cast<unsigned char>(c);
            Fail(line_, "Invalid character " + (u >= 33 && u < 127 ? "'" + std::string(1, c) + "'"
                                                                   : "#" + IntToStr(u)));
        }
        return t;
    }

    // Identifiers take dotted paths whole: "Font.Height".
    void ScanIdent(Token& t) {
        std::size_t start = pos_;
        while (true) {
            while (pos_ < text_.size() && IsIdentChar(text_[pos_]))
                ++pos_;
            if (At('.') && IsIdentStart(CharAt(pos_ + 1))) {
                ++pos_;
                continue;
            }
            break;
        }
        t.kind = TokenKind::Ident;
        t.text = std::string(text_.substr(start, pos_ - start));
    }

    // Quoted pieces and #nnn character codes written next to each other form
    // one string. Codes are Unicode code points; a UTF-16 surrogate pair
    // written as two codes is joined.
    void ScanString(Token& t) {
        std::string out;
        std::uint32_t high = 0;
        while (At('\'') || At('#')) {
            if (At('\'')) {
                if (high != 0)
                    Fail(line_, "Invalid character code " + IntToStr(high));
                ++pos_;
                while (true) {
                    if (pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n') {
                        Fail(t.line, "Unterminated string");
                    }
                    if (text_[pos_] == '\'') {
                        if (CharAt(pos_ + 1) == '\'') {
                            out += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    out += text_[pos_++];
                }
                continue;
            }
            ++pos_;  // '#'
            std::uint32_t code = 0;
            int digits = 0;
            if (At('$')) {
                ++pos_;
                while (pos_ < text_.size() && HexDigit(text_[pos_]) >= 0) {
                    code = code * 16 + static_cast<std::uint32_t>(HexDigit(text_[pos_++]));
                    if (code > 0x10FFFF)
                        Fail(line_, "Invalid character code");
                    ++digits;
                }
            } else {
                while (pos_ < text_.size() && IsDigit(text_[pos_])) {
                    code = code * 10 + static_cast<std::uint32_t>(text_[pos_++] - '0');
                    if (code > 0x10FFFF)
                        Fail(line_, "Invalid character code");
                    ++digits;
                }
            }
            if (digits == 0)
                Fail(line_, "Invalid character code");
            if (high != 0) {
                if (code < 0xDC00 || code > 0xDFFF) {
                    Fail(line_, "Invalid character code " + IntToStr(high));
                }
                AppendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (code - 0xDC00));
                high = 0;
            } else if (code >= 0xD800 && code <= 0xDBFF) {
                high = code;
            } else if (code >= 0xDC00 && code <= 0xDFFF) {
                Fail(line_, "Invalid character code " + IntToStr(code));
            } else {
                AppendUtf8(out, code);
            }
        }
        if (high != 0)
            Fail(line_, "Invalid character code " + IntToStr(high));
        t.kind = TokenKind::String;
        t.text = std::move(out);
    }

    void ScanNumber(Token& t) {
        std::size_t start = pos_;
        bool isFloat = false;
        if (At('-'))
            ++pos_;
        if (At('$')) {
            ++pos_;
            while (pos_ < text_.size() && HexDigit(text_[pos_]) >= 0)
                ++pos_;
        } else {
            while (pos_ < text_.size() && IsDigit(text_[pos_]))
                ++pos_;
            if (At('.') && IsDigit(CharAt(pos_ + 1))) {
                isFloat = true;
                ++pos_;
                while (pos_ < text_.size() && IsDigit(text_[pos_]))
                    ++pos_;
            }
            if (At('e') || At('E')) {
                std::size_t e = pos_ + 1;
                if (CharAt(e) == '+' || CharAt(e) == '-')
                    ++e;
                if (IsDigit(CharAt(e))) {
                    isFloat = true;
                    pos_ = e;
                    while (pos_ < text_.size() && IsDigit(text_[pos_]))
                        ++pos_;
                }
            }
        }
        t.text = std::string(text_.substr(start, pos_ - start));
        if (pos_ < text_.size() && (IsIdentChar(text_[pos_]) || text_[pos_] == '.')) {
            Fail(line_, "Invalid number " + t.text + text_[pos_]);
        }
        if (isFloat) {
            t.kind = TokenKind::Float;
            auto [end, ec] =
                std::from_chars(t.text.data(), t.text.data() + t.text.size(), t.number);
            if (ec != std::errc() || end != t.text.data() + t.text.size()) {
                Fail(line_, "Invalid number " + t.text);
            }
        } else {
            t.kind = TokenKind::Integer;
            if (!TryStrToInt(t.text, t.integer))
                Fail(line_, "Invalid number " + t.text);
        }
    }

    void ScanBinary(Token& t) {
        ++pos_;  // '{'
        int high = -1;
        while (true) {
            if (pos_ >= text_.size())
                Fail(t.line, "Unterminated binary data");
            char c = text_[pos_];
            if (c == '}') {
                ++pos_;
                break;
            }
            if (static_cast<unsigned char>(c) <= 32) {
                SkipBlank();
                continue;
            }
            int digit = HexDigit(c);
            if (digit < 0)
                Fail(line_, "Invalid binary data");
            ++pos_;
            if (high < 0) {
                high = digit;
            } else {
                t.bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
                high = -1;
            }
        }
        if (high >= 0)
            Fail(line_, "Invalid binary data: odd number of digits");
        t.kind = TokenKind::Binary;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    Token peek_;
    bool hasPeek_ = false;
};

bool IsKeyword(const Token& t, std::string_view word) {
    return t.kind == TokenKind::Ident && SameText(t.text, word);
}

bool IsSymbol(const Token& t, char c) {
    return t.kind == TokenKind::Symbol && t.text.size() == 1 && t.text[0] == c;
}

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t dot = path.find('.', start);
        parts.push_back(path.substr(start, dot == std::string::npos ? dot : dot - start));
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    return parts;
}

// Restores a variable when the scope ends, also through an exception.
template <class T>
class Restore {
  public:
    explicit Restore(T& variable) : variable_(variable), saved_(variable) {}
    ~Restore() { variable_ = std::move(saved_); }
    Restore(const Restore&) = delete;
    Restore& operator=(const Restore&) = delete;

  private:
    T& variable_;
    T saved_;
};

}  // namespace

struct TReader::Impl {
    // A component reference, resolved once the whole description is read.
    struct Fixup {
        TPersistent* instance;
        const TPropInfo* prop;
        std::string name;
        std::string where;  // the property, for messages
        int line;
        std::vector<const TCollection*> collections;  // being read when it was met
    };

    Impl(TReader& reader, std::string_view text) : self(reader), lexer(text) {}

    TReader& self;
    Lexer lexer;
    TComponent* root = nullptr;
    std::vector<TComponent*> loaded;  // the root first, then in description order
    std::vector<Fixup> fixups;
    std::vector<const TCollection*> collections;  // collections being read, innermost last
    std::string context;                          // name path of the object being read
    std::string property;                         // name path of the property being read
    const std::string* definedName = nullptr;     // defined property looked for
    bool definedFound = false;

    // A reading error at line, in the property being read if there is one.
    [[noreturn]] void Fail(int line, const std::string& what) const {
        if (property.empty())
            throw EReadError(LinePrefix(line) + what);
        throw EReadError(LinePrefix(line) + "Error reading " + property + ": " + what);
    }

    [[noreturn]] void Unexpected(const Token& t, const std::string& expected) const {
        Fail(t.line, "Expected " + expected + " but found " + Describe(t));
    }

    Token ExpectIdent(const std::string& what) {
        Token t = lexer.Next();
        if (t.kind != TokenKind::Ident)
            Unexpected(t, what);
        return t;
    }

    void ExpectSymbol(char c) {
        Token t = lexer.Next();
        if (!IsSymbol(t, c))
            Unexpected(t, std::string{'\'', c, '\''});
    }

    // ---- objects ----

    struct Header {
        std::string name;
        std::string className;
        int line;
    };

    // "object Name: TClass", or "object TClass" for a component without a name.
    Header ReadHeader() {
        Token keyword = lexer.Next();
        if (!IsKeyword(keyword, "object"))
            Unexpected(keyword, "'object'");
        Token first = ExpectIdent("a component name");
        Header h{"", first.text, first.line};
        if (IsSymbol(lexer.Peek(), ':')) {
            lexer.Next();
            h.name = first.text;
            h.className = ExpectIdent("a class name").text;
        }
        if (h.name.find('.') != std::string::npos || h.className.find('.') != std::string::npos) {
            Fail(h.line, "Invalid component name " + first.text);
        }
        return h;
    }

    void ReadRoot(TComponent& component) {
        root = &component;
        Header h = ReadHeader();
        bool matches = false;
        for (const TClassType* t = &component.ClassType(); t != nullptr; t = t->Parent()) {
            if (SameText(t->Name(), h.className))
                matches = true;
        }
        if (!matches) {
            Fail(h.line, "Description of a " + h.className + " cannot be read into a " +
                             component.ClassName());
        }
        component.BeginLoading();
        loaded.push_back(&component);
        if (component.Name().empty() && !h.name.empty()) {
            try {
                component.SetName(h.name);
            } catch (const Exception& e) {
                Fail(h.line, e.Message());
            }
        }
        context = component.Name().empty() ? component.ClassName() : component.Name();
        ReadBody(component);
        component.EndReading();
        Token rest = lexer.Next();
        if (rest.kind != TokenKind::EndOfText)
            Unexpected(rest, "end of text");
    }

    // Properties and nested objects up to the block's "end".
    void ReadBody(TComponent& component) {
        while (true) {
            const Token& t = lexer.Peek();
            if (IsKeyword(t, "end")) {
                lexer.Next();
                return;
            }
            if (IsKeyword(t, "object")) {
                ReadChild(component);
                continue;
            }
            if (t.kind != TokenKind::Ident)
                Unexpected(t, "a property, 'object' or 'end'");
            Token name = lexer.Next();
            ExpectSymbol('=');
            ReadProperty(component, name.text, name.line);
        }
    }

    void ReadChild(TComponent& enclosing) {
        Header h = ReadHeader();
        const TClassType* type = FindClass(h.className);
        if (type == nullptr || !type->InheritsFrom(TComponent::StaticClass()) ||
            !type->CanCreate()) {
            throw EClassNotFound(LinePrefix(h.line) + "Class " + h.className +
                                 (type == nullptr ? " not found" : " cannot be created"));
        }
        std::string what = h.name.empty() ? h.className : h.name;
        TComponent* component = nullptr;
        try {
            component = type->Create(root);
        } catch (const EAbort&) {
            throw;
        } catch (const Exception& e) {
            Fail(h.line, "Error creating " + what + ": " + e.Message());
        }
        // Owned by the root from here on, also when reading it fails.
        loaded.push_back(component);
        component->BeginLoading();
        try {
            component->SetName(h.name);
            if (!h.name.empty()) {
                if (const TFieldInfo* field = root->ClassType().FindField(h.name)) {
                    if (!component->InheritsFrom(*field->type)) {
                        throw EReadError("Field " + field->name + " of " + root->ClassName() +
                                         " is a " + field->type->Name() + ", not a " +
                                         component->ClassName());
                    }
                    field->set(*root, component);
                }
            }
            component->SetParentComponent(&enclosing);
        } catch (const EAbort&) {
            throw;
        } catch (const Exception& e) {
            Fail(h.line, "Error creating " + what + ": " + e.Message());
        }
        Restore<std::string> keepContext(context);
        context = what;
        ReadBody(*component);
        component->EndReading();
    }

    // ---- properties ----

    // Reads the value of the property at path ("Caption", "Font.Height") of
    // instance: a published property, else one the object defines.
    void ReadProperty(TPersistent& instance, const std::string& path, int line) {
        Restore<std::string> keepProperty(property);
        property = context + "." + path;
        try {
            std::vector<std::string> parts = SplitPath(path);
            TPersistent* object = &instance;
            for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
                const TPropInfo* prop = object->ClassType().FindProperty(parts[i]);
                if (prop == nullptr)
                    Fail(line, "Property " + parts[i] + " does not exist");
                TPersistent* sub = nullptr;
                if (prop->kind == TTypeKind::tkClass && prop->getObj) {
                    sub = dynamic_cast<TPersistent*>(prop->getObj(*object));
                }
                if (sub == nullptr)
                    Fail(line, "Property " + parts[i] + " has no object");
                object = sub;
            }
            const std::string& name = parts.back();
            if (const TPropInfo* prop = object->ClassType().FindProperty(name)) {
                ReadValue(*object, *prop, line);
            } else if (!ReadDefined(*object, name)) {
                Fail(line, "Property " + name + " does not exist");
            }
        } catch (const EStreamError&) {
            throw;
        } catch (const EAbort&) {
            throw;
        } catch (const Exception& e) {
            // A setter refused the value.
            Fail(line, e.Message());
        }
    }

    bool ReadDefined(TPersistent& object, const std::string& name) {
        Restore<const std::string*> keepName(definedName);
        Restore<bool> keepFound(definedFound);
        definedName = &name;
        definedFound = false;
        object.DefineProperties(self);
        return definedFound;
    }

    // Whether DefineProperty of name is the one being looked for; claims it.
    bool ClaimDefined(const std::string& name) {
        if (definedName == nullptr || definedFound || !SameText(name, *definedName))
            return false;
        definedFound = true;
        definedName = nullptr;
        return true;
    }

    void RequireWritable(const TPropInfo& prop, int line) const {
        if (!prop.Writable())
            Fail(line, "Property " + prop.name + " is read-only");
    }

    void ReadValue(TPersistent& object, const TPropInfo& prop, int line) {
        const Token& next = lexer.Peek();
        int valueLine = next.line;
        switch (prop.kind) {
            case TTypeKind::tkInteger:
            case TTypeKind::tkInt64: {
                RequireWritable(prop, line);
                std::int64_t value = 0;
                if (next.kind == TokenKind::Ident) {
                    Token ident = lexer.Next();
                    if (!IdentToInteger(prop.typeName, ident.text, value)) {
                        Fail(valueLine, "Invalid property value " + ident.text);
                    }
                } else {
                    value = self.ReadInteger();
                }
                // The setter takes 32 bits; a value that does not fit would be cut.
                if (prop.kind == TTypeKind::tkInteger &&
                    (value < INT32_MIN || value > static_cast<std::int64_t>(UINT32_MAX))) {
                    Fail(valueLine, "Value " + IntToStr(value) + " is out of range");
                }
                prop.setOrd(object, value);
                return;
            }
            case TTypeKind::tkChar:
            case TTypeKind::tkWChar: {
                RequireWritable(prop, line);
                std::string s = self.ReadString();
                if (s.size() != 1)
                    Fail(valueLine, "Invalid property value");
                prop.setOrd(object, static_cast<unsigned char>(s[0]));
                return;
            }
            case TTypeKind::tkEnumeration: {
                RequireWritable(prop, line);
                Token ident = lexer.Next();
                if (ident.kind != TokenKind::Ident)
                    Unexpected(ident, "an identifier");
                int ordinal = prop.enumInfo != nullptr ? prop.enumInfo->OrdinalOf(ident.text) : -1;
                if (ordinal < 0)
                    Fail(valueLine, "Invalid property value " + ident.text);
                prop.setOrd(object, ordinal);
                return;
            }
            case TTypeKind::tkSet: {
                RequireWritable(prop, line);
                std::uint32_t mask = 0;
                for (const auto& [element, elementLine] : ReadSet()) {
                    int ordinal = prop.enumInfo != nullptr ? prop.enumInfo->OrdinalOf(element) : -1;
                    if (ordinal < 0 || ordinal >= 32) {
                        Fail(elementLine, "Invalid property element " + element);
                    }
                    mask |= 1u << ordinal;
                }
                prop.setOrd(object, mask);
                return;
            }
            case TTypeKind::tkString:
            case TTypeKind::tkLString:
            case TTypeKind::tkWString:
                RequireWritable(prop, line);
                prop.setStr(object, self.ReadString());
                return;
            case TTypeKind::tkClass:
                ReadObjectValue(object, prop, line);
                return;
            case TTypeKind::tkMethod:
                ReadMethodValue(object, prop, line);
                return;
            default:
                Fail(line, "Property " + prop.name + " has a type that cannot be read");
        }
    }

    void ReadObjectValue(TPersistent& object, const TPropInfo& prop, int line) {
        const Token& next = lexer.Peek();
        if (next.kind == TokenKind::Symbol && next.text == "<") {
            auto* collection =
                prop.getObj ? dynamic_cast<TCollection*>(prop.getObj(object)) : nullptr;
            if (collection == nullptr)
                Fail(next.line, "Property " + prop.name + " has no collection");
            self.ReadCollection(*collection);
            return;
        }
        if (next.kind != TokenKind::Ident)
            Unexpected(next, "a component name");
        RequireWritable(prop, line);
        Token ident = lexer.Next();
        if (SameText(ident.text, "nil")) {
            prop.setObj(object, nullptr);
            return;
        }
        if (prop.classType == nullptr || !prop.classType->InheritsFrom(TComponent::StaticClass())) {
            Fail(ident.line, "Property " + prop.name + " does not refer to a component");
        }
        fixups.push_back(Fixup{&object, &prop, ident.text, property, ident.line, collections});
    }

    void ReadMethodValue(TPersistent& object, const TPropInfo& prop, int line) {
        RequireWritable(prop, line);
        Token ident = lexer.Next();
        if (ident.kind != TokenKind::Ident)
            Unexpected(ident, "a handler name");
        if (SameText(ident.text, "nil")) {
            prop.setMethod(object, TMethod{});
            return;
        }
        const TMethodInfo* method = root->ClassType().FindMethod(ident.text);
        if (method == nullptr) {
            Fail(ident.line, "Handler " + ident.text + " not found in " + root->ClassName());
        }
        TMethod bound;
        bound.data = root;
        bound.name = method->name;
        bound.code = method->bind(*root);
        try {
            prop.setMethod(object, bound);
        } catch (const EPropertyError&) {
            Fail(ident.line, "Handler " + method->name + " does not fit " + prop.name);
        }
    }

    // "[a, b]": the element names with their lines.
    std::vector<std::pair<std::string, int>> ReadSet() {
        std::vector<std::pair<std::string, int>> elements;
        ExpectSymbol('[');
        if (IsSymbol(lexer.Peek(), ']')) {
            lexer.Next();
            return elements;
        }
        while (true) {
            Token ident = ExpectIdent("a set element");
            elements.emplace_back(ident.text, ident.line);
            Token t = lexer.Next();
            if (IsSymbol(t, ']'))
                break;
            if (!IsSymbol(t, ','))
                Unexpected(t, "',' or ']'");
        }
        return elements;
    }

    void ReadCollection(TCollection& collection) {
        ExpectSymbol('<');
        // References met in items that are about to be freed go with them.
        fixups.erase(std::remove_if(fixups.begin(), fixups.end(),
                                    [&](const Fixup& f) {
                                        return std::find(f.collections.begin(), f.collections.end(),
                                                         &collection) != f.collections.end();
                                    }),
                     fixups.end());
        collection.BeginUpdate();
        struct EndUpdateGuard {
            TCollection& c;
            ~EndUpdateGuard() { c.EndUpdate(); }
        } endUpdate{collection};
        collection.Clear();
        collections.push_back(&collection);
        struct PopGuard {
            std::vector<const TCollection*>& stack;
            ~PopGuard() { stack.pop_back(); }
        } pop{collections};
        Restore<std::string> keepContext(context);
        const std::string owner = property;
        for (int index = 0; !IsSymbol(lexer.Peek(), '>'); ++index) {
            Token item = lexer.Next();
            if (!IsKeyword(item, "item"))
                Unexpected(item, "'item' or '>'");
            TCollectionItem* added = collection.Add();
            context = owner + "[" + IntToStr(index) + "]";
            while (!IsKeyword(lexer.Peek(), "end")) {
                Token name = ExpectIdent("a property or 'end'");
                ExpectSymbol('=');
                ReadProperty(*added, name.text, name.line);
            }
            lexer.Next();  // end
        }
        lexer.Next();  // >
    }

    // ---- after the whole description ----

    TComponent* Resolve(const std::string& name) const {
        std::size_t dot = name.find('.');
        if (dot != std::string::npos) {
            // "Root.Child": a reference written with the root's name.
            if (!SameText(name.substr(0, dot), root->Name()))
                return nullptr;
            std::string rest = name.substr(dot + 1);
            return rest.find('.') == std::string::npos ? root->FindComponent(rest) : nullptr;
        }
        if (TComponent* c = root->FindComponent(name))
            return c;
        if (!root->Name().empty() && SameText(name, root->Name()))
            return root;
        return nullptr;
    }

    void ResolveFixups() {
        std::vector<Fixup> pending = std::move(fixups);
        fixups.clear();
        for (const Fixup& f : pending) {
            Restore<std::string> keepProperty(property);
            property = f.where;
            TComponent* target = Resolve(f.name);
            if (target == nullptr)
                Fail(f.line, "Component " + f.name + " not found");
            if (!target->InheritsFrom(*f.prop->classType)) {
                Fail(f.line, "Component " + f.name + " is a " + target->ClassName() + ", not a " +
                                 f.prop->classType->Name());
            }
            try {
                f.prop->setObj(*f.instance, target);
            } catch (const EAbort&) {
                throw;
            } catch (const Exception& e) {
                Fail(f.line, e.Message());
            }
        }
    }
};

TReader::TReader(std::string_view text) : impl_(std::make_unique<Impl>(*this, text)) {}

TReader::~TReader() = default;

void TReader::ReadRootComponent(TComponent& root) {
    try {
        impl_->ReadRoot(root);
        impl_->ResolveFixups();
    } catch (...) {
        // Whatever was created stays owned by the root; nothing is left
        // marked as being read, and no reference is left to resolve.
        for (TComponent* c : impl_->loaded)
            c->EndReading();
        impl_->fixups.clear();
        throw;
    }
    std::vector<TComponent*> loaded = std::move(impl_->loaded);
    impl_->loaded.clear();
    // Every component finishes loading, also after another one failed to;
    // the first failure is raised afterwards.
    std::exception_ptr failure;
    for (TComponent* c : loaded) {
        try {
            c->Loaded();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

TComponent* TReader::Root() const {
    return impl_->root;
}

TValueType TReader::NextValue() {
    const Token& t = impl_->lexer.Peek();
    switch (t.kind) {
        case TokenKind::Integer:
            return TValueType::vaInteger;
        case TokenKind::Float:
            return TValueType::vaFloat;
        case TokenKind::String:
            return TValueType::vaString;
        case TokenKind::Binary:
            return TValueType::vaBinary;
        case TokenKind::Ident:
            if (SameText(t.text, "True"))
                return TValueType::vaTrue;
            if (SameText(t.text, "False"))
                return TValueType::vaFalse;
            if (SameText(t.text, "nil"))
                return TValueType::vaNil;
            return TValueType::vaIdent;
        case TokenKind::Symbol:
            if (t.text == "(")
                return TValueType::vaList;
            if (t.text == ")")
                return TValueType::vaNull;
            if (t.text == "[")
                return TValueType::vaSet;
            if (t.text == "<")
                return TValueType::vaCollection;
            break;
        case TokenKind::EndOfText:
            break;
    }
    impl_->Unexpected(t, "a value");
}

void TReader::ReadListBegin() {
    impl_->ExpectSymbol('(');
}

bool TReader::EndOfList() {
    return IsSymbol(impl_->lexer.Peek(), ')');
}

void TReader::ReadListEnd() {
    impl_->ExpectSymbol(')');
}

std::string TReader::ReadString() {
    Token t = impl_->lexer.Next();
    if (t.kind != TokenKind::String)
        impl_->Unexpected(t, "a string");
    std::string value = std::move(t.text);
    while (IsSymbol(impl_->lexer.Peek(), '+')) {
        impl_->lexer.Next();
        Token piece = impl_->lexer.Next();
        if (piece.kind != TokenKind::String)
            impl_->Unexpected(piece, "a string");
        value += piece.text;
    }
    return value;
}

std::int64_t TReader::ReadInteger() {
    Token t = impl_->lexer.Next();
    if (t.kind != TokenKind::Integer)
        impl_->Unexpected(t, "an integer");
    return t.integer;
}

bool TReader::ReadBoolean() {
    Token t = impl_->lexer.Next();
    if (IsKeyword(t, "True"))
        return true;
    if (IsKeyword(t, "False"))
        return false;
    impl_->Unexpected(t, "True or False");
}

double TReader::ReadFloat() {
    Token t = impl_->lexer.Next();
    if (t.kind == TokenKind::Float)
        return t.number;
    if (t.kind == TokenKind::Integer)
        return static_cast<double>(t.integer);
    impl_->Unexpected(t, "a number");
}

std::string TReader::ReadIdent() {
    return impl_->ExpectIdent("an identifier").text;
}

std::vector<std::uint8_t> TReader::ReadBinary() {
    Token t = impl_->lexer.Next();
    if (t.kind != TokenKind::Binary)
        impl_->Unexpected(t, "binary data");
    return std::move(t.bytes);
}

void TReader::ReadCollection(TCollection& collection) {
    impl_->ReadCollection(collection);
}

void TReader::SkipValue() {
    switch (NextValue()) {
        case TValueType::vaList:
            ReadListBegin();
            while (!EndOfList())
                SkipValue();
            ReadListEnd();
            return;
        case TValueType::vaString:
            ReadString();
            return;
        case TValueType::vaSet:
            impl_->ReadSet();
            return;
        case TValueType::vaCollection:
            impl_->ExpectSymbol('<');
            while (!IsSymbol(impl_->lexer.Peek(), '>')) {
                Token item = impl_->lexer.Next();
                if (!IsKeyword(item, "item"))
                    impl_->Unexpected(item, "'item' or '>'");
                while (!IsKeyword(impl_->lexer.Peek(), "end")) {
                    impl_->ExpectIdent("a property or 'end'");
                    impl_->ExpectSymbol('=');
                    SkipValue();
                }
                impl_->lexer.Next();
            }
            impl_->lexer.Next();
            return;
        default:
            impl_->lexer.Next();
            return;
    }
}

void TReader::DefineProperty(const std::string& name, const std::function<void(TReader&)>& read,
                             const std::function<void(TWriter&)>&, bool) {
    if (!impl_->ClaimDefined(name))
        return;
    if (read) {
        read(*this);
    } else {
        SkipValue();
    }
}

void TReader::DefineBinaryProperty(
    const std::string& name, const std::function<void(const std::vector<std::uint8_t>&)>& read,
    const std::function<std::vector<std::uint8_t>()>&, bool) {
    if (!impl_->ClaimDefined(name))
        return;
    std::vector<std::uint8_t> data = ReadBinary();
    if (read)
        read(data);
}

void ReadComponentFromText(TComponent& root, std::string_view text) {
    TReader reader(text);
    reader.ReadRootComponent(root);
}
