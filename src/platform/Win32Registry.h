#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/Win32Handles.h"
#include "settings/Registry.h"

namespace brimdock {

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
