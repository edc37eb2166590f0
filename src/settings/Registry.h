#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace brimdock {

// Raised for every registry failure, with the platform's own message text.
class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Invalid data type for '<name>'"
RegistryError InvalidDataType(const std::string& valueName);
// "Failed to set data for '<name>'"
RegistryError FailedToSetData(const std::string& valueName);
// "Failed to create key <path>"
RegistryError FailedToCreateKey(const std::string& keyPath);

// Registry value types, numbered as the Windows registry numbers them.
enum class ValueType : std::uint32_t {
  None = 0,
  String = 1,        // REG_SZ
  ExpandString = 2,  // REG_EXPAND_SZ
  Binary = 3,        // REG_BINARY
  Dword = 4,         // REG_DWORD
  MultiString = 7,   // REG_MULTI_SZ
  Qword = 11,        // REG_QWORD
};

struct RegistryValue {
  ValueType type = ValueType::String;
  std::string data;  // for the string types: the text without its terminating NUL
};

enum class RootKey { CurrentUser, LocalMachine, Users };

// One open key. Subkey paths are relative and use "\" between levels; key and value names
// compare without regard to ASCII case, as in the Windows registry.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // The value and its type, or nothing when the value does not exist. The empty name is the
  // key's default value.
  [[nodiscard]] virtual std::optional<RegistryValue> Read(const std::string& name) const = 0;
  // Sets the value as REG_SZ. Throws FailedToSetData when refused.
  virtual void WriteString(const std::string& name, const std::string& text) = 0;
  // The subkey, or nullptr when it does not exist.
  [[nodiscard]] virtual std::unique_ptr<RegistryKey> OpenSubKey(const std::string& path) const = 0;
  // The subkey, created with its missing parents. Throws FailedToCreateKey when refused.
  [[nodiscard]] virtual std::unique_ptr<RegistryKey> CreateSubKey(const std::string& path) = 0;
  // Deletes the subkey with all its values and subkeys; a missing subkey is no error. Throws
  // FailedToSetData(path) when refused, std::invalid_argument for an empty path (the key itself).
  virtual void DeleteSubKeyTree(const std::string& path) = 0;
  // Deletes one value; a missing value is no error. Throws FailedToSetData(name) when refused.
  virtual void DeleteValue(const std::string& name) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  Registry() = default;
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  // The key, or nullptr when it does not exist.
  [[nodiscard]] virtual std::unique_ptr<RegistryKey> Open(RootKey root,
                                                          const std::string& path) = 0;
  // The key, created with its missing parents. Throws FailedToCreateKey when refused.
  [[nodiscard]] virtual std::unique_ptr<RegistryKey> Create(RootKey root,
                                                            const std::string& path) = 0;
};

}  // namespace brimdock
