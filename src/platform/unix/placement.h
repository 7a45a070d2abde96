// Where the main window starts: its outer rectangle centred on the screen.
#pragma once

#include <QRect>

// left = (screen width - outer width) / 2, top likewise, the remainder dropped,
// from the screen's own top-left corner; the size is kMainWindow's.
QRect CentredOuterRect(const QRect& screen);
