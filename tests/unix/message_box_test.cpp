#include "app/message_box.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

#include "shown_window.h"

using namespace Qt::StringLiterals;

namespace {

// Runs `act` on the message box once it is open, from the box's own modal
// loop, as a user would act on it. Gives up (and closes every box) if none
// turns up, so that a failing test cannot hang.
class WhileBoxOpen {
 public:
  explicit WhileBoxOpen(std::function<void(QMessageBox*)> act) : act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(10);
  }
  bool found() const { return found_; }

 private:
  void Poll() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      timer_.stop();
      found_ = true;
      act_(box);
    } else if (++polls_ > 500) {
      timer_.stop();
      for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget)) box->done(0);
    }
  }

  std::function<void(QMessageBox*)> act_;
  QTimer timer_;
  int polls_ = 0;
  bool found_ = false;
};

struct SeenBox {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  Qt::WindowModality modality = Qt::NonModal;
};

// A mouse click on the button, delivered as the window system delivers one.
void ClickAsTheUser(ShownWindow& shown, Control button) {
  const QWidget* widget = shown.Widget(button);
  QTest::mouseClick(shown.window.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    widget->mapTo(&shown.window, widget->rect().center()));
}

TEST(ShowMessageBox, TheProgramsTwoStylesShowOkWithTheDefaultTitleAndBlockTheWindow) {
  const struct {
    unsigned style;
    QMessageBox::Icon icon;
  } cases[] = {{kMbOk, QMessageBox::NoIcon}, {kMbIconInformation, QMessageBox::Information}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    ShownWindow shown(ShownWindow::Commands::Unbound);
    QSignalSpy clicks(qobject_cast<QAbstractButton*>(shown.Widget(Control::按钮2)),
                      &QAbstractButton::clicked);
    SeenBox seen;
    WhileBoxOpen closer([&](QMessageBox* box) {
      seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
              box->windowModality()};
      ClickAsTheUser(shown, Control::按钮2);
      box->button(QMessageBox::Ok)->click();
    });
    const int result = shown.services.ShowMessageBox("\xC7\xEB\xCA\xE4\xC8\xEB", c.style);
    ASSERT_TRUE(closer.found());
    EXPECT_EQ(result, 0);
    EXPECT_EQ(seen.title, u"信息："_s);
    EXPECT_EQ(seen.text, u"请输入"_s);
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_EQ(clicks.count(), 0) << "the window took a click while the box was open";
    ClickAsTheUser(shown, Control::按钮2);
    EXPECT_EQ(clicks.count(), 1) << "the window takes clicks again once the box is closed";
  }
}

TEST(ShowMessageBox, ShowsAGivenTitleAndTheMessageAsPlainText) {
  ShownWindow shown(ShownWindow::Commands::Unbound);
  SeenBox seen;
  Qt::TextFormat format = Qt::AutoText;
  WhileBoxOpen closer([&](QMessageBox* box) {
    seen.title = box->windowTitle();
    if (auto* label = box->findChild<QLabel*>(u"qt_msgbox_label"_s)) format = label->textFormat();
    box->button(QMessageBox::Ok)->click();
  });
  shown.services.ShowMessageBox("<b>x</b>", kMbOk, Text("\xB4\xED\xCE\xF3"));
  ASSERT_TRUE(closer.found());
  EXPECT_EQ(seen.title, u"错误"_s);
  EXPECT_EQ(format, Qt::PlainText);
}

TEST(ShowMessageBox, EveryButtonSetAndIconAnswersTheButtonThatClosedIt) {
  using B = QMessageBox;
  const struct {
    unsigned style;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton pressed;
    int result;
  } cases[] = {
      {kMbOk | kMbIconError, B::Ok, B::Critical, B::Ok, 0},
      {kMbOkCancel | kMbIconQuestion, B::Ok | B::Cancel, B::Question, B::Cancel, 1},
      {kMbAbortRetryIgnore | kMbIconWarning, B::Abort | B::Retry | B::Ignore, B::Warning, B::Abort,
       2},
      {kMbAbortRetryIgnore, B::Abort | B::Retry | B::Ignore, B::NoIcon, B::Retry, 3},
      {kMbAbortRetryIgnore, B::Abort | B::Retry | B::Ignore, B::NoIcon, B::Ignore, 4},
      {kMbYesNoCancel | kMbIconInformation, B::Yes | B::No | B::Cancel, B::Information, B::Yes, 5},
      {kMbYesNo, B::Yes | B::No, B::NoIcon, B::No, 6},
      {kMbRetryCancel | kMbSystemModal, B::Retry | B::Cancel, B::NoIcon, B::Retry, 3},
  };
  ShownWindow shown(ShownWindow::Commands::Unbound);
  for (const auto& c : cases) {
    SCOPED_TRACE("style " + std::to_string(c.style) + ", pressing " + std::to_string(c.pressed));
    SeenBox seen;
    WhileBoxOpen closer([&](QMessageBox* box) {
      seen.buttons = box->standardButtons();
      seen.icon = box->icon();
      seen.modality = box->windowModality();
      box->button(c.pressed)->click();
    });
    const int result = shown.services.ShowMessageBox("?", c.style);
    ASSERT_TRUE(closer.found());
    EXPECT_EQ(seen.buttons, c.buttons);
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_EQ(result, c.result);
  }
}

// Esc answers Cancel where there is one and OK in an OK box; Enter answers the
// default button, counted from the left.
TEST(ShowMessageBox, EscapeAndEnterAnswerTheButtonsTheyStandFor) {
  const struct {
    Qt::Key key;
    unsigned style;
    int result;
  } cases[] = {
      {Qt::Key_Escape, kMbOk, 0},
      {Qt::Key_Escape, kMbIconInformation, 0},
      {Qt::Key_Escape, kMbOkCancel, 1},
      {Qt::Key_Escape, kMbYesNoCancel, 1},
      {Qt::Key_Escape, kMbRetryCancel, 1},
      {Qt::Key_Return, kMbOk, 0},
      {Qt::Key_Return, kMbOkCancel, 0},
      {Qt::Key_Return, kMbYesNo | kMbDefButton2, 6},
      {Qt::Key_Return, kMbAbortRetryIgnore | kMbDefButton3, 4},
      {Qt::Key_Return, kMbYesNoCancel | kMbDefButton2 | kMbIconQuestion, 6},
      {Qt::Key_Return, kMbOkCancel | kMbDefButton3, 0},
  };
  ShownWindow shown(ShownWindow::Commands::Unbound);
  for (const auto& c : cases) {
    SCOPED_TRACE((c.key == Qt::Key_Escape ? "Esc, style " : "Enter, style ") +
                 std::to_string(c.style));
    WhileBoxOpen closer([&](QMessageBox* box) { QTest::keyClick(box, c.key); });
    EXPECT_EQ(shown.services.ShowMessageBox("?", c.style), c.result);
    ASSERT_TRUE(closer.found());
  }
}

}  // namespace
