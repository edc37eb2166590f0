#include <algorithm>

#include "app/Conf.h"
#include "lang/InterfaceTexts.h"
#include "pages/ListRows.h"
#include "pages/PageParts.h"
#include "pages/TwoColumnRow.h"

namespace brimdock {

void TFormConfig::CreateFoldersPage(NotebookPage& page) {
  CreatePageTitle(page, Label10, Bevel4, BuiltInText(37));
  SpeedButAddDir.Create(page, BuiltInText(32), Bounds{10, 20, 105, 21});
  SpeedButDelDir.Create(page, BuiltInText(33), Bounds{115, 20, 105, 21});
  SBRenameDir.Create(page, BuiltInText(38), Bounds{220, 20, 70, 21});
  LBFolders.Create(page, Bounds{10, 45, 276, 196}, "50");
  CreateArrowButton(page, SButUp, true, Bounds{288, 45, 16, 99}, BuiltInText(34));
  CreateArrowButton(page, SButDown, false, Bounds{288, 144, 16, 99}, BuiltInText(35));
  SpeedButAddDir.onClick = [this](Control* sender) { SpeedButAddDirClick(sender); };
  SpeedButDelDir.onClick = [this](Control* sender) { SpeedButDelDirClick(sender); };
  SBRenameDir.onClick = [this](Control* sender) { SBRenameDirClick(sender); };
  SButUp.onClick = [this](Control* sender) { SButUpDownClick(sender); };
  SButDown.onClick = [this](Control* sender) { SButUpDownClick(sender); };

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
  LBFolders.Clear();
  for (size_t i = 0; i < FolderNames.size(); ++i) {
    LBFolders.Add(TwoColumnRow(FolderNames[i], FolderPaths[i]));
  }
  UpdateHorizontalExtent(LBFolders);
}

void TFormConfig::SpeedButAddDirClick(Control* /*sender*/) {
  const auto folder = dialogs_.SelectDirectory(LastFolder);
  if (!folder) return;
  LastFolder = *folder;
  const std::string name = dialogs_.InputBox(Caption(), MessageText(13), "");
  if (name.empty()) return;
  FolderPaths.push_back(LastFolder);
  FolderNames.push_back(name);
  LBFolders.Add(TwoColumnRow(name, LastFolder));
  LBFolders.SetFocus();
  NeedRefreshClick(&SpeedButAddDir);
}

void TFormConfig::SpeedButDelDirClick(Control* /*sender*/) {
  const int i = LBFolders.ItemIndex();
  if (i < 0) return;
  if (dialogs_.Confirm(MessageText(14) + " " + LBFolders.Item(i) + "?") == Answer::No) return;
  FolderPaths.erase(FolderPaths.begin() + i);
  FolderNames.erase(FolderNames.begin() + i);
  LBFolders.Delete(i);
  if (const int count = LBFolders.Count(); count > 0)
    LBFolders.SetItemIndex(std::min(i, count - 1));
  LBFolders.SetFocus();
  NeedRefreshClick(&SpeedButDelDir);
}

void TFormConfig::SBRenameDirClick(Control* /*sender*/) {
  const int i = LBFolders.ItemIndex();
  if (i < 0) return;
  const auto index = static_cast<size_t>(i);
  const std::string name = dialogs_.InputBox(Caption(), MessageText(15), FolderNames[index]);
  if (name.empty()) return;
  FolderNames[index] = name;
  LBFolders.SetItem(i, TwoColumnRow(name, FolderPaths[index]));
  LBFolders.SetFocus();
  NeedRefreshClick(&SBRenameDir);
}

void TFormConfig::SButUpDownClick(Control* sender) {
  const bool up = sender == &SButUp;
  const int i = LBFolders.ItemIndex();
  MoveRow(LBFolders.Count(), i, up, [this](int a, int b) { LBFolders.Exchange(a, b); });
  MoveRow(FolderPaths, i, up);
  MoveRow(FolderNames, i, up);
  if (up && i > 0) LBFolders.SetItemIndex(i - 1);
  if (!up && i < LBFolders.Count() - 1) LBFolders.SetItemIndex(i + 1);
  NeedRefreshClick(sender);
}

// The row hint and the Insert and Delete keys of the three lists.
void TFormConfig::WireListRoutines() {
  for (ListBox* list :
       {static_cast<ListBox*>(&LBFolders), &LBGroups, static_cast<ListBox*>(&LBItems)}) {
    list->onMouseMove = [this](Control* sender, int x, int y) { LBMouseMove(sender, x, y); };
    list->onKeyUp = [this](Control* sender, WORD key, unsigned shift) {
      ListBoxKeyUp(sender, key, shift);
    };
  }
}

void TFormConfig::LBMouseMove(Control* sender, int /*x*/, int y) {
  auto* list = dynamic_cast<ListBox*>(sender);
  if (!list) return;
  if (const auto row = RowAt(y, list->ItemHeight(), list->TopIndex(), list->Count())) {
    const std::string text = list->Item(*row);
    if (text != list->Hint()) list->SetHint(text);
  }
}

void TFormConfig::ListBoxKeyUp(Control* sender, WORD key, unsigned shift) {
  if (shift != 0 || (key != VK_INSERT && key != VK_DELETE)) return;
  const bool insert = key == VK_INSERT;
  if (sender == &LBFolders) {
    insert ? SpeedButAddDirClick(sender) : SpeedButDelDirClick(sender);
  } else if (sender == &LBItems) {
    insert ? SBAddItemClick(sender) : SBDelItemClick(sender);
  } else if (sender == &LBGroups) {
    insert ? SBAddGroupClick(sender) : SBDeleteGroupClick(sender);
  }
}

void TFormConfig::TakeFoldersSettings() {
  Settings.Start_menu = CheckBox1.Checked();
  Settings.Desktop_menu = CheckBox2.Checked();
  Settings.Favorites_menu = CheckBox3.Checked();
  Settings.Personal_menu = CheckBox4.Checked();
  Settings.Recent_menu = CheckBox5.Checked();
  Settings.Templates_menu = CheckBox6.Checked();
  Settings.Disk_B_menu = CheckBox7.Checked();
  Settings.Disk_A_menu = CheckBox8.Checked();
  Settings.ShellFolder = RadioButOpen.Checked() ? "open" : "explore";
}

}  // namespace brimdock
