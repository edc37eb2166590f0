#include <gmock/gmock.h>

#include "win/app/FormFixture.h"

namespace brimdock::testing {
namespace {

class ClipboardPageTest : public FormFixture {
 protected:
  // What the edit's parent hears when the focus leaves it.
  static void Leave(Control& field) {
    SendMessageA(GetParent(field.Handle()), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(field.Handle()), EN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(field.Handle()));
  }
};

TEST_F(ClipboardPageTest, NumbersArePulledIntoRangeWhenTheFieldIsLeft) {
  TFormConfig& f = Open();
  const struct {
    SpinEdit& field;
    const char* typed;
    const char* left;
  } cases[] = {
      {f.Clipboard.SEClMaxSz, "500", "1000"},    {f.Clipboard.SEClMaxSz, "25000", "20000"},
      {f.Clipboard.SEClMaxSz, "1500", "1500"},   {f.Clipboard.SENumHeaderChars, "300", "250"},
      {f.Clipboard.SENumHeaderChars, "-1", "0"}, {f.Clipboard.SENumHeaderChars, "x", "x"},
  };
  for (const auto& c : cases) {
    c.field.SetText(c.typed);
    EXPECT_EQ(c.field.Text(), c.typed) << "kept as typed until the field is left";
    Leave(c.field);
    EXPECT_EQ(c.field.Text(), c.left) << c.typed;
  }
  EXPECT_EQ(f.Clipboard.SENumHeaderChars.Value(), 0) << "no number reads as the lower bound";
}

TEST_F(ClipboardPageTest, WriteHeaderIsTakenAtOnceAndNothingHereMarksARefresh) {
  TFormConfig& f = Open();
  ASSERT_TRUE(f.State.Settings.WriteHeader);
  SendMessageA(f.Clipboard.ChBWriteHeader.Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(f.State.Settings.WriteHeader);
  EXPECT_FALSE(f.Clipboard.EHeaderChar.Enabled());
  EXPECT_TRUE(f.Clipboard.EDivideChar.Enabled());
  SendMessageA(f.Clipboard.ChBWriteTimeStamp.Handle(), BM_CLICK, 0, 0);
  f.Clipboard.EHeaderString.SetText("Clipboard of today");
  EXPECT_FALSE(f.State.RefreshFlag);
}

}  // namespace
}  // namespace brimdock::testing
