#pragma once

#include <windows.h>

#include "platform/UniqueHandle.h"

namespace brimdock {

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle key) noexcept { return RegCloseKey(key) == ERROR_SUCCESS; }
};
// An open registry key. Never holds a predefined root key.
using RegKeyHandle = UniqueHandle<RegKeyTraits>;

// CreateFileA answers INVALID_HANDLE_VALUE, not null, when it opens nothing.
struct FileTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle file) noexcept { return CloseHandle(file) != 0; }
};
using FileHandle = UniqueHandle<FileTraits>;

// A search begun with FindFirstFileA.
struct FindTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool Close(Handle find) noexcept { return FindClose(find) != 0; }
};
using FindHandle = UniqueHandle<FindTraits>;

struct IconTraits {
  using Handle = HICON;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle icon) noexcept { return DestroyIcon(icon) != 0; }
};
using IconHandle = UniqueHandle<IconTraits>;

// Memory that a system call allocated with LocalAlloc for the caller to free.
template <typename T>
struct LocalMemoryTraits {
  using Handle = T*;
  static Handle Invalid() noexcept { return nullptr; }
  static bool Close(Handle memory) noexcept { return LocalFree(memory) == nullptr; }
};
template <typename T>
using LocalMemory = UniqueHandle<LocalMemoryTraits<T>>;

}  // namespace brimdock
