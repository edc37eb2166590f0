#include "platform/dialogs/OpenFileNames.h"

#include "platform/dialogs/DirectoryPaths.h"

namespace brimdock {

std::vector<std::string> SplitOpenFileNames(const std::string& buffer) {
  std::vector<std::string> parts;
  for (std::size_t start = 0; start < buffer.size() && buffer[start] != '\0';) {
    std::size_t end = buffer.find('\0', start);
    if (end == std::string::npos) end = buffer.size();
    parts.push_back(buffer.substr(start, end - start));
    start = end + 1;
  }
  if (parts.size() <= 1) return parts;
  std::vector<std::string> paths;
  paths.reserve(parts.size() - 1);
  for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(JoinPath(parts[0], parts[i]));
  return paths;
}

}  // namespace brimdock
