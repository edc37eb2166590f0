#pragma once

#include "lang/FileSystem.h"
#include "lang/ProfileReader.h"

namespace brimdock {

// Files through the ANSI file functions of kernel32. Byte-wise errors carry the platform's code
// (GetLastError), a short write the code 101; whole-file reading fails with the system's text.
class Win32FileSystem final : public FileSystem {
 public:
  [[nodiscard]] bool FileExists(const std::string& path) override;
  [[nodiscard]] std::string ReadWholeFile(const std::string& path) override;
  [[nodiscard]] std::unique_ptr<ByteReader> OpenForReading(const std::string& path) override;
  [[nodiscard]] std::unique_ptr<ByteWriter> Create(const std::string& path) override;
  bool Remove(const std::string& path) override;
};

// INI files through GetPrivateProfileStringA.
class Win32ProfileReader final : public ProfileReader {
 public:
  [[nodiscard]] std::unique_ptr<ProfileFile> Open(const std::string& path) override;
};

}  // namespace brimdock
