#include "lang/HostFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

namespace brimdock {
namespace {

namespace fs = std::filesystem;

bool IsFolder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

InOutError ErrnoInOutError(int error, const std::string& path) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return InOutError(IsFolder(FolderOf(path)) ? kIoFileNotFound : kIoPathNotFound);
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return InOutError(kIoAccessDenied);
    case EMFILE:
    case ENFILE:
      return InOutError(kIoTooManyOpenFiles);
    case ENOSPC:
      return InOutError(kIoDiskFull);
    default:
      return InOutError(error);
  }
}

// A stdio file, closed when destroyed.
class StdioFile {
 public:
  explicit StdioFile(std::FILE* file) noexcept : file_(file) {}
  ~StdioFile() { Close(); }
  StdioFile(const StdioFile&) = delete;
  StdioFile& operator=(const StdioFile&) = delete;

  [[nodiscard]] std::FILE* Get() const noexcept { return file_; }
  bool Close() noexcept {
    if (file_ == nullptr) return true;
    return std::fclose(std::exchange(file_, nullptr)) == 0;
  }

 private:
  std::FILE* file_;
};

class HostReader final : public ByteReader {
 public:
  HostReader(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}
  std::size_t Read(std::span<char> buffer) override {
    const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), file_.Get());
    if (read == 0 && std::ferror(file_.Get())) throw ErrnoInOutError(errno, path_);
    return read;
  }

 private:
  StdioFile file_;
  std::string path_;
};

class HostWriter final : public ByteWriter {
 public:
  HostWriter(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}
  void Write(std::string_view bytes) override {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.Get()) != bytes.size()) {
      throw ErrnoInOutError(errno, path_);
    }
  }
  void Close() override {
    if (!file_.Close()) throw ErrnoInOutError(errno, path_);
  }

 private:
  StdioFile file_;
  std::string path_;
};

class HostListing final : public DirectoryListing {
 public:
  HostListing(const std::string& folder, std::string wildcard) : wildcard_(std::move(wildcard)) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) return;
    for (const char* dots : {".", ".."}) {
      if (MatchesWildcard(dots, wildcard_)) pending_.push_back({dots, kAttrDirectory});
    }
    entries_ = fs::directory_iterator(folder, error);
    if (error) entries_ = fs::directory_iterator();
  }

  std::optional<DirectoryEntry> Next() override {
    if (next_ < pending_.size()) return pending_[next_++];
    std::error_code error;
    for (; entries_ != fs::directory_iterator(); entries_.increment(error)) {
      if (error) return std::nullopt;
      const auto name = entries_->path().filename().string();
      if (!MatchesWildcard(name, wildcard_)) continue;
      DirectoryEntry entry{name, entries_->is_directory(error) ? kAttrDirectory : kAttrArchive};
      entries_.increment(error);
      if (error) entries_ = fs::directory_iterator();
      return entry;
    }
    return std::nullopt;
  }

 private:
  std::string wildcard_;
  std::vector<DirectoryEntry> pending_;
  std::size_t next_ = 0;
  fs::directory_iterator entries_;
};

}  // namespace

bool HostFileSystem::FileExists(const std::string& path) {
  std::error_code error;
  const auto status = fs::status(path, error);
  return !error && fs::exists(status) && !fs::is_directory(status);
}

std::string HostFileSystem::ReadWholeFile(const std::string& path) {
  if (IsFolder(path)) throw CannotOpenFile(path, std::strerror(EISDIR));
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CannotOpenFile(path, std::strerror(errno));
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw StreamReadError();
  return std::move(text).str();
}

std::unique_ptr<ByteReader> HostFileSystem::OpenForReading(const std::string& path) {
  if (IsFolder(path)) throw InOutError(kIoAccessDenied);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) throw ErrnoInOutError(errno, path);
  return std::make_unique<HostReader>(file, path);
}

std::unique_ptr<ByteWriter> HostFileSystem::Create(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw ErrnoInOutError(errno, path);
  return std::make_unique<HostWriter>(file, path);
}

bool HostFileSystem::Remove(const std::string& path) {
  if (IsFolder(path)) return false;
  return std::remove(path.c_str()) == 0;
}

std::unique_ptr<DirectoryListing> HostDirectoryLister::Find(const std::string& pattern) {
  const auto slash = pattern.find_last_of("/\\");
  const std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
  const std::string wildcard = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  return std::make_unique<HostListing>(folder, wildcard);
}

}  // namespace brimdock
