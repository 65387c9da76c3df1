#include "runtime/ClassInfo.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Variant.h"
#include "runtime/Helpers.h"

namespace {
const bool registered = UnitVersion("runtime/ClassInfo.cpp 3.0");

std::string NameList(const TEnumInfo& info) {
    std::string text = "(";
    for (std::size_t i = 0; i < info.names.size(); ++i) {
        if (i > 0)
            text += ", ";
        text += info.names[i];
    }
    return text + ")";
}
}  // namespace

std::string TypeDescription(const TPropInfo& prop) {
    if (prop.enumInfo != nullptr) {
        if (prop.kind == TTypeKind::tkEnumeration)
            return NameList(*prop.enumInfo);
        if (prop.kind == TTypeKind::tkSet)
            return "set of " + NameList(*prop.enumInfo);
    }
    return prop.typeName;
}

TClassInfo::TClassInfo(TObject& object) : object_(&object) {}

int TClassInfo::Count() const {
    return static_cast<int>(object_->ClassType().Properties().size());
}

bool TClassInfo::Select(int index) {
    const auto& props = object_->ClassType().Properties();
    if (index < 0 || index >= static_cast<int>(props.size())) {
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    }
    selected_ = props[static_cast<std::size_t>(index)];
    return selected_->Readable() && (selected_->IsOrdinal() || selected_->IsString());
}

const TPropInfo& TClassInfo::Selected() const {
    if (selected_ == nullptr)
        throw EInvalidOperation("TClassInfo: no property selected");
    return *selected_;
}

bool TClassInfo::IsStored() const {
    const TPropInfo& prop = Selected();
    switch (prop.stored) {
        case TStoredRule::Never:
            return false;
        case TStoredRule::Function:
            return prop.storedFn ? prop.storedFn(*object_) : true;
        case TStoredRule::Default:
        case TStoredRule::Always:
            return true;
    }
    return true;
}

Variant TClassInfo::GetValue() const {
    return Selected().GetValue(*object_);
}

void TClassInfo::SetValue(const Variant& value) {
    Selected().SetValue(*object_, value);
}

std::uint32_t TClassInfo::Access() const {
    const TPropInfo& prop = Selected();
    std::uint32_t flags = 0;
    if (prop.Readable())
        flags |= afReadable;
    if (prop.Writable())
        flags |= afWritable;
    return flags;
}
