#include <gmock/gmock.h>

#include <memory>
#include <string>

#include "app/FormConfig.h"
#include "platform/Win32Registry.h"
#include "support/EntryNames.h"
#include "support/ScriptedDialogs.h"

namespace brimdock::testing {
namespace {

using ::testing::ElementsAre;

// The real registry, refusing every write from a given one on, as if the process had been
// killed there.
class StoppingRegistry final : public Registry {
 public:
  explicit StoppingRegistry(Registry& inner) : inner_(inner) {}
  void StopAtWrite(std::size_t n) { state_->stopAt = state_->writes + n; }
  [[nodiscard]] std::size_t Writes() const { return state_->writes; }

  std::unique_ptr<RegistryKey> Open(RootKey root, const std::string& path) override {
    return Wrap(inner_.Open(root, path), state_);
  }
  std::unique_ptr<RegistryKey> Create(RootKey root, const std::string& path) override {
    return Wrap(inner_.Create(root, path), state_);
  }

 private:
  struct State {
    std::size_t writes = 0;
    std::size_t stopAt = 0;  // 0: never
    void Write(const std::string& name) {
      if (stopAt != 0 && writes + 1 >= stopAt) throw FailedToSetData(name);
      ++writes;
    }
  };

  class Key final : public RegistryKey {
   public:
    Key(std::unique_ptr<RegistryKey> inner, std::shared_ptr<State> state)
        : inner_(std::move(inner)), state_(std::move(state)) {}
    std::optional<RegistryValue> Read(const std::string& name) const override {
      return inner_->Read(name);
    }
    void WriteString(const std::string& name, const std::string& text) override {
      state_->Write(name);
      inner_->WriteString(name, text);
    }
    std::unique_ptr<RegistryKey> OpenSubKey(const std::string& path) const override {
      return Wrap(inner_->OpenSubKey(path), state_);
    }
    std::unique_ptr<RegistryKey> CreateSubKey(const std::string& path) override {
      if (!inner_->OpenSubKey(path)) state_->Write(path);
      return Wrap(inner_->CreateSubKey(path), state_);
    }
    void DeleteSubKeyTree(const std::string& path) override {
      state_->Write(path);
      inner_->DeleteSubKeyTree(path);
    }
    void DeleteValue(const std::string& name) override {
      state_->Write(name);
      inner_->DeleteValue(name);
    }

   private:
    std::unique_ptr<RegistryKey> inner_;
    std::shared_ptr<State> state_;
  };

  static std::unique_ptr<RegistryKey> Wrap(std::unique_ptr<RegistryKey> inner,
                                           const std::shared_ptr<State>& state) {
    return inner ? std::make_unique<Key>(std::move(inner), state) : nullptr;
  }

  Registry& inner_;
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

constexpr char kTestsKey[] = "Software\\Marrowick Software\\BrimdockTests";

class KilledSaveTest : public ::testing::Test {
 protected:
  KilledSaveTest()
      : name_("Killed" + std::to_string(GetCurrentProcessId())),
        key_(std::string(kTestsKey) + "\\" + name_) {}
  ~KilledSaveTest() override { Erase(); }

  void Erase() {
    if (auto tests = real_.Open(RootKey::CurrentUser, kTestsKey)) tests->DeleteSubKeyTree(name_);
  }
  void Prepare() {
    Erase();
    auto root = real_.Create(RootKey::CurrentUser, key_);
    auto dirs = root->CreateSubKey("Dirs");
    dirs->WriteString("NumDirs", "2");
    dirs->WriteString("Dir1", "C:\\Tools");
    dirs->WriteString("Nam1", "Tools");
    dirs->WriteString("Dir2", "D:\\Games");
    dirs->WriteString("Nam2", "Games");
    auto groups = root->CreateSubKey("Groups");
    groups->WriteString("NumGroups", "2");
    for (const char* n : {"1", "2"}) {
      auto group = groups->CreateSubKey(std::string("Group") + n);
      group->WriteString("Name", std::string("G") + n);
      group->WriteString("Hint", std::string("G") + n);
      group->WriteString("NumItems", "1");
      group->WriteString("Item1", std::string("C:\\link") + n + ".exe");
      group->WriteString("Nam1", std::string("link") + n);
    }
  }
  std::unique_ptr<TFormConfig> OpenWindow(Registry& registry) {
    return std::make_unique<TFormConfig>(registry, dialogs_, StartupOptions{"C:\\", {}, key_});
  }
  // Adds a folder-menu button and a group: the new state a save writes.
  static void Edit(TFormConfig& f) {
    f.State.FolderButtons.push_back(FolderButton{"Music", "E:\\Music"});
    f.State.GroupList.Add("G3", "G3").AddLink("link3", "C:\\link3.exe");
  }

  Win32Registry real_;
  ScriptedDialogs dialogs_;
  std::string name_;
  std::string key_;
};

TEST_F(KilledSaveTest, ASaveStoppedAtAnyWriteComesBackWholeAtTheNextStart) {
  // How many writes a whole save takes.
  Prepare();
  std::size_t saveWrites = 0;
  {
    StoppingRegistry counting(real_);
    auto form = OpenWindow(counting);
    Edit(*form);
    const std::size_t before = counting.Writes();
    form->SpeedButApplyClick(&form->SpeedButApply);
    saveWrites = counting.Writes() - before;
  }
  ASSERT_GT(saveWrites, 40u);

  for (std::size_t stop : {std::size_t{1}, std::size_t{3}, saveWrites / 3, saveWrites / 2,
                           saveWrites - 1, saveWrites}) {
    SCOPED_TRACE("stopped at write " + std::to_string(stop) + " of " + std::to_string(saveWrites));
    Prepare();
    {
      StoppingRegistry stopping(real_);
      auto form = OpenWindow(stopping);
      Edit(*form);
      stopping.StopAtWrite(stop);
      EXPECT_THROW(form->SpeedButApplyClick(&form->SpeedButApply), RegistryError);
    }
    auto restarted = OpenWindow(real_);
    const auto& names = Names(restarted->State.FolderButtons);
    if (names.size() == 2) {
      EXPECT_THAT(names, ElementsAre("Tools", "Games"));
      EXPECT_EQ(restarted->State.GroupList.List.size(), 2u);
    } else {
      EXPECT_THAT(names, ElementsAre("Tools", "Games", "Music"));
      EXPECT_THAT(restarted->Icons.LBGroups.Items(), ElementsAre("G1", "G2", "G3"));
      EXPECT_THAT(Names(restarted->State.GroupList.List[2]->Links), ElementsAre("link3"));
    }
    EXPECT_THAT(Names(restarted->State.GroupList.List[0]->Links), ElementsAre("link1"));
    EXPECT_THAT(Names(restarted->State.GroupList.List[1]->Links), ElementsAre("link2"));
  }
}

}  // namespace
}  // namespace brimdock::testing
