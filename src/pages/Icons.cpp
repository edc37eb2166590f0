#include <algorithm>

#include "app/Conf.h"
#include "app/PageGlyphs.h"
#include "lang/InterfaceTexts.h"
#include "pages/ListRows.h"
#include "pages/PageParts.h"
#include "pages/TwoColumnRow.h"
#include "settings/RegistryLayout.h"

namespace brimdock {

void TFormConfig::CreateIconsPage(NotebookPage& page) {
  CreatePageTitle(page, Label11, Bevel1, BuiltInText(50));

  FontSpec big;
  big.size = 12;  // 16 pixels high
  big.bold = true;
  SBAddGroup.Create(page, "+", Bounds{5, 20, 20, 20});
  SBAddGroup.SetOwnFont(big);
  SBAddGroup.SetHint(std::string(BuiltInText(71)));
  SBDeleteGroup.Create(page, "-", Bounds{25, 20, 20, 20});
  SBDeleteGroup.SetOwnFont(big);
  SBDeleteGroup.SetHint(std::string(BuiltInText(72)));
  SBRenameGroup.Create(page, BuiltInText(56), Bounds{45, 20, 61, 20});
  SBRenameGroup.SetHint(std::string(BuiltInText(73)));

  LBGroups.Create(page, Bounds{0, 45, 101, 196});
  CreateArrowButton(page, SBUpGroup, true, Bounds{108, 45, 16, 98}, BuiltInText(54));
  CreateArrowButton(page, SBDownGroup, false, Bounds{108, 143, 16, 99}, BuiltInText(55));

  SBAddItem.Create(page, BuiltInText(51), Bounds{125, 20, 85, 20});
  SBDelItem.Create(page, BuiltInText(52), Bounds{210, 20, 90, 20});
  SBRenameItem.Create(page, BuiltInText(53), Bounds{300, 20, 75, 20});
  SBFolder.Create(page, "", Bounds{376, 20, 17, 20});
  SBFolder.SetGlyph(PaintFolderTreeGlyph, kSmallGlyphSize, GlyphLayout::Left);
  SBFolder.SetHint(std::string(BuiltInText(62)));

  LBItems.Create(page, Bounds{125, 45, 251, 196}, "50");
  CreateArrowButton(page, SBUpItem, true, Bounds{378, 45, 16, 98}, BuiltInText(58));
  CreateArrowButton(page, SBDownItem, false, Bounds{378, 143, 16, 99}, BuiltInText(57));

  LBItems.SetAutomaticDrag(true);
  LBGroups.onClick = [this](Control* sender) { LBGroupsClick(sender); };
  LBGroups.onDragOver = [this](Control* sender, Control* source, int x, int y) {
    return LBGroupsDragOver(sender, source, x, y);
  };
  LBGroups.onDragDrop = [this](Control* sender, Control* source, int x, int y) {
    LBGroupsDragDrop(sender, source, x, y);
  };
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

  Label8.Create(page, BuiltInText(49), Bounds{3, 249, 53, 13}, TextAlign::Right);
  SEIcons.Create(page, Bounds{61, 246, 46, 22}, 0, 0, 1, 3);
  SEIcons.onChange = [this](Control* sender) { NeedRefreshClick(sender); };
  ChBDelayIconCreate.Create(page, BuiltInText(60), Bounds{128, 248, 137, 17});
  ChBDelayIconCreate.onClick = [this](Control* sender) { ChBDelayIconCreateClick(sender); };
  Label14.Create(page, BuiltInText(59), Bounds{268, 249, 53, 13}, TextAlign::Right);
  SEDelayIconCreate.Create(page, Bounds{325, 245, 52, 22}, 0, 0, 1, 4);
}

void TFormConfig::ShowIconsSettings() {
  LBGroups.Clear();
  for (const auto& group : GroupList.List) LBGroups.Add(group->Hint);
  UpdateHorizontalExtent(LBGroups);
  LBGroups.SetItemIndex(0);
  ShowGroupLinks(LBGroups.ItemIndex());
  SEIcons.SetValue(Settings.sbIconSize);
  ChBDelayIconCreate.SetChecked(Settings.DelayCreate);
  SEDelayIconCreate.SetValue(Settings.DelayIconCreate);
  SEDelayIconCreate.SetEnabled(ChBDelayIconCreate.Checked());
}

void TFormConfig::TakeIconsSettings() {
  Settings.sbIconSize = static_cast<std::uint8_t>(SEIcons.Value() & 0xFF);
  Settings.DelayCreate = ChBDelayIconCreate.Checked();
  Settings.DelayIconCreate = SEDelayIconCreate.Value();
}

void TFormConfig::ShowGroupLinks(int index) {
  LBItems.Clear();
  if (index >= 0 && static_cast<size_t>(index) < GroupList.List.size()) {
    const TGroup& group = *GroupList.List[static_cast<size_t>(index)];
    for (size_t k = 0; k < group.LinkNames.size(); ++k) {
      LBItems.Add(TwoColumnRow(group.LinkNames[k], group.LinkPaths[k]));
    }
  }
  UpdateHorizontalExtent(LBItems);
}

namespace {

constexpr size_t kGroupNameLimit = 10;

std::string ShortText(std::string_view text) {
  return ApplyCut(text, Cut::To255);
}

// The file-name part of a path: the text after its last "\" or ":".
std::string FileNamePart(const std::string& path) {
  const auto at = path.find_last_of("\\:");
  return at == std::string::npos ? path : path.substr(at + 1);
}

}  // namespace

TGroup* TFormConfig::SelectedGroup() {
  const int i = LBGroups.ItemIndex();
  if (i < 0 || static_cast<size_t>(i) >= GroupList.List.size()) return nullptr;
  return GroupList.List[static_cast<size_t>(i)].get();
}

void TFormConfig::LBGroupsClick(Control* /*sender*/) {
  ShowGroupLinks(LBGroups.ItemIndex());
}

void TFormConfig::SBAddGroupClick(Control* sender) {
  const std::string name = ShortText(dialogs_.InputBox(Caption(), MessageText(16), ""));
  if (name.empty()) return;
  GroupList.Add(name, name);
  LBGroups.Add(name);
  LBGroups.SetItemIndex(LBGroups.Count() - 1);
  ShowGroupLinks(LBGroups.ItemIndex());
  NeedRefreshClick(sender);
  UpdateHorizontalExtent(LBGroups);
}

void TFormConfig::SBDeleteGroupClick(Control* sender) {
  if (LBGroups.Count() == 1) return;
  const int i = LBGroups.ItemIndex();
  if (i < 0) return;
  const std::string question = MessageText(14) + " \"" + LBGroups.Item(i) + "\"?";
  if (dialogs_.Confirm(question) == Answer::No) return;
  GroupList.Delete(i);
  LBGroups.Delete(i);
  if (const int count = LBGroups.Count(); count > 0) LBGroups.SetItemIndex(std::min(i, count - 1));
  ShowGroupLinks(LBGroups.ItemIndex());
  LBGroups.SetFocus();
  NeedRefreshClick(sender);
}

void TFormConfig::SBRenameGroupClick(Control* sender) {
  const int i = LBGroups.ItemIndex();
  if (i < 0) return;
  const std::string prompt = ShortText(MessageText(15) + " " + MessageText(17));
  std::string name = dialogs_.InputBox(Caption(), prompt, LBGroups.Item(i));
  if (name.empty()) return;
  name.resize(std::min(name.size(), kGroupNameLimit));
  TGroup& group = *GroupList.List[static_cast<size_t>(i)];
  group.Name = name;
  group.Hint = name;
  LBGroups.SetItem(i, name);
  UpdateHorizontalExtent(LBGroups);
  ShowGroupLinks(i);
  LBGroups.SetFocus();
  NeedRefreshClick(sender);
}

void TFormConfig::SBUpDownGroupClick(Control* sender) {
  const int i = LBGroups.ItemIndex();
  if (i < 0) return;
  const bool up = sender == &SBUpGroup;
  const int count = LBGroups.Count();
  MoveRow(count, i, up, [this](int a, int b) { LBGroups.Exchange(a, b); });
  if (const auto target = MoveRowTarget(count, i, up)) {
    std::swap(GroupList.List[static_cast<size_t>(i)], GroupList.List[static_cast<size_t>(*target)]);
    LBGroups.SetItemIndex(*target);
  }
  NeedRefreshClick(sender);
}

void TFormConfig::SBAddItemClick(Control* sender) {
  TGroup* group = SelectedGroup();
  if (!group) return;
  const auto files = dialogs_.OpenFiles();
  if (!files) return;
  for (const std::string& path : *files) {
    const std::string name = FileNamePart(path);
    group->AddLink(ShortText(name), ShortText(path));
    LBItems.Add(TwoColumnRow(name, path));
  }
  UpdateHorizontalExtent(LBItems);
  LBItems.SetFocus();
  NeedRefreshClick(sender);
}

void TFormConfig::SBDelItemClick(Control* sender) {
  TGroup* group = SelectedGroup();
  const int k = LBItems.ItemIndex();
  if (!group || k < 0) return;
  if (dialogs_.Confirm(MessageText(14) + " " + LBItems.Item(k) + "?") == Answer::No) return;
  group->DeleteLink(k);
  LBItems.Delete(k);
  if (const int count = LBItems.Count(); count > 0) LBItems.SetItemIndex(std::min(k, count - 1));
  LBItems.SetFocus();
  NeedRefreshClick(sender);
}

void TFormConfig::SBRenameItemClick(Control* sender) {
  TGroup* group = SelectedGroup();
  const int k = LBItems.ItemIndex();
  if (!group || k < 0) return;
  const auto index = static_cast<size_t>(k);
  const std::string name = dialogs_.InputBox(Caption(), MessageText(15), group->LinkNames[index]);
  if (name.empty()) return;
  group->LinkNames[index] = name;
  LBItems.SetItem(k, TwoColumnRow(name, group->LinkPaths[index]));
  UpdateHorizontalExtent(LBItems);
  LBItems.SetFocus();
  NeedRefreshClick(sender);
}

void TFormConfig::SBUpDownItemClick(Control* sender) {
  TGroup* group = SelectedGroup();
  if (!group) return;
  const bool up = sender == &SBUpItem;
  const int k = LBItems.ItemIndex();
  MoveRow(LBItems.Count(), k, up, [this](int a, int b) { LBItems.Exchange(a, b); });
  MoveRow(group->LinkPaths, k, up);
  MoveRow(group->LinkNames, k, up);
  if (up && k > 0) LBItems.SetItemIndex(k - 1);
  if (!up && k < LBItems.Count() - 1) LBItems.SetItemIndex(k + 1);
  NeedRefreshClick(sender);
}

bool TFormConfig::LBGroupsDragOver(Control* /*sender*/, Control* source, int /*x*/, int /*y*/) {
  return source == &LBItems;
}

// Moves the dragged link to the end of the group dropped on; the selected group stays selected.
void TFormConfig::LBGroupsDragDrop(Control* sender, Control* source, int /*x*/, int y) {
  if (source != &LBItems) return;
  const int selected = LBGroups.ItemIndex();
  TGroup* from = SelectedGroup();
  const int k = LBItems.ItemIndex();
  if (from && k >= 0) {
    const auto target = RowAt(y, LBGroups.ItemHeight(), LBGroups.TopIndex(), LBGroups.Count());
    if (target) {
      TGroup& to = *GroupList.List[static_cast<size_t>(*target)];
      const auto index = static_cast<size_t>(k);
      to.AddLink(ShortText(from->LinkNames[index]), ShortText(from->LinkPaths[index]));
      from->DeleteLink(k);
    }
  }
  ShowGroupLinks(selected);
  LBItems.SetFocus();
  NeedRefreshClick(sender);
}

void TFormConfig::ChBDelayIconCreateClick(Control* /*sender*/) {
  SEDelayIconCreate.SetEnabled(ChBDelayIconCreate.Checked());
}

}  // namespace brimdock
