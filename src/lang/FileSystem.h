#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brimdock {

// An input/output failure of byte-wise file access. The text is the platform's for the code:
// 2 "File not found", 3 "Invalid filename", 4 "Too many open files", 5 "File access denied",
// 100 "Read beyond end of file", 101 "Disk full", any other "I/O error <code>".
class InOutError : public std::runtime_error {
 public:
  explicit InOutError(int code);
  [[nodiscard]] int Code() const noexcept { return code_; }

 private:
  int code_;
};

inline constexpr int kIoFileNotFound = 2;
inline constexpr int kIoPathNotFound = 3;
inline constexpr int kIoTooManyOpenFiles = 4;
inline constexpr int kIoAccessDenied = 5;
inline constexpr int kIoDiskFull = 101;

// A failure of whole-file reading.
class FileStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Cannot open file "<path>". <reason>", the reason without its closing full stop.
[[nodiscard]] FileStreamError CannotOpenFile(const std::string& path, std::string_view reason);
// "Stream read error"
[[nodiscard]] FileStreamError StreamReadError();

// A file open for byte-wise reading; closed when destroyed.
class ByteReader {
 public:
  virtual ~ByteReader() = default;
  ByteReader() = default;
  ByteReader(const ByteReader&) = delete;
  ByteReader& operator=(const ByteReader&) = delete;

  // Fills the front of buffer; 0 at the end of the file. Throws InOutError.
  [[nodiscard]] virtual std::size_t Read(std::span<char> buffer) = 0;
};

// A file open for byte-wise writing; closed when destroyed (errors then go unreported).
class ByteWriter {
 public:
  virtual ~ByteWriter() = default;
  ByteWriter() = default;
  ByteWriter(const ByteWriter&) = delete;
  ByteWriter& operator=(const ByteWriter&) = delete;

  // Throws InOutError.
  virtual void Write(std::string_view bytes) = 0;
  // Throws InOutError.
  virtual void Close() = 0;
};

// The file operations the language component needs. Paths are single-byte text.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  FileSystem() = default;
  FileSystem(const FileSystem&) = delete;
  FileSystem& operator=(const FileSystem&) = delete;

  // True for an existing file; false for a folder or nothing.
  [[nodiscard]] virtual bool FileExists(const std::string& path) = 0;
  // The file's bytes. Throws FileStreamError.
  [[nodiscard]] virtual std::string ReadWholeFile(const std::string& path) = 0;
  // Throws InOutError.
  [[nodiscard]] virtual std::unique_ptr<ByteReader> OpenForReading(const std::string& path) = 0;
  // Creates the file, or empties it if it exists. Throws InOutError.
  [[nodiscard]] virtual std::unique_ptr<ByteWriter> Create(const std::string& path) = 0;
  // Deletes a file; false when that failed.
  virtual bool Remove(const std::string& path) = 0;
};

}  // namespace brimdock
