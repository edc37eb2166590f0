#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/SaveState.h"

namespace brimdock {

// The state a save writes as one text of printable ASCII, so that it survives any code page.
// The text is a sequence of fields, each ended by "|"; in a field every byte outside " " to "~",
// and "%" and "|" themselves, is written "%" and two upper-case hexadecimal digits. Fields: a
// format tag, the program folder, the refresh flag, the number of scalar values and a name and
// stored text for each, the number of folder buttons and a folder and name for each, the number
// of groups and for each its name, hint, number of links and a path and name for each link.
[[nodiscard]] std::string EncodeSave(const SaveInput& input);

// The state of an encoded text; nothing when the text is not exactly one such encoding with
// every scalar value once.
[[nodiscard]] std::optional<SavedState> DecodeSave(std::string_view text);

}  // namespace brimdock
