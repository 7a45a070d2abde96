#include "app/copy_clear_commands.h"

#include <gtest/gtest.h>

#include "app/bindings.h"
#include "fake_window_services.h"

using Op = ServiceCall::Op;

TEST(CopyCommand, CopiesTheWholeBoxIncludingLineEnds) {
  FakeWindowServices window;
  window.texts[Control::编辑框3] = "http://a/1.mp3\r\nhttp://a/2.mp3\r\n";
  CopyBoxToClipboard(window, Control::编辑框3);
  EXPECT_EQ(window.clipboard, "http://a/1.mp3\r\nhttp://a/2.mp3\r\n");
  EXPECT_EQ(window.texts[Control::编辑框3], "http://a/1.mp3\r\nhttp://a/2.mp3\r\n");
}

TEST(CopyCommand, AnEmptyBoxPutsTheEmptyTextOnTheClipboard) {
  FakeWindowServices window;
  window.clipboard = "earlier";
  CopyBoxToClipboard(window, Control::编辑框2);
  EXPECT_EQ(window.clipboard, "");
}

TEST(CopyCommand, AFailedCopyShowsNothing) {
  FakeWindowServices window;
  window.clipboardFails = true;
  window.texts[Control::编辑框4] = "x";
  CopyBoxToClipboard(window, Control::编辑框4);
  EXPECT_TRUE(window.CallsOf(Op::MessageBox).empty());
}

TEST(ClearCommand, EmptiesAllFourBoxesInOrderAndLeavesTheClipboard) {
  FakeWindowServices window;
  window.clipboard = "kept";
  for (Control box : {Control::编辑框1, Control::编辑框2, Control::编辑框3, Control::编辑框4})
    window.texts[box] = "歌曲";
  ClearAllBoxes(window);
  std::vector<ServiceCall> expected;
  for (Control box : {Control::编辑框1, Control::编辑框2, Control::编辑框3, Control::编辑框4})
    expected.push_back({Op::Write, box, ""});
  EXPECT_EQ(window.calls, expected);
  EXPECT_EQ(window.clipboard, "kept");
}

TEST(BindingTable, EachCopyButtonCopiesTheBoxBesideIt) {
  const std::pair<Control, Control> rows[] = {{Control::按钮2, Control::编辑框2},
                                              {Control::按钮3, Control::编辑框3},
                                              {Control::按钮4, Control::编辑框4}};
  for (auto [button, box] : rows) {
    FakeWindowServices window;
    window.texts[box] = "text of the box";
    CommandContext context{window, nullptr, nullptr};
    for (const Binding& binding : kBindingTable)
      if (binding.control == button && binding.event == ControlEvent::Clicked)
        binding.command(context);
    EXPECT_EQ(window.clipboard, "text of the box") << static_cast<int>(button);
  }
}
