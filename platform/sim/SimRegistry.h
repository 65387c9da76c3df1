#pragma once
// The simulated registry: one tree of keys per root key, with Windows rules.
//
// - Key and value names compare without regard to case (letters A-Z) and keep
//   the spelling they were created with. The empty value name is the key's
//   default value.
// - Paths are "A\B\C" below the root; an empty path is the root itself, a
//   trailing "\" is tolerated, a leading "\" or an empty component ("A\\B")
//   is an invalid path and fails.
// - Values are typed (string, expand string, dword, binary); reading a text
//   from a value of another type fails.
// - Every open handle is counted (OpenHandles) so that a test can check that
//   each one was closed. A handle to a key that was deleted meanwhile stays
//   valid to close but every read and write through it fails.
// - Fault injection: DenyWrite makes a key and everything below it read-only
//   (access denied): it still opens without create, but opening it with
//   create, creating keys in it, writing or deleting values and deleting it
//   fail. DenyValueWrite does the same for one value only.
//
// Not modelled: the aliasing of HKEY_CURRENT_USER into HKEY_USERS and the
// merged view of HKEY_CLASSES_ROOT, volatile keys, size limits, security
// descriptors beyond the two faults, and case folding beyond A-Z.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/Registry.h"

namespace sim {

class SimRegistry : public os::Registry {
  public:
    SimRegistry();
    ~SimRegistry() override;

    // ---- what a test sets up ----------------------------------------------------
    // Each creates the key and any missing parents.
    void CreateKey(os::RootKey root, std::string_view path);
    void SetString(os::RootKey root, std::string_view path, std::string_view name,
                   std::string_view value);
    void SetExpandString(os::RootKey root, std::string_view path, std::string_view name,
                         std::string_view value);
    void SetDWord(os::RootKey root, std::string_view path, std::string_view name,
                  std::uint32_t value);
    void SetBinary(os::RootKey root, std::string_view path, std::string_view name,
                   std::vector<std::uint8_t> value);
    // Access denied for writing to the key and its subkeys (see above).
    void DenyWrite(os::RootKey root, std::string_view path);
    // Access denied for writing or deleting one value of the key.
    void DenyValueWrite(os::RootKey root, std::string_view path, std::string_view name);
    // Runs before every OpenKey: a test can make the registry fail in a way no
    // error code covers by throwing from it.
    std::function<void(os::RootKey root, std::string_view path)> onOpenKey;

    // ---- what a test inspects -----------------------------------------------------
    // The text of a string or expand-string value; nullopt when the key or
    // value is absent or the value has another type.
    std::optional<std::string> GetString(os::RootKey root, std::string_view path,
                                         std::string_view name) const;
    std::optional<std::uint32_t> GetDWord(os::RootKey root, std::string_view path,
                                          std::string_view name) const;
    std::optional<std::vector<std::uint8_t>> GetBinary(os::RootKey root, std::string_view path,
                                                       std::string_view name) const;
    os::ValueType GetType(os::RootKey root, std::string_view path, std::string_view name) const;
    // Names in their stored spelling, in creation order; empty for a missing key.
    std::vector<std::string> ValueNames(os::RootKey root, std::string_view path) const;
    std::vector<std::string> SubKeyNames(os::RootKey root, std::string_view path) const;
    // Handles opened and not yet closed.
    std::size_t OpenHandles() const { return handles_.size(); }
    // CloseKey calls with a handle that was not open (a double close).
    int InvalidCloses() const { return invalidCloses_; }

    // ---- os::Registry ---------------------------------------------------------------
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

  private:
    struct Value {
        std::string name;
        os::ValueType type = os::ValueType::None;
        std::string text;
        std::uint32_t dword = 0;
        std::vector<std::uint8_t> bytes;
    };
    struct Key {
        std::string name;
        Key* parent = nullptr;
        std::vector<std::shared_ptr<Key>> subkeys;  // creation order
        std::vector<Value> values;                  // creation order
        bool denyWrite = false;
        std::vector<std::string> deniedValues;  // folded names
        bool deleted = false;

        Key* FindSubKey(std::string_view name) const;
        Value* FindValue(std::string_view name);
        const Value* FindValue(std::string_view name) const;
        bool WriteDenied() const;  // this key or a parent is denied
        bool ValueDenied(std::string_view name) const;
    };

    // The path's components; nullopt for an invalid path.
    static std::optional<std::vector<std::string>> SplitPath(std::string_view path);
    Key& RootNode(os::RootKey root) const;
    Key* Find(os::RootKey root, std::string_view path) const;
    Key& Ensure(os::RootKey root, std::string_view path);  // setup only: never fails
    Value& SetupValue(os::RootKey root, std::string_view path, std::string_view name);
    Key* Live(os::KeyHandle key) const;  // null when not open or deleted
    static void MarkDeleted(Key& key);

    mutable std::map<os::RootKey, std::shared_ptr<Key>> roots_;
    std::map<os::KeyHandle, std::shared_ptr<Key>> handles_;
    os::KeyHandle nextHandle_ = 0x1000;
    int invalidCloses_ = 0;
};

}  // namespace sim
