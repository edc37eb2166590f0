#pragma once

#include "lang/DirectoryLister.h"
#include "lang/FileSystem.h"

namespace brimdock {

// Files and folders of the host system (POSIX), for the build without Win32. Error codes follow
// the platform's: a missing file 2, a missing folder on the way 3, refused access (a folder
// opened as a file included) 5, a full disk 101.
class HostFileSystem final : public FileSystem {
 public:
  [[nodiscard]] bool FileExists(const std::string& path) override;
  [[nodiscard]] std::string ReadWholeFile(const std::string& path) override;
  [[nodiscard]] std::unique_ptr<ByteReader> OpenForReading(const std::string& path) override;
  [[nodiscard]] std::unique_ptr<ByteWriter> Create(const std::string& path) override;
  bool Remove(const std::string& path) override;
};

// The folder is the pattern up to its last "/" or "\"; "." and ".." come first, as folders,
// when they match.
class HostDirectoryLister final : public DirectoryLister {
 public:
  [[nodiscard]] std::unique_ptr<DirectoryListing> Find(const std::string& pattern) override;
};

}  // namespace brimdock
