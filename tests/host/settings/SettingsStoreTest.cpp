#include "settings/SettingsStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "host/settings/CountingRegistry.h"
#include "settings/Layout.h"
#include "settings/MemoryRegistry.h"

namespace brimdock {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

constexpr RootKey kUser = RootKey::CurrentUser;

std::string KeyOf(const std::string& section) {
  return section.empty() ? std::string(kSettingsKey) : std::string(kSettingsKey) + "\\" + section;
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  void Put(const std::string& section, const std::string& name, RegistryValue value) {
    registry_.Put(kUser, KeyOf(section), name, std::move(value));
  }
  void PutText(const std::string& section, const std::string& name, const std::string& text) {
    Put(section, name, {ValueType::String, text});
  }
  std::optional<RegistryValue> Stored(const std::string& section, const std::string& name) {
    return registry_.Get(kUser, KeyOf(section), name);
  }
  bool Exists(const std::string& section) { return registry_.KeyExists(kUser, KeyOf(section)); }

  MemoryRegistry registry_;
};

TEST_F(SettingsStoreTest, OpeningCreatesTheSettingsKeyAndReadingCreatesNothingMore) {
  SettingsStore store(registry_);
  EXPECT_TRUE(Exists(""));
  EXPECT_EQ(registry_.WriteCount(), 1U);

  EXPECT_EQ(store.ReadString("Appearance", "BackBMPName", "none"), "none");
  EXPECT_EQ(store.ReadInteger("Groups\\Group1", "NumItems", 7), 7);
  EXPECT_TRUE(store.ReadBool("Dirs", "Start_menu", true));
  EXPECT_FALSE(store.ReadBool("", "NeedRefresh", false));
  EXPECT_FALSE(Exists("Appearance"));
  EXPECT_FALSE(Exists("Groups"));
  EXPECT_EQ(registry_.WriteCount(), 1U);

  SettingsStore again(registry_);
  EXPECT_EQ(registry_.WriteCount(), 1U);
}

TEST_F(SettingsStoreTest, MissingValuesAndTextsThatAreNoNumbersGiveTheDefault) {
  PutText("Appearance", "Other", "1");
  PutText("Appearance", "AutoHideDelay", "soon");
  PutText("Appearance", "PanelTop", "yes");
  SettingsStore store(registry_);
  EXPECT_EQ(store.ReadInteger("Appearance", "MenuButWidth", 60), 60);
  EXPECT_EQ(store.ReadInteger("Appearance", "AutoHideDelay", 3000), 3000);
  EXPECT_FALSE(store.ReadBool("Appearance", "PanelTop", false));
  EXPECT_TRUE(store.ReadBool("Appearance", "PanelTop", true));
}

TEST_F(SettingsStoreTest, ReadsPlainAndExpandableTextAndNamesIgnoreCase) {
  PutText("appearance", "BACKBMPNAME", "C:\\back.bmp");
  Put("Appearance", "MenuButWidth", {ValueType::ExpandString, "0x40"});
  Put("Fonts", "MenuFontName", {ValueType::ExpandString, "%Font%"});
  SettingsStore store(registry_);
  EXPECT_EQ(store.ReadString("Appearance", "BackBMPName", ""), "C:\\back.bmp");
  EXPECT_EQ(store.ReadInteger("APPEARANCE", "MenuButWidth", 60), 64);
  EXPECT_EQ(store.ReadString("Fonts", "MenuFontName", ""), "%Font%");
}

TEST_F(SettingsStoreTest, AValueOfAnotherTypeRaisesInvalidDataType) {
  const ValueType types[] = {ValueType::Dword, ValueType::Binary, ValueType::MultiString,
                             ValueType::Qword, ValueType::None};
  SettingsStore store(registry_);
  for (const ValueType type : types) {
    Put("Appearance", "AutoHideDelay", {type, std::string("\x10\0\0\0", 4)});
    const auto message = StrEq("Invalid data type for 'AutoHideDelay'");
    EXPECT_THAT([&] { (void)store.ReadString("Appearance", "AutoHideDelay", ""); },
                ThrowsMessage<RegistryError>(message));
    EXPECT_THAT([&] { (void)store.ReadInteger("Appearance", "AutoHideDelay", 1); },
                ThrowsMessage<RegistryError>(message));
    EXPECT_THAT([&] { (void)store.ReadBool("Appearance", "AutoHideDelay", true); },
                ThrowsMessage<RegistryError>(message));
  }
}

TEST_F(SettingsStoreTest, WritesEveryKindAsTextCreatingTheSection) {
  SettingsStore store(registry_);
  store.WriteInteger("Appearance", "BackgroundColor", -2147483633);
  store.WriteInteger("Appearance", "AutoHideDelay", 0);
  store.WriteBool("Appearance", "PanelTop", true);
  store.WriteBool("Appearance", "OnTop", false);
  store.WriteString("Groups\\Group1", "Name", "");
  store.WriteString("", "Version", "1.2.1");

  const struct {
    const char* section;
    const char* name;
    const char* text;
  } expected[] = {
      {"Appearance", "BackgroundColor", "-2147483633"},
      {"Appearance", "AutoHideDelay", "0"},
      {"Appearance", "PanelTop", "1"},
      {"Appearance", "OnTop", "0"},
      {"Groups\\Group1", "Name", ""},
      {"", "Version", "1.2.1"},
  };
  for (const auto& e : expected) {
    const auto value = Stored(e.section, e.name);
    ASSERT_TRUE(value.has_value()) << e.name;
    EXPECT_EQ(value->type, ValueType::String) << e.name;
    EXPECT_EQ(value->data, e.text) << e.name;
  }
}

TEST_F(SettingsStoreTest, ErasingASectionRemovesItsSubkeysAndLetsItBeWrittenAgain) {
  PutText("Groups", "NumGroups", "2");
  PutText("Groups", "LastActiveGroup", "1");
  PutText("Groups\\Group1", "Name", "Tools");
  PutText("Groups\\Group2\\Deeper", "x", "y");
  PutText("Dirs", "NumDirs", "0");
  SettingsStore store(registry_);
  // Open the section keys first, so that the store holds them.
  EXPECT_EQ(store.ReadString("Groups\\Group1", "Name", ""), "Tools");
  EXPECT_EQ(store.ReadInteger("GROUPS", "NumGroups", 0), 2);

  store.EraseSection("Groups");
  EXPECT_FALSE(Exists("Groups"));
  EXPECT_TRUE(Exists("Dirs"));
  EXPECT_EQ(store.ReadString("Groups\\Group1", "Name", "gone"), "gone");
  EXPECT_NO_THROW(store.EraseSection("Groups"));
  EXPECT_NO_THROW(store.EraseSection("Items"));

  store.WriteString("Groups\\Group1", "Name", "New");
  store.WriteInteger("Groups", "NumGroups", 1);
  EXPECT_EQ(Stored("Groups\\Group1", "Name")->data, "New");
  EXPECT_EQ(Stored("Groups", "NumGroups")->data, "1");
  EXPECT_FALSE(Stored("Groups", "LastActiveGroup").has_value());
}

TEST_F(SettingsStoreTest, TheSettingsKeyItselfCannotBeErased) {
  PutText("", "Version", "1.2.1");
  SettingsStore store(registry_);
  for (const char* section : {"", "\\"}) {
    EXPECT_THROW(store.EraseSection(section), std::invalid_argument) << '"' << section << '"';
  }
  EXPECT_EQ(Stored("", "Version")->data, "1.2.1");
}

TEST_F(SettingsStoreTest, ARefusedWriteRaisesItsTextAndChangesNothing) {
  PutText("Appearance", "PanelTop", "1");
  PutText("Dirs", "NumDirs", "1");
  const struct {
    const char* what;
    std::function<void(SettingsStore&)> call;
    const char* message;
  } cases[] = {
      {"value", [](SettingsStore& s) { s.WriteBool("Appearance", "PanelTop", false); },
       "Failed to set data for 'PanelTop'"},
      {"section", [](SettingsStore& s) { s.WriteInteger("Clipboard", "clbMaxSize", 5000); },
       "Failed to create key Clipboard"},
      {"group section", [](SettingsStore& s) { s.WriteString("Groups\\Group3", "Name", "x"); },
       "Failed to create key Groups\\Group3"},
      {"erase", [](SettingsStore& s) { s.EraseSection("Dirs"); }, "Failed to set data for 'Dirs'"},
  };
  SettingsStore store(registry_);
  for (const auto& c : cases) {
    registry_.FailWriteAt(1);
    EXPECT_THAT([&] { c.call(store); }, ThrowsMessage<RegistryError>(StrEq(c.message))) << c.what;
    EXPECT_EQ(Stored("Appearance", "PanelTop")->data, "1") << c.what;
    EXPECT_EQ(Stored("Dirs", "NumDirs")->data, "1") << c.what;
    EXPECT_FALSE(Exists("Clipboard")) << c.what;
    EXPECT_FALSE(Exists("Groups")) << c.what;
  }
  store.WriteString("Groups\\Group3", "Name", "x");
  EXPECT_EQ(Stored("Groups\\Group3", "Name")->data, "x");
}

TEST_F(SettingsStoreTest, AMissingSectionIsLookedForOnceUntilTheStoreCreatesIt) {
  fixture::CountingRegistry counting(registry_);
  SettingsStore store(counting);
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(store.ReadInteger("Fonts", "Size" + std::to_string(i), 8), 8);
    EXPECT_EQ(store.ReadString("Groups", "Count", "none"), "none");
  }
  EXPECT_EQ(counting.Counts().opens, 2U);
  EXPECT_FALSE(Exists("Fonts"));

  // Writing a section creates it and its missing parents; all of them are read again.
  store.WriteString("Fonts", "Size0", "10");
  store.WriteString("Groups\\Group1", "Name", "Tools");
  PutText("Groups", "Count", "1");
  EXPECT_EQ(store.ReadInteger("Fonts", "Size0", 8), 10);
  EXPECT_EQ(store.ReadString("Groups", "Count", "none"), "1");
  EXPECT_EQ(store.ReadString("Groups\\Group1", "Name", ""), "Tools");
}

TEST_F(SettingsStoreTest, OpensEachSectionOnceForManyValues) {
  constexpr int kValues = 100000;
  const char* const sections[] = {"Dirs", "Groups\\Group1", "Clipboard"};
  SettingsStore store(registry_);
  registry_.SetRecording(false);
  for (int i = 0; i < kValues; ++i) {
    store.WriteInteger(sections[i % 3], "V" + std::to_string(i), i);
  }
  const auto opensAfterWriting = registry_.OpenCount();
  std::int64_t sum = 0;
  for (int i = 0; i < kValues; ++i) {
    sum += store.ReadInteger(sections[i % 3], "V" + std::to_string(i), -1);
  }
  EXPECT_EQ(sum, std::int64_t{kValues} * (kValues - 1) / 2);
  EXPECT_EQ(registry_.OpenCount(), opensAfterWriting);
  EXPECT_LE(opensAfterWriting, 1U + std::size(sections));

  SettingsStore reader(registry_);
  const auto opensBefore = registry_.OpenCount();
  for (int i = 0; i < 3000; ++i) (void)reader.ReadInteger(sections[i % 3], "V1", 0);
  EXPECT_EQ(registry_.OpenCount() - opensBefore, std::size(sections));
}

}  // namespace
}  // namespace brimdock
