#include "platform/Win32DirectoryLister.h"

#include <windows.h>

namespace brimdock {
namespace {

class Win32Listing final : public DirectoryListing {
 public:
  explicit Win32Listing(const std::string& pattern)
      : handle_(FindFirstFileA(pattern.c_str(), &data_)),
        pending_(handle_ != INVALID_HANDLE_VALUE) {}
  ~Win32Listing() override {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }

  std::optional<DirectoryEntry> Next() override {
    if (!pending_) {
      if (handle_ == INVALID_HANDLE_VALUE || !FindNextFileA(handle_, &data_)) return std::nullopt;
    }
    pending_ = false;
    return DirectoryEntry{data_.cFileName, data_.dwFileAttributes};
  }

 private:
  WIN32_FIND_DATAA data_{};
  HANDLE handle_;
  bool pending_;  // data_ holds an entry that Next has not handed out yet
};

}  // namespace

std::unique_ptr<DirectoryListing> Win32DirectoryLister::Find(const std::string& pattern) {
  return std::make_unique<Win32Listing>(pattern);
}

}  // namespace brimdock
