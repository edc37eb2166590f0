#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/Tablist.h"
#include "lang/Lang.h"
#include "pages/GroupList.h"
#include "platform/Dialogs.h"
#include "platform/Win32DirectoryLister.h"
#include "platform/Win32LangFiles.h"
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
  std::string settingsKey;             // empty: the panel's key under HKEY_CURRENT_USER
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
  void SpeedButApplyClick(Control* sender);
  void SpeedButCloseClick(Control* sender);
  void NeedRefreshClick(Control* sender);
  void FormClose(Control* sender);

  // Appearance page
  void CBNoneBckgrndClick(Control* sender);
  void ChBBorderClick(Control* sender);
  void ChBFixedMenuButWidthClick(Control* sender);
  void ChBAutoHideClick(Control* sender);
  // Folders page, and the list routines the Icons page shares
  void SpeedButAddDirClick(Control* sender);
  void SpeedButDelDirClick(Control* sender);
  void SBRenameDirClick(Control* sender);
  void SButUpDownClick(Control* sender);
  void LBMouseMove(Control* sender, int x, int y);
  void ListBoxKeyUp(Control* sender, WORD key, unsigned shift);
  // Icons page
  void LBGroupsClick(Control* sender);
  void SBAddGroupClick(Control* sender);
  void SBDeleteGroupClick(Control* sender);
  void SBRenameGroupClick(Control* sender);
  void SBUpDownGroupClick(Control* sender);
  void SBAddItemClick(Control* sender);
  void SBDelItemClick(Control* sender);
  void SBRenameItemClick(Control* sender);
  void SBUpDownItemClick(Control* sender);
  bool LBGroupsDragOver(Control* sender, Control* source, int x, int y);
  void LBGroupsDragDrop(Control* sender, Control* source, int x, int y);
  void ChBDelayIconCreateClick(Control* sender);
  void ShowGroupLinks(int index);
  // Clipboard page
  void ChBWriteHeaderClick(Control* sender);

  // The language component.
  TLang Lang1;

  // Program-wide state of the open window.
  PanelSettings Settings;
  bool RefreshFlag = false;
  std::string ProgramFolder;
  std::vector<std::string> FolderPaths;
  std::vector<std::string> FolderNames;
  TGroupList GroupList;
  std::string LastFolder;

  // Sets a list's horizontal scroll range from its widest row.
  void UpdateHorizontalExtent(ListBox& list);

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
  TTabListBox LBFolders;
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
  TTabListBox LBItems;
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
  // What the language component reaches files and folders through.
  Win32FileSystem langFiles_;
  Win32DirectoryLister langLister_;
  Win32ProfileReader langProfiles_;

  // The window as designed, with its built-in English texts.
  void CreateFrame();
  void CreateAppearancePage(NotebookPage& page);
  void CreateFoldersPage(NotebookPage& page);
  void CreateIconsPage(NotebookPage& page);
  void CreateClipboardPage(NotebookPage& page);

  // Start-up.
  void FormCreate();
  void LoadLanguagePack();
  void CopyFontDefaults();
  void ShowAppearanceSettings();
  void ShowFoldersSettings();
  void ShowIconsSettings();
  void ShowClipboardSettings();
  void ShowFontSettings();
  void ReadStore();
  // Apply: each page takes its controls into the settings.
  void TakeFoldersSettings();
  void TakeAppearanceSettings();
  void TakeClipboardSettings();
  void TakeIconsSettings();
  // Puts the language pack's Interface texts on the controls.
  void ApplyInterfaceTexts(const std::function<std::string(int)>& text);
  void SetInterfaceText(int number, const std::string& text);
  // Message text number n of the language pack.
  [[nodiscard]] std::string MessageText(int number) const;
  // The selected group, or nullptr.
  [[nodiscard]] TGroup* SelectedGroup();
  void WireListRoutines();
  // Runs one start-up step; a failure is reported and start-up goes on.
  template <typename Step>
  void StartupStep(Step step);

  Registry& registry_;
  Dialogs& dialogs_;
  StartupOptions options_;
  std::string settingsKey_;
};

}  // namespace brimdock
