#pragma once

#include "controls/Tablist.h"
#include "pages/PageContext.h"
#include "platform/ui/BevelLine.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Notebook.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/SpinEdit.h"

namespace brimdock {

class TextBindings;
struct TGroup;

// The Icons page: the icon groups with their fast links, the icon size and the delay before
// the panel creates its icons.
class IconsPage {
 public:
  explicit IconsPage(PageContext& context) : context_(context) {}

  void Create(NotebookPage& page, TextBindings& texts);
  void Show();
  void Take();
  // Fills the link list with the links of group index; none for -1.
  void ShowGroupLinks(int index);

  void LBGroupsClick(Control* sender);
  void SBAddGroupClick(Control* sender);
  void SBDeleteGroupClick(Control* sender);
  void SBRenameGroupClick(Control* sender);
  void SBUpDownGroupClick(Control* sender);
  void SBAddItemClick(Control* sender);
  void SBDelItemClick(Control* sender);
  void SBRenameItemClick(Control* sender);
  void SBUpDownItemClick(Control* sender);
  bool LBGroupsDragOver(Control* sender, Control* source, int x, int y);
  void LBGroupsDragDrop(Control* sender, Control* source, int x, int y);
  void ChBDelayIconCreateClick(Control* sender);

  Label Label11;
  BevelLine Bevel1;
  SpeedButton SBAddGroup, SBDeleteGroup, SBRenameGroup;
  ListBox LBGroups;
  SpeedButton SBUpGroup, SBDownGroup, SBAddItem, SBDelItem, SBRenameItem, SBFolder;
  TTabListBox LBItems;
  SpeedButton SBUpItem, SBDownItem;
  Label Label8;
  SpinEdit SEIcons;
  CheckBox ChBDelayIconCreate;
  Label Label14;
  SpinEdit SEDelayIconCreate;

 private:
  // The selected group, or nullptr.
  [[nodiscard]] TGroup* SelectedGroup();

  PageContext& context_;
};

}  // namespace brimdock
