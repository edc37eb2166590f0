#pragma once

#include "controls/FileLbl.h"
#include "pages/PageContext.h"
#include "platform/ui/BevelLine.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Notebook.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/SpinEdit.h"

namespace brimdock {

class TextBindings;

// The Appearance page: where the panel stands, its background, its buttons' fonts and widths,
// and how it hides.
class AppearancePage {
 public:
  explicit AppearancePage(PageContext& context) : context_(context) {}

  void Create(NotebookPage& page, TextBindings& texts);
  // The fonts the two font buttons are created with, as the settings' defaults.
  void TakeFontDefaults();
  void Show();
  // The fonts of the two font buttons, from the settings.
  void ShowFonts();
  void Take();

  void CBNoneBckgrndClick(Control* sender);
  void ChBBorderClick(Control* sender);
  void ChBFixedMenuButWidthClick(Control* sender);
  void ChBAutoHideClick(Control* sender);

  Label Label9;
  BevelLine Bevel3;
  RadioGroup RGTopBottom;
  GroupBox GBBackground;
  CheckBox CBNoneBckgrnd;
  SpeedButton SBBckgColor;
  CheckBox ChBBorder;
  SpeedButton SBBackGrnd;
  TFileLabel FileLabelBackGrnd;
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

 private:
  PageContext& context_;
};

}  // namespace brimdock
