#include "contract/RegistryContract.h"
#include "support/MemoryRegistry.h"

namespace brimdock {
namespace {

using brimdock::testing::MemoryRegistry;

class MemoryRegistryEnv {
 public:
  std::unique_ptr<Registry> MakeRegistry() {
    auto registry = std::make_unique<MemoryRegistry>();
    made_ = registry.get();
    return registry;
  }

  [[nodiscard]] std::string ScratchKey() const {
    return "Software\\Marrowick Software\\BrimdockTests\\Scratch";
  }

  void PutRaw(const std::string& path, const std::string& name, ValueType type, std::string bytes) {
    const bool text = type == ValueType::String || type == ValueType::ExpandString ||
                      type == ValueType::MultiString;
    if (text && !bytes.empty() && bytes.back() == '\0') bytes.pop_back();
    made_->Put(RootKey::CurrentUser, path, name, RegistryValue{type, std::move(bytes)});
  }

 private:
  MemoryRegistry* made_ = nullptr;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, RegistryContract, MemoryRegistryEnv);

}  // namespace
}  // namespace brimdock
