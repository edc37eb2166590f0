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
  // Paints the preview from the settings: the plain colour with "None", else the picture tiled
  // from the top left, with the three-dimensional frame when asked for. A picture that is
  // missing or no bitmap turns "None" on and leaves the preview as it was.
  void PaintPreview();

  void CBNoneBckgrndClick(Control* sender);
  void SBBackGrndClick(Control* sender);
  void SBBckgColorClick(Control* sender);
  void ChBBorderClick(Control* sender);
  // Edits the font of the font button clicked.
  void SBMenuFontClick(Control* sender);
  // Stores a font of the font dialog as the font being edited and shows it on its button.
  void FontDialog1Apply(const FontSpec& font);
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

  // The picture the preview was last painted with.
  BitmapHandle PreviewBitmap;
  // Which font the font dialog edits: the menu buttons' (true) or the group buttons'.
  bool EditingMenuFont = false;

 private:
  // The two font buttons show the preview under their captions.
  void RepaintFontButtons();

  PageContext& context_;
};

}  // namespace brimdock
