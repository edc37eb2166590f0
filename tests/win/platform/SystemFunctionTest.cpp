#include <gmock/gmock.h>
#include <windows.h>
// windows.h first
#include <shlwapi.h>

#include <cctype>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/SystemFunction.h"

namespace brimdock {
namespace {

using ::testing::HasSubstr;
using ::testing::IsSupersetOf;
using ::testing::Not;
using ::testing::ThrowsMessage;

TEST(SystemFunctionTest, CallsTheFunctionOfADllTheProgramDoesNotImport) {
  const auto findExtension =
      SystemFunction<decltype(&PathFindExtensionA)>("shlwapi.dll", "PathFindExtensionA");
  EXPECT_STREQ(findExtension("C:\\Folder\\Notes.txt"), ".txt");
  EXPECT_NE(GetModuleHandleA("shlwapi.dll"), nullptr);
}

TEST(SystemFunctionTest, AMissingFunctionOrDllIsAnErrorNamingIt) {
  EXPECT_THAT([] { SystemProcedure("shlwapi.dll", "NoSuchFunctionHere"); },
              ThrowsMessage<std::runtime_error>(HasSubstr("NoSuchFunctionHere")));
  EXPECT_THAT([] { SystemProcedure("no-such-library.dll", "Anything"); },
              ThrowsMessage<std::runtime_error>(HasSubstr("no-such-library.dll")));
}

// The names of the DLLs an executable imports when it starts, read from its import table.
std::vector<std::string> ImportedDlls(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<char> image{std::istreambuf_iterator<char>(file), {}};
  const auto at = [&image](std::size_t offset, auto* value) {
    if (offset + sizeof *value > image.size()) throw std::out_of_range("outside the file");
    std::memcpy(value, image.data() + offset, sizeof *value);
  };
  IMAGE_DOS_HEADER dos{};
  at(0, &dos);
  IMAGE_NT_HEADERS64 nt{};
  at(static_cast<std::size_t>(dos.e_lfanew), &nt);
  const std::size_t sections = static_cast<std::size_t>(dos.e_lfanew) +
                               offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                               nt.FileHeader.SizeOfOptionalHeader;
  // A position in the loaded image as a position in the file.
  const auto fileOffset = [&](DWORD rva) -> std::size_t {
    for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
      IMAGE_SECTION_HEADER section{};
      at(sections + i * sizeof section, &section);
      if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData) {
        return rva - section.VirtualAddress + section.PointerToRawData;
      }
    }
    throw std::out_of_range("address outside every section");
  };
  std::vector<std::string> names;
  const DWORD table = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  for (std::size_t entry = fileOffset(table);; entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
    IMAGE_IMPORT_DESCRIPTOR descriptor{};
    at(entry, &descriptor);
    if (descriptor.Name == 0) break;
    std::string name(image.data() + fileOffset(descriptor.Name));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    names.push_back(name);
  }
  return names;
}

// Dialog-only DLLs are found when a dialog needs them: Config.exe starts without them.
TEST(SystemFunctionTest, ConfigStartsWithoutTheDllsOnlyDialogsNeed) {
  const auto dlls = ImportedDlls(BRIMDOCK_CONFIG_EXE);
  EXPECT_THAT(dlls, IsSupersetOf(std::vector<std::string>{"user32.dll", "ole32.dll"}));
  EXPECT_THAT(dlls, Not(::testing::Contains("comdlg32.dll")));
  EXPECT_THAT(dlls, Not(::testing::Contains("shell32.dll")));
}

}  // namespace
}  // namespace brimdock
