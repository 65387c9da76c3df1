#pragma once
// TRegistry: access to the registry below a root key, one open key at a time.
// Key paths are relative to the open key unless they begin with "\". Reading
// a value that is missing or of another type raises ERegistryException, as
// does a write that fails. The open key is closed when the object goes.

#include <cstdint>
#include <string>

#include "platform/core/Object.h"
#include "platform/core/Strings.h"
#include "platform/os/Registry.h"

class TRegistry : public TObject {
  public:
    TRegistry() = default;
    ~TRegistry() override;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // The root of every path; HKEY_CURRENT_USER unless set. Changing it
    // closes the open key.
    os::RootKey RootKey() const { return root_; }
    void SetRootKey(os::RootKey root);

    // Opens key (creating missing keys when canCreate) and makes it the
    // current key, closing the one open before; false when it fails.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey();
    bool HasCurrentKey() const { return current_ != 0; }
    // The path of the open key below the root, without a leading "\".
    const std::string& CurrentPath() const { return currentPath_; }

    bool ValueExists(const std::string& name) const;
    os::ValueType GetDataType(const std::string& name) const;
    // "Failed to get data for 'X'" when the value is missing, "Invalid data
    // type for 'X'" when it is not a text.
    std::string ReadString(const std::string& name) const;
    // "Failed to set data for 'X'" when it cannot be written.
    void WriteString(const std::string& name, const std::string& value);
    // A DWORD value; the same errors as ReadString.
    std::int32_t ReadInteger(const std::string& name) const;
    void WriteInteger(const std::string& name, std::int32_t value);
    bool ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }
    void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
    // False when the value does not exist or cannot be deleted.
    bool DeleteValue(const std::string& name);

    bool KeyExists(const std::string& key) const;
    // Deletes the key with its subkeys and values; false for an empty name.
    bool DeleteKey(const std::string& key);
    // The names of the open key's values and subkeys (the list is emptied
    // first; without an open key it stays empty).
    void GetValueNames(TStrings& names) const;
    void GetKeyNames(TStrings& names) const;
    bool HasSubKeys() const;

  private:
    // The path below the root that key names, relative to the open key.
    std::string FullPath(const std::string& key) const;

    os::RootKey root_ = os::RootKey::CurrentUser;
    os::KeyHandle current_ = 0;
    std::string currentPath_;
};
