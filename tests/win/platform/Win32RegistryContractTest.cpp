#include <algorithm>
#include <string>

#include "contract/RegistryContract.h"
#include "platform/Win32Registry.h"

namespace brimdock {
namespace {

constexpr const char* kScratchParent = "Software\\Marrowick Software\\BrimdockTests";

// Each test works below its own key in the real HKEY_CURRENT_USER and deletes it afterwards.
class Win32RegistryEnv {
 public:
  Win32RegistryEnv() : scratch_(UniqueScratchKey()) {}
  ~Win32RegistryEnv() {
    RegDeleteTreeA(HKEY_CURRENT_USER, scratch_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent);  // only succeeds once it is empty
  }
  Win32RegistryEnv(const Win32RegistryEnv&) = delete;
  Win32RegistryEnv& operator=(const Win32RegistryEnv&) = delete;

  std::unique_ptr<Registry> MakeRegistry() { return std::make_unique<Win32Registry>(); }
  [[nodiscard]] std::string ScratchKey() const { return scratch_; }

  void PutRaw(const std::string& path, const std::string& name, ValueType type,
              const std::string& bytes) {
    HKEY raw = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_SET_VALUE, nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    const RegKeyHandle key(raw);
    ASSERT_EQ(RegSetValueExA(key.Get(), name.c_str(), 0, static_cast<DWORD>(type),
                             reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
  }

 private:
  static std::string UniqueScratchKey() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::replace(name.begin(), name.end(), '/', '_');
    return std::string(kScratchParent) + "\\" + name + "-" + std::to_string(GetCurrentProcessId());
  }

  std::string scratch_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryContract, Win32RegistryEnv);

}  // namespace
}  // namespace brimdock
