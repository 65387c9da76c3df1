#include "platform/core/TypeInfo.h"

#include <map>

#include "platform/core/Exceptions.h"
#include "platform/core/Object.h"
#include "platform/core/StrUtils.h"

int TEnumInfo::OrdinalOf(std::string_view name) const {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameText(names[i], name))
            return static_cast<int>(i);
    }
    return -1;
}

const std::string& TEnumInfo::NameOf(std::int64_t ordinal) const {
    if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(names.size())) {
        throw EConvertError("Invalid " + typeName + " value " + IntToStr(ordinal));
    }
    return names[static_cast<std::size_t>(ordinal)];
}

const TEnumInfo& BooleanEnumInfo() {
    static const TEnumInfo info{"Boolean", {"False", "True"}};
    return info;
}

const TEnumInfo& TypeKindEnumInfo() {
    static const TEnumInfo info{
        "TTypeKind",
        {"tkUnknown", "tkInteger", "tkChar", "tkEnumeration", "tkFloat", "tkString", "tkSet",
         "tkClass", "tkMethod", "tkWChar", "tkLString", "tkWString", "tkVariant", "tkArray",
         "tkRecord", "tkInterface", "tkInt64", "tkDynArray"}};
    return info;
}

std::string SetToString(const TEnumInfo& info, std::uint32_t mask) {
    std::string text = "[";
    bool first = true;
    for (std::size_t i = 0; i < info.names.size() && i < 32; ++i) {
        if ((mask & (1u << i)) == 0)
            continue;
        if (!first)
            text += ",";
        text += info.names[i];
        first = false;
    }
    return text + "]";
}

std::uint32_t StringToSet(const TEnumInfo& info, std::string_view text) {
    std::string s = Trim(text);
    if (s.size() < 2 || s.front() != '[' || s.back() != ']') {
        throw EConvertError("Invalid set value '" + std::string(text) + "'");
    }
    std::uint32_t mask = 0;
    std::string inner = Trim(s.substr(1, s.size() - 2));
    if (inner.empty())
        return mask;
    // Every element between commas must be named: "[a,]" and "[,a]" are malformed.
    std::size_t start = 0;
    while (true) {
        std::size_t comma = inner.find(',', start);
        std::string item = Trim(
            inner.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (item.empty())
            throw EConvertError("Invalid set value '" + std::string(text) + "'");
        int ordinal = info.OrdinalOf(item);
        if (ordinal < 0 || ordinal >= 32) {
            throw EConvertError("Invalid property element: " + item);
        }
        mask |= 1u << ordinal;
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return mask;
}

// ---- TPropInfo -------------------------------------------------------------------

bool TPropInfo::IsOrdinal() const {
    return kind == TTypeKind::tkInteger || kind == TTypeKind::tkChar ||
           kind == TTypeKind::tkEnumeration || kind == TTypeKind::tkSet ||
           kind == TTypeKind::tkWChar || kind == TTypeKind::tkInt64;
}

bool TPropInfo::IsString() const {
    return kind == TTypeKind::tkString || kind == TTypeKind::tkLString ||
           kind == TTypeKind::tkWString;
}

bool TPropInfo::Readable() const {
    if (IsOrdinal())
        return static_cast<bool>(getOrd);
    if (IsString())
        return static_cast<bool>(getStr);
    if (kind == TTypeKind::tkClass)
        return static_cast<bool>(getObj);
    if (kind == TTypeKind::tkMethod)
        return static_cast<bool>(getMethod);
    return false;
}

bool TPropInfo::Writable() const {
    if (IsOrdinal())
        return static_cast<bool>(setOrd);
    if (IsString())
        return static_cast<bool>(setStr);
    if (kind == TTypeKind::tkClass)
        return static_cast<bool>(setObj);
    if (kind == TTypeKind::tkMethod)
        return static_cast<bool>(setMethod);
    return false;
}

bool TPropInfo::IsStored(const TObject& object) const {
    switch (stored) {
        case TStoredRule::Never:
            return false;
        case TStoredRule::Always:
            return true;
        case TStoredRule::Function:
            return storedFn ? storedFn(object) : true;
        case TStoredRule::Default:
            break;
    }
    if (IsOrdinal() && defaultOrd && getOrd)
        return getOrd(object) != *defaultOrd;
    return true;
}

Variant TPropInfo::GetValue(const TObject& object) const {
    if (!Readable())
        throw EPropertyError("Property " + name + " is write-only");
    switch (kind) {
        case TTypeKind::tkEnumeration:
            if (enumInfo == &BooleanEnumInfo())
                return Variant(getOrd(object) != 0);
            return Variant(enumInfo->NameOf(getOrd(object)));
        case TTypeKind::tkSet:
            return Variant(SetToString(*enumInfo, static_cast<std::uint32_t>(getOrd(object))));
        case TTypeKind::tkChar:
        case TTypeKind::tkWChar:
            return Variant(std::string(1, static_cast<char>(getOrd(object))));
        default:
            break;
    }
    if (IsOrdinal())
        return Variant(getOrd(object));
    if (IsString())
        return Variant(getStr(object));
    throw EPropertyError("Invalid property type: " + typeName);
}

void TPropInfo::SetValue(TObject& object, const Variant& value) const {
    if (!Writable())
        throw EPropertyError("Property " + name + " is read-only");
    switch (kind) {
        case TTypeKind::tkEnumeration: {
            if (value.type() == Variant::Type::String) {
                int ordinal = enumInfo->OrdinalOf(value.ToString());
                if (ordinal < 0) {
                    std::int64_t number = 0;
                    if (!TryStrToInt(value.ToString(), number) || number < 0 ||
                        number >= static_cast<std::int64_t>(enumInfo->names.size())) {
                        throw EConvertError("Invalid property value '" + value.ToString() + "'");
                    }
                    ordinal = static_cast<int>(number);
                }
                setOrd(object, ordinal);
            } else if (value.type() == Variant::Type::Boolean) {
                setOrd(object, value.ToBoolean() ? 1 : 0);
            } else {
                std::int64_t ordinal = value.ToInteger();
                if (enumInfo == &BooleanEnumInfo())
                    ordinal = ordinal != 0 ? 1 : 0;
                enumInfo->NameOf(ordinal);  // range check
                setOrd(object, ordinal);
            }
            return;
        }
        case TTypeKind::tkSet:
            if (value.type() == Variant::Type::String) {
                setOrd(object, StringToSet(*enumInfo, value.ToString()));
            } else {
                setOrd(object, value.ToInteger());
            }
            return;
        case TTypeKind::tkChar:
        case TTypeKind::tkWChar: {
            std::string s = value.ToString();
            setOrd(object, s.empty() ? 0 : static_cast<unsigned char>(s[0]));
            return;
        }
        default:
            break;
    }
    if (IsOrdinal()) {
        setOrd(object, value.ToInteger());
    } else if (IsString()) {
        setStr(object, value.ToString());
    } else {
        throw EPropertyError("Invalid property type: " + typeName);
    }
}

TPropInfo& TPropInfo::Default(std::int64_t value) {
    defaultOrd = value;
    return *this;
}
TPropInfo& TPropInfo::NoDefault() {
    defaultOrd.reset();
    return *this;
}
TPropInfo& TPropInfo::Stored(TStoredRule rule) {
    stored = rule;
    return *this;
}
TPropInfo& TPropInfo::StoredIf(std::function<bool(const TObject&)> fn) {
    stored = TStoredRule::Function;
    storedFn = std::move(fn);
    return *this;
}
TPropInfo& TPropInfo::Index(std::int32_t value) {
    index = value;
    return *this;
}

// ---- TClassType ------------------------------------------------------------------

TClassType::TClassType(std::string name, const TClassType* parent)
    : name_(std::move(name)), parent_(parent) {}

TClassType TClassType::DefineRoot(std::string name) {
    return TClassType(std::move(name), nullptr);
}

TClassType&& TClassType::Property(TPropInfo prop) && {
    ownProps_.push_back(std::make_unique<TPropInfo>(std::move(prop)));
    return std::move(*this);
}

TClassType&& TClassType::Method(TMethodInfo method) && {
    ownMethods_.push_back(std::move(method));
    return std::move(*this);
}

TClassType&& TClassType::Constructor(TComponentConstructor ctor) && {
    ctor_ = std::move(ctor);
    return std::move(*this);
}

TClassType&& TClassType::Field(TFieldInfo field) && {
    ownFields_.push_back(std::move(field));
    return std::move(*this);
}

const TFieldInfo* TClassType::FindField(std::string_view name) const {
    for (const TClassType* t = this; t != nullptr; t = t->parent_) {
        for (const TFieldInfo& f : t->ownFields_) {
            if (SameText(f.name, name))
                return &f;
        }
    }
    return nullptr;
}

bool TClassType::InheritsFrom(const TClassType& other) const {
    for (const TClassType* t = this; t != nullptr; t = t->parent_) {
        if (t == &other)
            return true;
    }
    return false;
}

const std::vector<const TPropInfo*>& TClassType::Properties() const {
    if (!allPropsBuilt_) {
        std::vector<const TPropInfo*> all;
        if (parent_ != nullptr)
            all = parent_->Properties();
        for (const auto& own : ownProps_) {
            if (own->classType == nullptr && own->classTypeOf != nullptr) {
                own->classType = &own->classTypeOf();
                if (own->typeName.empty())
                    own->typeName = own->classType->Name();
            }
            bool replaced = false;
            for (auto& existing : all) {
                if (SameText(existing->name, own->name)) {
                    existing = own.get();
                    replaced = true;
                    break;
                }
            }
            if (!replaced)
                all.push_back(own.get());
        }
        allProps_ = std::move(all);
        allPropsBuilt_ = true;
    }
    return allProps_;
}

const TPropInfo* TClassType::FindProperty(std::string_view name) const {
    for (const TPropInfo* p : Properties()) {
        if (SameText(p->name, name))
            return p;
    }
    return nullptr;
}

const TMethodInfo* TClassType::FindMethod(std::string_view name) const {
    for (const TClassType* t = this; t != nullptr; t = t->parent_) {
        for (const TMethodInfo& m : t->ownMethods_) {
            if (SameText(m.name, name))
                return &m;
        }
    }
    return nullptr;
}

TComponent* TClassType::Create(TComponent* owner) const {
    if (!ctor_)
        throw EClassNotFound("Class " + name_ + " cannot be created");
    return ctor_(owner);
}

// ---- integer identifiers ---------------------------------------------------------

namespace {
std::map<std::string, std::vector<TIntegerIdent>>& IntegerIdents() {
    static std::map<std::string, std::vector<TIntegerIdent>> idents;
    return idents;
}
}  // namespace

void RegisterIntegerIdents(const std::string& typeName, std::vector<TIntegerIdent> idents) {
    IntegerIdents()[UpperCase(typeName)] = std::move(idents);
}

bool IdentToInteger(std::string_view typeName, std::string_view ident, std::int64_t& value) {
    auto it = IntegerIdents().find(UpperCase(typeName));
    if (it == IntegerIdents().end())
        return false;
    for (const TIntegerIdent& entry : it->second) {
        if (SameText(entry.name, ident)) {
            value = entry.value;
            return true;
        }
    }
    return false;
}

bool IntegerToIdent(std::string_view typeName, std::int64_t value, std::string& ident) {
    auto it = IntegerIdents().find(UpperCase(typeName));
    if (it == IntegerIdents().end())
        return false;
    for (const TIntegerIdent& entry : it->second) {
        if (entry.value == value) {
            ident = entry.name;
            return true;
        }
    }
    return false;
}

// ---- class registry --------------------------------------------------------------

namespace {
std::map<std::string, const TClassType*>& Registry() {
    static std::map<std::string, const TClassType*> registry;
    return registry;
}
}  // namespace

void RegisterComponentClass(const TClassType& type) {
    Registry()[UpperCase(type.Name())] = &type;
}

const TClassType* FindClass(std::string_view name) {
    auto it = Registry().find(UpperCase(name));
    return it == Registry().end() ? nullptr : it->second;
}

const TClassType& GetClass(std::string_view name) {
    const TClassType* type = FindClass(name);
    if (type == nullptr)
        throw EClassNotFound("Class " + std::string(name) + " not found");
    return *type;
}
