#pragma once

#include <string>
#include <vector>

namespace brimdock {

// Folder paths as the directory dialog uses them: full, without a trailing "\" except at a root
// ("C:\", "\\server\share\").

// The full form of a path, resolved against the current folder; empty when it cannot be formed.
std::string FullFolderPath(const std::string& path);
// The root of a full path ("C:\" or "\\server\share\"), or empty.
std::string PathRoot(const std::string& fullPath);
// The folder that holds a full path; empty for a root.
std::string ParentFolder(const std::string& fullPath);
// A folder and a name below it.
std::string JoinPath(const std::string& folder, const std::string& name);
// The root and each folder down to the full path itself, outermost first.
std::vector<std::string> PathChain(const std::string& fullPath);
// The last part of a full path; the root itself for a root.
std::string FolderName(const std::string& fullPath);

bool FolderExists(const std::string& path);
// The path if it is a folder, else its nearest existing parent, else the current drive's root.
std::string NearestExistingFolder(const std::string& path);

// The visible subfolders and files of a folder, each sorted by name without regard to case.
struct FolderContents {
  std::vector<std::string> folders;
  std::vector<std::string> files;
};
FolderContents ListFolder(const std::string& folder);

}  // namespace brimdock
