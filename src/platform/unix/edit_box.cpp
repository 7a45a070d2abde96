#include "edit_box.h"

#include <limits>

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {
  // QLineEdit's own limit is 32767 characters, and setText cuts silently.
  setMaxLength(std::numeric_limits<int>::max());
  setFrame(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Text, Qt::black);
  colours.setColor(QPalette::Base, Qt::white);
  // QLineEdit drops its selection when the focus moves to another control, but
  // keeps painting it while the window is inactive: paint it as plain text then.
  colours.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
  setPalette(colours);
  connect(this, &QLineEdit::textChanged, this, [this] {
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
