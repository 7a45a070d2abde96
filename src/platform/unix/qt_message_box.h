// A message box from a message-box style word (app/message_box.h).
#pragma once

#include <QString>

// Shows the box with no owner, modal for the whole program, and returns when
// the user has closed it: MessageBoxResult of the button that closed it. Esc
// and the close button answer Cancel where there is one, OK in a box that has
// only OK.
int ShowQtMessageBox(const QString& message, unsigned style, const QString& title);
