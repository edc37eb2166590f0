#include "platform/Win32LangFiles.h"

#include <windows.h>

#include <limits>
#include <utility>
#include <vector>

#include "platform/Win32Handles.h"

namespace brimdock {
namespace {

std::string SystemMessage(DWORD code) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  const LocalMemory<char> owned(text);
  std::string message =
      length > 0 ? std::string(text, length) : "System error " + std::to_string(code);
  return message;
}

InOutError LastInOutError() {
  return InOutError(static_cast<int>(GetLastError()));
}

DWORD ChunkSize(std::size_t size) {
  constexpr std::size_t kMaxChunk = std::numeric_limits<DWORD>::max() / 2;
  return static_cast<DWORD>(size < kMaxChunk ? size : kMaxChunk);
}

class Win32Reader final : public ByteReader {
 public:
  explicit Win32Reader(FileHandle file) : file_(std::move(file)) {}
  std::size_t Read(std::span<char> buffer) override {
    DWORD read = 0;
    if (!ReadFile(file_.Get(), buffer.data(), ChunkSize(buffer.size()), &read, nullptr)) {
      throw LastInOutError();
    }
    return read;
  }

 private:
  FileHandle file_;
};

class Win32Writer final : public ByteWriter {
 public:
  explicit Win32Writer(FileHandle file) : file_(std::move(file)) {}
  void Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      DWORD written = 0;
      if (!WriteFile(file_.Get(), bytes.data(), ChunkSize(bytes.size()), &written, nullptr)) {
        throw LastInOutError();
      }
      if (written == 0) throw InOutError(kIoDiskFull);
      bytes.remove_prefix(written);
    }
  }
  void Close() override {
    if (!file_.Reset()) throw LastInOutError();
  }

 private:
  FileHandle file_;
};

class Win32ProfileFile final : public ProfileFile {
 public:
  explicit Win32ProfileFile(std::string path) : path_(std::move(path)) {}
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
    std::vector<char> buffer(kProfileValueLength + 1);
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path_.c_str());
    return std::string(buffer.data(), length);
  }

 private:
  std::string path_;
};

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string Win32FileSystem::ReadWholeFile(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw CannotOpenFile(path, SystemMessage(GetLastError()));
  std::string text;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0) {
    text.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) {
      throw StreamReadError();
    }
    if (read == 0) break;
    text.append(buffer.data(), read);
  }
  return text;
}

std::unique_ptr<ByteReader> Win32FileSystem::OpenForReading(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw LastInOutError();
  return std::make_unique<Win32Reader>(std::move(file));
}

std::unique_ptr<ByteWriter> Win32FileSystem::Create(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw LastInOutError();
  return std::make_unique<Win32Writer>(std::move(file));
}

bool Win32FileSystem::Remove(const std::string& path) {
  return DeleteFileA(path.c_str()) != 0;
}

std::unique_ptr<ProfileFile> Win32ProfileReader::Open(const std::string& path) {
  return std::make_unique<Win32ProfileFile>(path);
}

}  // namespace brimdock
