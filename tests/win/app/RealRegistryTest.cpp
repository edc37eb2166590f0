#include <gmock/gmock.h>

#include <memory>
#include <string>

#include "app/FormConfig.h"
#include "platform/Win32Registry.h"
#include "support/ScriptedDialogs.h"

namespace brimdock::testing {
namespace {

using ::testing::ElementsAre;

constexpr char kTestsKey[] = "Software\\Marrowick Software\\BrimdockTests";

// The window over the real registry, in a scratch key of its own.
class RealRegistryTest : public ::testing::Test {
 protected:
  RealRegistryTest()
      : key_(std::string(kTestsKey) + "\\Window" + std::to_string(GetCurrentProcessId())) {}
  ~RealRegistryTest() override {
    if (auto tests = registry_.Open(RootKey::CurrentUser, kTestsKey)) {
      tests->DeleteSubKeyTree(key_.substr(sizeof kTestsKey));
    }
  }

  void Store(const std::string& section, const std::string& name, const std::string& text) {
    registry_.Create(RootKey::CurrentUser, Section(section))->WriteString(name, text);
  }
  std::string Stored(const std::string& section, const std::string& name) {
    auto key = registry_.Open(RootKey::CurrentUser, Section(section));
    const auto value = key ? key->Read(name) : std::nullopt;
    return value ? value->data : "<missing>";
  }
  std::string Section(const std::string& section) const {
    return section.empty() ? key_ : key_ + "\\" + section;
  }
  std::unique_ptr<TFormConfig> OpenWindow() {
    return std::make_unique<TFormConfig>(registry_, dialogs_,
                                         StartupOptions{"C:\\Brimdock\\", {}, key_});
  }

  Win32Registry registry_;
  ScriptedDialogs dialogs_;
  std::string key_;
};

TEST_F(RealRegistryTest, ApplyRewritesAPreparedStoreThatReadsBackTheSame) {
  Store("", "NeedRefresh", "1");
  Store("Appearance", "PanelTop", "1");
  Store("Appearance", "BackgroundColor", "0xFF");
  Store("Dirs", "NumDirs", "1");
  Store("Dirs", "Dir1", "C:\\Tools");
  Store("Dirs", "Nam1", "Tools");
  Store("Groups", "NumGroups", "1");
  Store("Groups", "LastActiveGroup", "1");
  Store("Groups\\Group1", "Name", "Work");
  Store("Groups\\Group1", "Hint", "Work");
  Store("Groups\\Group1", "NumItems", "1");
  Store("Groups\\Group1", "Item1", "C:\\edit.exe");
  Store("Groups\\Group1", "Nam1", "edit.exe");
  Store("Items", "Item1", "obsolete");

  auto form = OpenWindow();
  EXPECT_EQ(Stored("", "NeedRefresh"), "0");
  SendMessageA(form->SpeedButApply.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(dialogs_.errors.empty());
  form.reset();

  EXPECT_EQ(Stored("Appearance", "BackgroundColor"), "255");
  EXPECT_EQ(Stored("Groups", "LastActiveGroup"), "<missing>");
  EXPECT_EQ(Stored("Items", "Item1"), "<missing>");
  EXPECT_EQ(Stored("", "Version"), "1.2.1");

  auto again = OpenWindow();
  EXPECT_EQ(again->Appearance.RGTopBottom.ItemIndex(), 0);
  EXPECT_EQ(again->State.Settings.BackgroundColor, 255);
  EXPECT_THAT(again->Folders.LBFolders.Items(), ElementsAre("Tools \t C:\\Tools"));
  EXPECT_THAT(again->Icons.LBItems.Items(), ElementsAre("edit.exe \t C:\\edit.exe"));
}

}  // namespace
}  // namespace brimdock::testing
