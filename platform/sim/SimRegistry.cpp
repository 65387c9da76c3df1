#include "platform/sim/SimRegistry.h"

#include <algorithm>
#include <functional>

#include "platform/core/StrUtils.h"

namespace sim {

// ---- Key -------------------------------------------------------------------------

SimRegistry::Key* SimRegistry::Key::FindSubKey(std::string_view name) const {
    for (const auto& k : subkeys) {
        if (SameText(k->name, name))
            return k.get();
    }
    return nullptr;
}

SimRegistry::Value* SimRegistry::Key::FindValue(std::string_view name) {
    for (Value& v : values) {
        if (SameText(v.name, name))
            return &v;
    }
    return nullptr;
}

const SimRegistry::Value* SimRegistry::Key::FindValue(std::string_view name) const {
    for (const Value& v : values) {
        if (SameText(v.name, name))
            return &v;
    }
    return nullptr;
}

bool SimRegistry::Key::WriteDenied() const {
    for (const Key* k = this; k != nullptr; k = k->parent) {
        if (k->denyWrite)
            return true;
    }
    return false;
}

bool SimRegistry::Key::ValueDenied(std::string_view name) const {
    std::string folded = UpperCase(name);
    return std::find(deniedValues.begin(), deniedValues.end(), folded) != deniedValues.end();
}

// ---- tree ------------------------------------------------------------------------

SimRegistry::SimRegistry() = default;
SimRegistry::~SimRegistry() = default;

std::optional<std::vector<std::string>> SimRegistry::SplitPath(std::string_view path) {
    std::vector<std::string> parts;
    if (path.empty())
        return parts;
    if (path.front() == '\\')
        return std::nullopt;
    if (path.back() == '\\')
        path.remove_suffix(1);
    std::size_t start = 0;
    while (true) {
        std::size_t sep = path.find('\\', start);
        std::string_view part = path.substr(
            start, sep == std::string_view::npos ? std::string_view::npos : sep - start);
        if (part.empty())
            return std::nullopt;
        parts.emplace_back(part);
        if (sep == std::string_view::npos)
            break;
        start = sep + 1;
    }
    return parts;
}

SimRegistry::Key& SimRegistry::RootNode(os::RootKey root) const {
    auto& slot = roots_[root];
    if (!slot)
        slot = std::make_shared<Key>();
    return *slot;
}

SimRegistry::Key* SimRegistry::Find(os::RootKey root, std::string_view path) const {
    auto parts = SplitPath(path);
    if (!parts)
        return nullptr;
    Key* key = &RootNode(root);
    for (const std::string& part : *parts) {
        key = key->FindSubKey(part);
        if (key == nullptr)
            return nullptr;
    }
    return key;
}

SimRegistry::Key& SimRegistry::Ensure(os::RootKey root, std::string_view path) {
    auto parts = SplitPath(path);
    Key* key = &RootNode(root);
    if (!parts)
        return *key;
    for (const std::string& part : *parts) {
        Key* sub = key->FindSubKey(part);
        if (sub == nullptr) {
            auto created = std::make_shared<Key>();
            created->name = part;
            created->parent = key;
            sub = created.get();
            key->subkeys.push_back(std::move(created));
        }
        key = sub;
    }
    return *key;
}

SimRegistry::Value& SimRegistry::SetupValue(os::RootKey root, std::string_view path,
                                            std::string_view name) {
    Key& key = Ensure(root, path);
    Value* v = key.FindValue(name);
    if (v == nullptr) {
        key.values.push_back(Value{std::string(name), os::ValueType::None, {}, 0, {}});
        v = &key.values.back();
    }
    v->text.clear();
    v->dword = 0;
    v->bytes.clear();
    return *v;
}

void SimRegistry::MarkDeleted(Key& key) {
    // A handle may keep any key of the subtree alive: cut every link upward.
    key.deleted = true;
    key.parent = nullptr;
    for (auto& sub : key.subkeys)
        MarkDeleted(*sub);
}

SimRegistry::Key* SimRegistry::Live(os::KeyHandle handle) const {
    auto it = handles_.find(handle);
    if (it == handles_.end() || it->second->deleted)
        return nullptr;
    return it->second.get();
}

// ---- setup and inspection ----------------------------------------------------------

void SimRegistry::CreateKey(os::RootKey root, std::string_view path) {
    Ensure(root, path);
}

void SimRegistry::SetString(os::RootKey root, std::string_view path, std::string_view name,
                            std::string_view value) {
    Value& v = SetupValue(root, path, name);
    v.type = os::ValueType::String;
    v.text = value;
}

void SimRegistry::SetExpandString(os::RootKey root, std::string_view path, std::string_view name,
                                  std::string_view value) {
    Value& v = SetupValue(root, path, name);
    v.type = os::ValueType::ExpandString;
    v.text = value;
}

void SimRegistry::SetDWord(os::RootKey root, std::string_view path, std::string_view name,
                           std::uint32_t value) {
    Value& v = SetupValue(root, path, name);
    v.type = os::ValueType::DWord;
    v.dword = value;
}

void SimRegistry::SetBinary(os::RootKey root, std::string_view path, std::string_view name,
                            std::vector<std::uint8_t> value) {
    Value& v = SetupValue(root, path, name);
    v.type = os::ValueType::Binary;
    v.bytes = std::move(value);
}

void SimRegistry::DenyWrite(os::RootKey root, std::string_view path) {
    Ensure(root, path).denyWrite = true;
}

void SimRegistry::DenyValueWrite(os::RootKey root, std::string_view path, std::string_view name) {
    Ensure(root, path).deniedValues.push_back(UpperCase(name));
}

std::optional<std::string> SimRegistry::GetString(os::RootKey root, std::string_view path,
                                                  std::string_view name) const {
    const Key* key = Find(root, path);
    const Value* v = key ? key->FindValue(name) : nullptr;
    if (v == nullptr)
        return std::nullopt;
    if (v->type != os::ValueType::String && v->type != os::ValueType::ExpandString) {
        return std::nullopt;
    }
    return v->text;
}

std::optional<std::uint32_t> SimRegistry::GetDWord(os::RootKey root, std::string_view path,
                                                   std::string_view name) const {
    const Key* key = Find(root, path);
    const Value* v = key ? key->FindValue(name) : nullptr;
    if (v == nullptr || v->type != os::ValueType::DWord)
        return std::nullopt;
    return v->dword;
}

std::optional<std::vector<std::uint8_t>> SimRegistry::GetBinary(os::RootKey root,
                                                                std::string_view path,
                                                                std::string_view name) const {
    const Key* key = Find(root, path);
    const Value* v = key ? key->FindValue(name) : nullptr;
    if (v == nullptr || v->type != os::ValueType::Binary)
        return std::nullopt;
    return v->bytes;
}

os::ValueType SimRegistry::GetType(os::RootKey root, std::string_view path,
                                   std::string_view name) const {
    const Key* key = Find(root, path);
    const Value* v = key ? key->FindValue(name) : nullptr;
    return v ? v->type : os::ValueType::None;
}

std::vector<std::string> SimRegistry::ValueNames(os::RootKey root, std::string_view path) const {
    std::vector<std::string> names;
    if (const Key* key = Find(root, path)) {
        for (const Value& v : key->values)
            names.push_back(v.name);
    }
    return names;
}

std::vector<std::string> SimRegistry::SubKeyNames(os::RootKey root, std::string_view path) const {
    std::vector<std::string> names;
    if (const Key* key = Find(root, path)) {
        for (const auto& k : key->subkeys)
            names.push_back(k->name);
    }
    // The registry lists subkeys in name order.
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    return names;
}

// ---- os::Registry ----------------------------------------------------------------------

os::KeyHandle SimRegistry::OpenKey(os::RootKey root, std::string_view path, bool create) {
    if (onOpenKey)
        onOpenKey(root, path);
    auto parts = SplitPath(path);
    if (!parts)
        return 0;
    std::shared_ptr<Key> key = roots_[root];
    if (!key)
        key = roots_[root] = std::make_shared<Key>();
    for (const std::string& part : *parts) {
        std::shared_ptr<Key> sub;
        for (const auto& k : key->subkeys) {
            if (SameText(k->name, part))
                sub = k;
        }
        if (!sub) {
            if (!create || key->WriteDenied())
                return 0;
            sub = std::make_shared<Key>();
            sub->name = part;
            sub->parent = key.get();
            key->subkeys.push_back(sub);
        }
        key = sub;
    }
    // Opening with create asks for write access.
    if (create && key->WriteDenied())
        return 0;
    os::KeyHandle handle = nextHandle_++;
    handles_[handle] = key;
    return handle;
}

void SimRegistry::CloseKey(os::KeyHandle key) {
    if (handles_.erase(key) == 0)
        ++invalidCloses_;
}

bool SimRegistry::KeyExists(os::RootKey root, std::string_view path) {
    return Find(root, path) != nullptr;
}

bool SimRegistry::DeleteKey(os::RootKey root, std::string_view path) {
    Key* key = Find(root, path);
    if (key == nullptr || key->parent == nullptr)
        return false;
    // Deleting needs write access to the parent and to every key removed.
    if (key->WriteDenied())
        return false;
    bool deniedBelow = false;
    std::function<void(const Key&)> scan = [&](const Key& k) {
        if (k.denyWrite)
            deniedBelow = true;
        for (const auto& sub : k.subkeys)
            scan(*sub);
    };
    scan(*key);
    if (deniedBelow)
        return false;
    Key* parent = key->parent;
    auto it = std::find_if(parent->subkeys.begin(), parent->subkeys.end(),
                           [&](const std::shared_ptr<Key>& k) { return k.get() == key; });
    std::shared_ptr<Key> doomed = *it;
    parent->subkeys.erase(it);
    MarkDeleted(*doomed);
    return true;
}

os::ValueType SimRegistry::GetValueType(os::KeyHandle handle, std::string_view name) {
    Key* key = Live(handle);
    const Value* v = key ? key->FindValue(name) : nullptr;
    return v ? v->type : os::ValueType::None;
}

std::optional<std::string> SimRegistry::ReadString(os::KeyHandle handle, std::string_view name) {
    Key* key = Live(handle);
    const Value* v = key ? key->FindValue(name) : nullptr;
    if (v == nullptr)
        return std::nullopt;
    if (v->type != os::ValueType::String && v->type != os::ValueType::ExpandString) {
        return std::nullopt;
    }
    return v->text;
}

std::optional<std::uint32_t> SimRegistry::ReadDWord(os::KeyHandle handle, std::string_view name) {
    Key* key = Live(handle);
    const Value* v = key ? key->FindValue(name) : nullptr;
    if (v == nullptr || v->type != os::ValueType::DWord)
        return std::nullopt;
    return v->dword;
}

bool SimRegistry::WriteString(os::KeyHandle handle, std::string_view name, std::string_view value) {
    Key* key = Live(handle);
    if (key == nullptr || key->WriteDenied() || key->ValueDenied(name))
        return false;
    Value* v = key->FindValue(name);
    if (v == nullptr) {
        key->values.push_back(Value{std::string(name), os::ValueType::None, {}, 0, {}});
        v = &key->values.back();
    }
    v->type = os::ValueType::String;
    v->text = value;
    v->dword = 0;
    v->bytes.clear();
    return true;
}

bool SimRegistry::WriteDWord(os::KeyHandle handle, std::string_view name, std::uint32_t value) {
    Key* key = Live(handle);
    if (key == nullptr || key->WriteDenied() || key->ValueDenied(name))
        return false;
    Value* v = key->FindValue(name);
    if (v == nullptr) {
        key->values.push_back(Value{std::string(name), os::ValueType::None, {}, 0, {}});
        v = &key->values.back();
    }
    v->type = os::ValueType::DWord;
    v->text.clear();
    v->dword = value;
    v->bytes.clear();
    return true;
}

bool SimRegistry::DeleteValue(os::KeyHandle handle, std::string_view name) {
    Key* key = Live(handle);
    if (key == nullptr || key->WriteDenied() || key->ValueDenied(name))
        return false;
    auto it = std::find_if(key->values.begin(), key->values.end(),
                           [&](const Value& v) { return SameText(v.name, name); });
    if (it == key->values.end())
        return false;
    key->values.erase(it);
    return true;
}

std::vector<std::string> SimRegistry::ValueNames(os::KeyHandle handle) {
    std::vector<std::string> names;
    if (Key* key = Live(handle)) {
        for (const Value& v : key->values)
            names.push_back(v.name);
    }
    return names;
}

std::vector<std::string> SimRegistry::SubKeyNames(os::KeyHandle handle) {
    std::vector<std::string> names;
    if (Key* key = Live(handle)) {
        for (const auto& k : key->subkeys)
            names.push_back(k->name);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    return names;
}

}  // namespace sim
