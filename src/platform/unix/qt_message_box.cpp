#include "qt_message_box.h"

#include <QMessageBox>

#include "app/message_box.h"

namespace {

QMessageBox::StandardButtons ButtonsOf(unsigned style) {
  switch (style & kMbButtonMask) {
    case kMbOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case kMbAbortRetryIgnore:
      return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case kMbYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case kMbYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case kMbRetryCancel:
      return QMessageBox::Retry | QMessageBox::Cancel;
    default:
      return QMessageBox::Ok;
  }
}

QMessageBox::Icon IconOf(unsigned style) {
  switch (style & kMbIconMask) {
    case kMbIconError:
      return QMessageBox::Critical;
    case kMbIconQuestion:
      return QMessageBox::Question;
    case kMbIconWarning:
      return QMessageBox::Warning;
    case kMbIconInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// -1 when no button closed the box, as the platform's 0 for a failed box
// would give.
int ResultOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok:
      return MessageBoxResult(MessageBoxButton::Ok);
    case QMessageBox::Cancel:
      return MessageBoxResult(MessageBoxButton::Cancel);
    case QMessageBox::Abort:
      return MessageBoxResult(MessageBoxButton::Abort);
    case QMessageBox::Retry:
      return MessageBoxResult(MessageBoxButton::Retry);
    case QMessageBox::Ignore:
      return MessageBoxResult(MessageBoxButton::Ignore);
    case QMessageBox::Yes:
      return MessageBoxResult(MessageBoxButton::Yes);
    case QMessageBox::No:
      return MessageBoxResult(MessageBoxButton::No);
    default:
      return -1;
  }
}

}  // namespace

int ShowQtMessageBox(const QString& message, unsigned style, const QString& title) {
  QMessageBox box(IconOf(style), title, message, ButtonsOf(style));
  // The message is shown as it stands, never taken for markup.
  box.setTextFormat(Qt::PlainText);
  // Qt has nothing above application-modal; a system-modal box at least stays
  // on top of every other window.
  box.setWindowModality(Qt::ApplicationModal);
  if (style & kMbSystemModal) box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
  return ResultOf(box.standardButton(box.clickedButton()));
}
