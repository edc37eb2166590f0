#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/Registry.h"

namespace brimdock {

// A save journal: the subkey "SaveJournal" of the settings key, holding an encoded text in the
// values "Part1", "Part2", ... of at most kJournalPartSize characters each, and, written last,
// the completion mark "Complete": the number of parts, the text's length and its FNV-1a
// checksum ("3 81920 1A2B3C4D"). Without a mark that matches its parts a journal is unusable.
inline constexpr std::string_view kJournalKey = "SaveJournal";
inline constexpr std::size_t kJournalPartSize = 32768;

// Replaces any journal by one holding the text.
void WriteJournal(RegistryKey& settingsKey, std::string_view text);

enum class JournalStatus { Absent, Unusable, Complete };

struct Journal {
  JournalStatus status = JournalStatus::Absent;
  std::string text;  // of a complete journal
};

[[nodiscard]] Journal ReadJournal(const RegistryKey& settingsKey);

void DeleteJournal(RegistryKey& settingsKey);

}  // namespace brimdock
