#include "app/FormConfig.h"

#include "pages/PageGlyphs.h"
#include "platform/Application.h"
#include "settings/RegistryLayout.h"
#include "settings/SettingsFile.h"

namespace brimdock {
namespace {

constexpr int kClientWidth = 477;
constexpr int kClientHeight = 321;
constexpr Color kWindowColor = 12769704;

const FontSpec kWindowFont{};  // "MS Sans Serif", 8 points

}  // namespace

TFormConfig::TFormConfig(Registry& registry, Dialogs& dialogs, StartupOptions options)
    : Lang1(LangServices{registry, langFiles_, langLister_, langProfiles_,
                         [] { Application::ProcessMessages(); }}),
      registry_(registry),
      dialogs_(dialogs),
      options_(std::move(options)),
      settingsKey_(options_.settingsKey.empty() ? std::string(kSettingsKey)
                                                : options_.settingsKey) {
  CreateForm(Texts.Caption(*this, 4), kClientWidth, kClientHeight, kWindowColor, kWindowFont);
  dialogs_.SetOwner(Handle());
  SetErrorSink([this](const std::string& message) { dialogs_.ShowError(message); });
  onClose = [this](Control* sender) { FormClose(sender); };
  CreateFrame();
  Appearance.Create(Notebook1.Page("Appearance"), Texts);
  Folders.Create(Notebook1.Page("Folders"), Texts);
  Icons.Create(Notebook1.Page("Icons"), Texts);
  Clipboard.Create(Notebook1.Page("Clipboard"), Texts);
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
    button.Create(Panel2, Texts.Caption(button, number), bounds);
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
  SpeedButApply.Create(Panel1, Texts.Caption(SpeedButApply, 11), Bounds{125, 6, 65, 25});
  SpeedButClose.Create(Panel1, Texts.Caption(SpeedButClose, 12), Bounds{200, 6, 61, 25});
  SpeedButApply.onClick = [this](Control* sender) { SpeedButApplyClick(sender); };
  SpeedButClose.onClick = [this](Control* sender) { SpeedButCloseClick(sender); };
  Panel4.Create(Panel3, Bounds{1, 1, 399, 281}, clBtnFace, Bevel3D::Raised);
  Notebook1.Create(Panel4, Bounds{1, 1, 397, 279}, clBtnFace,
                   {"Appearance", "Folders", "Icons", "Clipboard"});
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
  Folders.Take();
  Appearance.Take();
  Clipboard.Take();
  Icons.Take();
  SaveSettings(registry_, settingsKey_, State.Settings, State.RefreshFlag, State.ProgramFolder,
               State.FolderButtons, State.GroupList);
}

void TFormConfig::SpeedButCloseClick(Control* /*sender*/) {
  Close();
}

void TFormConfig::NeedRefreshClick(Control* /*sender*/) {
  State.RefreshFlag = true;
}

void TFormConfig::FormClose(Control* /*sender*/) {
  State.FolderButtons.clear();
  State.GroupList.List.clear();
}

std::string TFormConfig::MessageText(int number) const {
  return Lang1.GetMessageText(number);
}

}  // namespace brimdock
