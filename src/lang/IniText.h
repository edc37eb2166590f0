#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lang/ProfileReader.h"

namespace brimdock {

class FileSystem;

// The text of an INI file, read the way the platform's profile functions read it:
// - a line ends at CR, at LF or at CR LF; blanks are space, tab, VT, FF and Ctrl-Z;
// - a line that starts (after blanks) with "[" and has a "]" opens the section named by what
//   lies between the "[" and the last "]", trimmed; a "[" line without "]" is ignored;
// - any other line is a key: the part before its first "=", trimmed, with the value after that
//   "=", trimmed, and without a pair of enclosing quotes ("..." or '...'); a line without "="
//   is a key without a value, which reads as missing;
// - keys before the first section header belong to a section with the empty name, which also
//   hides every later section with that name;
// - of two sections with the same name only the first is read, and of two keys with the same
//   name in it only the first; names compare without regard to ASCII case;
// - names and values end at a NUL character.
// Known differences from the platform: files are always single-byte text (the platform reads a
// file that starts with a UTF-16 or UTF-8 byte order mark as Unicode), and only ASCII letters
// compare without regard to case.
class IniText {
 public:
  explicit IniText(std::string_view text);

  // The value, or nothing when the key is missing.
  [[nodiscard]] std::optional<std::string> Find(std::string_view section,
                                                std::string_view key) const;
  // As the profile functions answer: the value cut to kProfileValueLength characters, or the
  // default less its trailing spaces (all but a first one).
  [[nodiscard]] std::string ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const;

 private:
  using Keys = std::unordered_map<std::string, std::optional<std::string>>;
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // lower-case name: first section
  std::vector<Keys> sections_;                                 // lower-case key: first value
};

// A ProfileReader over the text of files, for builds without the platform's profile functions.
class TextProfileReader final : public ProfileReader {
 public:
  explicit TextProfileReader(FileSystem& files) : files_(files) {}
  [[nodiscard]] std::unique_ptr<ProfileFile> Open(const std::string& path) override;

 private:
  FileSystem& files_;
};

}  // namespace brimdock
