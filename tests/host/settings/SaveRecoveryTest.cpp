#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "host/settings/WindowMemory.h"
#include "settings/SaveCodec.h"
#include "settings/SaveJournal.h"
#include "settings/SettingsFile.h"
#include "support/MemoryRegistry.h"

namespace brimdock {
namespace {

using brimdock::testing::kKey;
using brimdock::testing::Load;
using brimdock::testing::MemoryRegistry;
using brimdock::testing::Save;
using brimdock::testing::WindowMemory;
using ::testing::IsEmpty;

constexpr RootKey kUser = RootKey::CurrentUser;
const std::string kJournal = kKey + "\\SaveJournal";

WindowMemory OldMemory() {
  WindowMemory memory;
  memory.AddFolder("C:\\Tools", "Tools");
  memory.AddFolder("D:\\Games", "Games");
  memory.AddFolder("E:\\Music", "Music");
  memory.AddGroup("Work", "Work tools").AddLink("Edit", "C:\\edit.exe");
  memory.AddGroup("Play", "Games").AddLink("Chess", "D:\\chess.exe");
  return memory;
}

// With a text long enough for a journal of several parts.
WindowMemory NewMemory() {
  WindowMemory memory;
  memory.settings.PanelTop = true;
  memory.settings.BackBMPName = "C:\\" + std::string(kJournalPartSize, 'b') + ".bmp";
  memory.settings.sbIconSize = 32;
  memory.AddFolder("F:\\Photos", "Photos");
  TGroup& many = memory.AddGroup("Many", "Many links");
  for (int k = 1; k <= 5; ++k)
    many.AddLink("Link " + std::to_string(k), "C:\\" + std::to_string(k));
  memory.AddGroup("Empty", "No links");
  memory.AddGroup("Work", "Work tools").AddLink("Mail", "C:\\mail.exe");
  return memory;
}

WindowMemory ThirdMemory() {
  WindowMemory memory;
  memory.AddFolder("G:\\Mail", "Mail");
  memory.AddGroup("Third", "Third").AddLink("Calc", "C:\\calc.exe");
  return memory;
}

SavedState Saved(const WindowMemory& memory) {
  SavedState state;
  state.settings = memory.settings;
  state.programFolder = "C:\\Brimdock\\";
  state.folders = memory.folders;
  for (const TGroup& group : memory.groups) {
    state.groups.List.push_back(std::make_unique<TGroup>(group));
  }
  return state;
}

// What a load gives after the memory was saved without trouble.
WindowMemory AsLoaded(const WindowMemory& memory) {
  MemoryRegistry registry;
  Save(registry, memory);
  return Load(registry).memory;
}

// The writes of a save from the state that prepare leaves.
std::size_t WritesOfSave(const std::function<void(MemoryRegistry&)>& prepare,
                         const WindowMemory& memory) {
  MemoryRegistry registry;
  prepare(registry);
  registry.StopFailing();
  registry.ResetWriteCount();
  Save(registry, memory);
  return registry.WriteCount();
}

struct Outcome {
  brimdock::testing::Loaded loaded;
  bool journalLeft = false;
};

// Prepares a store, stops the save of memory at write n as a killed process would, then loads.
Outcome StopSaveAt(const std::function<void(MemoryRegistry&)>& prepare, const WindowMemory& memory,
                   std::size_t n) {
  MemoryRegistry registry;
  registry.SetRecording(false);
  prepare(registry);
  registry.FailWritesFrom(n);
  EXPECT_THROW(Save(registry, memory), RegistryError) << "write " << n;
  registry.StopFailing();
  Outcome outcome{Load(registry), false};
  outcome.journalLeft = registry.KeyExists(kUser, kJournal);
  return outcome;
}

void SaveOld(MemoryRegistry& registry) {
  Save(registry, OldMemory());
  Load(registry);
}

// The writes of the journal of a save of memory.
std::size_t JournalWrites(const WindowMemory& memory) {
  MemoryRegistry registry;
  const auto key = registry.Create(kUser, kKey);
  registry.ResetWriteCount();
  WriteJournal(*key, EncodeSave(Saved(memory).View()));
  return registry.WriteCount();
}

// The old state saved, then the save of the new one stopped after its journal, "delete Dirs" and
// "delete Groups": the store has lost its lists and only the journal holds them.
void SaveOldThenStopNewAfterErasing(MemoryRegistry& registry) {
  static const std::size_t journalWrites = JournalWrites(NewMemory());
  SaveOld(registry);
  registry.FailWritesFrom(journalWrites + 3);
  EXPECT_THROW(Save(registry, NewMemory()), RegistryError);
  registry.StopFailing();
  ASSERT_FALSE(registry.KeyExists(kUser, kKey + "\\Groups"));
}

TEST(SaveRecovery, ASaveStoppedAtAnyWriteLoadsAsTheOldOrTheNewState) {
  const WindowMemory oldState = AsLoaded(OldMemory());
  const WindowMemory newState = AsLoaded(NewMemory());
  const std::size_t writes = WritesOfSave(SaveOld, NewMemory());

  // The journal's writes come first: the key, its parts and the mark; stopped before the mark,
  // the store keeps its old state, stopped after it, the next load finishes the save.
  std::size_t firstNew = 0;
  for (std::size_t n = 1; n <= writes; ++n) {
    const Outcome outcome = StopSaveAt(SaveOld, NewMemory(), n);
    const bool isNew = outcome.loaded.memory == newState;
    EXPECT_TRUE(isNew || outcome.loaded.memory == oldState) << "stopped at write " << n;
    EXPECT_EQ(outcome.loaded.report.finishedInterruptedSave, isNew) << n;
    EXPECT_FALSE(outcome.journalLeft) << n;
    EXPECT_THAT(outcome.loaded.report.writeError, IsEmpty()) << n;
    if (isNew && firstNew == 0) firstNew = n;
    if (firstNew != 0) {
      EXPECT_TRUE(isNew) << "old state after the new one, at write " << n;
    }
  }
  EXPECT_GE(firstNew, 5U) << "the journal has a key, two or more parts and a mark";
}

TEST(SaveRecovery, ASaveStoppedWhileAnEarlierOneIsUnfinishedNeverMixesThem) {
  const WindowMemory middle = AsLoaded(NewMemory());
  const WindowMemory third = AsLoaded(ThirdMemory());
  const std::size_t writes = WritesOfSave(SaveOldThenStopNewAfterErasing, ThirdMemory());
  for (std::size_t n = 1; n <= writes; ++n) {
    const Outcome outcome = StopSaveAt(SaveOldThenStopNewAfterErasing, ThirdMemory(), n);
    EXPECT_TRUE(outcome.loaded.memory == middle || outcome.loaded.memory == third)
        << "stopped at write " << n;
    EXPECT_FALSE(outcome.journalLeft) << n;
  }
}

TEST(SaveRecovery, ARefusedWriteThrowsThePlatformsText) {
  MemoryRegistry reference;
  SaveOld(reference);
  reference.ClearLog();
  reference.LogRelativeTo(kUser, kKey);
  Save(reference, NewMemory());
  const auto& log = reference.Log();

  const struct {
    const char* write;
    const char* message;
  } cases[] = {
      {"create SaveJournal", "Failed to create key SaveJournal"},
      {"delete Dirs", "Failed to set data for 'Dirs'"},
      {"write Dirs\\Dir1=F:\\Photos", "Failed to set data for 'Dir1'"},
      {"create Groups\\Group2", "Failed to create key Groups\\Group2"},
      {"delete SaveJournal", "Failed to set data for 'SaveJournal'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.write);
    const auto at = std::find(log.begin(), log.end(), c.write);
    ASSERT_NE(at, log.end());
    MemoryRegistry registry;
    SaveOld(registry);
    registry.FailWriteAt(static_cast<std::size_t>(at - log.begin()) + 1);
    EXPECT_THAT([&] { Save(registry, NewMemory()); },
                ::testing::ThrowsMessage<RegistryError>(::testing::StrEq(c.message)));
    registry.StopFailing();
    const auto loaded = Load(registry).memory;
    EXPECT_TRUE(loaded == AsLoaded(OldMemory()) || loaded == AsLoaded(NewMemory()));
  }
}

TEST(SaveRecovery, WhenFinishingASaveIsRefusedTheLoadGivesTheStateOfThatSave) {
  MemoryRegistry registry;
  SaveOldThenStopNewAfterErasing(registry);

  registry.FailWritesFrom(1);
  const auto refused = Load(registry);
  EXPECT_EQ(refused.memory, NewMemory());
  EXPECT_EQ(refused.report.writeError, "Failed to set data for 'Version'");
  EXPECT_FALSE(refused.report.finishedInterruptedSave);
  EXPECT_TRUE(registry.KeyExists(kUser, kJournal));

  registry.StopFailing();
  const auto finished = Load(registry);
  EXPECT_EQ(finished.memory, AsLoaded(NewMemory()));
  EXPECT_TRUE(finished.report.finishedInterruptedSave);
}

TEST(SaveRecovery, AJournalThatDoesNotMatchItsMarkIsDiscarded) {
  const auto text = EncodeSave(Saved(NewMemory()).View());
  const struct {
    const char* what;
    std::function<void(MemoryRegistry&)> damage;
  } cases[] = {
      {"an empty mark", [](MemoryRegistry& r) { r.Put(kUser, kJournal, "Complete", {}); }},
      {"a part changed",
       [](MemoryRegistry& r) {
         r.Put(kUser, kJournal, "Part2", {ValueType::String, "x|"});
       }},
      {"a part of another type",
       [](MemoryRegistry& r) {
         r.Put(kUser, kJournal, "Part1",
               {ValueType::Binary, r.Get(kUser, kJournal, "Part1")->data});
       }},
      {"a mark claiming a part more",
       [](MemoryRegistry& r) {
         std::string mark = r.Get(kUser, kJournal, "Complete")->data;
         ++mark[0];
         r.Put(kUser, kJournal, "Complete", {ValueType::String, mark});
       }},
      {"a mark claiming billions of parts",
       [](MemoryRegistry& r) {
         r.Put(kUser, kJournal, "Complete", {ValueType::String, "4294967295 4294967295 0"});
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryRegistry registry;
    SaveOld(registry);
    WriteJournal(*registry.Create(kUser, kKey), text);
    c.damage(registry);
    const auto loaded = Load(registry);
    EXPECT_EQ(loaded.memory, AsLoaded(OldMemory()));
    EXPECT_FALSE(loaded.report.finishedInterruptedSave);
    EXPECT_FALSE(registry.KeyExists(kUser, kJournal));
  }
}

TEST(SaveCodec, AnyTextSurvivesAndTheEncodingIsPrintableAscii) {
  std::string everyByte;
  for (int c = 1; c < 256; ++c) everyByte += static_cast<char>(c);
  WindowMemory memory;
  memory.settings.HeaderString = everyByte;
  memory.settings.HeaderChar = "";
  memory.settings.BackgroundColor = -2147483633;
  memory.AddFolder("C:\\a|b%41", "");
  memory.AddFolder(everyByte, "%|%");
  memory.AddGroup("", everyByte).AddLink("|", "%");
  memory.AddGroup("No links", "No links");

  SavedState state = Saved(memory);
  state.refreshFlag = true;
  state.programFolder = everyByte;
  const std::string text = EncodeSave(state.View());
  EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; }));

  const auto decoded = DecodeSave(text);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->settings, memory.settings);
  EXPECT_TRUE(decoded->refreshFlag);
  EXPECT_EQ(decoded->programFolder, everyByte);
  EXPECT_EQ(decoded->folders, memory.folders);
  ASSERT_EQ(decoded->groups.List.size(), 2U);
  EXPECT_EQ(*decoded->groups.List[0], memory.groups[0]);
  EXPECT_EQ(*decoded->groups.List[1], memory.groups[1]);
}

TEST(SaveCodec, OnlyAWholeEncodingDecodes) {
  WindowMemory memory = OldMemory();
  memory.settings.HeaderString = "%41|";
  const std::string text = EncodeSave(Saved(memory).View());
  for (std::size_t length = 0; length < text.size(); ++length) {
    EXPECT_FALSE(DecodeSave(text.substr(0, length))) << "prefix of " << length;
  }
  EXPECT_FALSE(DecodeSave(text + "x|"));
  EXPECT_TRUE(DecodeSave(text));
}

}  // namespace
}  // namespace brimdock
