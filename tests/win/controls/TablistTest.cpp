#include <gmock/gmock.h>

#include "controls/Tablist.h"
#include "platform/ui/Form.h"

namespace brimdock {
namespace {

using ::testing::ElementsAre;

class TablistTest : public ::testing::Test {
 protected:
  TablistTest() {
    form.CreateForm("Tablist", 400, 300, clBtnFace, FontSpec{});
    list.Create(form, Bounds{10, 45, 276, 196}, "50");
  }
  static int BaseUnit() { return LOWORD(GetDialogBaseUnits()); }

  Form form;
  TTabListBox list;
};

TEST_F(TablistTest, StopsFollowTheWidthOnly) {
  EXPECT_EQ(list.TabPercentages(), "50");
  EXPECT_THAT(list.TabStops(), ElementsAre(276 * 50 / BaseUnit() / 25));

  list.SetBounds(Bounds{20, 60, 276, 100});
  EXPECT_THAT(list.TabStops(), ElementsAre(276 * 50 / BaseUnit() / 25));
  list.SetBounds(Bounds{20, 60, 380, 100});
  EXPECT_THAT(list.TabStops(), ElementsAre(380 * 50 / BaseUnit() / 25));

  list.SetTabPercentages("0, 50");
  EXPECT_THAT(list.TabStops(), ElementsAre());
  EXPECT_EQ(list.TabPercentages(), "0, 50");
}

TEST_F(TablistTest, ARejectedTextKeepsTheStopsItHad) {
  list.SetTabPercentages("25, 75");
  const auto stops = list.TabStops();
  EXPECT_THROW(list.SetTabPercentages("75, 25"), EOrderException);
  EXPECT_THROW(list.SetTabPercentages(""), std::invalid_argument);
  EXPECT_EQ(list.TabPercentages(), "25, 75");
  EXPECT_EQ(list.TabStops(), stops);
  EXPECT_TRUE(GetWindowLongPtrA(list.Handle(), GWL_STYLE) & LBS_USETABSTOPS);
}

TEST_F(TablistTest, RowFontStaysAfterTheStopsAreSent) {
  Font bold(FontSpec{1, "MS Sans Serif", 12, true});
  list.SetFont(bold.Handle());
  list.SetTabPercentages("30");
  EXPECT_EQ(list.FontHandle(), bold.Handle());
}

}  // namespace
}  // namespace brimdock
