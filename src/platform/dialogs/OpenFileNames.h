#pragma once

#include <string>
#include <vector>

namespace brimdock {

// The full paths in the file buffer of an explorer-style open dialog that allows several files:
// either one full path, or the folder followed by the names, each ended by a NUL, the whole
// list ended by a second NUL.
std::vector<std::string> SplitOpenFileNames(const std::string& buffer);

}  // namespace brimdock
