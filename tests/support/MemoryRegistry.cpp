#include "support/MemoryRegistry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "settings/AsciiCase.h"

namespace brimdock::testing {
namespace {

// The components of a key path; empty components (doubled or outer "\") are ignored.
std::vector<std::string_view> SplitPath(std::string_view path) {
  std::vector<std::string_view> parts;
  while (!path.empty()) {
    const auto end = std::min(path.find('\\'), path.size());
    if (end > 0) parts.push_back(path.substr(0, end));
    path.remove_prefix(std::min(end + 1, path.size()));
  }
  return parts;
}

std::string JoinPath(std::string_view parent, std::string_view child) {
  if (parent.empty()) return std::string(child);
  if (child.empty()) return std::string(parent);
  std::string joined(parent);
  joined += '\\';
  joined += child;
  return joined;
}

std::string JoinParts(const std::vector<std::string_view>& parts) {
  std::string joined;
  for (const auto part : parts) joined = JoinPath(joined, part);
  return joined;
}

std::string_view RootName(RootKey root) {
  switch (root) {
    case RootKey::CurrentUser:
      return "HKCU";
    case RootKey::LocalMachine:
      return "HKLM";
    case RootKey::Users:
      return "HKU";
  }
  return "?";
}

struct ValueEntry {
  std::string name;
  std::uint64_t order = 0;
  RegistryValue value;
};

struct Node {
  std::string name;
  std::uint64_t order = 0;
  bool deleted = false;
  std::unordered_map<std::string, ValueEntry> values;              // by lower-case name
  std::unordered_map<std::string, std::shared_ptr<Node>> subkeys;  // by lower-case name
};

void MarkDeleted(Node& node) {
  node.deleted = true;
  for (auto& [lower, child] : node.subkeys) MarkDeleted(*child);
  node.subkeys.clear();
  node.values.clear();
}

std::shared_ptr<Node> FindNode(std::shared_ptr<Node> node,
                               const std::vector<std::string_view>& parts) {
  for (const auto part : parts) {
    if (!node || node->deleted) return nullptr;
    const auto found = node->subkeys.find(ToLowerAscii(part));
    if (found == node->subkeys.end()) return nullptr;
    node = found->second;
  }
  return node;
}

// The names of the entries, ordered by their creation.
template <typename Map, typename OrderOf, typename NameOf>
std::vector<std::string> NamesInCreationOrder(const Map& entries, OrderOf orderOf, NameOf nameOf) {
  std::vector<std::pair<std::uint64_t, const std::string*>> sorted;
  sorted.reserve(entries.size());
  for (const auto& [lower, entry] : entries) sorted.emplace_back(orderOf(entry), &nameOf(entry));
  std::sort(sorted.begin(), sorted.end());
  std::vector<std::string> names;
  names.reserve(sorted.size());
  for (const auto& [order, name] : sorted) names.push_back(*name);
  return names;
}

}  // namespace

struct MemoryRegistryState {
  std::array<std::shared_ptr<Node>, 3> roots{std::make_shared<Node>(), std::make_shared<Node>(),
                                             std::make_shared<Node>()};
  std::uint64_t nextOrder = 0;

  std::size_t attempts = 0;  // writes attempted since the failure was armed
  std::size_t failAt = 0;    // 0: no failure armed
  bool failOnward = false;
  std::size_t writes = 0;
  std::size_t opens = 0;

  bool recording = true;
  std::vector<std::string> log;
  RootKey logRoot = RootKey::CurrentUser;
  std::string logBase;  // lower case, components joined by "\"

  const std::shared_ptr<Node>& Root(RootKey root) const {
    return roots.at(static_cast<std::size_t>(root));
  }

  // Called once for every write attempt; true when this one is to be refused.
  bool Refuse() {
    ++attempts;
    if (failAt == 0) return false;
    if (attempts == failAt) {
      if (!failOnward) failAt = 0;
      return true;
    }
    return failOnward && attempts > failAt;
  }

  // Counts a write that succeeded and logs it; describe() gives the entry's text after the verb.
  template <typename Describe>
  void Done(std::string_view verb, Describe describe) {
    ++writes;
    if (!recording) return;
    std::string entry(verb);
    entry += ' ';
    entry += describe();
    log.push_back(std::move(entry));
  }

  // The key path relative to the log base, when it lies there (the base itself gives "").
  std::optional<std::string> Relative(RootKey root, const std::string& path) const {
    if (root != logRoot) return std::nullopt;
    if (logBase.empty()) return path;
    const std::string lower = ToLowerAscii(path);
    if (lower == logBase) return std::string();
    if (lower.size() > logBase.size() && lower.compare(0, logBase.size(), logBase) == 0 &&
        lower[logBase.size()] == '\\') {
      return path.substr(logBase.size() + 1);
    }
    return std::nullopt;
  }

  std::string Absolute(RootKey root, const std::string& path) const {
    if (root == logRoot) return path;
    return JoinPath(RootName(root), path);
  }

  std::string ShowKey(RootKey root, const std::string& path) const {
    const auto relative = Relative(root, path);
    return relative && !relative->empty() ? *relative : Absolute(root, path);
  }

  std::string ShowValue(RootKey root, const std::string& path, const std::string& name) const {
    const auto relative = Relative(root, path);
    return JoinPath(relative ? *relative : Absolute(root, path), name.empty() ? "@" : name);
  }

  // The node at parts below from, created with its missing parents.
  std::shared_ptr<Node> Make(std::shared_ptr<Node> from,
                             const std::vector<std::string_view>& parts) {
    for (const auto part : parts) {
      auto& slot = from->subkeys[ToLowerAscii(part)];
      if (!slot) {
        slot = std::make_shared<Node>();
        slot->name = std::string(part);
        slot->order = nextOrder++;
      }
      from = slot;
    }
    return from;
  }

  void SetValue(Node& node, const std::string& name, RegistryValue value) {
    const auto [slot, inserted] = node.values.try_emplace(ToLowerAscii(name));
    if (inserted) {
      slot->second.name = name;
      slot->second.order = nextOrder++;
    }
    slot->second.value = std::move(value);
  }
};

namespace {

class MemoryKey final : public RegistryKey {
 public:
  MemoryKey(std::shared_ptr<MemoryRegistryState> state, RootKey root, std::string path,
            std::shared_ptr<Node> node)
      : state_(std::move(state)), root_(root), path_(std::move(path)), node_(std::move(node)) {}

  [[nodiscard]] std::optional<RegistryValue> Read(const std::string& name) const override {
    const auto found = node_->values.find(ToLowerAscii(name));
    if (found == node_->values.end()) return std::nullopt;
    return found->second.value;
  }

  void WriteString(const std::string& name, const std::string& text) override {
    if (node_->deleted || state_->Refuse()) throw FailedToSetData(name);
    state_->SetValue(*node_, name, RegistryValue{ValueType::String, text});
    state_->Done("write", [&] { return state_->ShowValue(root_, path_, name) + "=" + text; });
  }

  [[nodiscard]] std::unique_ptr<RegistryKey> OpenSubKey(const std::string& path) const override {
    return OpenBelow(state_, root_, path_, node_, path);
  }

  [[nodiscard]] std::unique_ptr<RegistryKey> CreateSubKey(const std::string& path) override {
    return CreateBelow(state_, root_, path_, node_, path);
  }

  void DeleteSubKeyTree(const std::string& path) override {
    const auto parts = SplitPath(path);
    if (parts.empty()) throw std::invalid_argument("A key cannot delete itself");
    auto parent = FindNode(node_, {parts.begin(), parts.end() - 1});
    if (!parent || parent->deleted) return;
    const auto child = parent->subkeys.find(ToLowerAscii(parts.back()));
    if (child == parent->subkeys.end()) return;
    if (state_->Refuse()) throw FailedToSetData(path);
    MarkDeleted(*child->second);
    parent->subkeys.erase(child);
    state_->Done("delete",
                 [&] { return state_->ShowKey(root_, JoinPath(path_, JoinParts(parts))); });
  }

  void DeleteValue(const std::string& name) override {
    const auto found = node_->values.find(ToLowerAscii(name));
    if (found == node_->values.end()) return;
    if (state_->Refuse()) throw FailedToSetData(name);
    node_->values.erase(found);
    state_->Done("remove", [&] { return state_->ShowValue(root_, path_, name); });
  }

  static std::unique_ptr<RegistryKey> OpenBelow(const std::shared_ptr<MemoryRegistryState>& state,
                                                RootKey root, const std::string& basePath,
                                                const std::shared_ptr<Node>& base,
                                                const std::string& path) {
    const auto parts = SplitPath(path);
    auto node = FindNode(base, parts);
    if (!node || node->deleted) return nullptr;
    ++state->opens;
    return std::make_unique<MemoryKey>(state, root, JoinPath(basePath, JoinParts(parts)),
                                       std::move(node));
  }

  static std::unique_ptr<RegistryKey> CreateBelow(const std::shared_ptr<MemoryRegistryState>& state,
                                                  RootKey root, const std::string& basePath,
                                                  const std::shared_ptr<Node>& base,
                                                  const std::string& path) {
    if (base->deleted) throw FailedToCreateKey(path);
    const auto parts = SplitPath(path);
    const std::string fullPath = JoinPath(basePath, JoinParts(parts));
    auto node = FindNode(base, parts);
    if (!node) {
      if (state->Refuse()) throw FailedToCreateKey(path);
      node = state->Make(base, parts);
      state->Done("create", [&] { return state->ShowKey(root, fullPath); });
    }
    ++state->opens;
    return std::make_unique<MemoryKey>(state, root, fullPath, std::move(node));
  }

 private:
  std::shared_ptr<MemoryRegistryState> state_;
  RootKey root_;
  std::string path_;  // components joined by "\", as the caller spelt them
  std::shared_ptr<Node> node_;
};

}  // namespace

MemoryRegistry::MemoryRegistry() : state_(std::make_shared<MemoryRegistryState>()) {}

MemoryRegistry::~MemoryRegistry() = default;

std::unique_ptr<RegistryKey> MemoryRegistry::Open(RootKey root, const std::string& path) {
  return MemoryKey::OpenBelow(state_, root, "", state_->Root(root), path);
}

std::unique_ptr<RegistryKey> MemoryRegistry::Create(RootKey root, const std::string& path) {
  return MemoryKey::CreateBelow(state_, root, "", state_->Root(root), path);
}

void MemoryRegistry::Put(RootKey root, const std::string& path, const std::string& name,
                         RegistryValue value) {
  const auto node = state_->Make(state_->Root(root), SplitPath(path));
  state_->SetValue(*node, name, std::move(value));
}

std::optional<RegistryValue> MemoryRegistry::Get(RootKey root, const std::string& path,
                                                 const std::string& name) const {
  const auto node = FindNode(state_->Root(root), SplitPath(path));
  if (!node) return std::nullopt;
  const auto found = node->values.find(ToLowerAscii(name));
  if (found == node->values.end()) return std::nullopt;
  return found->second.value;
}

bool MemoryRegistry::KeyExists(RootKey root, const std::string& path) const {
  return FindNode(state_->Root(root), SplitPath(path)) != nullptr;
}

std::vector<std::string> MemoryRegistry::ValueNames(RootKey root, const std::string& path) const {
  const auto node = FindNode(state_->Root(root), SplitPath(path));
  if (!node) return {};
  return NamesInCreationOrder(
      node->values, [](const ValueEntry& entry) { return entry.order; },
      [](const ValueEntry& entry) -> const std::string& { return entry.name; });
}

std::vector<std::string> MemoryRegistry::SubKeyNames(RootKey root, const std::string& path) const {
  const auto node = FindNode(state_->Root(root), SplitPath(path));
  if (!node) return {};
  return NamesInCreationOrder(
      node->subkeys, [](const std::shared_ptr<Node>& child) { return child->order; },
      [](const std::shared_ptr<Node>& child) -> const std::string& { return child->name; });
}

void MemoryRegistry::FailWriteAt(std::size_t n) {
  state_->attempts = 0;
  state_->failAt = n;
  state_->failOnward = false;
}

void MemoryRegistry::FailWritesFrom(std::size_t n) {
  FailWriteAt(n);
  state_->failOnward = true;
}

void MemoryRegistry::StopFailing() {
  FailWriteAt(0);
}

std::size_t MemoryRegistry::WriteCount() const {
  return state_->writes;
}

void MemoryRegistry::ResetWriteCount() {
  state_->writes = 0;
}

std::size_t MemoryRegistry::OpenCount() const {
  return state_->opens;
}

const std::vector<std::string>& MemoryRegistry::Log() const {
  return state_->log;
}

void MemoryRegistry::ClearLog() {
  state_->log.clear();
}

void MemoryRegistry::SetRecording(bool on) {
  state_->recording = on;
}

void MemoryRegistry::LogRelativeTo(RootKey root, const std::string& path) {
  state_->logRoot = root;
  state_->logBase = ToLowerAscii(JoinParts(SplitPath(path)));
}

}  // namespace brimdock::testing
