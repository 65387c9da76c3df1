#include "platform/controls/Registry.h"

#include "platform/core/Exceptions.h"
#include "platform/os/Backend.h"

TRegistry::~TRegistry() {
    // A key opened through a backend that has gone with it needs no closing.
    if (current_ != 0 && os::HasBackend())
        CloseKey();
}

void TRegistry::SetRootKey(os::RootKey root) {
    if (root == root_)
        return;
    CloseKey();
    root_ = root;
}

std::string TRegistry::FullPath(const std::string& key) const {
    std::string path = key;
    bool absolute = !path.empty() && path.front() == '\\';
    if (absolute)
        path.erase(0, 1);
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    if (!absolute && current_ != 0 && !currentPath_.empty()) {
        path = path.empty() ? currentPath_ : currentPath_ + "\\" + path;
    }
    return path;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    std::string path = FullPath(key);
    os::KeyHandle handle = os::registry().OpenKey(root_, path, canCreate);
    if (handle == 0)
        return false;
    CloseKey();
    current_ = handle;
    currentPath_ = path;
    return true;
}

void TRegistry::CloseKey() {
    if (current_ == 0)
        return;
    os::KeyHandle handle = current_;
    current_ = 0;
    currentPath_.clear();
    os::registry().CloseKey(handle);
}

bool TRegistry::ValueExists(const std::string& name) const {
    return current_ != 0 && os::registry().GetValueType(current_, name) != os::ValueType::None;
}

os::ValueType TRegistry::GetDataType(const std::string& name) const {
    return current_ != 0 ? os::registry().GetValueType(current_, name) : os::ValueType::None;
}

std::string TRegistry::ReadString(const std::string& name) const {
    os::ValueType type = GetDataType(name);
    if (type == os::ValueType::None) {
        throw ERegistryException("Failed to get data for '" + name + "'");
    }
    if (type != os::ValueType::String && type != os::ValueType::ExpandString) {
        throw ERegistryException("Invalid data type for '" + name + "'");
    }
    std::optional<std::string> value = os::registry().ReadString(current_, name);
    if (!value)
        throw ERegistryException("Failed to get data for '" + name + "'");
    return *value;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    if (current_ == 0 || !os::registry().WriteString(current_, name, value)) {
        throw ERegistryException("Failed to set data for '" + name + "'");
    }
}

std::int32_t TRegistry::ReadInteger(const std::string& name) const {
    os::ValueType type = GetDataType(name);
    if (type == os::ValueType::None) {
        throw ERegistryException("Failed to get data for '" + name + "'");
    }
    if (type != os::ValueType::DWord) {
        throw ERegistryException("Invalid data type for '" + name + "'");
    }
    std::optional<std::uint32_t> value = os::registry().ReadDWord(current_, name);
    if (!value)
        throw ERegistryException("Failed to get data for '" + name + "'");
    return static_cast<std::int32_t>(*value);
}

void TRegistry::WriteInteger(const std::string& name, std::int32_t value) {
    if (current_ == 0 ||
        !os::registry().WriteDWord(current_, name, static_cast<std::uint32_t>(value))) {
        throw ERegistryException("Failed to set data for '" + name + "'");
    }
}

bool TRegistry::DeleteValue(const std::string& name) {
    return current_ != 0 && os::registry().DeleteValue(current_, name);
}

bool TRegistry::KeyExists(const std::string& key) const {
    return os::registry().KeyExists(root_, FullPath(key));
}

bool TRegistry::DeleteKey(const std::string& key) {
    // A key must be named: neither the open key nor the root goes by accident.
    if (key.find_first_not_of('\\') == std::string::npos)
        return false;
    std::string path = FullPath(key);
    return os::registry().DeleteKey(root_, path);
}

void TRegistry::GetValueNames(TStrings& names) const {
    names.BeginUpdate();
    names.Clear();
    if (current_ != 0) {
        for (const std::string& name : os::registry().ValueNames(current_))
            names.Add(name);
    }
    names.EndUpdate();
}

void TRegistry::GetKeyNames(TStrings& names) const {
    names.BeginUpdate();
    names.Clear();
    if (current_ != 0) {
        for (const std::string& name : os::registry().SubKeyNames(current_))
            names.Add(name);
    }
    names.EndUpdate();
}

bool TRegistry::HasSubKeys() const {
    return current_ != 0 && !os::registry().SubKeyNames(current_).empty();
}
