#include "app/Conf.h"
#include "lang/InterfaceTexts.h"
#include "pages/PageParts.h"

namespace brimdock {

void TFormConfig::CreateClipboardPage(NotebookPage& page) {
  CreatePageTitle(page, Label12, Bevel2, BuiltInText(63));

  GBHeader.Create(page, BuiltInText(64), Bounds{0, 22, 397, 129}, page.BackgroundColor());
  ChBWriteHeader.Create(GBHeader, BuiltInText(69), Bounds{10, 20, 186, 17});
  ChBWriteHeader.onClick = [this](Control* sender) { ChBWriteHeaderClick(sender); };
  ChBWriteTimeStamp.Create(GBHeader, BuiltInText(70), Bounds{205, 20, 166, 17});
  Label4.Create(GBHeader, BuiltInText(65), Bounds{10, 45, 117, 13}, TextAlign::Right);
  EHeaderChar.Create(GBHeader, Bounds{135, 40, 31, 21}, 1);
  Label7.Create(GBHeader, BuiltInText(68), Bounds{170, 45, 105, 13}, TextAlign::Right);
  EDivideChar.Create(GBHeader, Bounds{280, 40, 31, 21}, 1);
  Label5.Create(GBHeader, BuiltInText(66), Bounds{95, 70, 129, 13}, TextAlign::Right);
  SENumHeaderChars.Create(GBHeader, Bounds{230, 65, 41, 22}, 0, 250, 1, 0);
  Label6.Create(GBHeader, BuiltInText(67), Bounds{5, 100, 58, 13}, TextAlign::Right);
  EHeaderString.Create(GBHeader, Bounds{70, 95, 306, 21});

  Label2.Create(page, BuiltInText(61), Bounds{15, 165, 171, 13});
  SEClMaxSz.Create(page, Bounds{190, 160, 91, 22}, 1000, 20000, 500, 0);
}

void TFormConfig::ShowClipboardSettings() {
  SEClMaxSz.SetValue(Settings.clbMaxSize);
  EHeaderChar.SetText(Settings.HeaderChar);
  SENumHeaderChars.SetValue(Settings.NumHeaderChars);
  EHeaderString.SetText(Settings.HeaderString);
  EDivideChar.SetText(Settings.DivideChar);
  ChBWriteHeader.SetChecked(Settings.WriteHeader);
  ChBWriteTimeStamp.SetChecked(Settings.WriteTimeStamp);
  const bool header = ChBWriteHeader.Checked();
  EHeaderChar.SetEnabled(header);
  SENumHeaderChars.SetEnabled(header);
  EHeaderString.SetEnabled(header);
}

void TFormConfig::TakeClipboardSettings() {
  Settings.clbMaxSize = SEClMaxSz.Value();
  Settings.WriteTimeStamp = ChBWriteTimeStamp.Checked();
  Settings.HeaderChar = EHeaderChar.Text();
  Settings.DivideChar = EDivideChar.Text();
  Settings.NumHeaderChars = SENumHeaderChars.Value();
  Settings.HeaderString = EHeaderString.Text();
}

void TFormConfig::ChBWriteHeaderClick(Control* /*sender*/) {
  Settings.WriteHeader = ChBWriteHeader.Checked();
  EHeaderChar.SetEnabled(Settings.WriteHeader);
  SENumHeaderChars.SetEnabled(Settings.WriteHeader);
  EHeaderString.SetEnabled(Settings.WriteHeader);
}

}  // namespace brimdock
