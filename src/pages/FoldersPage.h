#pragma once

#include "controls/Tablist.h"
#include "pages/PageContext.h"
#include "platform/ui/BevelLine.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/Notebook.h"
#include "platform/ui/SpeedButton.h"

namespace brimdock {

class TextBindings;

// The Folders page: the panel's folder-menu buttons, the switches of its built-in shell-folder
// menus and what a folder menu does with a folder.
class FoldersPage {
 public:
  explicit FoldersPage(PageContext& context) : context_(context) {}

  void Create(NotebookPage& page, TextBindings& texts);
  void Show();
  void Take();

  void SpeedButAddDirClick(Control* sender);
  void SpeedButDelDirClick(Control* sender);
  void SBRenameDirClick(Control* sender);
  void SButUpDownClick(Control* sender);

  Label Label10;
  BevelLine Bevel4;
  SpeedButton SpeedButAddDir, SpeedButDelDir, SBRenameDir;
  TTabListBox LBFolders;
  SpeedButton SButUp, SButDown;
  CheckBox CheckBox8, CheckBox7, CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6;
  Label Label1;
  RadioButton RadioButOpen, RadioButExplore;

 private:
  PageContext& context_;
};

}  // namespace brimdock
