#include "app/Conf.h"
#include "lang/InterfaceTexts.h"
#include "pages/PageParts.h"

namespace brimdock {

void TFormConfig::CreateAppearancePage(NotebookPage& page) {
  const Color color = page.BackgroundColor();
  CreatePageTitle(page, Label9, Bevel3, BuiltInText(14));

  RGTopBottom.Create(page, BuiltInText(16), Bounds{0, 22, 397, 39}, color,
                     {std::string(BuiltInText(17)), std::string(BuiltInText(18))}, 2);
  RGTopBottom.onClick = [this](Control* sender) { NeedRefreshClick(sender); };

  GBBackground.Create(page, BuiltInText(19), Bounds{0, 61, 397, 68}, color);
  CBNoneBckgrnd.Create(GBBackground, BuiltInText(22), Bounds{10, 17, 56, 17});
  CBNoneBckgrnd.onClick = [this](Control* sender) { CBNoneBckgrndClick(sender); };
  SBBckgColor.Create(GBBackground, BuiltInText(21), Bounds{75, 15, 111, 21});
  ChBBorder.Create(GBBackground, BuiltInText(23), Bounds{205, 17, 76, 17});
  ChBBorder.onClick = [this](Control* sender) { ChBBorderClick(sender); };
  SBBackGrnd.Create(GBBackground, BuiltInText(20), Bounds{10, 40, 61, 21});
  FileLabelBackGrnd.Create(GBBackground, "", Bounds{75, 44, 311, 17});
  FileLabelBackGrnd.SetTextColor(clNavy);

  GBButtons.Create(page, BuiltInText(24), Bounds{0, 129, 397, 80}, color);
  Image1.Create(GBButtons, Bounds{10, 15, 186, 56});
  SBMenuFont.Create(GBButtons, BuiltInText(25), Bounds{15, 20, 176, 21});
  SBMenuFont.SetOwnFont(FontSpec{});
  SBGroupFont.Create(GBButtons, BuiltInText(26), Bounds{15, 45, 176, 21});
  SBGroupFont.SetOwnFont(FontSpec{});
  SBGroupFont.SetDown(true);
  for (SpeedButton* button : {&SBMenuFont, &SBGroupFont}) {
    button->SetBackdrop([this, button](HDC dc, const RECT& area) {
      const Bounds b = button->BoundsInParent();
      const Bounds image = Image1.BoundsInParent();
      Image1.CopyTo(dc, area, POINT{b.left - image.left, b.top - image.top});
    });
  }
  ChBFixedMenuButWidth.Create(GBButtons, BuiltInText(28), Bounds{205, 20, 111, 17});
  ChBFixedMenuButWidth.onClick = [this](Control* sender) { ChBFixedMenuButWidthClick(sender); };
  SEMenuButWidth.Create(GBButtons, Bounds{320, 16, 51, 22}, 5, 500, 1, 4);
  Label15.Create(GBButtons, BuiltInText(27), Bounds{225, 51, 93, 13}, TextAlign::Right);
  SEGroupButWidth.Create(GBButtons, Bounds{320, 46, 51, 22}, 5, 500, 1, 4);

  ChBShowPanelOnMouseMove.Create(page, BuiltInText(30), Bounds{10, 225, 171, 17});
  ChBOnTop.Create(page, BuiltInText(31), Bounds{10, 245, 121, 17});
  ChBAutoHide.Create(page, BuiltInText(29), Bounds{155, 245, 161, 17});
  ChBAutoHide.onClick = [this](Control* sender) { ChBAutoHideClick(sender); };
  SEAutoHideDelay.Create(page, Bounds{320, 242, 51, 22}, 0, 0, 100, 4);
  Label13.Create(page, BuiltInText(15), Bounds{372, 246, 13, 13});
}

void TFormConfig::ShowAppearanceSettings() {
  RGTopBottom.SetItemIndex(Settings.PanelTop ? 0 : 1);
  CBNoneBckgrnd.SetChecked(Settings.NoneBckgrnd);
  FileLabelBackGrnd.SetEnabled(!Settings.NoneBckgrnd);
  SBBackGrnd.SetEnabled(!Settings.NoneBckgrnd);
  SBBckgColor.SetEnabled(Settings.NoneBckgrnd);
  FileLabelBackGrnd.SetCaption(Settings.BackBMPName);
  ChBBorder.SetChecked(Settings.Border3D);
  ChBShowPanelOnMouseMove.SetChecked(Settings.ShowPanelOnMouseMove);
  ChBAutoHide.SetChecked(Settings.AutoHidePanel);
  SEAutoHideDelay.SetValue(Settings.AutoHideDelay);
  SEAutoHideDelay.SetEnabled(ChBAutoHide.Checked());
  ChBOnTop.SetChecked(Settings.OnTop);
  ChBFixedMenuButWidth.SetChecked(Settings.FixedMenuButWidth);
  SEGroupButWidth.SetValue(Settings.GroupButWidth);
  SEMenuButWidth.SetValue(Settings.MenuButWidth);
  SEMenuButWidth.SetEnabled(ChBFixedMenuButWidth.Checked());
}

void TFormConfig::TakeAppearanceSettings() {
  Settings.PanelTop = RGTopBottom.ItemIndex() == 0;
  Settings.Border3D = ChBBorder.Checked();
  Settings.ShowPanelOnMouseMove = ChBShowPanelOnMouseMove.Checked();
  Settings.AutoHidePanel = ChBAutoHide.Checked();
  Settings.AutoHideDelay = SEAutoHideDelay.Value();
  Settings.OnTop = ChBOnTop.Checked();
  Settings.FixedMenuButWidth = ChBFixedMenuButWidth.Checked();
  Settings.GroupButWidth = SEGroupButWidth.Value();
  Settings.MenuButWidth = SEMenuButWidth.Value();
}

void TFormConfig::CBNoneBckgrndClick(Control* /*sender*/) {
  Settings.NoneBckgrnd = CBNoneBckgrnd.Checked();
  SBBackGrnd.SetEnabled(!Settings.NoneBckgrnd);
  FileLabelBackGrnd.SetEnabled(!Settings.NoneBckgrnd);
  SBBckgColor.SetEnabled(Settings.NoneBckgrnd);
}

void TFormConfig::ChBBorderClick(Control* /*sender*/) {
  Settings.Border3D = ChBBorder.Checked();
}

void TFormConfig::ChBFixedMenuButWidthClick(Control* /*sender*/) {
  SEMenuButWidth.SetEnabled(ChBFixedMenuButWidth.Checked());
}

void TFormConfig::ChBAutoHideClick(Control* /*sender*/) {
  SEAutoHideDelay.SetEnabled(ChBAutoHide.Checked());
}

}  // namespace brimdock
