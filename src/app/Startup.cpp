#include "app/FormConfig.h"
#include "platform/Application.h"
#include "settings/SettingsFile.h"

namespace brimdock {
namespace {

std::string ReplacedValuesMessage(const std::vector<std::string>& names) {
  std::string text =
      "These stored settings had a value of the wrong type and were replaced by their defaults:";
  for (size_t i = 0; i < names.size(); ++i) text += (i == 0 ? " " : ", ") + names[i];
  return text + ". The next Apply stores them correctly.";
}

}  // namespace

template <typename Step>
void TFormConfig::StartupStep(Step step) {
  try {
    step();
  } catch (const std::exception& error) {
    dialogs_.ShowError(error.what());
  }
}

// Fills the window from the settings in a fixed order. A step that fails is reported and the
// rest still run, so the window always opens whole and working.
void TFormConfig::FormCreate() {
  State.ProgramFolder =
      options_.programFolder.empty() ? Application::ExeFolder() : options_.programFolder;
  LoadLanguagePack();
  State.FolderButtons.clear();
  State.GroupList.List.clear();
  Appearance.TakeFontDefaults();
  State.RefreshFlag = false;
  LoadReport load;
  StartupStep([&] {
    load =
        LoadSettings(registry_, settingsKey_, State.Settings, State.FolderButtons, State.GroupList);
  });
  if (!load.writeError.empty()) dialogs_.ShowError(load.writeError);

  // The preview comes first: a picture that cannot be shown turns "None" on before it shows.
  StartupStep([&] { Appearance.PaintPreview(); });
  StartupStep([&] { Appearance.Show(); });
  StartupStep([&] { Folders.Show(); });
  StartupStep([&] { Icons.Show(); });
  StartupStep([&] { Clipboard.Show(); });
  State.LastFolder = "C:\\";
  Notebook1.SetActivePage("Appearance");
  StartupStep([&] { Appearance.ShowFonts(); });
  // Showing the settings fires click handlers that mark a refresh; a fresh window has none.
  State.RefreshFlag = false;
  if (!load.replacedValues.empty())
    dialogs_.ShowMessage(ReplacedValuesMessage(load.replacedValues));
}

void TFormConfig::LoadLanguagePack() {
  Lang1.SetProgramDir(State.ProgramFolder);
  Lang1.SetLangCoded(false);
  Lang1.SetDefaultLangFile("cf_eng.lng");
  Lang1.SetProgramName("Brimdock Configuration");
  Lang1.SetIniKey("Software\\Marrowick Software\\Brimdock\\LangConfig");
  Lang1.SetRootKey(THKEY::lgHKCU);
  Lang1.SetAsIniFile(false);
  Lang1.SetDefaultLangName("English");
  Lang1.SetSection1("Interface");
  Lang1.SetSection2("Messages");
  Lang1.SetLangExt(".lng");
  StartupStep([this] {
    if (Lang1.LoadLanguage() != 0) {
      dialogs_.ShowMessage("Error in language pack");
    } else {
      Texts.ApplyInterfaceTexts([this](int number) { return Lang1.GetInterfaceText(number); });
    }
  });
  // The caption comes from the pack even when none loaded: it then shows the marker text.
  SetCaption(Lang1.GetInterfaceText(4));
}

}  // namespace brimdock
