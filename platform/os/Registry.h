#pragma once
// The seam to the registry: keys below a root, text and number values. Texts
// are UTF-8; the win32 backend converts to and from UTF-16.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace os {

enum class RootKey : std::uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
    Users = 0x80000003u,
    PerformanceData = 0x80000004u,
    CurrentConfig = 0x80000005u,
    DynData = 0x80000006u,
};

enum class ValueType { None, String, ExpandString, Binary, DWord, MultiString, Other };

// An open key; 0 is no key.
using KeyHandle = std::uintptr_t;

class Registry {
  public:
    virtual ~Registry() = default;

    // Opens root\path ("A\B\C"; an empty path is the root itself). With create,
    // missing keys are created. Returns 0 on failure.
    virtual KeyHandle OpenKey(RootKey root, std::string_view path, bool create) = 0;
    virtual void CloseKey(KeyHandle key) = 0;
    virtual bool KeyExists(RootKey root, std::string_view path) = 0;
    // Deletes the key with all its subkeys and values.
    virtual bool DeleteKey(RootKey root, std::string_view path) = 0;

    // None when the value does not exist.
    virtual ValueType GetValueType(KeyHandle key, std::string_view name) = 0;
    // The text of a String or ExpandString value; nullopt when the value is
    // absent or of another type.
    virtual std::optional<std::string> ReadString(KeyHandle key, std::string_view name) = 0;
    virtual std::optional<std::uint32_t> ReadDWord(KeyHandle key, std::string_view name) = 0;
    virtual bool WriteString(KeyHandle key, std::string_view name, std::string_view value) = 0;
    virtual bool WriteDWord(KeyHandle key, std::string_view name, std::uint32_t value) = 0;
    // False when the value does not exist or cannot be deleted.
    virtual bool DeleteValue(KeyHandle key, std::string_view name) = 0;
    virtual std::vector<std::string> ValueNames(KeyHandle key) = 0;
    virtual std::vector<std::string> SubKeyNames(KeyHandle key) = 0;
};

}  // namespace os
