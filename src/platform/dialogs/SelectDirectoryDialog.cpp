#include <cctype>

#include "platform/Dialogs.h"
#include "platform/dialogs/DirectoryPaths.h"
#include "platform/dialogs/FolderTreeList.h"
#include "platform/dialogs/ModalDialog.h"

namespace brimdock {
namespace {

constexpr char kCaption[] = "Select Directory";
constexpr int kNameEdit = 100;
constexpr int kFolderList = 101;
constexpr int kFileList = 102;
constexpr int kDriveBox = 103;
constexpr int kNameLabel = 110;
constexpr int kFolderLabel = 111;
constexpr int kFileLabel = 112;
constexpr int kDriveLabel = 113;

constexpr char kHelpText[] =
    "Choose a folder and press OK.\n\n"
    "Double-click a folder in the Directories list to open it, or one of the folders above it "
    "to go back. Choose another drive in the Drives box. You can also type the path of a "
    "folder in the Directory Name field.";

DialogTemplate SelectDirectoryTemplate() {
  DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, {0, 0, 262, 180},
                        kCaption);
  const DWORD list = LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
  dialog.AddItem(ItemClass::Static, SS_LEFT, {6, 6, 250, 8}, kNameLabel, "Directory &Name:");
  dialog.AddItem(ItemClass::Edit, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, {6, 16, 250, 12},
                 kNameEdit, {}, WS_EX_CLIENTEDGE);
  dialog.AddItem(ItemClass::Static, SS_LEFT, {6, 34, 124, 8}, kFolderLabel, "&Directories:");
  dialog.AddItem(ItemClass::ListBox,
                 list | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_HSCROLL,
                 {6, 44, 124, 100}, kFolderList, {}, WS_EX_CLIENTEDGE);
  dialog.AddItem(ItemClass::Static, SS_LEFT, {136, 34, 120, 8}, kFileLabel, "Files: (*.*)");
  dialog.AddItem(ItemClass::ListBox, list | LBS_NOSEL, {136, 44, 120, 100}, kFileList, {},
                 WS_EX_CLIENTEDGE);
  dialog.AddItem(ItemClass::Static, SS_LEFT, {6, 150, 124, 8}, kDriveLabel, "Dri&ves:");
  dialog.AddItem(ItemClass::ComboBox, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, {6, 160, 124, 80},
                 kDriveBox);
  dialog.AddItem(ItemClass::Button, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, {136, 159, 36, 14},
                 IDOK, "OK");
  dialog.AddItem(ItemClass::Button, BS_PUSHBUTTON | WS_TABSTOP, {178, 159, 36, 14}, IDCANCEL,
                 "Cancel");
  dialog.AddItem(ItemClass::Button, BS_PUSHBUTTON | WS_TABSTOP, {220, 159, 36, 14}, IDHELP,
                 "&Help");
  return dialog;
}

std::string DriveText(char letter) {
  return {static_cast<char>(std::tolower(static_cast<unsigned char>(letter))), ':'};
}

// The typed text without surrounding blanks and without one pair of surrounding quotes.
std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  std::string trimmed = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (trimmed.size() >= 2 && trimmed.front() == '"' && trimmed.back() == '"') {
    trimmed = trimmed.substr(1, trimmed.size() - 2);
  }
  return trimmed;
}

// A double-click in the directory list opens the folder of its row.
class SelectDirectoryHandler : public DialogHandler {
 public:
  explicit SelectDirectoryHandler(const std::string& startFolder)
      : start_(NearestExistingFolder(startFolder)) {}

  [[nodiscard]] const std::optional<std::string>& Chosen() const { return chosen_; }

  void OnInit(HWND dialog) override {
    HWND folders = GetDlgItem(dialog, kFolderList);
    tree_.Attach(folders);
    SendDlgItemMessageA(dialog, kNameEdit, EM_SETLIMITTEXT, 0, 0);
    FillDrives(dialog);
    Navigate(dialog, start_);
    SetFocus(folders);
  }

  bool OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DRAWITEM && wParam == kFolderList) {
      tree_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return true;
    }
    if (message != WM_COMMAND) return false;
    switch (LOWORD(wParam)) {
      case IDOK:
        Accept(dialog);
        return true;
      case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return true;
      case IDHELP:
        MessageBoxA(dialog, kHelpText, kCaption, MB_OK | MB_ICONINFORMATION);
        return true;
      case kFolderList:
        if (HIWORD(wParam) == LBN_DBLCLK) OpenSelectedRow(dialog);
        return true;
      case kDriveBox:
        if (HIWORD(wParam) == CBN_SELCHANGE) ChangeDrive(dialog);
        return true;
      default:
        return false;
    }
  }

 private:
  void FillDrives(HWND dialog) const {
    HWND drives = GetDlgItem(dialog, kDriveBox);
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
      if (!(present & (1u << i))) continue;
      const char letter = static_cast<char>('A' + i);
      const LRESULT index = SendMessageA(drives, CB_ADDSTRING, 0,
                                         reinterpret_cast<LPARAM>(DriveText(letter).c_str()));
      if (index >= 0) SendMessageA(drives, CB_SETITEMDATA, index, letter);
    }
  }

  void SelectDriveOf(HWND dialog, const std::string& folder) const {
    HWND drives = GetDlgItem(dialog, kDriveBox);
    const char letter = folder.size() >= 2 && folder[1] == ':'
                            ? static_cast<char>(std::toupper(static_cast<unsigned char>(folder[0])))
                            : '\0';
    LRESULT found = -1;
    const LRESULT count = SendMessageA(drives, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count && found < 0; ++i) {
      if (SendMessageA(drives, CB_GETITEMDATA, i, 0) == letter) found = i;
    }
    SendMessageA(drives, CB_SETCURSEL, found, 0);
  }

  void Navigate(HWND dialog, const std::string& folder) {
    current_ = folder;
    const FolderContents contents = ListFolder(folder);
    tree_.Show(folder, contents.folders);

    HWND files = GetDlgItem(dialog, kFileList);
    SendMessageA(files, WM_SETREDRAW, FALSE, 0);
    SendMessageA(files, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : contents.files) {
      SendMessageA(files, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    SendMessageA(files, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(files, nullptr, TRUE);

    SetDlgItemTextA(dialog, kNameEdit, folder.c_str());
    SelectDriveOf(dialog, folder);
  }

  void OpenSelectedRow(HWND dialog) {
    if (const auto folder = tree_.SelectedFolder()) {
      Navigate(dialog, NearestExistingFolder(*folder));
    }
  }

  void ChangeDrive(HWND dialog) {
    HWND drives = GetDlgItem(dialog, kDriveBox);
    const LRESULT index = SendMessageA(drives, CB_GETCURSEL, 0, 0);
    if (index < 0) return;
    const auto letter = static_cast<char>(SendMessageA(drives, CB_GETITEMDATA, index, 0));
    const std::string root{letter, ':', '\\'};
    if (FolderExists(root)) {
      Navigate(dialog, root);
      return;
    }
    const std::string message = std::string("Drive ") + letter + ": is not ready.";
    MessageBoxA(dialog, message.c_str(), kCaption, MB_OK | MB_ICONWARNING);
    SelectDriveOf(dialog, current_);
  }

  // OK chooses the folder in the name field. With the focus in the directory list on another
  // row than the current folder's, Enter opens that row instead.
  void Accept(HWND dialog) {
    if (GetFocus() == GetDlgItem(dialog, kFolderList)) {
      const auto selected = tree_.SelectedFolder();
      if (selected && *selected != current_) {
        OpenSelectedRow(dialog);
        return;
      }
    }
    const std::string typed = Trimmed(WindowText(GetDlgItem(dialog, kNameEdit)));
    const std::string folder = FullFolderPath(Resolve(typed));
    if (!folder.empty() && FolderExists(folder)) {
      chosen_ = folder;
      EndDialog(dialog, IDOK);
      return;
    }
    const std::string message = "The folder \"" + typed + "\" does not exist.";
    MessageBoxA(dialog, message.c_str(), kCaption, MB_OK | MB_ICONWARNING);
    HWND edit = GetDlgItem(dialog, kNameEdit);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
  }

  // A typed path is taken relative to the current folder, or to its root when it starts
  // with a single "\"; a drive alone ("D:") means the drive's root.
  [[nodiscard]] std::string Resolve(const std::string& typed) const {
    if (typed.empty()) return current_;
    if (typed.size() == 2 && typed[1] == ':') return typed + "\\";
    const bool hasDrive = typed.size() >= 2 && typed[1] == ':';
    const bool isUnc = typed.size() >= 2 && typed[0] == '\\' && typed[1] == '\\';
    if (hasDrive || isUnc) return typed;
    if (typed[0] == '\\' || typed[0] == '/') return PathRoot(current_) + typed.substr(1);
    return JoinPath(current_, typed);
  }

  std::string start_;
  std::string current_;
  std::optional<std::string> chosen_;
  FolderTreeList tree_;
};

}  // namespace

std::optional<std::string> Win32Dialogs::SelectDirectory(const std::string& startFolder) {
  SelectDirectoryHandler handler(startFolder);
  ShowModal(SelectDirectoryTemplate(), UsableOwner(owner_), handler);
  return handler.Chosen();
}

}  // namespace brimdock
