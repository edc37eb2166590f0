#include "app/Conf.h"
#include "lang/InterfaceTexts.h"
#include "pages/PageParts.h"

namespace brimdock {

void TFormConfig::CreateFoldersPage(NotebookPage& page) {
  CreatePageTitle(page, Label10, Bevel4, BuiltInText(37));
  SpeedButAddDir.Create(page, BuiltInText(32), Bounds{10, 20, 105, 21});
  SpeedButDelDir.Create(page, BuiltInText(33), Bounds{115, 20, 105, 21});
  SBRenameDir.Create(page, BuiltInText(38), Bounds{220, 20, 70, 21});
  LBFolders.Create(page, Bounds{10, 45, 276, 196}, ListBoxOptions{.tabStops = true});
  CreateArrowButton(page, SButUp, true, Bounds{288, 45, 16, 99}, BuiltInText(34));
  CreateArrowButton(page, SButDown, false, Bounds{288, 144, 16, 99}, BuiltInText(35));

  struct Switch {
    CheckBox& box;
    int text;
    int top;
  };
  const Switch switches[] = {{CheckBox8, 39, 50},  {CheckBox7, 40, 70},  {CheckBox1, 41, 90},
                             {CheckBox2, 42, 110}, {CheckBox3, 43, 130}, {CheckBox4, 44, 150},
                             {CheckBox5, 45, 170}, {CheckBox6, 46, 190}};
  for (const Switch& s : switches) {
    s.box.Create(page, BuiltInText(s.text), Bounds{316, s.top, 75, 17});
    s.box.onClick = [this](Control* sender) { NeedRefreshClick(sender); };
  }

  Label1.Create(page, BuiltInText(36), Bounds{10, 247, 79, 13});
  RadioButOpen.Create(page, BuiltInText(48), Bounds{95, 246, 66, 17}, true);
  RadioButExplore.Create(page, BuiltInText(47), Bounds{160, 246, 66, 17});
}

void TFormConfig::ShowFoldersSettings() {
  CheckBox1.SetChecked(Settings.Start_menu);
  CheckBox2.SetChecked(Settings.Desktop_menu);
  CheckBox3.SetChecked(Settings.Favorites_menu);
  CheckBox4.SetChecked(Settings.Personal_menu);
  CheckBox5.SetChecked(Settings.Recent_menu);
  CheckBox6.SetChecked(Settings.Templates_menu);
  CheckBox7.SetChecked(Settings.Disk_B_menu);
  CheckBox8.SetChecked(Settings.Disk_A_menu);
  if (Settings.ShellFolder == "open") {
    RadioButOpen.SetChecked(true);
  } else {
    RadioButExplore.SetChecked(true);
  }
}

}  // namespace brimdock
