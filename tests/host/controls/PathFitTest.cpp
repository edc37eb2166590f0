#include "controls/PathFit.h"

#include <gmock/gmock.h>

namespace brimdock {
namespace {

using ::testing::ElementsAre;

TEST(PathFitTest, SplitsAtEverySeparator) {
  const struct {
    const char* name;
    const char* separator;
    std::vector<std::string> parts;
    bool hasDrive;
  } cases[] = {
      {"C:\\Pictures\\Tiles\\wood.bmp", "\\", {"C:", "Pictures", "Tiles", "wood.bmp"}, true},
      {"C:\\Tiles\\", "\\", {"C:", "Tiles", ""}, true},
      {"", "\\", {""}, false},
      {"C:\\a.bmp", "", {"C:\\a.bmp"}, false},
      {"\\\\server\\share\\a.bmp", "\\", {"", "", "server", "share", "a.bmp"}, false},
      {"C:/Tiles/wood.bmp", "/", {"C:", "Tiles", "wood.bmp"}, true},
      {"a::b::c", "::", {"a", "b", "c"}, false},
      {":\\a", "\\", {":", "a"}, false},
  };
  for (const auto& c : cases) {
    const PathPieces pieces = SplitFileName(c.name, c.separator);
    EXPECT_EQ(pieces.Parts, c.parts) << c.name;
    EXPECT_EQ(pieces.HasDrive, c.hasDrive) << c.name;
  }
}

TEST(PathFitTest, FolderNamesGiveWayWholeInTheirDirection) {
  // Six pixels a character: "C:\Pictures\Tiles\wood.bmp" is 156 wide.
  const TextWidth width = [](std::string_view text) { return static_cast<int>(text.size()) * 6; };
  const auto left = TDirection::drFromLeft;
  const auto right = TDirection::drFromRight;
  const struct {
    const char* name;
    const char* separator;
    TDirection direction;
    int width;
    const char* caption;
  } cases[] = {
      {"C:\\Pictures\\Tiles\\wood.bmp", "\\", left, 156, "C:\\Pictures\\Tiles\\wood.bmp"},
      {"C:\\Pictures\\Tiles\\wood.bmp", "\\", left, 150, "C:\\...\\Tiles\\wood.bmp"},
      {"C:\\Pictures\\Tiles\\wood.bmp", "\\", right, 150, "C:\\Pictures\\...\\wood.bmp"},
      // Only the drive, "...\" and the name are left; then not even the drive.
      {"C:\\Pictures\\Tiles\\wood.bmp", "\\", left, 100, "C:\\...\\wood.bmp"},
      {"C:\\Pictures\\Tiles\\wood.bmp", "\\", left, 90, "...\\wood.bmp"},
      {"C:\\Pictures\\Tiles\\wood.bmp", "\\", right, 73, "...\\wood.bmp"},
      {"C:\\Pictures\\Tiles\\wood.bmp", "\\", left, 72, "wood.bmp"},
      {"C:\\Pictures\\Tiles\\wood.bmp", "\\", left, 10, "wood.bmp"},
      // The first folder that does not fit ends the taking, though a later one would fit.
      {"C:\\Pictures\\x\\wood.bmp", "\\", right, 120, "C:\\...\\wood.bmp"},
      // A network path: its two empty first pieces count as folders, there is no drive.
      {"\\\\server\\share\\dir\\file.txt", "\\", left, 100, "...\\dir\\file.txt"},
      {"\\\\server\\share\\dir\\file.txt", "\\", right, 150, "\\\\server\\...\\file.txt"},
      {"C:/Pictures/Tiles/wood.bmp", "/", left, 150, "C:/.../Tiles/wood.bmp"},
      // Written with "/" but split at "\": one piece, shown whole.
      {"C:/Pictures/Tiles/wood.bmp", "\\", left, 150, "C:/Pictures/Tiles/wood.bmp"},
      {"", "\\", left, 0, ""},
  };
  for (const auto& c : cases) {
    const PathPieces pieces = SplitFileName(c.name, c.separator);
    EXPECT_EQ(FitCaption(c.name, pieces, c.separator, c.direction, c.width, width), c.caption)
        << c.name << " in " << c.width;
  }
}

TEST(PathFitTest, WidthsAreMeasuredPieceByPiece) {
  std::vector<std::string> measured;
  const TextWidth width = [&measured](std::string_view text) {
    measured.emplace_back(text);
    return static_cast<int>(text.size()) * 6;
  };
  const std::string name = "C:\\Pictures\\Tiles\\wood.bmp";
  FitCaption(name, SplitFileName(name, "\\"), "\\", TDirection::drFromLeft, 150, width);
  EXPECT_THAT(measured,
              ElementsAre(name, "wood.bmp", "...\\", "C:\\", "Tiles\\", "Pictures\\Tiles\\"));
}

}  // namespace
}  // namespace brimdock
