#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/Registry.h"

namespace brimdock::testing {

struct MemoryRegistryState;

// A registry held in memory, for tests and benchmarks.
//
// Key and value names compare without regard to ASCII case and keep the spelling they were
// created with. A key handle stays bound to the key it was opened on: once that key is deleted
// (through any handle), the handle reads nothing, opens no subkeys, refuses writes and key
// creation, and a key re-created under the same name is a different key that old handles do not
// see. Handles may outlive the registry object; they share its contents.
//
// Writes: a write operation is a call that changes the contents: WriteString (always), creating
// at least one missing key (Create, CreateSubKey), deleting an existing key tree
// (DeleteSubKeyTree) and deleting an existing value (DeleteValue). Calls that would change
// nothing (creating a key that exists, deleting something missing) are no writes: they are not
// counted, not logged and cannot be made to fail. The test hook Put is no write either.
//
// The log records every write that succeeded, in order, as one of:
//   "write <key>\<value>=<text>"  (the default value is written "@")
//   "create <key>"                (the path as the caller gave it)
//   "delete <key>"                (a key tree)
//   "remove <key>\<value>"        (one value)
// Key paths are relative to the key given to LogRelativeTo (the key itself shows as its full
// path); keys outside it show in full, prefixed with "HKCU\", "HKLM\" or "HKU\" when their root
// differs from that key's root. By default paths show relative to HKEY_CURRENT_USER.
class MemoryRegistry final : public Registry {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;

  [[nodiscard]] std::unique_ptr<RegistryKey> Open(RootKey root, const std::string& path) override;
  [[nodiscard]] std::unique_ptr<RegistryKey> Create(RootKey root, const std::string& path) override;

  // Test hooks. Put sets a value of any type, creating the key and its parents; it is no write.
  void Put(RootKey root, const std::string& path, const std::string& name, RegistryValue value);
  [[nodiscard]] std::optional<RegistryValue> Get(RootKey root, const std::string& path,
                                                 const std::string& name) const;
  [[nodiscard]] bool KeyExists(RootKey root, const std::string& path) const;
  // Names as spelt at creation, in order of creation; empty for a missing key.
  [[nodiscard]] std::vector<std::string> ValueNames(RootKey root, const std::string& path) const;
  [[nodiscard]] std::vector<std::string> SubKeyNames(RootKey root, const std::string& path) const;

  // The n-th write from now (1 is the next one) is refused: it throws the error its operation
  // raises when refused and changes nothing. FailWriteAt refuses that one write only,
  // FailWritesFrom that one and every later write. Arming either replaces an earlier arming.
  void FailWriteAt(std::size_t n);
  void FailWritesFrom(std::size_t n);
  void StopFailing();

  // Writes done (refused ones not included) since construction or ResetWriteCount.
  [[nodiscard]] std::size_t WriteCount() const;
  void ResetWriteCount();

  // Key handles handed out (by Open, Create, OpenSubKey and CreateSubKey) since construction.
  [[nodiscard]] std::size_t OpenCount() const;

  [[nodiscard]] const std::vector<std::string>& Log() const;
  void ClearLog();
  // Recording is on from the start; benchmarks can turn it off.
  void SetRecording(bool on);
  void LogRelativeTo(RootKey root, const std::string& path);

 private:
  std::shared_ptr<MemoryRegistryState> state_;
};

}  // namespace brimdock::testing
