#include "platform/Win32DirectoryLister.h"

#include <windows.h>

#include "platform/Win32Handles.h"

namespace brimdock {
namespace {

class Win32Listing final : public DirectoryListing {
 public:
  explicit Win32Listing(const std::string& pattern)
      : find_(FindFirstFileA(pattern.c_str(), &data_)), pending_(static_cast<bool>(find_)) {}

  std::optional<DirectoryEntry> Next() override {
    if (!pending_) {
      if (!find_ || !FindNextFileA(find_.Get(), &data_)) return std::nullopt;
    }
    pending_ = false;
    return DirectoryEntry{data_.cFileName, data_.dwFileAttributes};
  }

 private:
  WIN32_FIND_DATAA data_{};
  FindHandle find_;
  bool pending_;  // data_ holds an entry that Next has not handed out yet
};

}  // namespace

std::unique_ptr<DirectoryListing> Win32DirectoryLister::Find(const std::string& pattern) {
  return std::make_unique<Win32Listing>(pattern);
}

}  // namespace brimdock
