#include <gmock/gmock.h>

#include <memory>

#include "app/FormConfig.h"
#include "settings/RegistryLayout.h"
#include "support/EntryNames.h"
#include "support/MemoryRegistry.h"
#include "win/platform/DialogDriver.h"

namespace brimdock::testing {
namespace {

using ::testing::ElementsAre;

// The window with the real dialogs, shown on the test display and answered by messages.
class RealDialogsTest : public ::testing::Test {
 protected:
  RealDialogsTest() {
    const std::string dirs = std::string(kSettingsKey) + "\\Dirs";
    registry.Put(RootKey::CurrentUser, dirs, "NumDirs", {ValueType::String, "2"});
    registry.Put(RootKey::CurrentUser, dirs, "Nam1", {ValueType::String, "Tools"});
    registry.Put(RootKey::CurrentUser, dirs, "Dir1", {ValueType::String, "C:\\Tools"});
    registry.Put(RootKey::CurrentUser, dirs, "Nam2", {ValueType::String, "Games"});
    registry.Put(RootKey::CurrentUser, dirs, "Dir2", {ValueType::String, "D:\\Games"});
    char full[MAX_PATH]{};
    GetFullPathNameA(BRIMDOCK_PACKS_DIR, MAX_PATH, full, nullptr);
    form = std::make_unique<TFormConfig>(registry, dialogs,
                                         StartupOptions{std::string(full) + "\\", {}, {}});
    form->Show();
    form->SBPagesClick(&form->SBMenus);
  }

  MemoryRegistry registry;
  Win32Dialogs dialogs;
  std::unique_ptr<TFormConfig> form;
};

TEST_F(RealDialogsTest, TheDeleteQuestionIsAnsweredInItsBox) {
  TFormConfig& f = *form;
  f.Folders.LBFolders.SetItemIndex(0);
  std::string question;
  {
    DialogDriver driver([&question](DialogDriver& d) {
      HWND box = d.WaitForDialog("");
      question = DialogDriver::Text(GetDlgItem(box, 101));  // the question's text
      DialogDriver::Click(box, IDNO);
    });
    SendMessageA(f.Folders.SpeedButDelDir.Handle(), BM_CLICK, 0, 0);
    driver.Finish();
    EXPECT_EQ(driver.Failure(), "");
  }
  EXPECT_EQ(f.Folders.LBFolders.Count(), 2);
  EXPECT_EQ(question, f.Lang1.GetMessageText(14) + " Tools \t C:\\Tools?");
  {
    DialogDriver driver(
        [](DialogDriver& d) { DialogDriver::CloseFromTitleBar(d.WaitForDialog("")); });
    SendMessageA(f.Folders.SpeedButDelDir.Handle(), BM_CLICK, 0, 0);
    driver.Finish();
    EXPECT_EQ(driver.Failure(), "");
  }
  EXPECT_THAT(Names(f.State.FolderButtons), ElementsAre("Games"));
  EXPECT_TRUE(f.State.RefreshFlag);
}

TEST_F(RealDialogsTest, TheRenamePromptTakesTheTypedName) {
  TFormConfig& f = *form;
  f.Folders.LBFolders.SetItemIndex(1);
  DialogDriver driver([](DialogDriver& d) {
    HWND box = d.WaitForDialog("Brimdock Configuration");
    HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr);
    DialogDriver::SetText(edit, "Play");
    DialogDriver::Click(box, IDOK);
  });
  SendMessageA(f.Folders.SBRenameDir.Handle(), BM_CLICK, 0, 0);
  driver.Finish();
  EXPECT_EQ(driver.Failure(), "");
  EXPECT_THAT(f.Folders.LBFolders.Items(), ElementsAre("Tools \t C:\\Tools", "Play \t D:\\Games"));
}

TEST_F(RealDialogsTest, ALinkDraggedWithTheMouseMovesToTheGroupDroppedOn) {
  TFormConfig& f = *form;
  f.State.GroupList.Add("A", "A").AddLink("a1", "C:\\a1");
  f.State.GroupList.Add("B", "B");
  f.Icons.LBGroups.Add("A");
  f.Icons.LBGroups.Add("B");
  f.Icons.LBGroups.SetItemIndex(0);
  f.Icons.ShowGroupLinks(0);
  f.SBPagesClick(&f.SBIcons);

  const int h = f.Icons.LBItems.ItemHeight();
  POINT drop{10, f.Icons.LBGroups.ItemHeight() + 3};  // on group B
  ClientToScreen(f.Icons.LBGroups.Handle(), &drop);
  ScreenToClient(f.Icons.LBItems.Handle(), &drop);
  SendMessageA(f.Icons.LBItems.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, h / 2));
  EXPECT_EQ(f.Icons.LBItems.ItemIndex(), 0);
  SendMessageA(f.Icons.LBItems.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(drop.x, drop.y));
  EXPECT_TRUE(f.Icons.LBItems.Dragging());
  SendMessageA(f.Icons.LBItems.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));

  EXPECT_TRUE(Names(f.State.GroupList.List[0]->Links).empty());
  EXPECT_THAT(Names(f.State.GroupList.List[1]->Links), ElementsAre("a1"));
  EXPECT_EQ(f.Icons.LBGroups.ItemIndex(), 0);
  EXPECT_EQ(f.Icons.LBItems.Count(), 0);
}

}  // namespace
}  // namespace brimdock::testing
