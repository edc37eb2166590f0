#pragma once

#include <string>
#include <vector>

#include "controls/TextBindings.h"
#include "lang/Lang.h"
#include "pages/AppearancePage.h"
#include "pages/ClipboardPage.h"
#include "pages/FoldersPage.h"
#include "pages/IconsPage.h"
#include "pages/PageContext.h"
#include "pages/ProgramState.h"
#include "platform/Dialogs.h"
#include "platform/Win32DirectoryLister.h"
#include "platform/Win32LangFiles.h"
#include "platform/ui/Form.h"
#include "platform/ui/Notebook.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "settings/Registry.h"

namespace brimdock {

// What the window is started with; tests give their own program folder and arguments.
struct StartupOptions {
  std::string programFolder;           // empty: the folder of the running executable
  std::vector<std::string> arguments;  // the command-line arguments after the program
  std::string settingsKey;             // empty: the panel's key under HKEY_CURRENT_USER
};

// The configuration window: the page buttons on the left, the four pages, Apply and Close.
// It reads the store at start-up, holds the program-wide state the pages edit, and rewrites
// the store at Apply.
class TFormConfig : public Form, private PageContext {
 public:
  TFormConfig(Registry& registry, Dialogs& dialogs, StartupOptions options);
  ~TFormConfig() override;

  void SBPagesClick(Control* sender);
  void SpeedButApplyClick(Control* sender);
  void SpeedButCloseClick(Control* sender);
  void NeedRefreshClick(Control* sender) override;
  void FormClose(Control* sender);

  // The language component.
  TLang Lang1;
  ProgramState State;
  // Every control bound to its Interface text.
  TextBindings Texts;

  Panel Panel2;
  SpeedButton SBAppear, SBMenus, SBIcons, SBClipbrd, SBAbout;
  Panel Panel3, Panel1, Panel4;
  SpeedButton SpeedButApply, SpeedButClose;
  Notebook Notebook1;

  AppearancePage Appearance{*this};
  FoldersPage Folders{*this};
  IconsPage Icons{*this};
  ClipboardPage Clipboard{*this};

 private:
  // What the pages ask of the window.
  Dialogs& ModalDialogs() override { return dialogs_; }
  [[nodiscard]] std::string MessageText(int number) const override;
  [[nodiscard]] std::string InputBoxTitle() const override { return Caption(); }
  ProgramState& SharedState() override { return State; }

  void CreateFrame();
  // Start-up: fills the window from the language pack and the store.
  void FormCreate();
  void LoadLanguagePack();
  // Runs one start-up step; a failure is reported and start-up goes on.
  template <typename Step>
  void StartupStep(Step step);

  // What the language component reaches files and folders through.
  Win32FileSystem langFiles_;
  Win32DirectoryLister langLister_;
  Win32ProfileReader langProfiles_;

  Registry& registry_;
  Dialogs& dialogs_;
  StartupOptions options_;
  std::string settingsKey_;
};

}  // namespace brimdock
