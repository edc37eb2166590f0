#include "pages/ListCommands.h"

#include <algorithm>
#include <utility>

#include "platform/Dialogs.h"

namespace brimdock {

void UpdateHorizontalExtent(ListBox& list) {
  list.SetHorizontalExtent(list.WidestRowWidth() + 2);
}

bool DeleteRowAfterConfirmation(Dialogs& dialogs, ListBox& list, int index,
                                const std::string& question,
                                const std::function<void(int index)>& erase) {
  if (dialogs.Confirm(question) == Answer::No) return false;
  erase(index);
  list.Delete(index);
  if (const int count = list.Count(); count > 0) list.SetItemIndex(std::min(index, count - 1));
  return true;
}

void LBMouseMove(ListBox& list, int y) {
  if (const auto row = RowAt(y, list.ItemHeight(), list.TopIndex(), list.Count())) {
    std::string text = list.Item(*row);
    if (text != list.Hint()) list.SetHint(std::move(text));
  }
}

void ListBoxKeyUp(const ListKeyCommands& commands, Control* sender, WORD key, unsigned shift) {
  if (shift != 0) return;
  if (key == VK_INSERT && commands.insert) commands.insert(sender);
  if (key == VK_DELETE && commands.remove) commands.remove(sender);
}

void BindListCommands(ListBox& list, ListKeyCommands commands) {
  list.onMouseMove = [&list](Control* /*sender*/, int /*x*/, int y) { LBMouseMove(list, y); };
  list.onKeyUp = [commands = std::move(commands)](Control* sender, WORD key, unsigned shift) {
    ListBoxKeyUp(commands, sender, key, shift);
  };
}

}  // namespace brimdock
