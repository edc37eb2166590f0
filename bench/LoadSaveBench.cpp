// LoadSettings + SaveSettings of a large store in the real registry, against a bare loop of the
// same registry reads and writes. Prints both times and their ratio.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "settings/GroupList.h"
#include "platform/Win32Registry.h"
#include "settings/SettingsFile.h"
#include "support/MemoryRegistry.h"

namespace brimdock {
namespace {

using brimdock::testing::MemoryRegistry;

constexpr int kFolders = 1000;
constexpr int kGroups = 500;
constexpr int kLinks = 100;
constexpr int kRepetitions = 5;

const std::string kScratch = "Software\\Brimdock Bench";
const std::string kStoreKey = kScratch + "\\Store";
const std::string kBareKey = kScratch + "\\Bare";

// The window's memory for the large store.
struct Memory {
  PanelSettings settings;
  FolderList folders;
  TGroupList groups;
};

Memory LargeMemory() {
  Memory memory;
  for (int i = 1; i <= kFolders; ++i) {
    memory.folders.push_back(FolderButton{
        "Folder " + std::to_string(i), "C:\\Users\\Someone\\Documents\\Folder " + std::to_string(i)});
  }
  for (int n = 1; n <= kGroups; ++n) {
    const std::string name = "Group " + std::to_string(n);
    TGroup& group = memory.groups.Add(name, name);
    for (int k = 1; k <= kLinks; ++k) {
      const std::string program = "Program " + std::to_string(k);
      group.AddLink(program, "C:\\Program Files\\" + name + "\\" + program + ".exe");
    }
  }
  return memory;
}

// One key of the store with its values, as the save writes them.
struct KeyShape {
  std::string path;  // below the settings key; empty for the key itself
  std::vector<std::pair<std::string, std::string>> values;
};

void CollectShape(const MemoryRegistry& registry, const std::string& root, const std::string& path,
                  std::vector<KeyShape>& shape) {
  const std::string full = path.empty() ? root : root + "\\" + path;
  KeyShape key{path, {}};
  for (const auto& name : registry.ValueNames(RootKey::CurrentUser, full)) {
    key.values.emplace_back(name, registry.Get(RootKey::CurrentUser, full, name)->data);
  }
  shape.push_back(std::move(key));
  for (const auto& child : registry.SubKeyNames(RootKey::CurrentUser, full)) {
    CollectShape(registry, root, path.empty() ? child : path + "\\" + child, shape);
  }
}

// The keys and values that a save of the memory writes.
std::vector<KeyShape> ShapeOf(const Memory& memory) {
  MemoryRegistry registry;
  SaveSettings(registry, "Store", memory.settings, true, "C:\\Brimdock\\", memory.folders, memory.groups);
  std::vector<KeyShape> shape;
  CollectShape(registry, "Store", "", shape);
  return shape;
}

std::size_t ValueCount(const std::vector<KeyShape>& shape) {
  std::size_t count = 0;
  for (const auto& key : shape) count += key.values.size();
  return count;
}

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  [[nodiscard]] double Seconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};

struct Timing {
  double load = 0;  // or the reads of the bare loop
  double save = 0;  // or its writes
  [[nodiscard]] double Total() const { return load + save; }
};

// The best time of each phase: a stall of the wineserver hits one phase of one run.
Timing Best(const std::vector<Timing>& runs) {
  Timing best = runs.front();
  for (const Timing& run : runs) {
    best.load = std::min(best.load, run.load);
    best.save = std::min(best.save, run.save);
  }
  return best;
}

Timing LoadAndSave(Registry& registry) {
  Memory memory;
  Timing timing;
  Stopwatch load;
  LoadSettings(registry, kStoreKey, memory.settings, memory.folders,
               memory.groups);
  timing.load = load.Seconds();
  Stopwatch save;
  SaveSettings(registry, kStoreKey, memory.settings, false, "C:\\Brimdock\\", memory.folders, memory.groups);
  timing.save = save.Seconds();
  return timing;
}

std::string FullPath(const std::string& root, const std::string& path) {
  return path.empty() ? root : root + "\\" + path;
}

// Reads every value, each key opened once.
void ReadAll(const std::vector<KeyShape>& shape, const std::string& root) {
  char buffer[512];
  for (const auto& key : shape) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, FullPath(root, key.path).c_str(), 0, KEY_READ, &handle) !=
        ERROR_SUCCESS) {
      continue;
    }
    const RegKeyHandle owned(handle);
    for (const auto& [name, text] : key.values) {
      DWORD type = 0;
      DWORD size = sizeof buffer;
      RegQueryValueExA(owned.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                       &size);
    }
  }
}

// Creates every key and writes every value, each key opened once.
void WriteAll(const std::vector<KeyShape>& shape, const std::string& root) {
  for (const auto& key : shape) {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, FullPath(root, key.path).c_str(), 0, nullptr, 0,
                        KEY_READ | KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
      continue;
    }
    const RegKeyHandle owned(handle);
    for (const auto& [name, text] : key.values) {
      RegSetValueExA(owned.Get(), name.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
    }
  }
}

Timing BareLoop(const std::vector<KeyShape>& shape) {
  Timing timing;
  Stopwatch reads;
  ReadAll(shape, kBareKey);
  timing.load = reads.Seconds();
  RegDeleteTreeA(HKEY_CURRENT_USER, kBareKey.c_str());
  Stopwatch writes;
  WriteAll(shape, kBareKey);
  timing.save = writes.Seconds();
  return timing;
}

int Run() {
  RegDeleteTreeA(HKEY_CURRENT_USER, kScratch.c_str());
  const Memory memory = LargeMemory();
  const auto shape = ShapeOf(memory);
  std::printf("LoadSettings + SaveSettings: %d folder buttons, %d groups of %d links\n", kFolders,
              kGroups, kLinks);
  std::printf("  store: %zu keys, %zu values\n", shape.size(), ValueCount(shape));

  Win32Registry registry;
  SaveSettings(registry, kStoreKey, memory.settings, false, "C:\\Brimdock\\", memory.folders, memory.groups);
  WriteAll(shape, kBareKey);

  std::vector<Timing> ours;
  std::vector<Timing> bare;
  // Alternating which goes first evens out Wine's periodic flushing of its registry.
  for (int i = 0; i < kRepetitions; ++i) {
    if (i % 2 == 0) {
      ours.push_back(LoadAndSave(registry));
      bare.push_back(BareLoop(shape));
    } else {
      bare.push_back(BareLoop(shape));
      ours.push_back(LoadAndSave(registry));
    }
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, kScratch.c_str());

  const Timing best = Best(ours);
  const Timing bestBare = Best(bare);
  std::printf("  LoadSettings + SaveSettings (best of %d): load %.3f s + save %.3f s = %.3f s\n",
              kRepetitions, best.load, best.save, best.Total());
  std::printf(
      "  bare RegQueryValueExA + RegSetValueExA loop:  reads %.3f s + writes %.3f s = %.3f s\n",
      bestBare.load, bestBare.save, bestBare.Total());
  std::printf("  ratio %.2f (target: at most 1.30)\n", best.Total() / bestBare.Total());
  return 0;
}

}  // namespace
}  // namespace brimdock

int main() {
  return brimdock::Run();
}
