#include "pages/IconsPage.h"

#include <algorithm>

#include "controls/TextBindings.h"
#include "controls/TwoColumnRow.h"
#include "lang/ShortText.h"
#include "pages/ListCommands.h"
#include "pages/PageGlyphs.h"
#include "pages/PageParts.h"
#include "pages/ProgramState.h"
#include "platform/Dialogs.h"

namespace brimdock {
namespace {

constexpr size_t kGroupNameLimit = 10;

// The file-name part of a path: the text after its last "\" or ":".
std::string FileNamePart(const std::string& path) {
  const auto at = path.find_last_of("\\:");
  return at == std::string::npos ? path : path.substr(at + 1);
}

}  // namespace

void IconsPage::Create(NotebookPage& page, TextBindings& texts) {
  CreatePageTitle(page, Label11, Bevel1, texts, 50);

  FontSpec big;
  big.size = 12;  // 16 pixels high
  big.bold = true;
  SBAddGroup.Create(page, "+", Bounds{5, 20, 20, 20});
  SBAddGroup.SetOwnFont(big);
  SBAddGroup.SetHint(texts.Hint(SBAddGroup, 71));
  SBDeleteGroup.Create(page, "-", Bounds{25, 20, 20, 20});
  SBDeleteGroup.SetOwnFont(big);
  SBDeleteGroup.SetHint(texts.Hint(SBDeleteGroup, 72));
  SBRenameGroup.Create(page, texts.Caption(SBRenameGroup, 56), Bounds{45, 20, 61, 20});
  SBRenameGroup.SetHint(texts.Hint(SBRenameGroup, 73));

  LBGroups.Create(page, Bounds{0, 45, 101, 196});
  CreateArrowButton(page, SBUpGroup, true, Bounds{108, 45, 16, 98}, texts, 54);
  CreateArrowButton(page, SBDownGroup, false, Bounds{108, 143, 16, 99}, texts, 55);

  SBAddItem.Create(page, texts.Caption(SBAddItem, 51), Bounds{125, 20, 85, 20});
  SBDelItem.Create(page, texts.Caption(SBDelItem, 52), Bounds{210, 20, 90, 20});
  SBRenameItem.Create(page, texts.Caption(SBRenameItem, 53), Bounds{300, 20, 75, 20});
  SBFolder.Create(page, "", Bounds{376, 20, 17, 20});
  SBFolder.SetGlyph(PaintFolderTreeGlyph, kSmallGlyphSize, GlyphLayout::Left);
  SBFolder.SetHint(texts.Hint(SBFolder, 62));

  LBItems.Create(page, Bounds{125, 45, 251, 196}, "50");
  CreateArrowButton(page, SBUpItem, true, Bounds{378, 45, 16, 98}, texts, 58);
  CreateArrowButton(page, SBDownItem, false, Bounds{378, 143, 16, 99}, texts, 57);

  LBItems.SetAutomaticDrag(true);
  LBGroups.onClick = [this](Control* sender) { LBGroupsClick(sender); };
  LBGroups.onDragOver = [this](Control* sender, Control* source, int x, int y) {
    return LBGroupsDragOver(sender, source, x, y);
  };
  LBGroups.onDragDrop = [this](Control* sender, Control* source, int x, int y) {
    LBGroupsDragDrop(sender, source, x, y);
  };
  BindListCommands(LBGroups, {[this](Control* sender) { SBAddGroupClick(sender); },
                              [this](Control* sender) { SBDeleteGroupClick(sender); }});
  BindListCommands(LBItems, {[this](Control* sender) { SBAddItemClick(sender); },
                             [this](Control* sender) { SBDelItemClick(sender); }});
  SBAddGroup.onClick = [this](Control* sender) { SBAddGroupClick(sender); };
  SBDeleteGroup.onClick = [this](Control* sender) { SBDeleteGroupClick(sender); };
  SBRenameGroup.onClick = [this](Control* sender) { SBRenameGroupClick(sender); };
  SBUpGroup.onClick = [this](Control* sender) { SBUpDownGroupClick(sender); };
  SBDownGroup.onClick = [this](Control* sender) { SBUpDownGroupClick(sender); };
  SBAddItem.onClick = [this](Control* sender) { SBAddItemClick(sender); };
  SBDelItem.onClick = [this](Control* sender) { SBDelItemClick(sender); };
  SBRenameItem.onClick = [this](Control* sender) { SBRenameItemClick(sender); };
  SBUpItem.onClick = [this](Control* sender) { SBUpDownItemClick(sender); };
  SBDownItem.onClick = [this](Control* sender) { SBUpDownItemClick(sender); };

  Label8.Create(page, texts.Caption(Label8, 49), Bounds{3, 249, 53, 13}, TextAlign::Right);
  SEIcons.Create(page, Bounds{61, 246, 46, 22}, 0, 0, 1, 3);
  SEIcons.onChange = [this](Control* sender) { context_.NeedRefreshClick(sender); };
  ChBDelayIconCreate.Create(page, texts.Caption(ChBDelayIconCreate, 60), Bounds{128, 248, 137, 17});
  ChBDelayIconCreate.onClick = [this](Control* sender) { ChBDelayIconCreateClick(sender); };
  Label14.Create(page, texts.Caption(Label14, 59), Bounds{268, 249, 53, 13}, TextAlign::Right);
  SEDelayIconCreate.Create(page, Bounds{325, 245, 52, 22}, 0, 0, 1, 4);
}

void IconsPage::Show() {
  const ProgramState& state = context_.SharedState();
  LBGroups.Clear();
  for (const auto& group : state.GroupList.List) LBGroups.Add(group->Hint);
  UpdateHorizontalExtent(LBGroups);
  LBGroups.SetItemIndex(0);
  ShowGroupLinks(LBGroups.ItemIndex());
  SEIcons.SetValue(state.Settings.sbIconSize);
  ChBDelayIconCreate.SetChecked(state.Settings.DelayCreate);
  SEDelayIconCreate.SetValue(state.Settings.DelayIconCreate);
  SEDelayIconCreate.SetEnabled(ChBDelayIconCreate.Checked());
}

void IconsPage::Take() {
  PanelSettings& settings = context_.SharedState().Settings;
  settings.sbIconSize = static_cast<std::uint8_t>(SEIcons.Value() & 0xFF);
  settings.DelayCreate = ChBDelayIconCreate.Checked();
  settings.DelayIconCreate = SEDelayIconCreate.Value();
}

void IconsPage::ShowGroupLinks(int index) {
  const auto& groups = context_.SharedState().GroupList.List;
  LBItems.Clear();
  if (index >= 0 && static_cast<size_t>(index) < groups.size()) {
    for (const TLink& link : groups[static_cast<size_t>(index)]->Links) {
      LBItems.Add(TwoColumnRow(link.Name, link.Path));
    }
  }
  UpdateHorizontalExtent(LBItems);
}

TGroup* IconsPage::SelectedGroup() {
  auto& groups = context_.SharedState().GroupList.List;
  const int i = LBGroups.ItemIndex();
  if (i < 0 || static_cast<size_t>(i) >= groups.size()) return nullptr;
  return groups[static_cast<size_t>(i)].get();
}

void IconsPage::LBGroupsClick(Control* /*sender*/) {
  ShowGroupLinks(LBGroups.ItemIndex());
}

void IconsPage::SBAddGroupClick(Control* sender) {
  const std::string name = lang::ShortText(
      context_.ModalDialogs().InputBox(context_.InputBoxTitle(), context_.MessageText(16), ""));
  if (name.empty()) return;
  context_.SharedState().GroupList.Add(name, name);
  LBGroups.Add(name);
  LBGroups.SetItemIndex(LBGroups.Count() - 1);
  ShowGroupLinks(LBGroups.ItemIndex());
  context_.NeedRefreshClick(sender);
  UpdateHorizontalExtent(LBGroups);
}

void IconsPage::SBDeleteGroupClick(Control* sender) {
  if (LBGroups.Count() == 1) return;
  const int i = LBGroups.ItemIndex();
  if (i < 0) return;
  TGroupList& groups = context_.SharedState().GroupList;
  const std::string question = context_.MessageText(14) + " \"" + LBGroups.Item(i) + "\"?";
  if (!DeleteRowAfterConfirmation(context_.ModalDialogs(), LBGroups, i, question,
                                  [&groups](int index) { groups.Delete(index); })) {
    return;
  }
  ShowGroupLinks(LBGroups.ItemIndex());
  LBGroups.SetFocus();
  context_.NeedRefreshClick(sender);
}

void IconsPage::SBRenameGroupClick(Control* sender) {
  const int i = LBGroups.ItemIndex();
  if (i < 0) return;
  const std::string prompt =
      lang::ShortText(context_.MessageText(15) + " " + context_.MessageText(17));
  std::string name =
      context_.ModalDialogs().InputBox(context_.InputBoxTitle(), prompt, LBGroups.Item(i));
  if (name.empty()) return;
  name.resize(std::min(name.size(), kGroupNameLimit));
  TGroup& group = *context_.SharedState().GroupList.List[static_cast<size_t>(i)];
  group.Name = name;
  group.Hint = name;
  LBGroups.SetItem(i, name);
  UpdateHorizontalExtent(LBGroups);
  ShowGroupLinks(i);
  LBGroups.SetFocus();
  context_.NeedRefreshClick(sender);
}

void IconsPage::SBUpDownGroupClick(Control* sender) {
  const int i = LBGroups.ItemIndex();
  if (i < 0) return;
  MoveRowAndEntry(LBGroups, context_.SharedState().GroupList.List, i, sender == &SBUpGroup);
  context_.NeedRefreshClick(sender);
}

void IconsPage::SBAddItemClick(Control* sender) {
  TGroup* group = SelectedGroup();
  if (!group) return;
  const auto files = context_.ModalDialogs().OpenFiles();
  if (!files) return;
  for (const std::string& path : *files) {
    const std::string name = FileNamePart(path);
    group->AddLink(lang::ShortText(name), lang::ShortText(path));
    LBItems.Add(TwoColumnRow(name, path));
  }
  UpdateHorizontalExtent(LBItems);
  LBItems.SetFocus();
  context_.NeedRefreshClick(sender);
}

void IconsPage::SBDelItemClick(Control* sender) {
  TGroup* group = SelectedGroup();
  const int k = LBItems.ItemIndex();
  if (!group || k < 0) return;
  const std::string question = context_.MessageText(14) + " " + LBItems.Item(k) + "?";
  if (!DeleteRowAfterConfirmation(context_.ModalDialogs(), LBItems, k, question,
                                  [group](int index) { group->DeleteLink(index); })) {
    return;
  }
  LBItems.SetFocus();
  context_.NeedRefreshClick(sender);
}

void IconsPage::SBRenameItemClick(Control* sender) {
  TGroup* group = SelectedGroup();
  const int k = LBItems.ItemIndex();
  if (!group || k < 0) return;
  TLink& link = group->Links[static_cast<size_t>(k)];
  const std::string name = context_.ModalDialogs().InputBox(context_.InputBoxTitle(),
                                                            context_.MessageText(15), link.Name);
  if (name.empty()) return;
  link.Name = name;
  LBItems.SetItem(k, TwoColumnRow(link.Name, link.Path));
  UpdateHorizontalExtent(LBItems);
  LBItems.SetFocus();
  context_.NeedRefreshClick(sender);
}

void IconsPage::SBUpDownItemClick(Control* sender) {
  TGroup* group = SelectedGroup();
  if (!group) return;
  MoveRowAndEntry(LBItems, group->Links, LBItems.ItemIndex(), sender == &SBUpItem);
  context_.NeedRefreshClick(sender);
}

bool IconsPage::LBGroupsDragOver(Control* /*sender*/, Control* source, int /*x*/, int /*y*/) {
  return source == &LBItems;
}

// Moves the dragged link to the end of the group dropped on; the selected group stays selected.
void IconsPage::LBGroupsDragDrop(Control* sender, Control* source, int /*x*/, int y) {
  if (source != &LBItems) return;
  const int selected = LBGroups.ItemIndex();
  TGroup* from = SelectedGroup();
  const int k = LBItems.ItemIndex();
  if (from && k >= 0) {
    const auto target = RowAt(y, LBGroups.ItemHeight(), LBGroups.TopIndex(), LBGroups.Count());
    if (target) {
      TGroup& to = *context_.SharedState().GroupList.List[static_cast<size_t>(*target)];
      const TLink& link = from->Links[static_cast<size_t>(k)];
      to.AddLink(lang::ShortText(link.Name), lang::ShortText(link.Path));
      from->DeleteLink(k);
    }
  }
  ShowGroupLinks(selected);
  LBItems.SetFocus();
  context_.NeedRefreshClick(sender);
}

void IconsPage::ChBDelayIconCreateClick(Control* /*sender*/) {
  SEDelayIconCreate.SetEnabled(ChBDelayIconCreate.Checked());
}

}  // namespace brimdock
