#include "platform/dialogs/FolderTreeList.h"

// after windows.h, which the header includes
#include <shellapi.h>

#include <algorithm>

#include "platform/SystemFunction.h"
#include "platform/dialogs/DirectoryPaths.h"
#include "platform/dialogs/ModalDialog.h"

namespace brimdock {

SmallIcon::SmallIcon(const std::string& path, DWORD attributes, UINT flags) {
  static const auto getFileInfo =
      SystemFunction<decltype(&SHGetFileInfoA)>("shell32.dll", "SHGetFileInfoA");
  SHFILEINFOA info{};
  if (getFileInfo(path.c_str(), attributes, &info, sizeof info,
                  flags | SHGFI_ICON | SHGFI_SMALLICON)) {
    icon_ = info.hIcon;
  }
}

SmallIcon::~SmallIcon() {
  if (icon_) DestroyIcon(icon_);
}

FolderTreeList::FolderTreeList()
    : folderIcon_("folder", FILE_ATTRIBUTE_DIRECTORY, SHGFI_USEFILEATTRIBUTES),
      openFolderIcon_("folder", FILE_ATTRIBUTE_DIRECTORY,
                      SHGFI_USEFILEATTRIBUTES | SHGFI_OPENICON) {}

void FolderTreeList::Attach(HWND list) {
  list_ = list;
  const auto textHeight = static_cast<int>(MeasureText(list, "Ag", 0, DT_SINGLELINE).cy);
  SendMessageA(list, LB_SETITEMHEIGHT, 0, std::max(textHeight, GetSystemMetrics(SM_CYSMICON)) + 2);
  indent_ = GetSystemMetrics(SM_CXSMICON) * 3 / 4;
}

void FolderTreeList::Show(const std::string& folder, const std::vector<std::string>& subfolders) {
  const std::vector<std::string> chain = PathChain(folder);
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  rowPaths_.clear();
  pathRows_ = chain.size();
  int widest = 0;
  const auto addRow = [&](const std::string& text, const std::string& path, std::size_t level) {
    const LRESULT row =
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (row < 0) return;
    SendMessageA(list_, LB_SETITEMDATA, row, static_cast<LPARAM>(level));
    rowPaths_.push_back(path);
    const SIZE size = MeasureText(list_, text, 0, DT_SINGLELINE | DT_NOPREFIX);
    widest = std::max(widest, TextLeft(level) + static_cast<int>(size.cx));
  };
  for (std::size_t level = 0; level < chain.size(); ++level) {
    addRow(level == 0 ? chain[0] : FolderName(chain[level]), chain[level], level);
  }
  for (const std::string& name : subfolders) addRow(name, JoinPath(folder, name), chain.size());
  SendMessageA(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
  SendMessageA(list_, LB_SETCURSEL, chain.size() - 1, 0);
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

std::optional<std::string> FolderTreeList::SelectedFolder() const {
  const LRESULT row = SendMessageA(list_, LB_GETCURSEL, 0, 0);
  if (row < 0 || static_cast<std::size_t>(row) >= rowPaths_.size()) return std::nullopt;
  return rowPaths_[row];
}

void FolderTreeList::Draw(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  const RECT& bounds = item.rcItem;
  if (item.itemID == static_cast<UINT>(-1)) {
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &bounds);
    return;
  }
  const bool selected = item.itemState & ODS_SELECTED;
  FillRect(dc, &bounds, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  SetBkMode(dc, TRANSPARENT);

  const std::size_t level = item.itemData;
  const int iconSize = GetSystemMetrics(SM_CXSMICON);
  HICON icon = item.itemID < pathRows_ ? openFolderIcon_.Get() : folderIcon_.Get();
  if (icon) {
    DrawIconEx(dc, bounds.left + 2 + static_cast<int>(level) * indent_,
               bounds.top + (bounds.bottom - bounds.top - iconSize) / 2, icon, iconSize, iconSize,
               0, nullptr, DI_NORMAL);
  }
  const LRESULT length = SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
  std::string text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
  SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
  RECT textRect = bounds;
  textRect.left += TextLeft(level);
  DrawTextA(dc, text.c_str(), -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &bounds);
}

int FolderTreeList::TextLeft(std::size_t level) const {
  return 2 + static_cast<int>(level) * indent_ + GetSystemMetrics(SM_CXSMICON) + 4;
}

}  // namespace brimdock
