#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace brimdock {

// The predefined window classes that a dialog item names by atom.
enum class ItemClass : WORD {
  Button = 0x0080,
  Edit = 0x0081,
  Static = 0x0082,
  ListBox = 0x0083,
  ComboBox = 0x0085,
};

// A rectangle in dialog units: left, top, width, height.
struct DialogRect {
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
};

// An in-memory dialog template for DialogBoxIndirectParamA: the DLGTEMPLATE header with the
// font MS Sans Serif 8, then one DLGITEMTEMPLATE per item. Texts are given in the ANSI code page
// and stored in UTF-16, as templates require.
class DialogTemplate {
 public:
  // DS_SETFONT is always added to the style.
  DialogTemplate(DWORD style, const DialogRect& bounds, const std::string& title);

  // WS_CHILD and WS_VISIBLE are always added to the style.
  void AddItem(ItemClass itemClass, DWORD style, const DialogRect& bounds, int id,
               const std::string& text = {}, DWORD exStyle = 0);

  [[nodiscard]] const DLGTEMPLATE* Get() const;

 private:
  void AppendDword(DWORD value);
  void AppendText(const std::string& text);
  void AlignToDword();

  // WORD storage: the heap block is aligned for any type, and items start at even WORD offsets.
  std::vector<WORD> words_;
};

}  // namespace brimdock
