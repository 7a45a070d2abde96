#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QMimeData>
#include <QSignalSpy>
#include <QTimer>

#include "app/bindings.h"
#include "caption_button.h"
#include "caption_label.h"
#include "controls.h"
#include "qt_text.h"
#include "run_program.h"
#include "shown_window.h"

using namespace Qt::StringLiterals;

namespace {

constexpr Control kEditBoxes[] = {Control::编辑框1, Control::编辑框2, Control::编辑框3,
                                  Control::编辑框4};

// The texts as the user must see them, independent of the table's bytes.
struct ExpectedText {
  Control control;
  QString text;
};
const ExpectedText kExpectedTexts[] = {
    {Control::编辑框1, u"http://" VELMORA_TEST_PLAY_HOST u"/dance/play/276929.html"_s},
    {Control::标签1, u"播放网址"_s},
    {Control::标签2, u"歌曲名称"_s},
    {Control::标签3, u"MP3地址"_s},
    {Control::编辑框2, QString()},
    {Control::编辑框3, QString()},
    {Control::标签4, u"M4A地址"_s},
    {Control::编辑框4, QString()},
    {Control::按钮1, u"一键获取下载地址"_s},
    {Control::按钮2, u"复制"_s},
    {Control::按钮3, u"复制"_s},
    {Control::按钮4, u"复制"_s},
    {Control::按钮5, u"一键清除"_s},
};

TEST(MainWindow, EveryControlHasItsPlaceTextAndKind) {
  ShownWindow shown;
  for (const ExpectedText& expected : kExpectedTexts) {
    const ControlRow& row = RowOf(expected.control);
    QWidget* widget = shown.Widget(expected.control);
    SCOPED_TRACE(ControlName(expected.control));
    EXPECT_EQ(widget->geometry(), QRect(row.left, row.top, row.width, row.height));
    EXPECT_EQ(ControlText(widget), expected.text);
    EXPECT_TRUE(widget->isVisible());
    switch (row.kind) {
      case ControlKind::EditBox:
        EXPECT_NE(qobject_cast<EditBox*>(widget), nullptr);
        EXPECT_EQ(widget->focusPolicy(), Qt::StrongFocus);
        break;
      case ControlKind::Label:
        EXPECT_NE(qobject_cast<CaptionLabel*>(widget), nullptr);
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
        break;
      case ControlKind::Button:
        ASSERT_NE(qobject_cast<QPushButton*>(widget), nullptr);
        EXPECT_FALSE(qobject_cast<QPushButton*>(widget)->autoDefault());
        EXPECT_FALSE(qobject_cast<QPushButton*>(widget)->isDefault());
        EXPECT_EQ(widget->focusPolicy(), Qt::StrongFocus);
        break;
    }
  }
}

TEST(MainWindow, LabelsAndButtonsUseTheCaptionFontWithItsGlyphsAndEditBoxesTheDefaultFont) {
  ShownWindow shown;
  for (const ControlRow& row : kControlTable) {
    SCOPED_TRACE(ControlName(row.name));
    const QFont font = shown.Widget(row.name)->font();
    if (row.kind == ControlKind::EditBox) {
      EXPECT_EQ(font, QApplication::font());
      continue;
    }
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic());
    ASSERT_FALSE(font.families().isEmpty());
    EXPECT_EQ(font.families().front(), u"微软雅黑"_s);
    // Where that face is missing, the one Qt settles on still has the glyphs.
    const QFontMetrics metrics(font);
    for (QChar character : ControlText(shown.Widget(row.name)))
      EXPECT_TRUE(metrics.inFont(character)) << QString(character).toStdString();
  }
}

TEST(MainWindow, HasTheCaptionIconFrameAndColoursOfTheProgram) {
  ShownWindow shown;
  MainWindow& window = shown.window;
  EXPECT_EQ(window.windowTitle(), u"Velmora 音乐下载器  (Brovik 专用版)"_s);
  EXPECT_TRUE(window.isWindow());
  EXPECT_EQ(window.parentWidget(), nullptr);
  const Qt::WindowFlags flags = window.windowFlags();
  for (Qt::WindowType hint : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                              Qt::WindowCloseButtonHint, Qt::WindowSystemMenuHint})
    EXPECT_TRUE(flags.testFlag(hint)) << hint;
  EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the border must not resize";
  EXPECT_EQ(window.palette().color(QPalette::Window), window.palette().color(QPalette::Button));
  const QImage icon = window.windowIcon().pixmap(32, 32).toImage();
  EXPECT_EQ(icon.size(), QSize(32, 32));
  EXPECT_TRUE(icon.hasAlphaChannel());
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 255);
}

TEST(MainWindow, EditBoxesAreBlackOnWhiteWithoutALengthLimit) {
  ShownWindow shown;
  const QString longText(100'000, u'x');
  for (Control control : kEditBoxes) {
    SCOPED_TRACE(ControlName(control));
    EditBox* box = shown.Box(control);
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_TRUE(box->hasFrame());
    shown.services.WriteControlText(control, QStringToText(longText));
    EXPECT_EQ(shown.services.ReadControlText(control).size(), longText.size());
    shown.services.AppendEditText(control, "yz");
    EXPECT_EQ(box->text().size(), longText.size() + 2);
  }
}

TEST(MainWindow, StartsWithTheCaretAtTheStartOfTheAddressAndNothingSelected) {
  ShownWindow shown;
  ASSERT_TRUE(shown.active);
  EditBox* address = shown.Box(Control::编辑框1);
  EXPECT_EQ(QApplication::focusWidget(), address);
  EXPECT_EQ(address->cursorPosition(), 0);
  EXPECT_FALSE(address->hasSelectedText());
}

TEST(MainWindow, MaximisingLeavesEveryControlInPlace) {
  ShownWindow shown;
  shown.window.showMaximized();
  QApplication::processEvents();
  for (const ControlRow& row : kControlTable) {
    SCOPED_TRACE(ControlName(row.name));
    EXPECT_EQ(shown.Widget(row.name)->geometry(), QRect(row.left, row.top, row.width, row.height));
  }
  shown.window.showNormal();
}

// A box stays 26 high unless one line of its font and two 2-pixel edges need
// more, and then it is made that high.
TEST(MainWindow, EditBoxesGrowToHoldALineOfALargeDefaultFont) {
  const QFont original = QApplication::font();
  QFont large = original;
  large.setPixelSize(40);
  QApplication::setFont(large);
  {
    MainWindow window;
    const int needed = QFontMetrics(large).size(Qt::TextSingleLine, u"吴"_s).height() + 4;
    ASSERT_GT(needed, 26);
    for (Control control : kEditBoxes)
      EXPECT_EQ(window.ControlWidget(control)->height(), needed) << ControlName(control);
  }
  QApplication::setFont(original);
}

TEST(EditBoxHeight, IsTheStoredHeightUnlessALineAndTwoEdgesNeedMore) {
  const struct {
    int stored, lineHeight, expected;
  } cases[] = {{26, 13, 26}, {26, 22, 26}, {26, 23, 27}, {26, 40, 44}, {30, 17, 30}};
  for (const auto& c : cases)
    EXPECT_EQ(EditBoxHeight(c.stored, c.lineHeight), c.expected)
        << "stored " << c.stored << ", line " << c.lineHeight;
}

TEST(MainWindow, FocusReturnsToItsControlWhenTheWindowIsActivatedAgain) {
  ShownWindow shown;
  ASSERT_TRUE(shown.active);
  shown.Widget(Control::按钮3)->setFocus(Qt::OtherFocusReason);
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  shown.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&shown.window));
  EXPECT_EQ(QApplication::focusWidget(), shown.Widget(Control::按钮3));
}

bool HasPixelOf(const QImage& image, const QColor& colour) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == colour) return true;
  return false;
}

TEST(MainWindow, ASelectionIsHiddenWhileTheWindowIsInactiveAndBackWhenItReturns) {
  ShownWindow shown(ShownWindow::Commands::Unbound);
  ASSERT_TRUE(shown.active);
  EditBox* box = shown.Box(Control::编辑框2);
  const QColor shownSelection = box->palette().color(QPalette::Active, QPalette::Highlight);
  const QColor qtInactiveSelection =
      QApplication::palette().color(QPalette::Inactive, QPalette::Highlight);
  box->setText(u"one two three"_s);
  box->setFocus(Qt::OtherFocusReason);
  box->setSelection(4, 3);
  ASSERT_TRUE(HasPixelOf(box->grab().toImage(), shownSelection));
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  const QImage inactive = box->grab().toImage();
  EXPECT_FALSE(HasPixelOf(inactive, shownSelection));
  EXPECT_FALSE(HasPixelOf(inactive, qtInactiveSelection));
  shown.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&shown.window));
  EXPECT_EQ(box->selectedText(), u"two"_s);
  EXPECT_TRUE(HasPixelOf(box->grab().toImage(), shownSelection));
}

TEST(MainWindow, ASelectionIsHiddenWhileAnotherControlHasTheFocusAndBackWithIt) {
  const struct {
    const char* name;
    int start, length;
    QString appendedMeanwhile;
    QString selectedAfter;
    int caretAfter;
  } cases[] = {
      {"selected forwards", 0, 4, {}, u"http"_s, 4},
      {"selected backwards", 4, -4, {}, u"http"_s, 0},
      {"nothing selected", 2, 0, {}, {}, 2},
      {"an append meanwhile ends the selection", 0, 4, u"x"_s, {}, 11},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ShownWindow shown(ShownWindow::Commands::Unbound);
    ASSERT_TRUE(shown.active);
    EditBox* box = shown.Box(Control::编辑框1);
    box->setText(u"http://a/b"_s);
    box->setSelection(c.start, c.length);
    shown.services.FocusControl(Control::按钮2);
    EXPECT_FALSE(box->hasSelectedText()) << "hidden";
    if (!c.appendedMeanwhile.isNull())
      shown.services.AppendEditText(Control::编辑框1, c.appendedMeanwhile.toStdString());
    shown.services.FocusControl(Control::编辑框1);
    EXPECT_EQ(box->selectedText(), c.selectedAfter);
    EXPECT_EQ(box->cursorPosition(), c.caretAfter);
  }
}

TEST(MainWindow, TabIntoABoxLeavesItsCaretAndSelectsNothing) {
  ShownWindow shown(ShownWindow::Commands::Unbound);
  ASSERT_TRUE(shown.active);
  EditBox* box = shown.Box(Control::编辑框2);
  box->setText(u"hello"_s);
  box->setCursorPosition(2);
  shown.Key(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), box);
  EXPECT_FALSE(box->hasSelectedText());
  EXPECT_EQ(box->cursorPosition(), 2);
}

TEST(MainWindowCommands, ClearEmptiesAllFourBoxesAndLeavesTheClipboard) {
  ShownWindow shown;
  QGuiApplication::clipboard()->setText(u"kept"_s);
  for (Control control : kEditBoxes) shown.Box(control)->setText(u"歌曲"_s);
  QSignalSpy changes(shown.Box(Control::编辑框1), &EditBox::contentChanged);
  qobject_cast<QAbstractButton*>(shown.Widget(Control::按钮5))->click();
  for (Control control : kEditBoxes)
    EXPECT_EQ(shown.Box(control)->text(), QString()) << ControlName(control);
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), u"kept"_s);
}

TEST(MainWindowCommands, EachCopyButtonPutsItsBoxOnTheClipboardLineEndsIncluded) {
  const struct {
    Control button, box;
    QString text;
  } cases[] = {
      {Control::按钮2, Control::编辑框2, u"歌一歌二"_s},
      {Control::按钮3, Control::编辑框3, u"http://m/a.mp3\r\nhttp://m/b.mp3\r\n"_s},
      {Control::按钮4, Control::编辑框4, u"http://x/a.m4a\r\n"_s},
      {Control::按钮2, Control::编辑框2, QString()},
  };
  ShownWindow shown;
  for (const auto& c : cases) {
    SCOPED_TRACE(ControlName(c.button) + " with \"" + c.text.toStdString() + "\"");
    QGuiApplication::clipboard()->setText(u"earlier"_s);
    shown.Box(c.box)->setText(c.text);
    qobject_cast<QAbstractButton*>(shown.Widget(c.button))->click();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasText());
    EXPECT_EQ(data->text(), c.text);
    EXPECT_EQ(shown.Box(c.box)->text(), c.text);
  }
}

TEST(MainWindowCommands, TypingPastingAndDeletingInTheAddressBoxRaiseItsChangeEventEachTime) {
  ShownWindow shown;
  ASSERT_TRUE(shown.active);
  shown.Box(Control::编辑框2)->setText(u"title"_s);
  QGuiApplication::clipboard()->setText(u"/x"_s);
  QSignalSpy changes(shown.Box(Control::编辑框1), &EditBox::contentChanged);
  shown.Key(Qt::Key_End);
  shown.Key(Qt::Key_A);
  shown.Key(Qt::Key_V, Qt::ControlModifier);
  shown.Key(Qt::Key_Backspace);
  EXPECT_EQ(changes.count(), 3);
  EXPECT_EQ(ControlText(shown.Widget(Control::编辑框1)),
            u"http://" VELMORA_TEST_PLAY_HOST u"/dance/play/276929.htmla/"_s);
  EXPECT_EQ(shown.Box(Control::编辑框2)->text(), u"title"_s);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), u"/x"_s);
}

TEST(Program, EscapeClosesTheWindowAndTheEventLoopEndsWithCodeZero) {
  QTimer pressEscape;
  QObject::connect(&pressEscape, &QTimer::timeout, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* window = qobject_cast<MainWindow*>(widget); window && window->isVisible()) {
        pressEscape.stop();
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
      }
  });
  pressEscape.start(10);
  EXPECT_EQ(RunMainWindow(nullptr, nullptr), 0);
  for (QWidget* widget : QApplication::topLevelWidgets())
    EXPECT_FALSE(qobject_cast<MainWindow*>(widget)) << "the window outlived the program";
}

}  // namespace
