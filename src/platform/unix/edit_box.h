// A single-line edit box: black on white, no length limit, and one change
// event per change of its content, writes included.
#pragma once

#include <QLineEdit>

class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit EditBox(QWidget* parent);

  // Replaces the whole text and raises contentChanged exactly once, also when
  // the new text equals the old one (QLineEdit then says nothing).
  void Write(const QString& text);

  // Adds the text after the last character, whatever the selection; the caret
  // ends behind it and nothing stays selected. Not undoable.
  void Append(const QString& text);

 signals:
  // Typing, pasting, deleting, Write and Append.
  void contentChanged();

 private:
  bool writing_ = false;
};
