#pragma once

#include "pages/PageContext.h"
#include "platform/ui/BevelLine.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/Notebook.h"
#include "platform/ui/SpinEdit.h"

namespace brimdock {

class TextBindings;

// The Clipboard page: the size of the clipboard text the panel saves and the header it writes
// into the file.
class ClipboardPage {
 public:
  explicit ClipboardPage(PageContext& context) : context_(context) {}

  void Create(NotebookPage& page, TextBindings& texts);
  void Show();
  void Take();

  void ChBWriteHeaderClick(Control* sender);

  Label Label12;
  BevelLine Bevel2;
  GroupBox GBHeader;
  CheckBox ChBWriteHeader, ChBWriteTimeStamp;
  Label Label4;
  Edit EHeaderChar;
  Label Label7;
  Edit EDivideChar;
  Label Label5;
  SpinEdit SENumHeaderChars;
  Label Label6;
  Edit EHeaderString;
  Label Label2;
  SpinEdit SEClMaxSz;

 private:
  // The header's character, length and text are enabled exactly when the header is written.
  void EnableHeaderControls(bool header);

  PageContext& context_;
};

}  // namespace brimdock
