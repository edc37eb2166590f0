#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/Conf.h"
#include "settings/MemoryRegistry.h"
#include "win/ScriptedDialogs.h"

namespace brimdock::testing {

// A configuration window, never shown, over a memory registry and scripted dialogs.
class FormFixture : public ::testing::Test {
 protected:
  TFormConfig& Open(StartupOptions options = {}) {
    if (options.programFolder.empty()) options.programFolder = "C:\\Brimdock\\";
    form = std::make_unique<TFormConfig>(registry, dialogs, std::move(options));
    return *form;
  }

  MemoryRegistry registry;
  ScriptedDialogs dialogs;
  std::unique_ptr<TFormConfig> form;
};

}  // namespace brimdock::testing
