// The copy buttons beside the result boxes and the clear button.
#pragma once

#include "app/window_services.h"

// Puts the box's whole text on the clipboard; a failure shows nothing.
void CopyBoxToClipboard(WindowServices& window, Control box);

// Empties 编辑框1 to 编辑框4, in that order.
void ClearAllBoxes(WindowServices& window);
