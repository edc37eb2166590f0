#include "app/Conf.h"

#include <algorithm>

#include "app/PageGlyphs.h"
#include "lang/InterfaceTexts.h"
#include "pages/TwoColumnRow.h"
#include "platform/Application.h"
#include "settings/RegistryLayout.h"
#include "settings/SettingsFile.h"

namespace brimdock {
namespace {

constexpr int kClientWidth = 477;
constexpr int kClientHeight = 321;
constexpr Color kWindowColor = 12769704;

const FontSpec kWindowFont{};  // "MS Sans Serif", 8 points

std::string ReplacedValuesMessage(const std::vector<std::string>& names) {
  std::string text =
      "These stored settings had a value of the wrong type and were replaced by their defaults:";
  for (size_t i = 0; i < names.size(); ++i) text += (i == 0 ? " " : ", ") + names[i];
  return text + ". The next Apply stores them correctly.";
}

FontSpec FontFromSettings(std::uint8_t charset, const std::string& name, std::int32_t size,
                          bool bold, bool strikeOut, bool underline, bool italic, Color color) {
  return FontSpec{charset, name, size, bold, strikeOut, underline, italic, color};
}

}  // namespace

TFormConfig::TFormConfig(Registry& registry, Dialogs& dialogs, StartupOptions options)
    : Lang1(LangServices{registry, langFiles_, langLister_, langProfiles_,
                         [] { Application::ProcessMessages(); }}),
      registry_(registry),
      dialogs_(dialogs),
      options_(std::move(options)),
      settingsKey_(options_.settingsKey.empty() ? std::string(kSettingsKey)
                                                : options_.settingsKey) {
  CreateForm(BuiltInText(4), kClientWidth, kClientHeight, kWindowColor, kWindowFont);
  dialogs_.SetOwner(Handle());
  SetErrorSink([this](const std::string& message) { dialogs_.ShowError(message); });
  onClose = [this](Control* sender) { FormClose(sender); };
  CreateFrame();
  CreateAppearancePage(Notebook1.Page("Appearance"));
  CreateFoldersPage(Notebook1.Page("Folders"));
  CreateIconsPage(Notebook1.Page("Icons"));
  CreateClipboardPage(Notebook1.Page("Clipboard"));
  WireListRoutines();
  FormCreate();
}

TFormConfig::~TFormConfig() {
  // The window goes before the controls' objects, so no message reaches a destroyed one.
  onClose = nullptr;
  if (Handle()) DestroyWindow(Handle());
}

void TFormConfig::CreateFrame() {
  const auto pageButton = [this](SpeedButton& button, int number, const Bounds& bounds,
                                 SpeedButton::GlyphPainter glyph, SIZE size, GlyphLayout layout) {
    button.Create(Panel2, BuiltInText(number), bounds);
    button.SetCaptionColor(clWhite);
    button.SetGlyph(std::move(glyph), size, layout);
  };

  Panel2.Create(*this, Bounds{0, 0, 76, kClientHeight}, clGray, Bevel3D::Raised, Bevel3D::Lowered);
  pageButton(SBAppear, 6, Bounds{5, 10, 66, 61}, PaintAppearanceGlyph, kPageGlyphSize,
             GlyphLayout::Top);
  pageButton(SBMenus, 7, Bounds{5, 75, 66, 61}, PaintFoldersGlyph, kPageGlyphSize,
             GlyphLayout::Top);
  pageButton(SBIcons, 9, Bounds{5, 140, 66, 61}, PaintIconsGlyph, kPageGlyphSize, GlyphLayout::Top);
  pageButton(SBClipbrd, 8, Bounds{5, 205, 66, 61}, PaintClipboardGlyph, kPageGlyphSize,
             GlyphLayout::Top);
  pageButton(SBAbout, 10, Bounds{5, 272, 66, 33}, PaintAboutGlyph, kSmallGlyphSize,
             GlyphLayout::Left);
  for (SpeedButton* button : {&SBAppear, &SBMenus, &SBIcons, &SBClipbrd}) {
    button->onClick = [this](Control* sender) { SBPagesClick(sender); };
  }

  Panel3.Create(*this, Bounds{76, 0, 401, kClientHeight}, clWindow, Bevel3D::Lowered);
  Panel1.Create(Panel3, Bounds{1, kClientHeight - 1 - 38, 399, 38}, clBtnFace, Bevel3D::Raised);
  SpeedButApply.Create(Panel1, BuiltInText(11), Bounds{125, 6, 65, 25});
  SpeedButClose.Create(Panel1, BuiltInText(12), Bounds{200, 6, 61, 25});
  SpeedButApply.onClick = [this](Control* sender) { SpeedButApplyClick(sender); };
  SpeedButClose.onClick = [this](Control* sender) { SpeedButCloseClick(sender); };
  Panel4.Create(Panel3, Bounds{1, 1, 399, 281}, clBtnFace, Bevel3D::Raised);
  Notebook1.Create(Panel4, Bounds{1, 1, 397, 279}, clBtnFace,
                   {"Appearance", "Folders", "Icons", "Clipboard"});
}

template <typename Step>
void TFormConfig::StartupStep(Step step) {
  try {
    step();
  } catch (const std::exception& error) {
    dialogs_.ShowError(error.what());
  }
}

// Start-up: fills the window from the settings in a fixed order. A step that fails is
// reported and the rest still run, so the window always opens whole and working.
void TFormConfig::FormCreate() {
  ProgramFolder =
      options_.programFolder.empty() ? Application::ExeFolder() : options_.programFolder;
  LoadLanguagePack();
  FolderPaths.clear();
  FolderNames.clear();
  GroupList.List.clear();
  CopyFontDefaults();
  RefreshFlag = false;
  LoadReport load;
  StartupStep([&] {
    load = LoadSettings(registry_, settingsKey_, Settings, FolderPaths, FolderNames, GroupList);
  });
  if (!load.writeError.empty()) dialogs_.ShowError(load.writeError);

  StartupStep([&] { ShowAppearanceSettings(); });
  StartupStep([&] { ShowFoldersSettings(); });
  StartupStep([&] { ShowIconsSettings(); });
  StartupStep([&] { ShowClipboardSettings(); });
  LastFolder = "C:\\";
  Notebook1.SetActivePage("Appearance");
  StartupStep([&] { ShowFontSettings(); });
  // Showing the settings fires click handlers that mark a refresh; a fresh window has none.
  RefreshFlag = false;
  if (!load.replacedValues.empty())
    dialogs_.ShowMessage(ReplacedValuesMessage(load.replacedValues));
}

void TFormConfig::CopyFontDefaults() {
  const FontSpec& menu = SBMenuFont.OwnFont();
  Settings.MenuFontCharset = menu.charset;
  Settings.MenuFontName = menu.name;
  Settings.MenuFontSize = menu.size;
  Settings.MenuFontBold = menu.bold;
  Settings.MenuFontStrikeOut = menu.strikeOut;
  Settings.MenuFontUnderline = menu.underline;
  Settings.MenuFontItalic = menu.italic;
  Settings.MenuFontColor = menu.color;
  const FontSpec& group = SBGroupFont.OwnFont();
  Settings.GroupFontCharset = group.charset;
  Settings.GroupFontName = group.name;
  Settings.GroupFontSize = group.size;
  Settings.GroupFontBold = group.bold;
  Settings.GroupFontStrikeOut = group.strikeOut;
  Settings.GroupFontUnderline = group.underline;
  Settings.GroupFontItalic = group.italic;
  Settings.GroupFontColor = group.color;
}

void TFormConfig::ShowFontSettings() {
  const PanelSettings& s = Settings;
  SBMenuFont.SetOwnFont(FontFromSettings(s.MenuFontCharset, s.MenuFontName, s.MenuFontSize,
                                         s.MenuFontBold, s.MenuFontStrikeOut, s.MenuFontUnderline,
                                         s.MenuFontItalic, s.MenuFontColor));
  SBGroupFont.SetOwnFont(FontFromSettings(
      s.GroupFontCharset, s.GroupFontName, s.GroupFontSize, s.GroupFontBold, s.GroupFontStrikeOut,
      s.GroupFontUnderline, s.GroupFontItalic, s.GroupFontColor));
}

void TFormConfig::SBPagesClick(Control* sender) {
  if (sender == &SBAppear) {
    Notebook1.SetActivePage("Appearance");
  } else if (sender == &SBMenus) {
    Notebook1.SetActivePage("Folders");
  } else if (sender == &SBClipbrd) {
    Notebook1.SetActivePage("Clipboard");
  } else if (sender == &SBIcons) {
    Notebook1.SetActivePage("Icons");
  }
}

// Apply: the controls into the settings, then the whole store rewritten.
void TFormConfig::SpeedButApplyClick(Control* /*sender*/) {
  TakeFoldersSettings();
  TakeAppearanceSettings();
  TakeClipboardSettings();
  TakeIconsSettings();
  SaveSettings(registry_, settingsKey_, Settings, RefreshFlag, ProgramFolder, FolderPaths,
               FolderNames, GroupList);
}

void TFormConfig::UpdateHorizontalExtent(ListBox& list) {
  list.SetHorizontalExtent(list.WidestRowWidth() + 2);
}

void TFormConfig::SpeedButCloseClick(Control* /*sender*/) {
  Close();
}

void TFormConfig::LoadLanguagePack() {
  Lang1.SetProgramDir(ProgramFolder);
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
      ApplyInterfaceTexts([this](int number) { return Lang1.GetInterfaceText(number); });
    }
  });
  // The caption comes from the pack even when none loaded: it then shows the marker text.
  SetCaption(Lang1.GetInterfaceText(4));
}

std::string TFormConfig::MessageText(int number) const {
  return Lang1.GetMessageText(number);
}

void TFormConfig::NeedRefreshClick(Control* /*sender*/) {
  RefreshFlag = true;
}

void TFormConfig::FormClose(Control* /*sender*/) {
  FolderPaths.clear();
  FolderNames.clear();
  GroupList.List.clear();
}

}  // namespace brimdock
