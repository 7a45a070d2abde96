// The six services through which commands touch the user interface.
//
// Called only on the window's thread, only while the main window exists, and
// each returns when its effect has taken place (a message box: when the user
// has closed it). Texts are code page 936; "" is the absent text, both as an
// argument and as a result. Nothing is cached: every read sees what the user
// sees now.
#pragma once

#include <optional>

#include "app/control_table.h"
#include "text/text.h"

class WindowServices {
 public:
  virtual ~WindowServices() = default;

  // The control's current text, read live.
  virtual Text ReadControlText(Control control) = 0;

  // Replaces the whole text; raises the control's change event exactly once.
  virtual void WriteControlText(Control control, const Text& text) = 0;

  // Inserts the text byte for byte after the last character, whatever the
  // selection or caret; afterwards the caret stands behind it and nothing is
  // selected. The insertion is not recorded for the box's undo.
  virtual void AppendEditText(Control editBox, const Text& text) = 0;

  virtual void FocusControl(Control control) = 0;

  // Empties the clipboard, then gives it the text as ANSI text; an empty text
  // leaves an empty text there, not an empty clipboard. False when the
  // clipboard could not be opened or filled.
  virtual bool SetClipboardText(const Text& text) = 0;

  // A message box that is modal for the whole program (see app/message_box.h
  // for the style word and the result). Without a title it bears
  // kDefaultMessageBoxTitle.
  virtual int ShowMessageBox(const Text& message, unsigned style,
                             const std::optional<Text>& title = std::nullopt) = 0;
};
