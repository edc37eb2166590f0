#include "app/Conf.h"
#include "lang/InterfaceTexts.h"
#include "settings/RegistryLayout.h"

namespace brimdock {

// Puts each Interface text of the language pack on its control, in the table's order.
void TFormConfig::ApplyInterfaceTexts(const std::function<std::string(int)>& text) {
  for (const InterfaceText& entry : InterfaceTexts())
    SetInterfaceText(entry.number, text(entry.number));
}

void TFormConfig::SetInterfaceText(int number, const std::string& text) {
  // A group box's caption is the text between two blanks, cut as a short text.
  const auto groupCaption = [&text] { return ApplyCut(" " + text + " ", Cut::To255); };
  Control* caption = nullptr;
  Control* hint = nullptr;
  switch (number) {
    case 4:
      caption = this;
      break;
    case 6:
      caption = &SBAppear;
      break;
    case 7:
      caption = &SBMenus;
      break;
    case 8:
      caption = &SBClipbrd;
      break;
    case 9:
      caption = &SBIcons;
      break;
    case 10:
      caption = &SBAbout;
      break;
    case 11:
      caption = &SpeedButApply;
      break;
    case 12:
      caption = &SpeedButClose;
      break;
    case 14:
      caption = &Label9;
      break;
    case 15:
      caption = &Label13;
      break;
    case 16:
      RGTopBottom.SetCaption(groupCaption());
      break;
    case 17:
      RGTopBottom.SetItem(0, text);
      break;
    case 18:
      RGTopBottom.SetItem(1, text);
      break;
    case 19:
      GBBackground.SetCaption(groupCaption());
      break;
    case 20:
      caption = &SBBackGrnd;
      break;
    case 21:
      caption = &SBBckgColor;
      break;
    case 22:
      caption = &CBNoneBckgrnd;
      break;
    case 23:
      caption = &ChBBorder;
      break;
    case 24:
      GBButtons.SetCaption(groupCaption());
      break;
    case 25:
      caption = &SBMenuFont;
      break;
    case 26:
      caption = &SBGroupFont;
      break;
    case 27:
      caption = &Label15;
      break;
    case 28:
      caption = &ChBFixedMenuButWidth;
      break;
    case 29:
      caption = &ChBAutoHide;
      break;
    case 30:
      caption = &ChBShowPanelOnMouseMove;
      break;
    case 31:
      caption = &ChBOnTop;
      break;
    case 32:
      caption = &SpeedButAddDir;
      break;
    case 33:
      caption = &SpeedButDelDir;
      break;
    case 34:
      hint = &SButUp;
      break;
    case 35:
      hint = &SButDown;
      break;
    case 36:
      caption = &Label1;
      break;
    case 37:
      caption = &Label10;
      break;
    case 38:
      caption = &SBRenameDir;
      break;
    case 39:
      caption = &CheckBox8;
      break;
    case 40:
      caption = &CheckBox7;
      break;
    case 41:
      caption = &CheckBox1;
      break;
    case 42:
      caption = &CheckBox2;
      break;
    case 43:
      caption = &CheckBox3;
      break;
    case 44:
      caption = &CheckBox4;
      break;
    case 45:
      caption = &CheckBox5;
      break;
    case 46:
      caption = &CheckBox6;
      break;
    case 47:
      caption = &RadioButExplore;
      break;
    case 48:
      caption = &RadioButOpen;
      break;
    case 49:
      caption = &Label8;
      break;
    case 50:
      caption = &Label11;
      break;
    case 51:
      caption = &SBAddItem;
      break;
    case 52:
      caption = &SBDelItem;
      break;
    case 53:
      caption = &SBRenameItem;
      break;
    case 54:
      hint = &SBUpGroup;
      break;
    case 55:
      hint = &SBDownGroup;
      break;
    case 56:
      caption = &SBRenameGroup;
      break;
    case 57:
      hint = &SBDownItem;
      break;
    case 58:
      hint = &SBUpItem;
      break;
    case 59:
      caption = &Label14;
      break;
    case 60:
      caption = &ChBDelayIconCreate;
      break;
    case 61:
      caption = &Label2;
      break;
    case 62:
      hint = &SBFolder;
      break;
    case 63:
      caption = &Label12;
      break;
    case 64:
      GBHeader.SetCaption(groupCaption());
      break;
    case 65:
      caption = &Label4;
      break;
    case 66:
      caption = &Label5;
      break;
    case 67:
      caption = &Label6;
      break;
    case 68:
      caption = &Label7;
      break;
    case 69:
      caption = &ChBWriteHeader;
      break;
    case 70:
      caption = &ChBWriteTimeStamp;
      break;
    case 71:
      hint = &SBAddGroup;
      break;
    case 72:
      hint = &SBDeleteGroup;
      break;
    case 73:
      hint = &SBRenameGroup;
      break;
    default:
      break;
  }
  if (caption) caption->SetCaption(text);
  if (hint) hint->SetHint(text);
}

}  // namespace brimdock
