#pragma once
// The registry through the W functions. Keys are opened for reading and
// writing where the user may write, and for reading alone where not (the
// machine's keys for a user without administrator rights).

#include "platform/os/Registry.h"

namespace win32 {

class Registry : public os::Registry {
  public:
    os::KeyHandle OpenKey(os::RootKey root, std::string_view path, bool create) override;
    void CloseKey(os::KeyHandle key) override;
    bool KeyExists(os::RootKey root, std::string_view path) override;
    bool DeleteKey(os::RootKey root, std::string_view path) override;

    os::ValueType GetValueType(os::KeyHandle key, std::string_view name) override;
    std::optional<std::string> ReadString(os::KeyHandle key, std::string_view name) override;
    std::optional<std::uint32_t> ReadDWord(os::KeyHandle key, std::string_view name) override;
    bool WriteString(os::KeyHandle key, std::string_view name, std::string_view value) override;
    bool WriteDWord(os::KeyHandle key, std::string_view name, std::uint32_t value) override;
    bool DeleteValue(os::KeyHandle key, std::string_view name) override;
    std::vector<std::string> ValueNames(os::KeyHandle key) override;
    std::vector<std::string> SubKeyNames(os::KeyHandle key) override;
};

}  // namespace win32
