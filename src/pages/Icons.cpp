#include "app/Conf.h"
#include "app/PageGlyphs.h"
#include "lang/InterfaceTexts.h"
#include "pages/PageParts.h"

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

  LBItems.Create(page, Bounds{125, 45, 251, 196}, ListBoxOptions{.tabStops = true});
  CreateArrowButton(page, SBUpItem, true, Bounds{378, 45, 16, 98}, BuiltInText(58));
  CreateArrowButton(page, SBDownItem, false, Bounds{378, 143, 16, 99}, BuiltInText(57));

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
  LBItems.Clear();
  SEIcons.SetValue(Settings.sbIconSize);
  ChBDelayIconCreate.SetChecked(Settings.DelayCreate);
  SEDelayIconCreate.SetValue(Settings.DelayIconCreate);
  SEDelayIconCreate.SetEnabled(ChBDelayIconCreate.Checked());
}

void TFormConfig::ChBDelayIconCreateClick(Control* /*sender*/) {
  SEDelayIconCreate.SetEnabled(ChBDelayIconCreate.Checked());
}

}  // namespace brimdock
