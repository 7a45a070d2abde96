#include <gtest/gtest.h>

#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>

#include "qt_text.h"
#include "shown_window.h"

using namespace Qt::StringLiterals;

namespace {

TEST(ReadControlText, SeesWhatTheUserTypedAndGivesTheEmptyTextForAnEmptyBox) {
  ShownWindow shown(ShownWindow::Commands::Unbound);
  ASSERT_TRUE(shown.active);
  EXPECT_EQ(shown.services.ReadControlText(Control::编辑框2), "");
  shown.services.FocusControl(Control::编辑框2);
  shown.Type("abc");
  EXPECT_EQ(shown.services.ReadControlText(Control::编辑框2), "abc");
  shown.Key(Qt::Key_Backspace);
  EXPECT_EQ(shown.services.ReadControlText(Control::编辑框2), "ab");
}

TEST(ReadControlText, GivesCaptionsAndTextsInCodePage936) {
  ShownWindow shown(ShownWindow::Commands::Unbound);
  EXPECT_EQ(shown.services.ReadControlText(Control::标签2), "\xB8\xE8\xC7\xFA\xC3\xFB\xB3\xC6");
  EXPECT_EQ(shown.services.ReadControlText(Control::按钮2), "\xB8\xB4\xD6\xC6");
  shown.Box(Control::编辑框3)->setText(u"歌\r\n"_s);
  EXPECT_EQ(shown.services.ReadControlText(Control::编辑框3), "\xB8\xE8\r\n");
}

TEST(WriteControlText, ReplacesTheTextAndRaisesTheChangeEventExactlyOnce) {
  const struct {
    const char* name;
    Text before, written;
  } cases[] = {
      {"new text", "old", "new"},      {"the same text", "same", "same"},
      {"empty over text", "old", ""},  {"empty over empty", "", ""},
      {"line ends", "", "a\r\nb\r\n"},
  };
  ShownWindow shown;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    shown.Box(Control::编辑框1)->setText(TextToQString(c.before));
    QSignalSpy changes(shown.Box(Control::编辑框1), &EditBox::contentChanged);
    shown.services.WriteControlText(Control::编辑框1, c.written);
    EXPECT_EQ(shown.services.ReadControlText(Control::编辑框1), c.written);
    EXPECT_EQ(changes.count(), 1);
  }
}

// Selections and pieces: the text always lands at the end, the caret behind
// it, nothing selected, the bytes unchanged.
TEST(AppendEditText, AddsAtTheEndWhateverTheSelectionOrCaret) {
  const struct {
    const char* name;
    QString before;
    int selectionStart, selectionLength;  // a length of 0 only places the caret
    std::vector<Text> pieces;
    Text after;
  } cases[] = {
      {"ab then c into an empty box", u""_s, 0, 0, {"ab", "c"}, "abc"},
      {"a word selected in the middle", u"one two three"_s, 4, 3, {" four"}, "one two three four"},
      {"caret at the start", u"xyz"_s, 0, 0, {"!"}, "xyz!"},
      {"everything selected", u"xyz"_s, 0, 3, {"!"}, "xyz!"},
      {"an empty text", u"one two"_s, 2, 3, {""}, "one two"},
      {"line ends", u"x"_s, 0, 1, {"a\r\n", "b\r\n"}, "xa\r\nb\r\n"},
      {"code page 936", u""_s, 0, 0, {"\xB8\xE8\xC7\xFA", "\xA3\xBA"}, "\xB8\xE8\xC7\xFA\xA3\xBA"},
  };
  ShownWindow shown(ShownWindow::Commands::Unbound);
  ASSERT_TRUE(shown.active);
  EditBox* box = shown.Box(Control::编辑框3);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    box->setText(c.before);
    box->setFocus(Qt::OtherFocusReason);
    box->setSelection(c.selectionStart, c.selectionLength);
    for (const Text& piece : c.pieces) shown.services.AppendEditText(Control::编辑框3, piece);
    EXPECT_EQ(shown.services.ReadControlText(Control::编辑框3), c.after);
    EXPECT_FALSE(box->hasSelectedText());
    EXPECT_EQ(box->cursorPosition(), box->text().size());
  }
}

TEST(AppendEditText, IsNotTakenBackByUndo) {
  ShownWindow shown(ShownWindow::Commands::Unbound);
  ASSERT_TRUE(shown.active);
  shown.services.FocusControl(Control::编辑框2);
  shown.Type("ab");
  shown.services.AppendEditText(Control::编辑框2, "c");
  shown.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(shown.services.ReadControlText(Control::编辑框2), "abc");
  shown.Box(Control::编辑框2)->undo();
  EXPECT_EQ(shown.services.ReadControlText(Control::编辑框2), "abc");
}

TEST(FocusControl, GivesTheControlTheKeyboardFocus) {
  ShownWindow shown(ShownWindow::Commands::Unbound);
  ASSERT_TRUE(shown.active);
  for (Control control : {Control::编辑框4, Control::编辑框1, Control::按钮3, Control::编辑框2}) {
    shown.services.FocusControl(control);
    EXPECT_EQ(QApplication::focusWidget(), shown.Widget(control)) << ControlName(control);
  }
}

TEST(SetClipboardText, ReplacesEverythingOnTheClipboardWithTheText) {
  const struct {
    const char* name;
    Text text;
    QString expected;
  } cases[] = {
      {"empty text", "", u""_s},
      {"line ends", "a\r\nb\r\n", u"a\r\nb\r\n"_s},
      {"code page 936", "\xB8\xE8\xC7\xFA\xA3\xBA", u"歌曲："_s},
  };
  ShownWindow shown(ShownWindow::Commands::Unbound);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto* earlier = new QMimeData;
    earlier->setHtml(u"<b>earlier</b>"_s);
    earlier->setText(u"earlier"_s);
    QGuiApplication::clipboard()->setMimeData(earlier);
    EXPECT_TRUE(shown.services.SetClipboardText(c.text));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasText());
    EXPECT_EQ(data->text(), c.expected);
    EXPECT_FALSE(data->hasHtml());
  }
}

}  // namespace
