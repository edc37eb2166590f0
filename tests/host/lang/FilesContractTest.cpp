// The same cases against the in-memory files of the tests and against the real files of the
// build: the host's on Linux, the Win32 ones under Windows (Wine).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "lang/IniText.h"
#include "support/MemoryFiles.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/Win32DirectoryLister.h"
#include "platform/Win32LangFiles.h"
#else
#include <unistd.h>

#include "lang/HostFiles.h"
#endif

namespace brimdock {
namespace {

using brimdock::testing::MemoryFiles;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class MemoryEnv {
 public:
  MemoryEnv() { files_.AddFolder(Dir()); }
  [[nodiscard]] std::string Dir() const { return "C:\\Scratch\\"; }
  [[nodiscard]] std::string Below(const std::string& folder, const std::string& name) const {
    return Dir() + folder + "\\" + name;
  }
  void Put(const std::string& name, const std::string& bytes) {
    files_.AddFile(Dir() + name, bytes);
  }
  void MakeFolder(const std::string& name) { files_.AddFolder(Dir() + name); }
  FileSystem& Files() { return files_; }
  DirectoryLister& Lister() { return files_; }
  ProfileReader& Profiles() { return profiles_; }

 private:
  MemoryFiles files_;
  TextProfileReader profiles_{files_};
};

#ifdef _WIN32
struct RealFiles {
  Win32FileSystem files;
  Win32DirectoryLister lister;
  Win32ProfileReader profiles;
};
constexpr char kSeparator = '\\';
std::string ScratchBase() {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "brimdock-lang-" + std::to_string(GetCurrentProcessId());
}
#else
struct RealFiles {
  HostFileSystem files;
  HostDirectoryLister lister;
  TextProfileReader profiles{files};
};
constexpr char kSeparator = '/';
std::string ScratchBase() {
  return std::filesystem::temp_directory_path().string() + "/brimdock-lang-" +
         std::to_string(getpid());
}
#endif

// A fresh folder of the real file system for each test.
class RealEnv {
 public:
  RealEnv() : dir_(ScratchBase() + "-" + std::to_string(counter_++) + kSeparator) {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~RealEnv() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  RealEnv(const RealEnv&) = delete;
  RealEnv& operator=(const RealEnv&) = delete;

  [[nodiscard]] std::string Dir() const { return dir_; }
  [[nodiscard]] std::string Below(const std::string& folder, const std::string& name) const {
    return dir_ + folder + kSeparator + name;
  }
  void Put(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ + name, std::ios::binary) << bytes;
  }
  void MakeFolder(const std::string& name) { std::filesystem::create_directory(dir_ + name); }
  FileSystem& Files() { return real_.files; }
  DirectoryLister& Lister() { return real_.lister; }
  ProfileReader& Profiles() { return real_.profiles; }

 private:
  static inline std::atomic<int> counter_{0};
  std::string dir_;
  RealFiles real_;
};

template <typename Env>
class LangFilesContract : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return env_.Dir() + name; }

  struct Listed {
    std::string name;
    bool folder;
    bool operator<(const Listed& other) const { return name < other.name; }
    bool operator==(const Listed& other) const = default;
  };

  std::vector<Listed> List(const std::string& pattern) {
    std::vector<Listed> listed;
    const auto listing = env_.Lister().Find(pattern);
    while (const auto entry = listing->Next()) listed.push_back({entry->name, entry->IsFolder()});
    std::sort(listed.begin(), listed.end());
    return listed;
  }

  int InOutCode(const std::function<void()>& action) {
    try {
      action();
    } catch (const InOutError& error) {
      return error.Code();
    }
    return 0;
  }

  Env env_;
};

TYPED_TEST_SUITE_P(LangFilesContract);

TYPED_TEST_P(LangFilesContract, ListsTheMatchingFilesAndFoldersOfAFolder) {
  this->env_.Put("a.lng", "");
  this->env_.Put("B.LNG", "");
  this->env_.Put("c.txt", "");
  this->env_.MakeFolder("d.lng");

  using L = typename TestFixture::Listed;
  EXPECT_THAT(this->List(this->Path("*.lng")),
              ElementsAre(L{"B.LNG", false}, L{"a.lng", false}, L{"d.lng", true}));
  EXPECT_THAT(this->List(this->Path("*")),
              ElementsAre(L{".", true}, L{"..", true}, L{"B.LNG", false}, L{"a.lng", false},
                          L{"c.txt", false}, L{"d.lng", true}));
  EXPECT_THAT(this->List(this->env_.Below("missing", "*.lng")), ElementsAre());
  EXPECT_THAT(this->List(this->Path("*.none")), ElementsAre());
}

TYPED_TEST_P(LangFilesContract, AFileExistsAndAFolderDoesNot) {
  this->env_.Put("pack.lng", "x");
  this->env_.MakeFolder("folder.lng");
  auto& files = this->env_.Files();
  EXPECT_TRUE(files.FileExists(this->Path("pack.lng")));
  EXPECT_FALSE(files.FileExists(this->Path("folder.lng")));
  EXPECT_FALSE(files.FileExists(this->Path("missing.lng")));
}

TYPED_TEST_P(LangFilesContract, ReadsWholeFilesByteForByte) {
  const std::string bytes("Program=x\r\n\0\xff\rLanguage=y\n", 25);
  this->env_.Put("pack.lng", bytes);
  this->env_.Put("empty.lng", "");
  auto& files = this->env_.Files();
  EXPECT_EQ(files.ReadWholeFile(this->Path("pack.lng")), bytes);
  EXPECT_EQ(files.ReadWholeFile(this->Path("empty.lng")), "");
}

TYPED_TEST_P(LangFilesContract, WholeFileReadingFailsWithTheFileNameInTheText) {
  this->env_.MakeFolder("folder.lng");
  auto& files = this->env_.Files();
  for (const std::string name : {"missing.lng", "folder.lng"}) {
    const auto path = this->Path(name);
    EXPECT_THAT([&] { (void)files.ReadWholeFile(path); },
                ::testing::ThrowsMessage<FileStreamError>(
                    StartsWith("Cannot open file \"" + path + "\". ")))
        << name;
  }
}

TYPED_TEST_P(LangFilesContract, ByteWiseFailuresCarryThePlatformCodes) {
  this->env_.MakeFolder("folder");
  auto& files = this->env_.Files();
  const auto deeper = this->env_.Below("missing", "file");
  EXPECT_EQ(this->InOutCode([&] { (void)files.OpenForReading(this->Path("missing")); }),
            kIoFileNotFound);
  EXPECT_EQ(this->InOutCode([&] { (void)files.OpenForReading(deeper); }), kIoPathNotFound);
  EXPECT_EQ(this->InOutCode([&] { (void)files.Create(deeper); }), kIoPathNotFound);
  EXPECT_EQ(this->InOutCode([&] { (void)files.OpenForReading(this->Path("folder")); }),
            kIoAccessDenied);
  EXPECT_EQ(this->InOutCode([&] { (void)files.Create(this->Path("folder")); }), kIoAccessDenied);
}

TYPED_TEST_P(LangFilesContract, CreatingReplacesAFileAndRemovingDeletesIt) {
  this->env_.Put("target", "a longer old content");
  auto& files = this->env_.Files();
  const auto path = this->Path("target");
  auto writer = files.Create(path);
  writer->Write("new");
  writer->Write(std::string("\0\r\n", 3));
  writer->Close();
  EXPECT_EQ(files.ReadWholeFile(path), std::string("new\0\r\n", 6));

  auto reader = files.OpenForReading(path);
  std::vector<char> buffer(4);
  EXPECT_EQ(reader->Read(buffer), 4U);
  EXPECT_EQ(reader->Read(buffer), 2U);
  EXPECT_EQ(reader->Read(buffer), 0U);
  reader.reset();

  EXPECT_TRUE(files.Remove(path));
  EXPECT_FALSE(files.FileExists(path));
  EXPECT_FALSE(files.Remove(path));
}

TYPED_TEST_P(LangFilesContract, ProfileReadingFollowsThePlatformsRules) {
  using namespace std::string_literals;
  this->env_.Put("pack.ini",
                 "junk=before\r\n"
                 "  [ Interface ]  \r\n"
                 " I1 = padded \r\n"
                 "i2=lower name\r\n"
                 "I3=\"quoted\"\r\n"
                 "I4='single'\r\n"
                 "I5=\"\r\n"
                 "I6=\r\n"
                 "I7\r\n"
                 ";I8=comment-like\r\n"
                 "I9=a=b\r\n"
                 "I10=first\r\n"
                 "I10=second\r\n"
                 "I11=\x1a\tCtrl-Z and tab\v\f\r\n"
                 "I14=\xa0no-break space\xa0\r\n"
                 "[Interface]\r\n"
                 "I12=second section\r\n"
                 "[Broken\r\n"
                 "I13=after a broken header\r\n"
                 "[x]y]\r\n"
                 "k=last bracket\r\n"
                 "[Messages]\rM1=CR alone\rM2=x\0y\n"
                 "M3="s +
                     std::string(3000, 'v') + "\n");
  const auto profile = this->env_.Profiles().Open(this->Path("pack.ini"));
  const struct {
    const char* section;
    const char* key;
    std::string expected;
  } cases[] = {
      {"", "junk", "before"},
      {"Interface", "I1", "padded"},
      {" interface ", "i1", "padded"},
      {"INTERFACE", "I2", "lower name"},
      {"Interface", "I3", "quoted"},
      {"Interface", "I4", "single"},
      {"Interface", "I5", "\""},
      {"Interface", "I6", ""},
      {"Interface", "I7", "(default)"},
      {"Interface", ";I8", "comment-like"},
      {"Interface", "I9", "a=b"},
      {"Interface", "I10", "first"},
      {"Interface", "I11", "Ctrl-Z and tab"},
      {"Interface", "I14", "\xa0no-break space\xa0"},
      {"Interface", "I12", "(default)"},
      {"Interface", "I13", "(default)"},
      {"Broken", "I13", "(default)"},
      {"x]y", "k", "last bracket"},
      {"Messages", "M1", "CR alone"},
      {"Messages", "M2", "x"},
      {"Messages", "M3", std::string(kProfileValueLength, 'v')},
      {"Missing", "I1", "(default)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(profile->ReadString(c.section, c.key, "(default)"), c.expected)
        << "[" << c.section << "] " << c.key;
  }
  EXPECT_EQ(profile->ReadString("Interface", "none", " "), " ");
  EXPECT_EQ(profile->ReadString("Interface", "none", "  "), " ");
  EXPECT_EQ(profile->ReadString("Interface", "none", "ab  "), "ab");
  EXPECT_EQ(profile->ReadString("Interface", "none", "  ab"), "  ab");

  const auto missing = this->env_.Profiles().Open(this->Path("missing.ini"));
  EXPECT_EQ(missing->ReadString("Interface", "I1", "0"), "0");
}

REGISTER_TYPED_TEST_SUITE_P(LangFilesContract, ListsTheMatchingFilesAndFoldersOfAFolder,
                            AFileExistsAndAFolderDoesNot, ReadsWholeFilesByteForByte,
                            WholeFileReadingFailsWithTheFileNameInTheText,
                            ByteWiseFailuresCarryThePlatformCodes,
                            CreatingReplacesAFileAndRemovingDeletesIt,
                            ProfileReadingFollowsThePlatformsRules);

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, LangFilesContract, MemoryEnv);
INSTANTIATE_TYPED_TEST_SUITE_P(Real, LangFilesContract, RealEnv);

}  // namespace
}  // namespace brimdock
