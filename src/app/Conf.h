#pragma once

#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/ui/BevelLine.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Notebook.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/SpinEdit.h"
#include "settings/PanelSettings.h"
#include "settings/Registry.h"

namespace brimdock {

// What the window is started with; tests give their own program folder and arguments.
struct StartupOptions {
  std::string programFolder;           // empty: the folder of the running executable
  std::vector<std::string> arguments;  // the command-line arguments after the program
};

// The configuration window: the page buttons on the left, the four pages, Apply and Close.
// Its controls carry the names the window has always given them; the handlers of each page
// live in that page's own source file.
class TFormConfig : public Form {
 public:
  TFormConfig(Registry& registry, Dialogs& dialogs, StartupOptions options);
  ~TFormConfig() override;

  // Frame
  void SBPagesClick(Control* sender);
  void SpeedButCloseClick(Control* sender);
  void NeedRefreshClick(Control* sender);
  void FormClose(Control* sender);

  // Appearance page
  void CBNoneBckgrndClick(Control* sender);
  void ChBBorderClick(Control* sender);
  void ChBFixedMenuButWidthClick(Control* sender);
  void ChBAutoHideClick(Control* sender);
  // Icons page
  void ChBDelayIconCreateClick(Control* sender);
  // Clipboard page
  void ChBWriteHeaderClick(Control* sender);

  // Program-wide state of the open window.
  PanelSettings Settings;
  bool RefreshFlag = false;
  std::string ProgramFolder;
  std::vector<std::string> FolderPaths;
  std::vector<std::string> FolderNames;
  std::string LastFolder;

  // Frame
  Panel Panel2;
  SpeedButton SBAppear, SBMenus, SBIcons, SBClipbrd, SBAbout;
  Panel Panel3, Panel1, Panel4;
  SpeedButton SpeedButApply, SpeedButClose;
  Notebook Notebook1;

  // Appearance page
  Label Label9;
  BevelLine Bevel3;
  RadioGroup RGTopBottom;
  GroupBox GBBackground;
  CheckBox CBNoneBckgrnd;
  SpeedButton SBBckgColor;
  CheckBox ChBBorder;
  SpeedButton SBBackGrnd;
  Label FileLabelBackGrnd;
  GroupBox GBButtons;
  Image Image1;
  SpeedButton SBMenuFont, SBGroupFont;
  CheckBox ChBFixedMenuButWidth;
  SpinEdit SEMenuButWidth;
  Label Label15;
  SpinEdit SEGroupButWidth;
  CheckBox ChBShowPanelOnMouseMove, ChBOnTop, ChBAutoHide;
  SpinEdit SEAutoHideDelay;
  Label Label13;

  // Folders page
  Label Label10;
  BevelLine Bevel4;
  SpeedButton SpeedButAddDir, SpeedButDelDir, SBRenameDir;
  ListBox LBFolders;
  SpeedButton SButUp, SButDown;
  CheckBox CheckBox8, CheckBox7, CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6;
  Label Label1;
  RadioButton RadioButOpen, RadioButExplore;

  // Icons page
  Label Label11;
  BevelLine Bevel1;
  SpeedButton SBAddGroup, SBDeleteGroup, SBRenameGroup;
  ListBox LBGroups;
  SpeedButton SBUpGroup, SBDownGroup, SBAddItem, SBDelItem, SBRenameItem, SBFolder;
  ListBox LBItems;
  SpeedButton SBUpItem, SBDownItem;
  Label Label8;
  SpinEdit SEIcons;
  CheckBox ChBDelayIconCreate;
  Label Label14;
  SpinEdit SEDelayIconCreate;

  // Clipboard page
  Label Label12;
  BevelLine Bevel2;
  GroupBox GBHeader;
  CheckBox ChBWriteHeader, ChBWriteTimeStamp;
  Label Label4;
  Edit EHeaderChar;
  Label Label7;
  Edit EDivideChar;
  Label Label5;
  SpinEdit SENumHeaderChars;
  Label Label6;
  Edit EHeaderString;
  Label Label2;
  SpinEdit SEClMaxSz;

 private:
  // The window as designed, with its built-in English texts.
  void CreateFrame();
  void CreateAppearancePage(NotebookPage& page);
  void CreateFoldersPage(NotebookPage& page);
  void CreateIconsPage(NotebookPage& page);
  void CreateClipboardPage(NotebookPage& page);

  // Start-up.
  void FormCreate();
  void CopyFontDefaults();
  void ShowAppearanceSettings();
  void ShowFoldersSettings();
  void ShowIconsSettings();
  void ShowClipboardSettings();
  void ShowFontSettings();

  Registry& registry_;
  Dialogs& dialogs_;
  StartupOptions options_;
};

}  // namespace brimdock
