#include "main_window.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include "app/bindings.h"
#include "controls.h"
#include "edit_box.h"
#include "placement.h"
#include "qt_text.h"
#include "window_icon.h"

namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

MainWindow::MainWindow() : QWidget(nullptr, kWindowFlags) {
  setWindowTitle(TextToQString(kMainWindow.caption));
  setWindowIcon(QPixmap::fromImage(DrawWindowIcon()));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Button));
  setPalette(colours);
  setAutoFillBackground(true);
  // Creation order is the table's order, which makes Qt's focus chain the tab
  // order; labels take no focus and drop out of it.
  for (std::size_t i = 0; i < kControlTable.size(); ++i)
    controls_[i] = MakeControl(kControlTable[i], this);
  FitFrameToScreen();
  ControlWidget(Control::编辑框1)->setFocus(Qt::OtherFocusReason);
}

QWidget* MainWindow::ControlWidget(Control control) const {
  return controls_[static_cast<std::size_t>(control)];
}

EditBox* MainWindow::EditBoxOf(Control control) const {
  return qobject_cast<EditBox*>(ControlWidget(control));
}

void MainWindow::Bind(const CommandContext& context) {
  for (const Binding& binding : kBindingTable) {
    auto run = [&context, command = binding.command] { command(context); };
    QWidget* control = ControlWidget(binding.control);
    switch (binding.event) {
      case ControlEvent::Clicked:
        connect(qobject_cast<QAbstractButton*>(control), &QAbstractButton::clicked, this, run);
        break;
      case ControlEvent::ContentChanged:
        connect(qobject_cast<EditBox*>(control), &EditBox::contentChanged, this, run);
        break;
    }
  }
}

bool MainWindow::event(QEvent* event) {
  // With a window manager the frame margins are 0 until it has framed the
  // window, some 30 ms after show(); they become known by a move or an
  // activation.
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::WindowActivate:
      FitFrameToScreen();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Esc with a modifier held is another key.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

// Sizes the client area so that the outer rectangle (frame included) has the
// window's size, and centres that outer rectangle on the primary screen. Runs
// again only when the margins change, so a window the user moved stays put.
void MainWindow::FitFrameToScreen() {
  const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  if (fittedMargins_ == margins) return;
  fittedMargins_ = margins;
  const QRect outer = CentredOuterRect(QGuiApplication::primaryScreen()->geometry());
  setFixedSize(outer.width() - margins.left() - margins.right(),
               outer.height() - margins.top() - margins.bottom());
  move(outer.topLeft());
}
