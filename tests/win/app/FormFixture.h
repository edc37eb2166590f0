#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/FormConfig.h"
#include "support/EntryNames.h"
#include "support/MemoryRegistry.h"
#include "support/ScriptedDialogs.h"

namespace brimdock::testing {

// A configuration window, never shown, over a memory registry and scripted dialogs. Its
// program folder is the repository's packs folder, so it finds the English pack.
class FormFixture : public ::testing::Test {
 protected:
  static std::string PacksFolder() {
    char full[MAX_PATH]{};
    GetFullPathNameA(BRIMDOCK_PACKS_DIR, MAX_PATH, full, nullptr);
    return std::string(full) + "\\";
  }

  TFormConfig& Open(StartupOptions options = {}) {
    if (options.programFolder.empty()) options.programFolder = PacksFolder();
    form = std::make_unique<TFormConfig>(registry, dialogs, std::move(options));
    return *form;
  }

  MemoryRegistry registry;
  ScriptedDialogs dialogs;
  std::unique_ptr<TFormConfig> form;
};

}  // namespace brimdock::testing
