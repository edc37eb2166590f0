#include "pages/ClipboardPage.h"

#include "controls/TextBindings.h"
#include "pages/PageParts.h"
#include "pages/ProgramState.h"

namespace brimdock {

void ClipboardPage::Create(NotebookPage& page, TextBindings& texts) {
  CreatePageTitle(page, Label12, Bevel2, texts, 63);

  GBHeader.Create(page, texts.GroupCaption(GBHeader, 64), Bounds{0, 22, 397, 129},
                  page.BackgroundColor());
  ChBWriteHeader.Create(GBHeader, texts.Caption(ChBWriteHeader, 69), Bounds{10, 20, 186, 17});
  ChBWriteHeader.onClick = [this](Control* sender) { ChBWriteHeaderClick(sender); };
  ChBWriteTimeStamp.Create(GBHeader, texts.Caption(ChBWriteTimeStamp, 70),
                           Bounds{205, 20, 166, 17});
  Label4.Create(GBHeader, texts.Caption(Label4, 65), Bounds{10, 45, 117, 13}, TextAlign::Right);
  EHeaderChar.Create(GBHeader, Bounds{135, 40, 31, 21}, 1);
  Label7.Create(GBHeader, texts.Caption(Label7, 68), Bounds{170, 45, 105, 13}, TextAlign::Right);
  EDivideChar.Create(GBHeader, Bounds{280, 40, 31, 21}, 1);
  Label5.Create(GBHeader, texts.Caption(Label5, 66), Bounds{95, 70, 129, 13}, TextAlign::Right);
  SENumHeaderChars.Create(GBHeader, Bounds{230, 65, 41, 22}, 0, 250, 1, 0);
  Label6.Create(GBHeader, texts.Caption(Label6, 67), Bounds{5, 100, 58, 13}, TextAlign::Right);
  EHeaderString.Create(GBHeader, Bounds{70, 95, 306, 21});

  Label2.Create(page, texts.Caption(Label2, 61), Bounds{15, 165, 171, 13});
  SEClMaxSz.Create(page, Bounds{190, 160, 91, 22}, 1000, 20000, 500, 0);
}

void ClipboardPage::Show() {
  const PanelSettings& settings = context_.SharedState().Settings;
  SEClMaxSz.SetValue(settings.clbMaxSize);
  EHeaderChar.SetText(settings.HeaderChar);
  SENumHeaderChars.SetValue(settings.NumHeaderChars);
  EHeaderString.SetText(settings.HeaderString);
  EDivideChar.SetText(settings.DivideChar);
  ChBWriteHeader.SetChecked(settings.WriteHeader);
  ChBWriteTimeStamp.SetChecked(settings.WriteTimeStamp);
  EnableHeaderControls(ChBWriteHeader.Checked());
}

void ClipboardPage::Take() {
  PanelSettings& settings = context_.SharedState().Settings;
  settings.clbMaxSize = SEClMaxSz.Value();
  settings.WriteTimeStamp = ChBWriteTimeStamp.Checked();
  settings.HeaderChar = EHeaderChar.Text();
  settings.DivideChar = EDivideChar.Text();
  settings.NumHeaderChars = SENumHeaderChars.Value();
  settings.HeaderString = EHeaderString.Text();
}

void ClipboardPage::ChBWriteHeaderClick(Control* /*sender*/) {
  PanelSettings& settings = context_.SharedState().Settings;
  settings.WriteHeader = ChBWriteHeader.Checked();
  EnableHeaderControls(settings.WriteHeader);
}

void ClipboardPage::EnableHeaderControls(bool header) {
  EHeaderChar.SetEnabled(header);
  SENumHeaderChars.SetEnabled(header);
  EHeaderString.SetEnabled(header);
}

}  // namespace brimdock
