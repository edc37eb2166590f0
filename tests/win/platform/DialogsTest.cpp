#include <gmock/gmock.h>
#include <windows.h>
// windows.h first
#include <colordlg.h>
#include <dlgs.h>

#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/GdiObjects.h"
#include "platform/dialogs/OpenFileNames.h"
#include "win/platform/DialogDriver.h"

namespace brimdock {

void PrintTo(Answer answer, std::ostream* out) {
  *out << (answer == Answer::Yes ? "Yes" : answer == Answer::No ? "No" : "Closed");
}

namespace {

using testing::DialogDriver;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// A visible top-level window for the dialogs to belong to.
// Types a file name into an open dialog and presses OK, or presses Cancel when there is none.
void AnswerOpenDialog(HWND dialog, const std::string& typed) {
  if (typed.empty()) {
    DialogDriver::Click(dialog, IDCANCEL);
    return;
  }
  HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
  if (!name) throw std::runtime_error("no file name field");
  DialogDriver::SetText(name, typed);
  DialogDriver::Click(dialog, IDOK);
}

class OwnerWindow {
 public:
  explicit OwnerWindow(bool visible)
      : window_(CreateWindowExA(0, "STATIC", "Owner",
                                WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 10, 10, 200, 100,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
  ~OwnerWindow() { DestroyWindow(window_); }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  [[nodiscard]] HWND Get() const { return window_; }

 private:
  HWND window_;
};

// A folder of its own under the temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::string(temp) + "brimdock-" + test->name() + "-" +
            std::to_string(GetCurrentProcessId());
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchFolder() { RemoveTree(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  [[nodiscard]] const std::string& Path() const { return path_; }
  [[nodiscard]] std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
  void AddFolder(const std::string& name) const {
    CreateDirectoryA((*this / name).c_str(), nullptr);
  }
  void AddFile(const std::string& name) const {
    CloseHandle(CreateFileA((*this / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  }

 private:
  static void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(path);
        } else {
          DeleteFileA(path.c_str());
        }
      } while (FindNextFileA(find, &data));
      FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
  }

  std::string path_;
};

std::vector<std::string> ListRows(HWND list) {
  std::vector<std::string> rows;
  const LRESULT count = DialogDriver::Send(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = static_cast<std::size_t>(DialogDriver::Send(list, LB_GETTEXTLEN, i, 0));
    std::string row(length + 1, '\0');
    DialogDriver::Send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row.data()));
    row.resize(length);
    rows.push_back(row);
  }
  return rows;
}

RECT ChildRect(HWND dialog, int id) {
  RECT rect{};
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

int LineHeight(HWND control) {
  const WindowDC dc(control);
  const SelectedObject font(
      dc.Get(), reinterpret_cast<HGDIOBJ>(DialogDriver::Send(control, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc.Get(), &metrics);
  return metrics.tmHeight;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

class DialogsTest : public ::testing::Test {
 protected:
  DialogsTest() { dialogs_.SetOwner(owner_.Get()); }

  OwnerWindow owner_{true};
  Win32Dialogs dialogs_;
};

TEST(SplitOpenFileNamesTest, GivesFullPathsInTheDialogsOrder) {
  using namespace std::string_literals;
  EXPECT_THAT(SplitOpenFileNames("C:\\Tools\\edit.exe\0\0"s), ElementsAre("C:\\Tools\\edit.exe"));
  EXPECT_THAT(SplitOpenFileNames("C:\\Tools\0b.exe\0a.exe\0\0"s),
              ElementsAre("C:\\Tools\\b.exe", "C:\\Tools\\a.exe"));
  EXPECT_THAT(SplitOpenFileNames("C:\\\0a.txt\0b.txt\0\0"s), ElementsAre("C:\\a.txt", "C:\\b.txt"));
  EXPECT_THAT(SplitOpenFileNames(std::string(8, '\0')), ::testing::IsEmpty());
}

// Input box: what it shows, and what each way of leaving it answers.
TEST_F(DialogsTest, InputBoxAnswersTheTextOnOkAndTheDefaultOtherwise) {
  const std::string longText(600, 'x');
  struct Case {
    const char* how;
    std::function<void(DialogDriver&, HWND dialog, HWND edit)> answer;
    std::string expected;
  };
  const Case cases[] = {
      {"OK with a long typed text",
       [&](DialogDriver&, HWND d, HWND e) {
         DialogDriver::SetText(e, longText);
         DialogDriver::Click(d, IDOK);
       },
       longText},
      {"Enter",
       [](DialogDriver& driver, HWND, HWND e) {
         DialogDriver::SetText(e, "Typed");
         driver.PressKey(VK_RETURN);
       },
       "Typed"},
      {"Cancel after typing",
       [](DialogDriver&, HWND d, HWND e) {
         DialogDriver::SetText(e, "Typed");
         DialogDriver::Click(d, IDCANCEL);
       },
       "Old name"},
      {"Escape after typing",
       [](DialogDriver& driver, HWND, HWND e) {
         DialogDriver::SetText(e, "Typed");
         driver.PressKey(VK_ESCAPE);
       },
       "Old name"},
      {"the close box", [](DialogDriver&, HWND d, HWND) { DialogDriver::CloseFromTitleBar(d); },
       "Old name"},
  };
  const std::string prompt =
      "Enter the new name of the menu button. The name is shown on the panel exactly as it is "
      "typed here, so keep it short enough for the button.";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    HWND owner = nullptr;
    std::string shownPrompt, shownText;
    DWORD selectionEnd = 0;
    bool laidOut = false;
    DialogDriver driver([&](DialogDriver& d) {
      HWND dialog = d.WaitForDialog("Window caption");
      owner = GetWindow(dialog, GW_OWNER);
      HWND edit = d.Focus();
      shownPrompt = DialogDriver::Text(GetDlgItem(dialog, 100));
      shownText = DialogDriver::Text(edit);
      DialogDriver::Send(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&selectionEnd));
      RECT client{};
      GetClientRect(dialog, &client);
      const RECT promptRect = ChildRect(dialog, 100);
      laidOut = promptRect.bottom - promptRect.top >= 2 * LineHeight(GetDlgItem(dialog, 100)) &&
                promptRect.bottom <= ChildRect(dialog, 101).top &&
                ChildRect(dialog, 101).bottom <= ChildRect(dialog, IDOK).top &&
                Inside(ChildRect(dialog, IDCANCEL), client);
      c.answer(d, dialog, edit);
      d.WaitUntilGone(dialog);
    });
    const std::string answer = dialogs_.InputBox("Window caption", prompt, "Old name");
    driver.Finish();
    EXPECT_EQ(driver.Failure(), "");
    EXPECT_EQ(answer, c.expected);
    EXPECT_EQ(owner, owner_.Get());
    EXPECT_EQ(shownPrompt, prompt);
    EXPECT_EQ(shownText, "Old name");
    EXPECT_EQ(selectionEnd, 8u) << "the default text starts selected";
    EXPECT_TRUE(laidOut) << "the wrapped prompt, the edit and the buttons lie one below the other";
  }
}

// Confirmation: Yes is the default, Escape answers No, the close box answers Closed.
TEST_F(DialogsTest, ConfirmTellsYesNoAndTheCloseBoxApart) {
  struct Case {
    const char* how;
    std::function<void(DialogDriver&, HWND dialog)> answer;
    Answer expected;
  };
  const Case cases[] = {
      {"Yes", [](DialogDriver&, HWND d) { DialogDriver::Click(d, IDYES); }, Answer::Yes},
      {"No", [](DialogDriver&, HWND d) { DialogDriver::Click(d, IDNO); }, Answer::No},
      {"Enter", [](DialogDriver& driver, HWND) { driver.PressKey(VK_RETURN); }, Answer::Yes},
      {"Escape", [](DialogDriver& driver, HWND) { driver.PressKey(VK_ESCAPE); }, Answer::No},
      {"the close box", [](DialogDriver&, HWND d) { DialogDriver::CloseFromTitleBar(d); },
       Answer::Closed},
  };
  const std::string question =
      "Delete the menu button Tools \t C:\\Program Files\\Some Vendor\\Some Product\\"
      "A folder with a long name\\Another folder with an even longer name\\Tools?";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    HWND owner = nullptr;
    std::string shownQuestion;
    LRESULT defaultButton = 0;
    bool hasIcon = false;
    bool fits = false;
    DialogDriver driver([&](DialogDriver& d) {
      HWND dialog = d.WaitForDialog("Confirm");
      owner = GetWindow(dialog, GW_OWNER);
      shownQuestion = DialogDriver::Text(GetDlgItem(dialog, 101));
      defaultButton = LOWORD(DialogDriver::Send(dialog, DM_GETDEFID, 0, 0));
      hasIcon = DialogDriver::Send(GetDlgItem(dialog, 100), STM_GETICON, 0, 0) != 0;
      RECT client{};
      RECT frame{};
      GetClientRect(dialog, &client);
      GetWindowRect(dialog, &frame);
      fits = Inside(ChildRect(dialog, 101), client) && Inside(ChildRect(dialog, IDNO), client) &&
             ChildRect(dialog, 101).bottom <= ChildRect(dialog, IDYES).top &&
             frame.right - frame.left < GetSystemMetrics(SM_CXSCREEN);
      c.answer(d, dialog);
      d.WaitUntilGone(dialog);
    });
    const Answer answer = dialogs_.Confirm(question);
    driver.Finish();
    EXPECT_EQ(driver.Failure(), "");
    EXPECT_EQ(answer, c.expected);
    EXPECT_EQ(owner, owner_.Get());
    EXPECT_EQ(shownQuestion, question);
    EXPECT_EQ(defaultButton, IDYES);
    EXPECT_TRUE(hasIcon);
    EXPECT_TRUE(fits) << "the question wraps inside the box, above the buttons";
  }
}

TEST(DialogsOwnerTest, AHiddenOwnerLeavesTheDialogWithoutOwner) {
  const OwnerWindow hidden(false);
  Win32Dialogs dialogs;
  dialogs.SetOwner(hidden.Get());
  HWND owner = hidden.Get();
  DialogDriver driver([&](DialogDriver& d) {
    HWND dialog = d.WaitForDialog("Confirm");
    owner = GetWindow(dialog, GW_OWNER);
    DialogDriver::Click(dialog, IDNO);
  });
  EXPECT_EQ(dialogs.Confirm("Sure?"), Answer::No);
  driver.Finish();
  EXPECT_EQ(driver.Failure(), "");
  EXPECT_EQ(owner, nullptr);
}

constexpr int kNameEdit = 100;
constexpr int kFolderList = 101;
constexpr int kFileList = 102;
constexpr int kDriveBox = 103;

void DoubleClickFolderRow(HWND dialog, const std::string& row) {
  HWND list = GetDlgItem(dialog, kFolderList);
  const LRESULT index = DialogDriver::Send(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(row.c_str()));
  if (index < 0) throw std::runtime_error("no row " + row);
  DialogDriver::Send(list, LB_SETCURSEL, index, 0);
  DialogDriver::Send(dialog, WM_COMMAND, MAKEWPARAM(kFolderList, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(list));
}

// Select Directory: where it starts, how it moves, and what OK and Cancel give back.
TEST_F(DialogsTest, SelectDirectoryAnswersTheFolderItShowsOnOk) {
  const ScratchFolder scratch;
  scratch.AddFile("top.txt");
  scratch.AddFolder("Sub A");
  scratch.AddFile("Sub A\\inner.txt");
  const std::string root = scratch.Path();
  const std::string sub = scratch / "Sub A";
  const std::string drive = root.substr(0, 3);
  using Script = std::function<void(DialogDriver&, HWND dialog)>;
  const Script ok = [](DialogDriver&, HWND d) { DialogDriver::Click(d, IDOK); };
  struct Case {
    const char* how;
    std::string start;
    Script script;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"OK at once, start given with a trailing backslash", root + "\\", ok, root},
      {"a start folder that does not exist starts in its nearest parent",
       scratch / "missing\\deeper", ok, root},
      {"Cancel", root, [](DialogDriver&, HWND d) { DialogDriver::Click(d, IDCANCEL); },
       std::nullopt},
      {"double-click a subfolder", root,
       [&](DialogDriver&, HWND d) {
         DoubleClickFolderRow(d, "Sub A");
         if (ListRows(GetDlgItem(d, kFileList)) != std::vector<std::string>{"inner.txt"}) {
           throw std::runtime_error("the file list does not show the subfolder's files");
         }
         DialogDriver::Click(d, IDOK);
       },
       sub},
      {"double-click the parent row", sub,
       [&](DialogDriver&, HWND d) {
         DoubleClickFolderRow(d, root.substr(root.find_last_of('\\') + 1));
         DialogDriver::Click(d, IDOK);
       },
       root},
      {"another drive opens its root", sub,
       [&](DialogDriver&, HWND d) {
         HWND drives = GetDlgItem(d, kDriveBox);
         const LRESULT count = DialogDriver::Send(drives, CB_GETCOUNT, 0, 0);
         for (LRESULT i = 0; i < count; ++i) {
           if (DialogDriver::Send(drives, CB_GETITEMDATA, i, 0) == toupper(drive[0])) {
             DialogDriver::Send(drives, CB_SETCURSEL, i, 0);
           }
         }
         DialogDriver::Send(d, WM_COMMAND, MAKEWPARAM(kDriveBox, CBN_SELCHANGE),
                            reinterpret_cast<LPARAM>(drives));
         DialogDriver::Click(d, IDOK);
       },
       drive},
      {"a typed relative path", root,
       [](DialogDriver&, HWND d) {
         DialogDriver::SetText(GetDlgItem(d, kNameEdit), "Sub A");
         DialogDriver::Click(d, IDOK);
       },
       sub},
      {"a typed folder that does not exist is refused", root,
       [](DialogDriver& driver, HWND d) {
         DialogDriver::SetText(GetDlgItem(d, kNameEdit), "C:\\no such folder");
         DialogDriver::Click(d, IDOK);
         HWND message = driver.WaitForDialog("Select Directory", d);
         DialogDriver::Click(message, IDOK);
         driver.WaitUntilGone(message);
         if (!IsWindowVisible(d)) throw std::runtime_error("the dialog closed");
         DialogDriver::Click(d, IDCANCEL);
       },
       std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    HWND owner = nullptr;
    std::string shownFolder;
    std::vector<std::string> folderRows;
    std::vector<std::string> fileRows;
    DialogDriver driver([&](DialogDriver& d) {
      HWND dialog = d.WaitForDialog("Select Directory");
      owner = GetWindow(dialog, GW_OWNER);
      shownFolder = DialogDriver::Text(GetDlgItem(dialog, kNameEdit));
      folderRows = ListRows(GetDlgItem(dialog, kFolderList));
      fileRows = ListRows(GetDlgItem(dialog, kFileList));
      c.script(d, dialog);
      d.WaitUntilGone(dialog);
    });
    const std::optional<std::string> chosen = dialogs_.SelectDirectory(c.start);
    driver.Finish();
    EXPECT_EQ(driver.Failure(), "");
    EXPECT_EQ(chosen, c.expected);
    EXPECT_EQ(owner, owner_.Get());
    if (c.start.rfind(root, 0) == 0 && c.start.size() <= root.size() + 1) {
      EXPECT_EQ(shownFolder, root);
      EXPECT_THAT(fileRows, ElementsAre("top.txt"));
      ASSERT_FALSE(folderRows.empty());
      EXPECT_EQ(folderRows.front(), drive);
      EXPECT_EQ(folderRows.back(), "Sub A");
    }
  }
}

// Makes a folder the current one for as long as it lives.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::string& folder) {
    GetCurrentDirectoryA(MAX_PATH, previous_);
    SetCurrentDirectoryA(folder.c_str());
  }
  ~CurrentFolder() { SetCurrentDirectoryA(previous_); }
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;

 private:
  char previous_[MAX_PATH] = {};
};

// The open dialog: several names typed at once come back as full paths in their order.
TEST_F(DialogsTest, OpenFilesAnswersTheChosenFilesAsFullPaths) {
  const ScratchFolder scratch;
  scratch.AddFile("a.txt");
  scratch.AddFile("b.txt");
  const CurrentFolder current(scratch.Path());
  struct Case {
    const char* typed;  // nothing: Cancel
    std::optional<std::vector<std::string>> expected;
  };
  const Case cases[] = {
      {"\"a.txt\" \"b.txt\"", std::vector<std::string>{scratch / "a.txt", scratch / "b.txt"}},
      {"b.txt", std::vector<std::string>{scratch / "b.txt"}},
      {nullptr, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed ? c.typed : "Cancel");
    HWND owner = nullptr;
    DialogDriver driver([&](DialogDriver& d) {
      HWND dialog = d.WaitForDialog("");
      owner = GetWindow(dialog, GW_OWNER);
      AnswerOpenDialog(dialog, c.typed ? c.typed : "");
      d.WaitUntilGone(dialog);
    });
    const auto chosen = dialogs_.OpenFiles();
    driver.Finish();
    EXPECT_EQ(driver.Failure(), "");
    EXPECT_EQ(chosen, c.expected);
    EXPECT_EQ(owner, owner_.Get());
  }
}

// The colour dialog: where it starts, and what OK and Cancel give back.
TEST_F(DialogsTest, PickColorStartsAtTheColourAndAnswersItOnOk) {
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  struct Case {
    const char* how;
    Color initial;
    int button;  // IDOK, IDCANCEL, or 0 for the close box
    std::optional<Color> expected;
  };
  const Case cases[] = {
      {"OK", 0x123456, IDOK, 0x123456},
      {"OK, a system colour starts at its value", clWindow, IDOK, static_cast<Color>(window)},
      {"Cancel", 0x123456, IDCANCEL, std::nullopt},
      {"the close box", clWindow, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    HWND owner = nullptr;
    std::string shown;
    bool plain = false;
    DialogDriver driver([&](DialogDriver& d) {
      HWND dialog = d.WaitForDialog("");
      owner = GetWindow(dialog, GW_OWNER);
      shown = DialogDriver::Text(GetDlgItem(dialog, COLOR_RED)) + "," +
              DialogDriver::Text(GetDlgItem(dialog, COLOR_GREEN)) + "," +
              DialogDriver::Text(GetDlgItem(dialog, COLOR_BLUE));
      RECT client{};
      GetClientRect(dialog, &client);
      plain = ChildRect(dialog, COLOR_RAINBOW).left >= client.right;
      if (c.button) {
        DialogDriver::Click(dialog, c.button);
      } else {
        DialogDriver::CloseFromTitleBar(dialog);
      }
      d.WaitUntilGone(dialog);
    });
    const std::optional<Color> chosen = dialogs_.PickColor(c.initial);
    driver.Finish();
    EXPECT_EQ(driver.Failure(), "");
    EXPECT_EQ(chosen, c.expected);
    EXPECT_EQ(owner, owner_.Get());
    const COLORREF start = ToColorRef(c.initial);
    EXPECT_EQ(shown, std::to_string(GetRValue(start)) + "," + std::to_string(GetGValue(start)) +
                         "," + std::to_string(GetBValue(start)));
    EXPECT_TRUE(plain) << "the colour mixer starts folded away";
  }
}

// Clicks the first of the custom colours.
void ClickFirstCustomColor(HWND dialog) {
  const RECT boxes = ChildRect(dialog, COLOR_CUSTOM1);  // two rows of eight
  const int x = boxes.left + (boxes.right - boxes.left) / 16;
  const int y = boxes.top + (boxes.bottom - boxes.top) / 4;
  DialogDriver::Send(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  DialogDriver::Send(dialog, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TEST_F(DialogsTest, PickColorKeepsTheCustomColoursForTheNextShowing) {
  // A colour mixed and added to the custom colours, then the dialog cancelled.
  DialogDriver adding([](DialogDriver& d) {
    HWND dialog = d.WaitForDialog("");
    DialogDriver::Click(dialog, COLOR_MIX);
    DialogDriver::SetText(GetDlgItem(dialog, COLOR_RED), "10");
    DialogDriver::SetText(GetDlgItem(dialog, COLOR_GREEN), "20");
    DialogDriver::SetText(GetDlgItem(dialog, COLOR_BLUE), "30");
    DialogDriver::Click(dialog, COLOR_ADD);
    DialogDriver::Click(dialog, IDCANCEL);
    d.WaitUntilGone(dialog);
  });
  EXPECT_EQ(dialogs_.PickColor(clWhite), std::nullopt);
  adding.Finish();
  EXPECT_EQ(adding.Failure(), "");

  // The first custom colour is the added one in the same dialogs, white in others.
  Win32Dialogs others;
  others.SetOwner(owner_.Get());
  for (Win32Dialogs* dialogs : {&dialogs_, &others}) {
    DialogDriver picking([](DialogDriver& d) {
      HWND dialog = d.WaitForDialog("");
      ClickFirstCustomColor(dialog);
      DialogDriver::Click(dialog, IDOK);
      d.WaitUntilGone(dialog);
    });
    const std::optional<Color> chosen = dialogs->PickColor(clNavy);
    picking.Finish();
    EXPECT_EQ(picking.Failure(), "");
    EXPECT_EQ(chosen, dialogs == &dialogs_ ? static_cast<Color>(RGB(10, 20, 30)) : clWhite);
  }
}

// Selects the colour box's entry of this colour, as a user's choice does.
void SelectFontColor(HWND dialog, COLORREF color) {
  HWND box = GetDlgItem(dialog, cmb4);
  const LRESULT count = DialogDriver::Send(box, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    if (static_cast<COLORREF>(DialogDriver::Send(box, CB_GETITEMDATA, i, 0)) == color) {
      DialogDriver::Send(box, CB_SETCURSEL, i, 0);
      DialogDriver::Send(dialog, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(box));
      return;
    }
  }
  throw std::runtime_error("the colour box has no entry " + std::to_string(color));
}

// The font dialog: it starts at the font, Apply hands over the font it shows, OK confirms it.
TEST_F(DialogsTest, PickFontAppliesAndAnswersTheFontTheDialogShows) {
  FontSpec initial;
  initial.charset = ANSI_CHARSET;
  initial.name = "MS Sans Serif";
  initial.size = 8;
  initial.bold = true;
  initial.italic = true;
  initial.color = clNavy;
  FontSpec struckRed = initial;
  struckRed.strikeOut = true;
  struckRed.color = 0x0000FF;
  FontSpec systemColored = initial;
  systemColored.color = clWindowText;

  using Script = std::function<void(HWND dialog)>;
  const auto press = [](int button) {
    return [button](HWND d) { DialogDriver::Click(d, button); };
  };
  const Script strikeOutAndRed = [](HWND d) {
    DialogDriver::Click(d, chx1);
    SelectFontColor(d, RGB(255, 0, 0));
  };
  struct Case {
    const char* how;
    FontSpec start;
    std::vector<Script> steps;
    std::vector<FontSpec> applied;
    std::optional<FontSpec> expected;
  };
  const Case cases[] = {
      {"Apply, then Cancel", initial, {press(psh3), press(IDCANCEL)}, {initial}, std::nullopt},
      {"OK", initial, {press(IDOK)}, {}, initial},
      {"strike-out and red, Apply twice, then OK",
       initial,
       {strikeOutAndRed, press(psh3), press(psh3), press(IDOK)},
       {struckRed, struckRed},
       struckRed},
      {"strike-out and red, then the close box",
       initial,
       {strikeOutAndRed, [](HWND d) { DialogDriver::CloseFromTitleBar(d); }},
       {},
       std::nullopt},
      {"a system colour kept stays one",
       systemColored,
       {press(psh3), press(IDOK)},
       {systemColored},
       systemColored},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    HWND owner = nullptr;
    std::string shownName, shownSize;
    bool hasApply = false;
    DialogDriver driver([&](DialogDriver& d) {
      HWND dialog = d.WaitForDialog("");
      owner = GetWindow(dialog, GW_OWNER);
      shownName = DialogDriver::Text(GetDlgItem(dialog, cmb1));
      shownSize = DialogDriver::Text(GetDlgItem(dialog, cmb3));
      hasApply = IsWindowVisible(GetDlgItem(dialog, psh3)) != FALSE;
      for (const Script& step : c.steps) step(dialog);
      d.WaitUntilGone(dialog);
    });
    std::vector<FontSpec> applied;
    const std::optional<FontSpec> chosen =
        dialogs_.PickFont(c.start, [&](const FontSpec& font) { applied.push_back(font); });
    driver.Finish();
    EXPECT_EQ(driver.Failure(), "");
    EXPECT_EQ(chosen, c.expected);
    EXPECT_THAT(applied, ElementsAreArray(c.applied));
    EXPECT_EQ(owner, owner_.Get());
    EXPECT_EQ(shownName, "MS Sans Serif");
    EXPECT_EQ(shownSize, "8");
    EXPECT_TRUE(hasApply);
  }
}

// An error in apply ends the dialog as cancelled and leaves PickFont, never entering Windows.
TEST_F(DialogsTest, PickFontThrowsWhatApplyThrewOnceTheDialogHasGone) {
  int applies = 0;
  bool closedItself = false;
  DialogDriver driver([&](DialogDriver& d) {
    HWND dialog = d.WaitForDialog("");
    DialogDriver::Click(dialog, psh3);
    d.WaitUntilGone(dialog);
    closedItself = true;
  });
  EXPECT_THAT(
      [&] {
        dialogs_.PickFont(FontSpec{}, [&](const FontSpec&) {
          ++applies;
          throw std::runtime_error("Failed to set data for 'Font'");
        });
      },
      ::testing::ThrowsMessage<std::runtime_error>("Failed to set data for 'Font'"));
  driver.Finish();
  EXPECT_EQ(driver.Failure(), "");
  EXPECT_TRUE(closedItself);
  EXPECT_EQ(applies, 1);
}

// The picture dialog: its file types, and the typed file's full path on OK.
TEST_F(DialogsTest, OpenPictureAnswersTheChosenFilesFullPath) {
  const ScratchFolder scratch;
  scratch.AddFile("back.bmp");
  const std::vector<std::string> types = {"All (*.tga;*.bmp;*.ico;*.emf;*.wmf)",
                                          "Targa image (*.tga)",
                                          "Bitmaps (*.bmp)",
                                          "Icons (*.ico)",
                                          "Enhanced Metafiles (*.emf)",
                                          "Metafiles (*.wmf)"};
  struct Case {
    const char* how;
    std::string typed;  // empty: Cancel
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"OK with a typed full path", scratch / "back.bmp", scratch / "back.bmp"},
      {"Cancel", "", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    HWND owner = nullptr;
    std::vector<std::string> shownTypes;
    DialogDriver driver([&](DialogDriver& d) {
      HWND dialog = d.WaitForDialog("");
      owner = GetWindow(dialog, GW_OWNER);
      HWND typeBox = GetDlgItem(dialog, cmb1);
      const LRESULT count = DialogDriver::Send(typeBox, CB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        const auto length =
            static_cast<std::size_t>(DialogDriver::Send(typeBox, CB_GETLBTEXTLEN, i, 0));
        std::string type(length + 1, '\0');
        DialogDriver::Send(typeBox, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(type.data()));
        type.resize(length);
        shownTypes.push_back(type);
      }
      AnswerOpenDialog(dialog, c.typed);
      d.WaitUntilGone(dialog);
    });
    const std::optional<std::string> chosen = dialogs_.OpenPicture();
    driver.Finish();
    EXPECT_EQ(driver.Failure(), "");
    EXPECT_EQ(chosen, c.expected);
    EXPECT_EQ(owner, owner_.Get());
    EXPECT_EQ(shownTypes, types);
  }
}

}  // namespace
}  // namespace brimdock
