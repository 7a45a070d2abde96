#include "qt_window_services.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/message_box.h"
#include "controls.h"
#include "edit_box.h"
#include "main_window.h"
#include "qt_message_box.h"
#include "qt_text.h"

Text QtWindowServices::ReadControlText(Control control) {
  return QStringToText(ControlText(window_.ControlWidget(control)));
}

void QtWindowServices::WriteControlText(Control control, const Text& text) {
  SetControlText(window_.ControlWidget(control), TextToQString(text));
}

void QtWindowServices::AppendEditText(Control editBox, const Text& text) {
  if (EditBox* box = window_.EditBoxOf(editBox)) box->Append(TextToQString(text));
}

void QtWindowServices::FocusControl(Control control) {
  window_.ControlWidget(control)->setFocus(Qt::OtherFocusReason);
}

bool QtWindowServices::SetClipboardText(const Text& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  // New data replaces every format the clipboard held. The text format is set
  // even for the empty text, so that the clipboard holds an empty text rather
  // than nothing.
  const QString wanted = TextToQString(text);
  auto* data = new QMimeData;
  data->setText(wanted);
  clipboard->setMimeData(data);
  // Qt does not say whether the clipboard took the data (on X11 another client
  // can keep the selection): only a clipboard that now holds the text is filled.
  const QMimeData* held = clipboard->mimeData();
  return held && held->hasText() && held->text() == wanted;
}

int QtWindowServices::ShowMessageBox(const Text& message, unsigned style,
                                     const std::optional<Text>& title) {
  return ShowQtMessageBox(TextToQString(message), style,
                          TextToQString(title.value_or(kDefaultMessageBoxTitle)));
}
