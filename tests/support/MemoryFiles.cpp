#include "support/MemoryFiles.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "lang/ShortText.h"

namespace brimdock::testing {
namespace {

std::string ParentOf(const std::string& path) {
  const auto slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithoutTrailingSlash(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

class MemoryReader final : public ByteReader {
 public:
  explicit MemoryReader(std::string bytes) : bytes_(std::move(bytes)) {}
  std::size_t Read(std::span<char> buffer) override {
    const std::size_t count = std::min(buffer.size(), bytes_.size() - offset_);
    std::memcpy(buffer.data(), bytes_.data() + offset_, count);
    offset_ += count;
    return count;
  }

 private:
  std::string bytes_;
  std::size_t offset_ = 0;
};

class MemoryWriter final : public ByteWriter {
 public:
  MemoryWriter(std::string& target, std::size_t limit) : target_(target), limit_(limit) {}
  void Write(std::string_view bytes) override {
    if (target_.size() + bytes.size() > limit_) {
      target_.append(bytes.substr(0, limit_ - target_.size()));
      throw InOutError(kIoDiskFull);
    }
    target_.append(bytes);
  }
  void Close() override {}

 private:
  std::string& target_;
  std::size_t limit_;
};

class MemoryListing final : public DirectoryListing {
 public:
  explicit MemoryListing(std::vector<DirectoryEntry> entries) : entries_(std::move(entries)) {}
  std::optional<DirectoryEntry> Next() override {
    if (next_ == entries_.size()) return std::nullopt;
    return entries_[next_++];
  }

 private:
  std::vector<DirectoryEntry> entries_;
  std::size_t next_ = 0;
};

}  // namespace

void MemoryFiles::AddFile(const std::string& path, std::string bytes, std::uint32_t attributes) {
  AddParents(path);
  if (Node* node = Lookup(path)) {
    node->bytes = std::move(bytes);
    node->attributes = attributes;
    return;
  }
  nodes_.push_back({path, attributes & ~kAttrDirectory, std::move(bytes)});
}

void MemoryFiles::AddFolder(const std::string& path) {
  const auto folder = WithoutTrailingSlash(path);
  AddParents(folder);
  if (Lookup(folder) == nullptr) nodes_.push_back({folder, kAttrDirectory, {}});
}

void MemoryFiles::AddParents(const std::string& path) {
  const auto parent = ParentOf(path);
  if (!parent.empty() && Lookup(parent) == nullptr) AddFolder(parent);
}

void MemoryFiles::DenyAccess(const std::string& path) {
  if (Node* node = Lookup(path)) node->denied = true;
}

std::optional<std::string> MemoryFiles::Contents(const std::string& path) const {
  const Node* node = Lookup(path);
  if (node == nullptr || (node->attributes & kAttrDirectory) != 0) return std::nullopt;
  return node->bytes;
}

int MemoryFiles::ReadCount(const std::string& path) const {
  const Node* node = Lookup(path);
  return node == nullptr ? 0 : node->reads;
}

MemoryFiles::Node* MemoryFiles::Lookup(const std::string& path) {
  const auto wanted = WithoutTrailingSlash(path);
  const auto found = std::find_if(nodes_.begin(), nodes_.end(), [&](const Node& node) {
    return lang::EqualsIgnoringCase(node.path, wanted);
  });
  return found == nodes_.end() ? nullptr : &*found;
}

const MemoryFiles::Node* MemoryFiles::Lookup(const std::string& path) const {
  return const_cast<MemoryFiles*>(this)->Lookup(path);
}

MemoryFiles::Node& MemoryFiles::Open(const std::string& path) {
  Node* node = Lookup(path);
  if (node == nullptr) {
    throw InOutError(Lookup(ParentOf(path)) != nullptr ? kIoFileNotFound : kIoPathNotFound);
  }
  if (node->denied || (node->attributes & kAttrDirectory) != 0) {
    throw InOutError(kIoAccessDenied);
  }
  ++node->reads;
  return *node;
}

bool MemoryFiles::FileExists(const std::string& path) {
  const Node* node = Lookup(path);
  return node != nullptr && (node->attributes & kAttrDirectory) == 0;
}

std::string MemoryFiles::ReadWholeFile(const std::string& path) {
  try {
    return Open(path).bytes;
  } catch (const InOutError& error) {
    throw CannotOpenFile(path, error.what());
  }
}

std::unique_ptr<ByteReader> MemoryFiles::OpenForReading(const std::string& path) {
  return std::make_unique<MemoryReader>(Open(path).bytes);
}

std::unique_ptr<ByteWriter> MemoryFiles::Create(const std::string& path) {
  Node* node = Lookup(path);
  if (node == nullptr) {
    if (Lookup(ParentOf(path)) == nullptr) throw InOutError(kIoPathNotFound);
    nodes_.push_back({path, kAttrArchive, {}});
    node = &nodes_.back();
  }
  if (node->denied || (node->attributes & kAttrDirectory) != 0) {
    throw InOutError(kIoAccessDenied);
  }
  node->bytes.clear();
  return std::make_unique<MemoryWriter>(node->bytes, sizeLimit_);
}

bool MemoryFiles::Remove(const std::string& path) {
  const auto found = std::find_if(nodes_.begin(), nodes_.end(), [&](const Node& node) {
    return lang::EqualsIgnoringCase(node.path, path);
  });
  if (found == nodes_.end() || found->denied || (found->attributes & kAttrDirectory) != 0) {
    return false;
  }
  nodes_.erase(found);
  return true;
}

std::unique_ptr<DirectoryListing> MemoryFiles::Find(const std::string& pattern) {
  const auto folder = ParentOf(pattern);
  const auto wildcard = NameOf(pattern);
  std::vector<DirectoryEntry> entries;
  const Node* parent = Lookup(folder);
  if (parent != nullptr && (parent->attributes & kAttrDirectory) != 0) {
    for (const char* dots : {".", ".."}) {
      if (MatchesWildcard(dots, wildcard)) entries.push_back({dots, kAttrDirectory});
    }
    for (const Node& node : nodes_) {
      if (lang::EqualsIgnoringCase(ParentOf(node.path), folder) &&
          MatchesWildcard(NameOf(node.path), wildcard)) {
        entries.push_back({NameOf(node.path), node.attributes});
      }
    }
  }
  return std::make_unique<MemoryListing>(std::move(entries));
}

}  // namespace brimdock::testing
