#pragma once

#include "lang/DirectoryLister.h"

namespace brimdock {

// Folder enumeration through FindFirstFileA, FindNextFileA and FindClose.
class Win32DirectoryLister final : public DirectoryLister {
 public:
  [[nodiscard]] std::unique_ptr<DirectoryListing> Find(const std::string& pattern) override;
};

}  // namespace brimdock
