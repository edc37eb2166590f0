#include <gmock/gmock.h>

#include "controls/FileLbl.h"
#include "platform/ui/Form.h"

namespace brimdock {
namespace {

class FileLblTest : public ::testing::Test {
 protected:
  FileLblTest() {
    form.CreateForm("FileLbl", 400, 100, clBtnFace, FontSpec{});
    label.Create(form, Bounds{75, 44, 311, 17});
  }
  int Width(std::string_view text) { return label.TextWidth(text); }

  Form form;
  TFileLabel label;
};

TEST_F(FileLblTest, ALongPathGivesWayInTheLabelsFontAndWidth) {
  const std::string path =
      "C:\\Documents and Settings\\Someone\\My Pictures\\Backgrounds\\Tiles\\wood.bmp";
  ASSERT_GT(Width(path), 311);
  label.SetFileName(path);
  EXPECT_EQ(label.Caption(), "C:\\...\\Someone\\My Pictures\\Backgrounds\\Tiles\\wood.bmp");
  EXPECT_LE(Width(label.Caption()), 311);

  label.SetDirection(TDirection::drFromRight);
  EXPECT_EQ(label.Caption(), "C:\\Documents and Settings\\Someone\\My Pictures\\...\\wood.bmp");

  label.SetSeparator("/");
  EXPECT_EQ(label.Caption(), path) << "one piece, shown whole and clipped";
  EXPECT_EQ(label.Pieces().Parts.size(), 1u);
}

TEST_F(FileLblTest, MovesAndResizesRecomputeTheCaptionTheSameTextDoesNot) {
  const std::string path = "C:\\Pictures\\Tiles\\wood.bmp";
  label.SetFileName(path);
  EXPECT_EQ(label.Caption(), path);

  label.SetCaption("stale");
  label.SetFileName(path);
  label.SetSeparator("\\");
  label.SetDirection(TDirection::drFromLeft);
  EXPECT_EQ(label.Caption(), "stale");

  label.SetBounds(Bounds{80, 44, 311, 17});
  EXPECT_EQ(label.Caption(), path) << "a move";
  label.SetBounds(Bounds{80, 44, Width("...\\wood.bmp") + 1, 17});
  EXPECT_EQ(label.Caption(), "...\\wood.bmp");
}

TEST_F(FileLblTest, AmpersandsAreShownAsTheyAre) {
  label.SetFileName("C:\\R&D\\a&b.bmp");
  EXPECT_EQ(label.Caption(), "C:\\R&D\\a&b.bmp");
  EXPECT_NE(GetWindowLongPtrA(label.Handle(), GWL_STYLE) & SS_NOPREFIX, 0);
}

}  // namespace
}  // namespace brimdock
