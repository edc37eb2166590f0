#include "controls/PathFit.h"

namespace brimdock {

PathPieces SplitFileName(std::string_view fileName, std::string_view separator) {
  PathPieces pieces;
  std::string_view rest = fileName;
  for (;;) {
    const auto at = separator.empty() ? std::string_view::npos : rest.find(separator);
    if (at == std::string_view::npos) {
      pieces.Parts.emplace_back(rest);
      break;
    }
    pieces.Parts.emplace_back(rest.substr(0, at));
    rest.remove_prefix(at + separator.size());
  }
  const std::string& first = pieces.Parts.front();
  pieces.HasDrive = first.size() >= 2 && first.back() == ':';
  return pieces;
}

std::string FitCaption(std::string_view fileName, const PathPieces& pieces,
                       std::string_view separator, TDirection direction, int width,
                       const TextWidth& textWidth) {
  if (fileName.empty() || textWidth(fileName) <= width) return std::string(fileName);
  const std::vector<std::string>& parts = pieces.Parts;
  const std::string& file = parts.back();
  const std::string ellipsis = "..." + std::string(separator);
  const int fileAndEllipsis = textWidth(file) + textWidth(ellipsis);
  if (fileAndEllipsis >= width) return file;

  const std::string drive = pieces.HasDrive ? parts.front() + std::string(separator) : "";
  const int used = fileAndEllipsis + textWidth(drive);
  if (used >= width) return ellipsis + file;

  // The folders between the drive and the file name, taken one by one from the side that
  // stays until the first that no longer fits.
  const int first = pieces.HasDrive ? 1 : 0;
  const int last = static_cast<int>(parts.size()) - 2;
  std::string middle;
  const bool fromLeft = direction == TDirection::drFromLeft;
  for (int k = fromLeft ? last : first; fromLeft ? k >= first : k <= last; k += fromLeft ? -1 : 1) {
    const std::string& part = parts[static_cast<size_t>(k)];
    std::string candidate =
        fromLeft ? part + std::string(separator) + middle : middle + part + std::string(separator);
    if (textWidth(candidate) + used > width) break;
    middle = std::move(candidate);
  }
  return fromLeft ? drive + ellipsis + middle + file : drive + middle + ellipsis + file;
}

}  // namespace brimdock
