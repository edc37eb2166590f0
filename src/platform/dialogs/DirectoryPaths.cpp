#include "platform/dialogs/DirectoryPaths.h"

#include <windows.h>

#include <algorithm>

#include "platform/Win32DirectoryLister.h"

namespace brimdock {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// Drives that are not ready answer without the system's "insert a disk" box.
class QuietDriveErrors {
 public:
  QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  ~QuietDriveErrors() { SetThreadErrorMode(previous_, nullptr); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

 private:
  DWORD previous_ = 0;
};

void SortByName(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) < 0;
  });
}

}  // namespace

std::string FullFolderPath(const std::string& path) {
  if (path.empty()) return {};
  const DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::string full(needed, '\0');
  const DWORD length = GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return {};
  full.resize(length);
  const std::size_t rootLength = PathRoot(full).size();
  while (full.size() > rootLength && IsSeparator(full.back())) full.pop_back();
  return full;
}

std::string PathRoot(const std::string& fullPath) {
  if (fullPath.size() >= 2 && fullPath[1] == ':') {
    return fullPath.substr(0, 2) + "\\";
  }
  if (fullPath.size() >= 2 && IsSeparator(fullPath[0]) && IsSeparator(fullPath[1])) {
    // \\server\share\: the root ends after the share's name.
    std::size_t separators = 0;
    for (std::size_t i = 2; i < fullPath.size(); ++i) {
      if (IsSeparator(fullPath[i]) && ++separators == 2) return fullPath.substr(0, i + 1);
    }
    return fullPath + "\\";
  }
  return {};
}

std::string ParentFolder(const std::string& fullPath) {
  const std::string root = PathRoot(fullPath);
  if (fullPath.size() <= root.size()) return {};
  const std::size_t slash = fullPath.find_last_of("\\/");
  if (slash == std::string::npos || slash < root.size()) return root;
  return fullPath.substr(0, slash);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return IsSeparator(folder.back()) ? folder + name : folder + "\\" + name;
}

std::vector<std::string> PathChain(const std::string& fullPath) {
  std::vector<std::string> chain;
  for (std::string path = fullPath; !path.empty(); path = ParentFolder(path)) {
    chain.push_back(path);
  }
  std::reverse(chain.begin(), chain.end());
  return chain;
}

std::string FolderName(const std::string& fullPath) {
  const std::string root = PathRoot(fullPath);
  if (fullPath.size() <= root.size()) return fullPath;
  const std::size_t slash = fullPath.find_last_of("\\/");
  return slash == std::string::npos ? fullPath : fullPath.substr(slash + 1);
}

bool FolderExists(const std::string& path) {
  const QuietDriveErrors quiet;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string NearestExistingFolder(const std::string& path) {
  for (std::string folder = FullFolderPath(path); !folder.empty(); folder = ParentFolder(folder)) {
    if (FolderExists(folder)) return folder;
  }
  return FullFolderPath("\\");
}

FolderContents ListFolder(const std::string& folder) {
  FolderContents contents;
  const QuietDriveErrors quiet;
  Win32DirectoryLister lister;
  const auto listing = lister.Find(JoinPath(folder, "*"));
  while (const auto entry = listing->Next()) {
    if (entry->name == "." || entry->name == ".." || (entry->attributes & kAttrHidden)) continue;
    (entry->IsFolder() ? contents.folders : contents.files).push_back(entry->name);
  }
  SortByName(contents.folders);
  SortByName(contents.files);
  return contents;
}

}  // namespace brimdock
