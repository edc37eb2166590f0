#include "platform/Win32Registry.h"

#include <array>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace brimdock {
namespace {

// DELETE lets RegDeleteTreeA remove subkeys through this handle on Windows.
constexpr REGSAM kReadWrite = KEY_READ | KEY_WRITE | DELETE;

// The key, or an empty handle when it cannot be opened.
RegKeyHandle OpenKey(HKEY parent, const std::string& path) {
  HKEY key = nullptr;
  LSTATUS status = RegOpenKeyExA(parent, path.c_str(), 0, kReadWrite, &key);
  if (status == ERROR_ACCESS_DENIED)
    status = RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key);
  return status == ERROR_SUCCESS ? RegKeyHandle(key) : RegKeyHandle();
}

RegKeyHandle CreateKey(HKEY parent, const std::string& path) {
  HKEY key = nullptr;
  const LSTATUS status = RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                         kReadWrite, nullptr, &key, nullptr);
  if (status == ERROR_SUCCESS) return RegKeyHandle(key);
  if (status == ERROR_ACCESS_DENIED) {
    // An existing key that may only be read is still of use to a reader.
    if (auto readable = OpenKey(parent, path)) return readable;
  }
  throw FailedToCreateKey(path);
}

bool IsStringType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A missing key or value, or a key already deleted, leaves nothing to delete.
bool NothingToDelete(LSTATUS status) {
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND || status == ERROR_KEY_DELETED;
}

class Win32Key final : public RegistryKey {
 public:
  explicit Win32Key(RegKeyHandle key) : key_(std::move(key)) {}

  [[nodiscard]] std::optional<RegistryValue> Read(const std::string& name) const override {
    // Most values fit the first buffer, so most reads cost one call.
    std::array<char, 512> first{};
    DWORD type = REG_NONE;
    auto size = static_cast<DWORD>(first.size());
    LSTATUS status = RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(first.data()), &size);
    std::string data;
    if (status == ERROR_SUCCESS) data.assign(first.data(), size);
    while (status == ERROR_MORE_DATA) {
      data.resize(size);
      status = RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(data.data()), &size);
      if (status == ERROR_SUCCESS) data.resize(size);
    }
    if (status != ERROR_SUCCESS) return std::nullopt;
    if (IsStringType(type) && !data.empty() && data.back() == '\0') data.pop_back();
    return RegistryValue{static_cast<ValueType>(type), std::move(data)};
  }

  void WriteString(const std::string& name, const std::string& text) override {
    const LSTATUS status = RegSetValueExA(key_.Get(), name.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(text.c_str()),
                                          static_cast<DWORD>(text.size() + 1));
    if (status != ERROR_SUCCESS) throw FailedToSetData(name);
  }

  [[nodiscard]] std::unique_ptr<RegistryKey> OpenSubKey(const std::string& path) const override {
    auto key = OpenKey(key_.Get(), path);
    return key ? std::make_unique<Win32Key>(std::move(key)) : nullptr;
  }

  [[nodiscard]] std::unique_ptr<RegistryKey> CreateSubKey(const std::string& path) override {
    return std::make_unique<Win32Key>(CreateKey(key_.Get(), path));
  }

  void DeleteSubKeyTree(const std::string& path) override {
    if (path.find_first_not_of('\\') == std::string::npos) {
      throw std::invalid_argument("A key cannot delete itself");
    }
    if (!NothingToDelete(RegDeleteTreeA(key_.Get(), path.c_str()))) throw FailedToSetData(path);
  }

  void DeleteValue(const std::string& name) override {
    if (!NothingToDelete(RegDeleteValueA(key_.Get(), name.c_str()))) throw FailedToSetData(name);
  }

 private:
  RegKeyHandle key_;
};

}  // namespace

HKEY RootHandle(RootKey root) {
  switch (root) {
    case RootKey::CurrentUser:
      return HKEY_CURRENT_USER;
    case RootKey::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RootKey::Users:
      return HKEY_USERS;
  }
  return HKEY_CURRENT_USER;
}

std::unique_ptr<RegistryKey> Win32Registry::Open(RootKey root, const std::string& path) {
  auto key = OpenKey(RootHandle(root), path);
  return key ? std::make_unique<Win32Key>(std::move(key)) : nullptr;
}

std::unique_ptr<RegistryKey> Win32Registry::Create(RootKey root, const std::string& path) {
  return std::make_unique<Win32Key>(CreateKey(RootHandle(root), path));
}

}  // namespace brimdock
