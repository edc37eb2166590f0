#include "lang/FileSystem.h"

namespace brimdock {
namespace {

std::string InOutText(int code) {
  switch (code) {
    case kIoFileNotFound:
      return "File not found";
    case kIoPathNotFound:
      return "Invalid filename";
    case kIoTooManyOpenFiles:
      return "Too many open files";
    case kIoAccessDenied:
      return "File access denied";
    case 100:
      return "Read beyond end of file";
    case kIoDiskFull:
      return "Disk full";
    default:
      return "I/O error " + std::to_string(code);
  }
}

}  // namespace

InOutError::InOutError(int code) : std::runtime_error(InOutText(code)), code_(code) {}

FileStreamError CannotOpenFile(const std::string& path, std::string_view reason) {
  while (!reason.empty() &&
         (static_cast<unsigned char>(reason.back()) <= ' ' || reason.back() == '.')) {
    reason.remove_suffix(1);
  }
  std::string text = "Cannot open file \"" + path + "\".";
  if (!reason.empty()) {
    text += ' ';
    text += reason;
  }
  return FileStreamError(text);
}

FileStreamError StreamReadError() {
  return FileStreamError("Stream read error");
}

}  // namespace brimdock
