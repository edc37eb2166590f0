#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace brimdock {

// An INI file open for reading by section and key, as the platform's profile functions read it.
class ProfileFile {
 public:
  virtual ~ProfileFile() = default;
  ProfileFile() = default;
  ProfileFile(const ProfileFile&) = delete;
  ProfileFile& operator=(const ProfileFile&) = delete;

  // The value of key in section, at most kProfileValueLength characters, or defaultValue less
  // its trailing blanks (all but a first one) when the key is missing. Section and key names
  // compare without regard to case.
  [[nodiscard]] virtual std::string ReadString(const std::string& section, const std::string& key,
                                               const std::string& defaultValue) = 0;
};

class ProfileReader {
 public:
  virtual ~ProfileReader() = default;
  ProfileReader() = default;
  ProfileReader(const ProfileReader&) = delete;
  ProfileReader& operator=(const ProfileReader&) = delete;

  // A file that does not exist or cannot be read reads as an empty file.
  [[nodiscard]] virtual std::unique_ptr<ProfileFile> Open(const std::string& path) = 0;
};

// The profile functions return at most this many characters of a value.
inline constexpr std::size_t kProfileValueLength = 2047;

}  // namespace brimdock
