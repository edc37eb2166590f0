#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/Registry.h"

namespace brimdock {

// Cases that every Registry must pass. Env is default-constructed for each test and destroyed
// after it; it provides:
//   std::unique_ptr<Registry> MakeRegistry();  called once per test, before any PutRaw
//   std::string ScratchKey();                  a key path under HKEY_CURRENT_USER, missing at the
//                                              start and used by this test alone
//   void PutRaw(const std::string& path, const std::string& name, ValueType type,
//               std::string bytes);            sets a value of any type under HKEY_CURRENT_USER
//                                              in that registry; bytes as stored, so texts carry
//                                              their terminating NUL
template <typename Env>
class RegistryContract : public ::testing::Test {
 protected:
  RegistryContract() : registry_(env_.MakeRegistry()), scratch_(env_.ScratchKey()) {}

  Registry& registry() { return *registry_; }
  [[nodiscard]] std::string Path(const std::string& below) const { return scratch_ + "\\" + below; }
  std::unique_ptr<RegistryKey> Scratch() {
    return registry_->Create(RootKey::CurrentUser, scratch_);
  }
  std::unique_ptr<RegistryKey> OpenBelow(const std::string& below) {
    return registry_->Open(RootKey::CurrentUser, Path(below));
  }

  Env env_;
  std::unique_ptr<Registry> registry_;
  std::string scratch_;
};

TYPED_TEST_SUITE_P(RegistryContract);

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TYPED_TEST_P(RegistryContract, OpeningAMissingKeyCreatesNothing) {
  EXPECT_EQ(this->registry().Open(RootKey::CurrentUser, this->scratch_), nullptr);
  EXPECT_EQ(this->OpenBelow("Missing"), nullptr);

  const auto scratch = this->Scratch();
  EXPECT_EQ(scratch->OpenSubKey("Missing\\Deeper"), nullptr);
  EXPECT_EQ(scratch->OpenSubKey("Missing"), nullptr);
  EXPECT_EQ(this->OpenBelow("Missing"), nullptr);
}

TYPED_TEST_P(RegistryContract, CreatingMakesMissingParentsAndKeepsWhatExists) {
  this->registry().Create(RootKey::CurrentUser, this->Path("A\\B\\C"))->WriteString("v", "deep");
  for (const char* path : {"A", "A\\B", "A\\B\\C"}) {
    EXPECT_NE(this->OpenBelow(path), nullptr) << path;
  }

  const auto a = this->OpenBelow("A");
  ASSERT_NE(a->CreateSubKey("B\\C\\D"), nullptr);
  EXPECT_NE(a->OpenSubKey("B\\C\\D"), nullptr);
  EXPECT_EQ(a->CreateSubKey("B\\C")->Read("v")->data, "deep");
}

TYPED_TEST_P(RegistryContract, WrittenTextReadsBackUnchanged) {
  std::string longText(100000, ' ');
  for (std::size_t i = 0; i < longText.size(); ++i) longText[i] = static_cast<char>('a' + i % 26);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Empty", ""},
      {"Plain", "C:\\Program Files\\Brimdock\\"},
      {"Long", longText},
      {"HighBit", "\xC4rger \xFC\xE9\xE0 \xA3\xA9\xB0\xFF"},
  };
  const auto key = this->Scratch();
  for (const auto& [name, text] : cases) key->WriteString(name, text);

  const auto reopened = this->registry().Open(RootKey::CurrentUser, this->scratch_);
  for (const auto& [name, text] : cases) {
    const auto value = reopened->Read(name);
    ASSERT_TRUE(value.has_value()) << name;
    EXPECT_EQ(value->type, ValueType::String) << name;
    EXPECT_TRUE(value->data == text) << name << " read back " << value->data.size() << " bytes";
  }

  key->WriteString("Plain", "changed");
  EXPECT_EQ(reopened->Read("Plain")->data, "changed");
}

TYPED_TEST_P(RegistryContract, NamesIgnoreAsciiCase) {
  const auto key = this->Scratch()->CreateSubKey("MixedCase");
  key->WriteString("ValueName", "first");
  key->WriteString("VALUENAME", "second");
  EXPECT_EQ(key->Read("valuename")->data, "second");

  const auto other = this->OpenBelow("MIXEDCASE");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->Read("ValueName")->data, "second");

  other->DeleteValue("VALUEname");
  EXPECT_FALSE(key->Read("ValueName").has_value());
  this->Scratch()->DeleteSubKeyTree("mixedCASE");
  EXPECT_EQ(this->OpenBelow("MixedCase"), nullptr);
}

TYPED_TEST_P(RegistryContract, ValuesOfOtherTypesComeWithTheirType) {
  struct Case {
    std::string name;
    ValueType type;
    std::string stored;
    std::string read;
  };
  const std::vector<Case> cases = {
      {"Expandable", ValueType::ExpandString, std::string("%SystemRoot%\\x\0", 15),
       "%SystemRoot%\\x"},
      {"Number", ValueType::Dword, std::string("\x2A\0\0\0", 4), std::string("\x2A\0\0\0", 4)},
      {"Bytes", ValueType::Binary, std::string("\x01\x00\xFF", 3), std::string("\x01\x00\xFF", 3)},
  };
  for (const auto& c : cases) this->env_.PutRaw(this->Path("Types"), c.name, c.type, c.stored);

  const auto key = this->OpenBelow("Types");
  ASSERT_NE(key, nullptr);
  for (const auto& c : cases) {
    const auto value = key->Read(c.name);
    ASSERT_TRUE(value.has_value()) << c.name;
    EXPECT_EQ(value->type, c.type) << c.name;
    EXPECT_EQ(value->data, c.read) << c.name;
  }
}

TYPED_TEST_P(RegistryContract, DeletingATreeRemovesItsKeysAndValuesOnly) {
  const auto scratch = this->Scratch();
  scratch->CreateSubKey("Tree\\Sub\\Leaf")->WriteString("x", "1");
  scratch->CreateSubKey("Tree\\Other")->WriteString("y", "2");
  scratch->CreateSubKey("Tree")->WriteString("z", "3");
  scratch->CreateSubKey("Kept")->WriteString("k", "4");
  (void)scratch->CreateSubKey("Outer\\Inner");

  scratch->DeleteSubKeyTree("Tree");
  scratch->DeleteSubKeyTree("Outer\\Inner");

  EXPECT_EQ(this->OpenBelow("Tree"), nullptr);
  EXPECT_EQ(this->OpenBelow("Tree\\Sub\\Leaf"), nullptr);
  EXPECT_EQ(this->OpenBelow("Outer\\Inner"), nullptr);
  EXPECT_NE(this->OpenBelow("Outer"), nullptr);
  EXPECT_EQ(this->OpenBelow("Kept")->Read("k")->data, "4");
  EXPECT_NO_THROW(scratch->DeleteSubKeyTree("Tree"));
  EXPECT_NO_THROW(scratch->DeleteSubKeyTree("Never\\There"));
  EXPECT_NO_THROW(scratch->DeleteValue("Never"));
}

TYPED_TEST_P(RegistryContract, TheEmptyNameIsTheDefaultValue) {
  const auto key = this->Scratch()->CreateSubKey("LangConfig");
  EXPECT_FALSE(key->Read("").has_value());

  key->WriteString("", "English");
  key->WriteString("English", "cf_eng.lng");
  EXPECT_EQ(key->Read("")->data, "English");
  EXPECT_EQ(key->Read("English")->data, "cf_eng.lng");
}

TYPED_TEST_P(RegistryContract, AHandleToADeletedKeyStaysWithTheDeletedKey) {
  const auto scratch = this->Scratch();
  scratch->CreateSubKey("Doomed")->WriteString("v", "1");
  const auto stale = this->OpenBelow("Doomed");
  ASSERT_NE(stale, nullptr);

  scratch->DeleteSubKeyTree("Doomed");
  EXPECT_FALSE(stale->Read("v").has_value());
  EXPECT_THAT([&] { stale->WriteString("v", "2"); },
              ThrowsMessage<RegistryError>(StrEq("Failed to set data for 'v'")));

  const auto reborn = scratch->CreateSubKey("Doomed");
  EXPECT_THROW(stale->WriteString("v", "3"), RegistryError);
  reborn->WriteString("v", "4");
  EXPECT_EQ(this->OpenBelow("Doomed")->Read("v")->data, "4");
  EXPECT_FALSE(stale->Read("v").has_value());
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, OpeningAMissingKeyCreatesNothing,
                            CreatingMakesMissingParentsAndKeepsWhatExists,
                            WrittenTextReadsBackUnchanged, NamesIgnoreAsciiCase,
                            ValuesOfOtherTypesComeWithTheirType,
                            DeletingATreeRemovesItsKeysAndValuesOnly, TheEmptyNameIsTheDefaultValue,
                            AHandleToADeletedKeyStaysWithTheDeletedKey);

}  // namespace brimdock
