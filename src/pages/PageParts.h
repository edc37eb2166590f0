#pragma once

#include "platform/ui/BevelLine.h"
#include "platform/ui/Label.h"
#include "platform/ui/Notebook.h"
#include "platform/ui/SpeedButton.h"

namespace brimdock {

class TextBindings;

// The bold, centred title along the top of a page with the line under it.
void CreatePageTitle(NotebookPage& page, Label& title, BevelLine& line, TextBindings& texts,
                     int number);

// A tall flat button with an arrow of the Symbol font, which shows only a hint.
void CreateArrowButton(Control& parent, SpeedButton& button, bool up, const Bounds& bounds,
                       TextBindings& texts, int hintNumber);

}  // namespace brimdock
