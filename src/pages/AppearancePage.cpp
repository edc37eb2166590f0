#include "pages/AppearancePage.h"

#include <algorithm>

#include "controls/TextBindings.h"
#include "pages/PageParts.h"
#include "pages/ProgramState.h"
#include "platform/Dialogs.h"

namespace brimdock {
namespace {

// Where the settings keep one of the two button fonts.
struct FontFields {
  std::uint8_t PanelSettings::*charset;
  std::string PanelSettings::*name;
  std::int32_t PanelSettings::*size;
  bool PanelSettings::*bold;
  bool PanelSettings::*strikeOut;
  bool PanelSettings::*underline;
  bool PanelSettings::*italic;
  std::int32_t PanelSettings::*color;
};

constexpr FontFields kMenuFont{&PanelSettings::MenuFontCharset,   &PanelSettings::MenuFontName,
                               &PanelSettings::MenuFontSize,      &PanelSettings::MenuFontBold,
                               &PanelSettings::MenuFontStrikeOut, &PanelSettings::MenuFontUnderline,
                               &PanelSettings::MenuFontItalic,    &PanelSettings::MenuFontColor};
constexpr FontFields kGroupFont{
    &PanelSettings::GroupFontCharset,   &PanelSettings::GroupFontName,
    &PanelSettings::GroupFontSize,      &PanelSettings::GroupFontBold,
    &PanelSettings::GroupFontStrikeOut, &PanelSettings::GroupFontUnderline,
    &PanelSettings::GroupFontItalic,    &PanelSettings::GroupFontColor};

FontSpec ReadFont(const PanelSettings& s, const FontFields& f) {
  return FontSpec{s.*f.charset,   s.*f.name,      s.*f.size,   s.*f.bold,
                  s.*f.strikeOut, s.*f.underline, s.*f.italic, s.*f.color};
}

void WriteFont(PanelSettings& s, const FontFields& f, const FontSpec& font) {
  s.*f.charset = font.charset;
  s.*f.name = font.name;
  s.*f.size = font.size;
  s.*f.bold = font.bold;
  s.*f.strikeOut = font.strikeOut;
  s.*f.underline = font.underline;
  s.*f.italic = font.italic;
  s.*f.color = font.color;
}

}  // namespace

void AppearancePage::Create(NotebookPage& page, TextBindings& texts) {
  const Color color = page.BackgroundColor();
  CreatePageTitle(page, Label9, Bevel3, texts, 14);

  RGTopBottom.Create(page, texts.GroupCaption(RGTopBottom, 16), Bounds{0, 22, 397, 39}, color,
                     {texts.Item(RGTopBottom, 0, 17), texts.Item(RGTopBottom, 1, 18)}, 2);
  RGTopBottom.onClick = [this](Control* sender) { context_.NeedRefreshClick(sender); };

  GBBackground.Create(page, texts.GroupCaption(GBBackground, 19), Bounds{0, 61, 397, 68}, color);
  CBNoneBckgrnd.Create(GBBackground, texts.Caption(CBNoneBckgrnd, 22), Bounds{10, 17, 56, 17});
  CBNoneBckgrnd.onClick = [this](Control* sender) { CBNoneBckgrndClick(sender); };
  SBBckgColor.Create(GBBackground, texts.Caption(SBBckgColor, 21), Bounds{75, 15, 111, 21});
  SBBckgColor.onClick = [this](Control* sender) { SBBckgColorClick(sender); };
  ChBBorder.Create(GBBackground, texts.Caption(ChBBorder, 23), Bounds{205, 17, 76, 17});
  ChBBorder.onClick = [this](Control* sender) { ChBBorderClick(sender); };
  SBBackGrnd.Create(GBBackground, texts.Caption(SBBackGrnd, 20), Bounds{10, 40, 61, 21});
  SBBackGrnd.onClick = [this](Control* sender) { SBBackGrndClick(sender); };
  FileLabelBackGrnd.Create(GBBackground, Bounds{75, 44, 311, 17});
  FileLabelBackGrnd.SetTextColor(clNavy);

  GBButtons.Create(page, texts.GroupCaption(GBButtons, 24), Bounds{0, 129, 397, 80}, color);
  Image1.Create(GBButtons, Bounds{10, 15, 186, 56});
  SBMenuFont.Create(GBButtons, texts.Caption(SBMenuFont, 25), Bounds{15, 20, 176, 21});
  SBMenuFont.SetOwnFont(FontSpec{});
  SBGroupFont.Create(GBButtons, texts.Caption(SBGroupFont, 26), Bounds{15, 45, 176, 21});
  SBGroupFont.SetOwnFont(FontSpec{});
  SBGroupFont.SetDown(true);
  for (SpeedButton* button : {&SBMenuFont, &SBGroupFont}) {
    button->onClick = [this](Control* sender) { SBMenuFontClick(sender); };
    button->SetBackdrop([this, button](HDC dc, const RECT& area) {
      const Bounds b = button->BoundsInParent();
      const Bounds image = Image1.BoundsInParent();
      Image1.CopyTo(dc, area, POINT{b.left - image.left, b.top - image.top});
    });
  }
  ChBFixedMenuButWidth.Create(GBButtons, texts.Caption(ChBFixedMenuButWidth, 28),
                              Bounds{205, 20, 111, 17});
  ChBFixedMenuButWidth.onClick = [this](Control* sender) { ChBFixedMenuButWidthClick(sender); };
  SEMenuButWidth.Create(GBButtons, Bounds{320, 16, 51, 22}, 5, 500, 1, 4);
  Label15.Create(GBButtons, texts.Caption(Label15, 27), Bounds{225, 51, 93, 13}, TextAlign::Right);
  SEGroupButWidth.Create(GBButtons, Bounds{320, 46, 51, 22}, 5, 500, 1, 4);

  ChBShowPanelOnMouseMove.Create(page, texts.Caption(ChBShowPanelOnMouseMove, 30),
                                 Bounds{10, 225, 171, 17});
  ChBOnTop.Create(page, texts.Caption(ChBOnTop, 31), Bounds{10, 245, 121, 17});
  ChBAutoHide.Create(page, texts.Caption(ChBAutoHide, 29), Bounds{155, 245, 161, 17});
  ChBAutoHide.onClick = [this](Control* sender) { ChBAutoHideClick(sender); };
  SEAutoHideDelay.Create(page, Bounds{320, 242, 51, 22}, 0, 0, 100, 4);
  Label13.Create(page, texts.Caption(Label13, 15), Bounds{372, 246, 13, 13});
}

void AppearancePage::TakeFontDefaults() {
  PanelSettings& settings = context_.SharedState().Settings;
  WriteFont(settings, kMenuFont, SBMenuFont.OwnFont());
  WriteFont(settings, kGroupFont, SBGroupFont.OwnFont());
}

void AppearancePage::Show() {
  const PanelSettings& settings = context_.SharedState().Settings;
  RGTopBottom.SetItemIndex(settings.PanelTop ? 0 : 1);
  CBNoneBckgrnd.SetChecked(settings.NoneBckgrnd);
  FileLabelBackGrnd.SetEnabled(!settings.NoneBckgrnd);
  SBBackGrnd.SetEnabled(!settings.NoneBckgrnd);
  SBBckgColor.SetEnabled(settings.NoneBckgrnd);
  FileLabelBackGrnd.SetFileName(settings.BackBMPName);
  ChBBorder.SetChecked(settings.Border3D);
  ChBShowPanelOnMouseMove.SetChecked(settings.ShowPanelOnMouseMove);
  ChBAutoHide.SetChecked(settings.AutoHidePanel);
  SEAutoHideDelay.SetValue(settings.AutoHideDelay);
  SEAutoHideDelay.SetEnabled(ChBAutoHide.Checked());
  ChBOnTop.SetChecked(settings.OnTop);
  ChBFixedMenuButWidth.SetChecked(settings.FixedMenuButWidth);
  SEGroupButWidth.SetValue(settings.GroupButWidth);
  SEMenuButWidth.SetValue(settings.MenuButWidth);
  SEMenuButWidth.SetEnabled(ChBFixedMenuButWidth.Checked());
}

void AppearancePage::ShowFonts() {
  const PanelSettings& settings = context_.SharedState().Settings;
  SBMenuFont.SetOwnFont(ReadFont(settings, kMenuFont));
  SBGroupFont.SetOwnFont(ReadFont(settings, kGroupFont));
}

void AppearancePage::Take() {
  PanelSettings& settings = context_.SharedState().Settings;
  settings.PanelTop = RGTopBottom.ItemIndex() == 0;
  settings.Border3D = ChBBorder.Checked();
  settings.ShowPanelOnMouseMove = ChBShowPanelOnMouseMove.Checked();
  settings.AutoHidePanel = ChBAutoHide.Checked();
  settings.AutoHideDelay = SEAutoHideDelay.Value();
  settings.OnTop = ChBOnTop.Checked();
  settings.FixedMenuButWidth = ChBFixedMenuButWidth.Checked();
  settings.GroupButWidth = SEGroupButWidth.Value();
  settings.MenuButWidth = SEMenuButWidth.Value();
}

void AppearancePage::PaintPreview() {
  PanelSettings& settings = context_.SharedState().Settings;
  HDC canvas = Image1.Canvas();
  const RECT all{0, 0, Image1.Width(), Image1.Height()};
  if (settings.NoneBckgrnd) {
    BrushHandle brush(CreateSolidBrush(ToColorRef(settings.BackgroundColor)));
    FillRect(canvas, &all, brush.Get());
    RepaintFontButtons();
    return;
  }
  // The picture is read again at every repaint.
  const DWORD attributes = GetFileAttributesA(settings.BackBMPName.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    settings.NoneBckgrnd = true;
    return;
  }
  PreviewBitmap.Reset(static_cast<HBITMAP>(
      LoadImageA(nullptr, settings.BackBMPName.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  BITMAP picture{};
  if (!PreviewBitmap || GetObjectA(PreviewBitmap.Get(), sizeof picture, &picture) == 0) {
    settings.NoneBckgrnd = true;
    return;
  }
  if (picture.bmWidth > 0 && picture.bmHeight > 0) {
    MemoryDC source(canvas);
    SelectedObject selected(source.Get(), PreviewBitmap.Get());
    for (int y = 0; y < all.bottom; y += picture.bmHeight) {
      for (int x = 0; x < all.right; x += picture.bmWidth) {
        BitBlt(canvas, x, y, std::min(picture.bmWidth, all.right - x),
               std::min(picture.bmHeight, all.bottom - y), source.Get(), 0, 0, SRCCOPY);
      }
    }
  }
  if (settings.Border3D) {
    RECT frame = all;
    DrawEdge(canvas, &frame, BDR_RAISEDINNER, BF_RECT);
  }
  RepaintFontButtons();
}

void AppearancePage::RepaintFontButtons() {
  Image1.Changed();
  for (SpeedButton* button : {&SBMenuFont, &SBGroupFont}) {
    InvalidateRect(button->Handle(), nullptr, FALSE);
  }
}

void AppearancePage::CBNoneBckgrndClick(Control* /*sender*/) {
  PanelSettings& settings = context_.SharedState().Settings;
  settings.NoneBckgrnd = CBNoneBckgrnd.Checked();
  SBBackGrnd.SetEnabled(!settings.NoneBckgrnd);
  FileLabelBackGrnd.SetEnabled(!settings.NoneBckgrnd);
  SBBckgColor.SetEnabled(settings.NoneBckgrnd);
  PaintPreview();
}

void AppearancePage::SBBackGrndClick(Control* /*sender*/) {
  const auto picture = context_.ModalDialogs().OpenPicture();
  if (!picture) return;
  PanelSettings& settings = context_.SharedState().Settings;
  settings.BackBMPName = *picture;
  FileLabelBackGrnd.SetFileName(settings.BackBMPName);
  settings.NoneBckgrnd = false;
  PaintPreview();
}

void AppearancePage::SBBckgColorClick(Control* sender) {
  PanelSettings& settings = context_.SharedState().Settings;
  const auto color = context_.ModalDialogs().PickColor(settings.BackgroundColor);
  if (!color) return;
  settings.BackgroundColor = *color;
  context_.NeedRefreshClick(sender);
  PaintPreview();
}

void AppearancePage::ChBBorderClick(Control* /*sender*/) {
  context_.SharedState().Settings.Border3D = ChBBorder.Checked();
  PaintPreview();
}

void AppearancePage::SBMenuFontClick(Control* sender) {
  EditingMenuFont = sender == &SBMenuFont;
  SpeedButton& button = EditingMenuFont ? SBMenuFont : SBGroupFont;
  // The group font's button stays down however the dialog ends.
  struct KeepDown {
    SpeedButton* button;
    ~KeepDown() {
      if (button) button->SetDown(true);
    }
  } keepDown{EditingMenuFont ? nullptr : &SBGroupFont};
  const auto font = context_.ModalDialogs().PickFont(
      button.OwnFont(), [this](const FontSpec& applied) { FontDialog1Apply(applied); });
  if (font) FontDialog1Apply(*font);
}

void AppearancePage::FontDialog1Apply(const FontSpec& font) {
  PanelSettings& settings = context_.SharedState().Settings;
  WriteFont(settings, EditingMenuFont ? kMenuFont : kGroupFont, font);
  (EditingMenuFont ? SBMenuFont : SBGroupFont).SetOwnFont(font);
}

void AppearancePage::ChBFixedMenuButWidthClick(Control* /*sender*/) {
  SEMenuButWidth.SetEnabled(ChBFixedMenuButWidth.Checked());
}

void AppearancePage::ChBAutoHideClick(Control* /*sender*/) {
  SEAutoHideDelay.SetEnabled(ChBAutoHide.Checked());
}

}  // namespace brimdock
