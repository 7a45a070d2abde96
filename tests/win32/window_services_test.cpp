// The window services on the real controls: texts read live, appends at the
// end without undo, the clipboard, the focus and task-modal message boxes.
#include <gtest/gtest.h>

#include <thread>

#include "app/message_box.h"
#include "message_box_closer.h"
#include "window_harness.h"

namespace {

class WindowServicesTest : public RecordingWindowTest {
 protected:
  WindowServices& Services() { return window_->Services(); }
  void Select(Control box, int start, int end) { SendMessageA(Of(box), EM_SETSEL, start, end); }
};

TEST_F(WindowServicesTest, ReadsWhatTheBoxShowsNow) {
  EXPECT_EQ(Services().ReadControlText(Control::编辑框2), "");
  SendMessageA(Of(Control::编辑框2), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("歌曲 title"));
  EXPECT_EQ(Services().ReadControlText(Control::编辑框2), "歌曲 title");
  const Text long_(100000, 'x');
  Services().WriteControlText(Control::编辑框3, long_);
  EXPECT_EQ(Services().ReadControlText(Control::编辑框3), long_);
  EXPECT_EQ(Services().ReadControlText(Control::按钮1), "一键获取下载地址");
}

TEST_F(WindowServicesTest, AppendsAtTheEndWhateverIsSelected) {
  struct Case {
    const char* name;
    Text before;
    int selectStart, selectEnd;
    std::vector<Text> appends;
    Text after;
  };
  const Case cases[] = {
      {"ab then c to an empty box", "", 0, 0, {"ab", "c"}, "abc"},
      {"a word selected in the middle", "one two three", 4, 7, {"ab", "c"}, "one two threeabc"},
      {"caret at the start", "xyz", 0, 0, {"!"}, "xyz!"},
      {"line ends go in as they are", "a\r\n", 0, 1, {"b\r\n", "c\r\n"}, "a\r\nb\r\nc\r\n"},
      {"Chinese text", "中", 0, 1, {"文"}, "中文"},
      {"an empty text", "abc", 0, 2, {""}, "abc"},
      {"past the box's default limit", "", 0, 0, {Text(40000, 'y'), "z"}, Text(40000, 'y') + "z"},
  };
  for (const Case& c : cases) {
    Services().WriteControlText(Control::编辑框4, c.before);
    Select(Control::编辑框4, c.selectStart, c.selectEnd);
    for (const Text& text : c.appends) Services().AppendEditText(Control::编辑框4, text);
    EXPECT_EQ(WindowText(Of(Control::编辑框4)), c.after) << c.name;
    DWORD start = 0, end = 0;
    SendMessageA(Of(Control::编辑框4), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(Of(Control::编辑框4)));
    EXPECT_EQ(start, length) << c.name << ": the caret stands behind the text, nothing selected";
    EXPECT_EQ(end, length) << c.name;
  }
}

TEST_F(WindowServicesTest, UndoDoesNotTakeAnAppendBack) {
  const HWND box = Of(Control::编辑框2);
  Services().WriteControlText(Control::编辑框2, "abc");
  SendMessageA(box, EM_SETSEL, 3, 3);
  SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("typed"));
  Services().AppendEditText(Control::编辑框2, "appended");
  SendMessageA(box, EM_UNDO, 0, 0);
  EXPECT_EQ(WindowText(box), "abctypedappended");
}

TEST_F(WindowServicesTest, TheClipboardGetsTheTextAsAnsiText) {
  const Text cases[] = {"http://a/1.mp3\r\nhttp://a/2.mp3\r\n", "歌曲名称", ""};
  for (const Text& text : cases) {
    ASSERT_TRUE(Services().SetClipboardText("something else"));
    EXPECT_TRUE(Services().SetClipboardText(text)) << text;
    EXPECT_EQ(ClipboardText(), text);
  }
}

// While another window holds the clipboard open, the copy fails and leaves
// the clipboard as it was.
TEST_F(WindowServicesTest, ABusyClipboardIsLeftAlone) {
  ASSERT_TRUE(Services().SetClipboardText("before"));
  HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    const HWND owner =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const bool open = OpenClipboard(owner);
    SetEvent(opened);
    WaitForSingleObject(release, 10000);
    if (open) CloseClipboard();
    DestroyWindow(owner);
  });
  WaitForSingleObject(opened, 10000);
  EXPECT_FALSE(Services().SetClipboardText("after"));
  SetEvent(release);
  holder.join();
  CloseHandle(opened);
  CloseHandle(release);
  EXPECT_EQ(ClipboardText(), "before");
}

TEST_F(WindowServicesTest, FocusMovesToTheControl) {
  for (Control control : {Control::编辑框3, Control::按钮4, Control::编辑框1}) {
    Services().FocusControl(control);
    EXPECT_EQ(GetFocus(), Of(control));
  }
}

TEST_F(WindowServicesTest, MessageBoxesAreTaskModalWithTheirTitleIconAndResult) {
  struct Case {
    const char* name;
    Text message;
    unsigned style;
    std::optional<Text> title;
    int press;
    Text shownTitle;
    bool icon;
    bool mainWindowEnabled;
    int result;
  };
  const Case cases[] = {
      {"style 0 without a title", "请输入播放页面的网址！", kMbOk, std::nullopt, IDOK, "信息：",
       false, false, 0},
      {"information with a title", "创建对象失败！", kMbIconInformation, Text("错误"), IDOK, "错误",
       true, false, 0},
      {"OK and Cancel", "?", kMbOkCancel, Text("t"), IDCANCEL, "t", false, false, 1},
      {"Yes and No", "?", kMbYesNo | kMbIconQuestion, Text("t"), IDNO, "t", true, false, 6},
      {"system-modal boxes are not made task-modal", "!", kMbSystemModal, Text("s"), IDOK, "s",
       false, true, 0},
  };
  for (const Case& c : cases) {
    MessageBoxCloser closer(c.press, window_->Handle());
    const int result = Services().ShowMessageBox(c.message, c.style, c.title);
    const SeenMessageBox& seen = closer.Seen();
    ASSERT_TRUE(seen.seen) << c.name;
    EXPECT_EQ(seen.title, c.shownTitle) << c.name;
    EXPECT_EQ(seen.message, c.message) << c.name;
    EXPECT_EQ(seen.hasIcon, c.icon) << c.name;
    EXPECT_EQ(seen.mainWindowEnabled, c.mainWindowEnabled) << c.name;
    EXPECT_EQ(result, c.result) << c.name;
    EXPECT_TRUE(IsWindowEnabled(window_->Handle()))
        << c.name << ": enabled again once the box is closed";
  }
}

}  // namespace
