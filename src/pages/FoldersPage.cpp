#include "pages/FoldersPage.h"

#include "controls/TextBindings.h"
#include "controls/TwoColumnRow.h"
#include "pages/ListCommands.h"
#include "pages/PageParts.h"
#include "pages/ProgramState.h"
#include "platform/Dialogs.h"

namespace brimdock {

void FoldersPage::Create(NotebookPage& page, TextBindings& texts) {
  CreatePageTitle(page, Label10, Bevel4, texts, 37);
  SpeedButAddDir.Create(page, texts.Caption(SpeedButAddDir, 32), Bounds{10, 20, 105, 21});
  SpeedButDelDir.Create(page, texts.Caption(SpeedButDelDir, 33), Bounds{115, 20, 105, 21});
  SBRenameDir.Create(page, texts.Caption(SBRenameDir, 38), Bounds{220, 20, 70, 21});
  LBFolders.Create(page, Bounds{10, 45, 276, 196}, "50");
  CreateArrowButton(page, SButUp, true, Bounds{288, 45, 16, 99}, texts, 34);
  CreateArrowButton(page, SButDown, false, Bounds{288, 144, 16, 99}, texts, 35);
  SpeedButAddDir.onClick = [this](Control* sender) { SpeedButAddDirClick(sender); };
  SpeedButDelDir.onClick = [this](Control* sender) { SpeedButDelDirClick(sender); };
  SBRenameDir.onClick = [this](Control* sender) { SBRenameDirClick(sender); };
  SButUp.onClick = [this](Control* sender) { SButUpDownClick(sender); };
  SButDown.onClick = [this](Control* sender) { SButUpDownClick(sender); };
  BindListCommands(LBFolders, {[this](Control* sender) { SpeedButAddDirClick(sender); },
                               [this](Control* sender) { SpeedButDelDirClick(sender); }});

  struct Switch {
    CheckBox& box;
    int text;
    int top;
  };
  const Switch switches[] = {{CheckBox8, 39, 50},  {CheckBox7, 40, 70},  {CheckBox1, 41, 90},
                             {CheckBox2, 42, 110}, {CheckBox3, 43, 130}, {CheckBox4, 44, 150},
                             {CheckBox5, 45, 170}, {CheckBox6, 46, 190}};
  for (const Switch& s : switches) {
    s.box.Create(page, texts.Caption(s.box, s.text), Bounds{316, s.top, 75, 17});
    s.box.onClick = [this](Control* sender) { context_.NeedRefreshClick(sender); };
  }

  Label1.Create(page, texts.Caption(Label1, 36), Bounds{10, 247, 79, 13});
  RadioButOpen.Create(page, texts.Caption(RadioButOpen, 48), Bounds{95, 246, 66, 17}, true);
  RadioButExplore.Create(page, texts.Caption(RadioButExplore, 47), Bounds{160, 246, 66, 17});
}

void FoldersPage::Show() {
  const ProgramState& state = context_.SharedState();
  const PanelSettings& settings = state.Settings;
  CheckBox1.SetChecked(settings.Start_menu);
  CheckBox2.SetChecked(settings.Desktop_menu);
  CheckBox3.SetChecked(settings.Favorites_menu);
  CheckBox4.SetChecked(settings.Personal_menu);
  CheckBox5.SetChecked(settings.Recent_menu);
  CheckBox6.SetChecked(settings.Templates_menu);
  CheckBox7.SetChecked(settings.Disk_B_menu);
  CheckBox8.SetChecked(settings.Disk_A_menu);
  if (settings.ShellFolder == "open") {
    RadioButOpen.SetChecked(true);
  } else {
    RadioButExplore.SetChecked(true);
  }
  LBFolders.Clear();
  for (const FolderButton& button : state.FolderButtons) {
    LBFolders.Add(TwoColumnRow(button.Name, button.Path));
  }
  UpdateHorizontalExtent(LBFolders);
}

void FoldersPage::Take() {
  PanelSettings& settings = context_.SharedState().Settings;
  settings.Start_menu = CheckBox1.Checked();
  settings.Desktop_menu = CheckBox2.Checked();
  settings.Favorites_menu = CheckBox3.Checked();
  settings.Personal_menu = CheckBox4.Checked();
  settings.Recent_menu = CheckBox5.Checked();
  settings.Templates_menu = CheckBox6.Checked();
  settings.Disk_B_menu = CheckBox7.Checked();
  settings.Disk_A_menu = CheckBox8.Checked();
  settings.ShellFolder = RadioButOpen.Checked() ? "open" : "explore";
}

void FoldersPage::SpeedButAddDirClick(Control* /*sender*/) {
  ProgramState& state = context_.SharedState();
  Dialogs& dialogs = context_.ModalDialogs();
  const auto folder = dialogs.SelectDirectory(state.LastFolder);
  if (!folder) return;
  state.LastFolder = *folder;
  const std::string name = dialogs.InputBox(context_.InputBoxTitle(), context_.MessageText(13), "");
  if (name.empty()) return;
  state.FolderButtons.push_back(FolderButton{name, state.LastFolder});
  LBFolders.Add(TwoColumnRow(name, state.LastFolder));
  LBFolders.SetFocus();
  context_.NeedRefreshClick(&SpeedButAddDir);
}

void FoldersPage::SpeedButDelDirClick(Control* /*sender*/) {
  const int i = LBFolders.ItemIndex();
  if (i < 0) return;
  FolderList& buttons = context_.SharedState().FolderButtons;
  const std::string question = context_.MessageText(14) + " " + LBFolders.Item(i) + "?";
  if (!DeleteRowAfterConfirmation(
          context_.ModalDialogs(), LBFolders, i, question,
          [&buttons](int index) { buttons.erase(buttons.begin() + index); })) {
    return;
  }
  LBFolders.SetFocus();
  context_.NeedRefreshClick(&SpeedButDelDir);
}

void FoldersPage::SBRenameDirClick(Control* /*sender*/) {
  const int i = LBFolders.ItemIndex();
  if (i < 0) return;
  FolderButton& button = context_.SharedState().FolderButtons[static_cast<size_t>(i)];
  const std::string name = context_.ModalDialogs().InputBox(context_.InputBoxTitle(),
                                                            context_.MessageText(15), button.Name);
  if (name.empty()) return;
  button.Name = name;
  LBFolders.SetItem(i, TwoColumnRow(button.Name, button.Path));
  LBFolders.SetFocus();
  context_.NeedRefreshClick(&SBRenameDir);
}

void FoldersPage::SButUpDownClick(Control* sender) {
  MoveRowAndEntry(LBFolders, context_.SharedState().FolderButtons, LBFolders.ItemIndex(),
                  sender == &SButUp);
  context_.NeedRefreshClick(sender);
}

}  // namespace brimdock
