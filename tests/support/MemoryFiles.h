#pragma once

#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <vector>

#include "lang/DirectoryLister.h"
#include "lang/FileSystem.h"

namespace brimdock::testing {

// Files and folders held in memory, with Windows-style paths ("C:\Program\cf_eng.lng") that
// compare without regard to ASCII case. Folders list their entries in the order they were
// added, with "." and ".." first. Adding a file or folder adds its missing parent folders.
class MemoryFiles final : public FileSystem, public DirectoryLister {
 public:
  void AddFile(const std::string& path, std::string bytes, std::uint32_t attributes = kAttrArchive);
  void AddFolder(const std::string& path);
  // Opening the file fails with "access denied" from now on.
  void DenyAccess(const std::string& path);
  // A write to a file fails with "disk full" once this many bytes have been written to it.
  void LimitFileSize(std::size_t bytes) { sizeLimit_ = bytes; }

  [[nodiscard]] std::optional<std::string> Contents(const std::string& path) const;
  // How often the file was opened, whole or byte-wise, for reading.
  [[nodiscard]] int ReadCount(const std::string& path) const;

  [[nodiscard]] bool FileExists(const std::string& path) override;
  [[nodiscard]] std::string ReadWholeFile(const std::string& path) override;
  [[nodiscard]] std::unique_ptr<ByteReader> OpenForReading(const std::string& path) override;
  [[nodiscard]] std::unique_ptr<ByteWriter> Create(const std::string& path) override;
  bool Remove(const std::string& path) override;

  [[nodiscard]] std::unique_ptr<DirectoryListing> Find(const std::string& pattern) override;

  struct Node {
    std::string path;  // as spelt when added
    std::uint32_t attributes = 0;
    std::string bytes;
    bool denied = false;
    int reads = 0;
  };

 private:
  Node* Lookup(const std::string& path);
  [[nodiscard]] const Node* Lookup(const std::string& path) const;
  Node& Open(const std::string& path);  // throws InOutError like the platform
  void AddParents(const std::string& path);

  std::list<Node> nodes_;  // in order of adding; a writer keeps a reference into its node
  std::size_t sizeLimit_ = SIZE_MAX;
};

}  // namespace brimdock::testing
