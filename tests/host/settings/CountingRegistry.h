#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>

#include "settings/Registry.h"

namespace brimdock::testing {

// Registry calls made through a CountingRegistry, failed ones included.
struct CallCounts {
  std::size_t opens = 0;  // Open and OpenSubKey
  std::size_t reads = 0;
};

// Passes every call on to another registry and counts the opens and reads.
class CountingRegistry final : public Registry {
 public:
  explicit CountingRegistry(Registry& inner) : inner_(inner) {}

  [[nodiscard]] std::unique_ptr<RegistryKey> Open(RootKey root, const std::string& path) override {
    ++counts_->opens;
    return Wrap(inner_.Open(root, path));
  }
  [[nodiscard]] std::unique_ptr<RegistryKey> Create(RootKey root,
                                                    const std::string& path) override {
    return Wrap(inner_.Create(root, path));
  }
  [[nodiscard]] const CallCounts& Counts() const { return *counts_; }

 private:
  class Key final : public RegistryKey {
   public:
    Key(std::unique_ptr<RegistryKey> inner, std::shared_ptr<CallCounts> counts)
        : inner_(std::move(inner)), counts_(std::move(counts)) {}
    [[nodiscard]] std::optional<RegistryValue> Read(const std::string& name) const override {
      ++counts_->reads;
      return inner_->Read(name);
    }
    void WriteString(const std::string& name, const std::string& text) override {
      inner_->WriteString(name, text);
    }
    [[nodiscard]] std::unique_ptr<RegistryKey> OpenSubKey(const std::string& path) const override {
      ++counts_->opens;
      return Wrap(inner_->OpenSubKey(path), counts_);
    }
    [[nodiscard]] std::unique_ptr<RegistryKey> CreateSubKey(const std::string& path) override {
      return Wrap(inner_->CreateSubKey(path), counts_);
    }
    void DeleteSubKeyTree(const std::string& path) override { inner_->DeleteSubKeyTree(path); }
    void DeleteValue(const std::string& name) override { inner_->DeleteValue(name); }

    static std::unique_ptr<RegistryKey> Wrap(std::unique_ptr<RegistryKey> inner,
                                             const std::shared_ptr<CallCounts>& counts) {
      return inner ? std::make_unique<Key>(std::move(inner), counts) : nullptr;
    }

   private:
    std::unique_ptr<RegistryKey> inner_;
    std::shared_ptr<CallCounts> counts_;
  };

  std::unique_ptr<RegistryKey> Wrap(std::unique_ptr<RegistryKey> inner) {
    return Key::Wrap(std::move(inner), counts_);
  }

  Registry& inner_;
  std::shared_ptr<CallCounts> counts_ = std::make_shared<CallCounts>();
};

}  // namespace brimdock::testing
