#include "qt_message_box.h"

#include <QMessageBox>
#include <vector>

#include "app/message_box.h"

namespace {

// The buttons of the style, from left to right as the platform lays them out.
std::vector<QMessageBox::StandardButton> ButtonsOf(unsigned style) {
  using B = QMessageBox;
  switch (style & kMbButtonMask) {
    case kMbOkCancel:
      return {B::Ok, B::Cancel};
    case kMbAbortRetryIgnore:
      return {B::Abort, B::Retry, B::Ignore};
    case kMbYesNoCancel:
      return {B::Yes, B::No, B::Cancel};
    case kMbYesNo:
      return {B::Yes, B::No};
    case kMbRetryCancel:
      return {B::Retry, B::Cancel};
    default:
      return {B::Ok};
  }
}

// A default-button number past the last button means the first, as on the
// platform.
QMessageBox::StandardButton DefaultOf(unsigned style,
                                      const std::vector<QMessageBox::StandardButton>& buttons) {
  const std::size_t index = (style & kMbDefButtonMask) >> 8;
  return index < buttons.size() ? buttons[index] : buttons.front();
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
  const std::vector<QMessageBox::StandardButton> buttons = ButtonsOf(style);
  QMessageBox box(IconOf(style), title, message);
  for (QMessageBox::StandardButton button : buttons) box.addButton(button);
  box.setDefaultButton(DefaultOf(style, buttons));
  // The message is shown as it stands, never taken for markup.
  box.setTextFormat(Qt::PlainText);
  // Qt has nothing above application-modal; a system-modal box at least stays
  // on top of every other window.
  box.setWindowModality(Qt::ApplicationModal);
  if (style & kMbSystemModal) box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
  return ResultOf(box.standardButton(box.clickedButton()));
}
