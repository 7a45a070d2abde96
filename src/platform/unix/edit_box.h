// A single-line edit box: black on white, no length limit, one change event
// per change of its content, writes included, and a selection that is hidden
// while another control has the focus and back when the box gets it again.
#pragma once

#include <QLineEdit>
#include <optional>

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

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  bool writing_ = false;
  // Where the selection started when the focus moved to another control; the
  // caret gives its other end. Forgotten when the text changes.
  std::optional<int> hiddenAnchor_;
};
