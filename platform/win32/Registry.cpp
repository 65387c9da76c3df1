#include "platform/win32/Registry.h"

#include "platform/win32/Utf16.h"
#include "platform/win32/WinApi.h"

namespace win32 {

namespace {

HKEY RootHandle(os::RootKey root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<std::uint32_t>(root)));
}

HKEY Key(os::KeyHandle key) {
    return reinterpret_cast<HKEY>(key);
}

// Key paths are relative to their root; a leading separator is tolerated.
std::wstring KeyPath(std::string_view path) {
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    return Widen(path);
}

// Deletes every subkey of key (open with enumeration and delete rights), then
// nothing else: the caller deletes key itself.
bool DeleteSubKeys(HKEY key) {
    // Collect the names first: enumerating while deleting skips entries.
    std::vector<std::wstring> names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        LONG rc = RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS)
            break;
        if (rc != ERROR_SUCCESS)
            return false;
        names.emplace_back(name, length);
    }
    for (const std::wstring& sub : names) {
        HKEY child = nullptr;
        if (RegOpenKeyExW(key, sub.c_str(), 0, KEY_READ | DELETE, &child) != ERROR_SUCCESS) {
            return false;
        }
        bool ok = DeleteSubKeys(child);
        RegCloseKey(child);
        if (!ok || RegDeleteKeyW(key, sub.c_str()) != ERROR_SUCCESS)
            return false;
    }
    return true;
}

}  // namespace

os::KeyHandle Registry::OpenKey(os::RootKey root, std::string_view path, bool create) {
    std::wstring sub = KeyPath(path);
    HKEY key = nullptr;
    if (create) {
        if (RegCreateKeyExW(RootHandle(root), sub.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
            return 0;
        }
        return reinterpret_cast<os::KeyHandle>(key);
    }
    LONG rc = RegOpenKeyExW(RootHandle(root), sub.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (rc == ERROR_ACCESS_DENIED) {
        rc = RegOpenKeyExW(RootHandle(root), sub.c_str(), 0, KEY_READ, &key);
    }
    return rc == ERROR_SUCCESS ? reinterpret_cast<os::KeyHandle>(key) : 0;
}

void Registry::CloseKey(os::KeyHandle key) {
    if (key != 0)
        RegCloseKey(Key(key));
}

bool Registry::KeyExists(os::RootKey root, std::string_view path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(RootHandle(root), KeyPath(path).c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

bool Registry::DeleteKey(os::RootKey root, std::string_view path) {
    std::wstring sub = KeyPath(path);
    if (sub.empty())
        return false;  // never a whole root
    HKEY key = nullptr;
    if (RegOpenKeyExW(RootHandle(root), sub.c_str(), 0, KEY_READ | DELETE, &key) != ERROR_SUCCESS) {
        return false;
    }
    bool ok = DeleteSubKeys(key);
    RegCloseKey(key);
    return ok && RegDeleteKeyW(RootHandle(root), sub.c_str()) == ERROR_SUCCESS;
}

os::ValueType Registry::GetValueType(os::KeyHandle key, std::string_view name) {
    DWORD type = 0;
    if (RegQueryValueExW(Key(key), Widen(name).c_str(), nullptr, &type, nullptr, nullptr) !=
        ERROR_SUCCESS) {
        return os::ValueType::None;
    }
    switch (type) {
        case REG_SZ:
            return os::ValueType::String;
        case REG_EXPAND_SZ:
            return os::ValueType::ExpandString;
        case REG_BINARY:
            return os::ValueType::Binary;
        case REG_DWORD:
            return os::ValueType::DWord;
        case REG_MULTI_SZ:
            return os::ValueType::MultiString;
        default:
            return os::ValueType::Other;
    }
}

std::optional<std::string> Registry::ReadString(os::KeyHandle key, std::string_view name) {
    std::wstring wname = Widen(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(Key(key), wname.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return std::nullopt;
    for (;;) {
        // One spare character: the stored data need not end in a NUL.
        std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = size;
        LONG rc = RegQueryValueExW(Key(key), wname.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (rc == ERROR_MORE_DATA) {
            size = got;  // the value grew meanwhile
            continue;
        }
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::nullopt;
        buffer.resize(got / sizeof(wchar_t));
        std::size_t end = buffer.find(L'\0');
        if (end != std::wstring::npos)
            buffer.resize(end);
        return Narrow(buffer);
    }
}

std::optional<std::uint32_t> Registry::ReadDWord(os::KeyHandle key, std::string_view name) {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExW(Key(key), Widen(name).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return std::nullopt;
    }
    return value;
}

bool Registry::WriteString(os::KeyHandle key, std::string_view name, std::string_view value) {
    std::wstring data = Widen(value);
    // The byte count includes the terminating NUL.
    DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(Key(key), Widen(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

bool Registry::WriteDWord(os::KeyHandle key, std::string_view name, std::uint32_t value) {
    DWORD data = value;
    return RegSetValueExW(Key(key), Widen(name).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
}

bool Registry::DeleteValue(os::KeyHandle key, std::string_view name) {
    return RegDeleteValueW(Key(key), Widen(name).c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> Registry::ValueNames(os::KeyHandle key) {
    std::vector<std::string> names;
    DWORD longest = 0;
    if (RegQueryInfoKeyW(Key(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return names;
    }
    std::wstring buffer(longest + 1, L'\0');
    for (DWORD i = 0;; ++i) {
        DWORD length = static_cast<DWORD>(buffer.size());
        LONG rc =
            RegEnumValueW(Key(key), i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_SUCCESS)
            break;
        names.push_back(Narrow(std::wstring_view(buffer.data(), length)));
    }
    return names;
}

std::vector<std::string> Registry::SubKeyNames(os::KeyHandle key) {
    std::vector<std::string> names;
    DWORD longest = 0;
    if (RegQueryInfoKeyW(Key(key), nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return names;
    }
    std::wstring buffer(longest + 1, L'\0');
    for (DWORD i = 0;; ++i) {
        DWORD length = static_cast<DWORD>(buffer.size());
        LONG rc =
            RegEnumKeyExW(Key(key), i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_SUCCESS)
            break;
        names.push_back(Narrow(std::wstring_view(buffer.data(), length)));
    }
    return names;
}

}  // namespace win32
