#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace brimdock {

// Attribute bits of a folder entry, numbered as the platform numbers them.
inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;

struct DirectoryEntry {
  std::string name;  // the name alone, without its folder
  std::uint32_t attributes = 0;

  [[nodiscard]] bool IsFolder() const { return (attributes & kAttrDirectory) != 0; }
};

// One running enumeration (find first, find next); closed when destroyed.
class DirectoryListing {
 public:
  virtual ~DirectoryListing() = default;
  DirectoryListing() = default;
  DirectoryListing(const DirectoryListing&) = delete;
  DirectoryListing& operator=(const DirectoryListing&) = delete;

  // The next entry, or nothing when there are no more.
  [[nodiscard]] virtual std::optional<DirectoryEntry> Next() = 0;
};

// Enumerates the entries of a folder that match a wildcard pattern.
class DirectoryLister {
 public:
  virtual ~DirectoryLister() = default;
  DirectoryLister() = default;
  DirectoryLister(const DirectoryLister&) = delete;
  DirectoryLister& operator=(const DirectoryLister&) = delete;

  // pattern is a folder and a wildcard name, such as "C:\Program\*.lng". Every matching entry
  // comes, folders and hidden, system and read-only files included, in the order the file
  // system keeps them. A folder that cannot be read gives no entries.
  [[nodiscard]] virtual std::unique_ptr<DirectoryListing> Find(const std::string& pattern) = 0;
};

// Whether name matches a wildcard: "*" stands for any run of characters, "?" for one; ASCII
// letters match without regard to case, as the platform's file names do.
[[nodiscard]] bool MatchesWildcard(std::string_view name, std::string_view pattern);

}  // namespace brimdock
