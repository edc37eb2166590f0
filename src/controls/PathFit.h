#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brimdock {

// Which folders of a path give way first when it is too wide: drFromLeft keeps the folders
// next to the file name, drFromRight the ones after the drive.
enum class TDirection { drFromLeft, drFromRight };

// A path cut at every separator; the last piece is the file name.
struct PathPieces {
  std::vector<std::string> Parts;
  // The first piece has at least two characters and ends with ":".
  bool HasDrive = false;
};

// Cuts a path at every occurrence of separator; an empty separator is never found.
PathPieces SplitFileName(std::string_view fileName, std::string_view separator);

// The width of a text in pixels, in the font the path is shown in.
using TextWidth = std::function<int(std::string_view text)>;

// The path as it fits a width: whole when it fits, else with "..." standing for whole folders
// that give way in the given direction. The drive and the file name are never dropped; a file
// name too wide on its own is shown alone.
std::string FitCaption(std::string_view fileName, const PathPieces& pieces,
                       std::string_view separator, TDirection direction, int width,
                       const TextWidth& textWidth);

}  // namespace brimdock
