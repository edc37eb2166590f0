#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/ListRows.h"
#include "platform/ui/ListBox.h"

namespace brimdock {

class Dialogs;

// The list commands the Folders and Icons pages share.

// Sets a list's horizontal scroll range from its widest row.
void UpdateHorizontalExtent(ListBox& list);

// Asks the question; unless the answer is No, erase(index) removes the entry behind row index,
// the row goes, and the row that took its place (or the new last row) is selected. False when
// nothing was deleted.
bool DeleteRowAfterConfirmation(Dialogs& dialogs, ListBox& list, int index,
                                const std::string& question,
                                const std::function<void(int index)>& erase);

// Moves row index of a list and the entry behind it one place up or down and selects the row
// where it went; moving down with no row selected selects the first.
template <typename Entry>
void MoveRowAndEntry(ListBox& list, std::vector<Entry>& entries, int index, bool up) {
  MoveRow(list.Count(), index, up, [&list](int a, int b) { list.Exchange(a, b); });
  MoveRow(entries, index, up);
  if (up && index > 0) list.SetItemIndex(index - 1);
  if (!up && index < list.Count() - 1) list.SetItemIndex(index + 1);
}

// What the Insert and Delete keys of a list run.
struct ListKeyCommands {
  Handler insert;
  Handler remove;
};

// The row hint: the list's hint becomes the whole text of the row under the pointer.
void LBMouseMove(ListBox& list, int y);
// Insert and Delete released with no key or mouse button held run the list's commands.
void ListBoxKeyUp(const ListKeyCommands& commands, Control* sender, WORD key, unsigned shift);
// Gives a list its row hint and its Insert and Delete keys.
void BindListCommands(ListBox& list, ListKeyCommands commands);

}  // namespace brimdock
