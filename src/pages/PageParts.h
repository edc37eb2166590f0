#pragma once

#include <string_view>

#include "platform/ui/BevelLine.h"
#include "platform/ui/Label.h"
#include "platform/ui/Notebook.h"
#include "platform/ui/SpeedButton.h"

namespace brimdock {

// The bold, centred title along the top of a page with the line under it.
void CreatePageTitle(NotebookPage& page, Label& title, BevelLine& line, std::string_view caption);

// A tall flat button with an arrow of the Symbol font, which shows only a hint.
void CreateArrowButton(Control& parent, SpeedButton& button, bool up, const Bounds& bounds,
                       std::string_view hint);

}  // namespace brimdock
