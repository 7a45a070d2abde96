#include "edit_box.h"

#include <QFocusEvent>
#include <limits>

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
  // QLineEdit's own limit is 32767 characters, and setText cuts silently.
  setMaxLength(std::numeric_limits<int>::max());
  setFrame(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Text, Qt::black);
  colours.setColor(QPalette::Base, Qt::white);
  // QLineEdit keeps painting the selection while the window is inactive: paint
  // it as plain text then.
  colours.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
  setPalette(colours);
  connect(this, &QLineEdit::textChanged, this, [this] {
    hiddenAnchor_.reset();
    if (!writing_) emit contentChanged();
  });
}

void EditBox::Write(const QString& text) {
  writing_ = true;
  setText(text);
  writing_ = false;
  emit contentChanged();
}

void EditBox::Append(const QString& text) {
  // QLineEdit has no insertion that bypasses its undo stack. setText puts the
  // caret at the end, clears the selection and empties the undo history, so
  // the append cannot be undone (nor can the edits before it).
  setText(this->text() + text);
}

void EditBox::focusOutEvent(QFocusEvent* event) {
  // QLineEdit drops the selection when another control of the window takes
  // the focus; remember it so that it can come back.
  const bool toAnotherControl =
      event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
  if (toAnotherControl && hasSelectedText()) {
    const int start = selectionStart();
    hiddenAnchor_ = cursorPosition() == start ? start + selectionLength() : start;
  }
  QLineEdit::focusOutEvent(event);
}

void EditBox::focusInEvent(QFocusEvent* event) {
  const int caret = cursorPosition();
  // Tab into a QLineEdit selects its whole text; the box keeps its own
  // selection and caret instead, whatever brought the focus.
  QLineEdit::focusInEvent(event);
  if (hiddenAnchor_) {
    setSelection(*hiddenAnchor_, caret - *hiddenAnchor_);
    hiddenAnchor_.reset();
  } else if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
             event->reason() == Qt::ShortcutFocusReason) {
    deselect();
    setCursorPosition(caret);
  }
}
