#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>

#include "settings/Registry.h"

namespace brimdock {

// An open registry key handle, closed when destroyed. Never holds a predefined root key.
class RegKeyHandle {
 public:
  RegKeyHandle() noexcept = default;
  explicit RegKeyHandle(HKEY key) noexcept : key_(key) {}
  ~RegKeyHandle() { Reset(); }
  RegKeyHandle(RegKeyHandle&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegKeyHandle& operator=(RegKeyHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
  }
  RegKeyHandle(const RegKeyHandle&) = delete;
  RegKeyHandle& operator=(const RegKeyHandle&) = delete;

  [[nodiscard]] HKEY Get() const noexcept { return key_; }
  [[nodiscard]] explicit operator bool() const noexcept { return key_ != nullptr; }
  void Reset() noexcept {
    if (key_ != nullptr) RegCloseKey(key_);
    key_ = nullptr;
  }

 private:
  HKEY key_ = nullptr;
};

// The predefined key of a root.
[[nodiscard]] HKEY RootHandle(RootKey root);

// The Windows registry through the ANSI functions of advapi32. Keys are opened for reading and
// writing, or for reading only where writing is not allowed (as often under
// HKEY_LOCAL_MACHINE); writes to a read-only key are refused. A handle whose key has been
// deleted reads nothing and refuses writes, even after a key of the same name is created again.
class Win32Registry final : public Registry {
 public:
  [[nodiscard]] std::unique_ptr<RegistryKey> Open(RootKey root, const std::string& path) override;
  [[nodiscard]] std::unique_ptr<RegistryKey> Create(RootKey root, const std::string& path) override;
};

}  // namespace brimdock
