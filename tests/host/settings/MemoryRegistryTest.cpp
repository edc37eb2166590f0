#include "support/MemoryRegistry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace brimdock {
namespace {

using brimdock::testing::MemoryRegistry;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

constexpr RootKey kUser = RootKey::CurrentUser;

// "Software\Co" holding the key "Old" with the value "v" = "old", logged relative to itself;
// no write done yet.
struct SmallStore {
  SmallStore() {
    registry.LogRelativeTo(kUser, "Software\\Co");
    registry.Put(kUser, "Software\\Co\\Old", "v", {ValueType::String, "old"});
    key = registry.Create(kUser, "Software\\Co");
  }

  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> key;
};

class MemoryRegistryTest : public ::testing::Test {
 protected:
  SmallStore store_;
  MemoryRegistry& registry_ = store_.registry;
  std::unique_ptr<RegistryKey>& key_ = store_.key;
};

TEST(MemoryRegistry, CountsAndLogsOnlyCallsThatChangeSomething) {
  const struct {
    const char* what;
    std::function<void(RegistryKey&)> call;
    std::vector<std::string> log;
  } cases[] = {
      {"write", [](RegistryKey& k) { k.WriteString("Top", "x"); }, {"write Top=x"}},
      {"write the same text",
       [](RegistryKey& k) { k.OpenSubKey("Old")->WriteString("v", "old"); },
       {"write Old\\v=old"}},
      {"write the default value", [](RegistryKey& k) { k.WriteString("", "d"); }, {"write @=d"}},
      {"create with parents",
       [](RegistryKey& k) { (void)k.CreateSubKey("New\\Sub"); },
       {"create New\\Sub"}},
      {"create an existing key", [](RegistryKey& k) { (void)k.CreateSubKey("OLD"); }, {}},
      {"delete a tree", [](RegistryKey& k) { k.DeleteSubKeyTree("old"); }, {"delete old"}},
      {"delete a missing tree", [](RegistryKey& k) { k.DeleteSubKeyTree("Gone\\Sub"); }, {}},
      {"delete a value",
       [](RegistryKey& k) { k.OpenSubKey("Old")->DeleteValue("V"); },
       {"remove Old\\V"}},
      {"delete a missing value", [](RegistryKey& k) { k.DeleteValue("none"); }, {}},
      {"open", [](RegistryKey& k) { (void)k.OpenSubKey("Old"); }, {}},
  };
  for (const auto& c : cases) {
    SmallStore fresh;
    c.call(*fresh.key);
    EXPECT_EQ(fresh.registry.Log(), c.log) << c.what;
    EXPECT_EQ(fresh.registry.WriteCount(), c.log.size()) << c.what;
  }
}

TEST(MemoryRegistry, ARefusedWriteThrowsItsTextAndChangesNothing) {
  const struct {
    const char* what;
    std::function<void(MemoryRegistry&, RegistryKey&)> call;
    const char* message;
  } cases[] = {
      {"write", [](MemoryRegistry&, RegistryKey& k) { k.OpenSubKey("Old")->WriteString("v", "x"); },
       "Failed to set data for 'v'"},
      {"create below a key", [](MemoryRegistry&, RegistryKey& k) { (void)k.CreateSubKey("A\\B"); },
       "Failed to create key A\\B"},
      {"create from a root",
       [](MemoryRegistry& r, RegistryKey&) { (void)r.Create(kUser, "Software\\Other"); },
       "Failed to create key Software\\Other"},
      {"delete a tree", [](MemoryRegistry&, RegistryKey& k) { k.DeleteSubKeyTree("Old"); },
       "Failed to set data for 'Old'"},
      {"delete a value",
       [](MemoryRegistry&, RegistryKey& k) { k.OpenSubKey("Old")->DeleteValue("v"); },
       "Failed to set data for 'v'"},
  };
  for (const auto& c : cases) {
    SmallStore fresh;
    fresh.registry.FailWriteAt(1);
    EXPECT_THAT([&] { c.call(fresh.registry, *fresh.key); },
                ThrowsMessage<RegistryError>(StrEq(c.message)))
        << c.what;
    EXPECT_EQ(fresh.registry.Get(kUser, "Software\\Co\\Old", "v")->data, "old") << c.what;
    EXPECT_FALSE(fresh.registry.KeyExists(kUser, "Software\\Co\\A")) << c.what;
    EXPECT_FALSE(fresh.registry.KeyExists(kUser, "Software\\Other")) << c.what;
    EXPECT_THAT(fresh.registry.Log(), IsEmpty()) << c.what;
    EXPECT_EQ(fresh.registry.WriteCount(), 0U) << c.what;
  }
}

TEST_F(MemoryRegistryTest, FailuresCountOnlyWritesAndCanPersist) {
  registry_.FailWriteAt(2);
  (void)key_->CreateSubKey("Old");  // exists: no write
  key_->DeleteSubKeyTree("Gone");   // missing: no write
  key_->WriteString("a", "1");
  EXPECT_THROW(key_->WriteString("b", "2"), RegistryError);
  EXPECT_NO_THROW(key_->WriteString("c", "3"));

  registry_.FailWritesFrom(2);
  key_->WriteString("d", "4");
  EXPECT_THROW(key_->WriteString("e", "5"), RegistryError);
  EXPECT_THROW(key_->WriteString("f", "6"), RegistryError);
  registry_.StopFailing();
  EXPECT_NO_THROW(key_->WriteString("g", "7"));

  EXPECT_EQ(registry_.ValueNames(kUser, "Software\\Co"),
            (std::vector<std::string>{"a", "c", "d", "g"}));
}

TEST_F(MemoryRegistryTest, NamesKeepTheirFirstSpellingInCreationOrder) {
  key_->WriteString("Zeta", "1");
  key_->WriteString("alpha", "2");
  key_->WriteString("ZETA", "3");
  (void)key_->CreateSubKey("Second");
  (void)key_->CreateSubKey("OLD\\Inner");
  key_->WriteString("Mid", "4");
  key_->DeleteValue("alpha");
  key_->WriteString("ALPHA", "5");

  EXPECT_THAT(registry_.ValueNames(kUser, "software\\co"), ElementsAre("Zeta", "Mid", "ALPHA"));
  EXPECT_EQ(registry_.Get(kUser, "Software\\Co", "zeta")->data, "3");
  EXPECT_THAT(registry_.SubKeyNames(kUser, "Software\\Co"), ElementsAre("Old", "Second"));
  EXPECT_THAT(registry_.SubKeyNames(kUser, "Software\\Missing"), IsEmpty());
}

TEST_F(MemoryRegistryTest, LogShowsPathsOutsideTheBaseInFull) {
  registry_.ClearLog();
  key_->WriteString("Top", "1");
  registry_.Create(kUser, "Software\\Elsewhere")->WriteString("v", "2");
  registry_.Create(RootKey::LocalMachine, "Software\\Co")->WriteString("v", "3");
  registry_.Open(kUser, "")->DeleteSubKeyTree("Software\\Co");

  EXPECT_THAT(registry_.Log(),
              ElementsAre("write Top=1", "create Software\\Elsewhere",
                          "write Software\\Elsewhere\\v=2", "create HKLM\\Software\\Co",
                          "write HKLM\\Software\\Co\\v=3", "delete Software\\Co"));

  registry_.SetRecording(false);
  registry_.ClearLog();
  registry_.ResetWriteCount();
  registry_.Create(kUser, "Software\\Elsewhere")->WriteString("w", "4");
  EXPECT_THAT(registry_.Log(), IsEmpty());
  EXPECT_EQ(registry_.WriteCount(), 1U);
}

TEST(MemoryRegistry, KeysOutliveTheirRegistry) {
  std::unique_ptr<RegistryKey> key;
  {
    MemoryRegistry registry;
    key = registry.Create(RootKey::CurrentUser, "K");
  }
  key->WriteString("v", "still here");
  EXPECT_EQ(key->Read("v")->data, "still here");
}

}  // namespace
}  // namespace brimdock
