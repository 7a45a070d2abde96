// The extraction end to end: the program's window with its own bindings, the
// platform's request object and regex engine, a play page on 127.0.0.1.
#include <gtest/gtest.h>

#include "loopback.h"
#include "message_box_closer.h"
#include "vbscript_engine.h"
#include "window_harness.h"
#include "xml_http_request.h"

namespace {

class ExtractTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(LoopbackUrl().empty()) << kNoLoopbackServer;
    window_ = MainWindow::Create(GetModuleHandleA(nullptr), MakeXmlHttpRequestFactory(),
                                 MakeVbscriptEngineFactory());
    ASSERT_TRUE(window_) << "the window could not be built";
  }
  void TearDown() override {
    if (window_) PumpPending(*window_);
  }

  HWND Of(Control control) { return window_->ControlWindow(control); }
  Text TextOf(Control control) { return WindowText(Of(control)); }
  void Click(Control button) { SendMessageA(Of(button), BM_CLICK, 0, 0); }
  void SetAddress(const std::string& address) {
    SendMessageA(Of(Control::编辑框1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(address.c_str()));
  }

  std::unique_ptr<MainWindow> window_;
};

Text Mp3(const char* path) { return Text("http://" VELMORA_MP3_HOST "/mp3") + path + ".mp3\r\n"; }
Text M4a(const char* path) { return Text("http://" VELMORA_MIX_HOST "/mix") + path + ".m4a\r\n"; }

constexpr char kFirst[] = "/2021/2021-3/2021-3-15/123456";
constexpr char kSecond[] = "/2022/2022-12/2022-12-31/99";

TEST_F(ExtractTest, APlayPageFillsTheBoxesAndEachCopyButtonCopiesItsBox) {
  SetAddress(LoopbackUrl() + "/dance/play/1.html");
  Click(Control::按钮1);
  EXPECT_EQ(TextOf(Control::编辑框2), "中文标题Second");
  EXPECT_EQ(TextOf(Control::编辑框3), Mp3(kFirst) + Mp3(kSecond));
  EXPECT_EQ(TextOf(Control::编辑框4), M4a(kFirst) + M4a(kSecond));
  EXPECT_EQ(GetFocus(), Of(Control::编辑框1));

  Click(Control::按钮1);
  EXPECT_EQ(TextOf(Control::编辑框2), "中文标题Second中文标题Second")
      << "a second run appends again";

  const std::pair<Control, Control> copies[] = {{Control::按钮2, Control::编辑框2},
                                                {Control::按钮3, Control::编辑框3},
                                                {Control::按钮4, Control::编辑框4}};
  for (const auto& [button, box] : copies) {
    Click(button);
    EXPECT_EQ(ClipboardText(), TextOf(box));
  }
}

TEST_F(ExtractTest, AfterAClearTheEmptyAddressIsAskedForAndNothingIsAppended) {
  SetAddress(LoopbackUrl() + "/dance/play/1.html");
  Click(Control::按钮1);
  Click(Control::按钮5);
  for (Control box : {Control::编辑框1, Control::编辑框2, Control::编辑框3, Control::编辑框4})
    EXPECT_EQ(TextOf(box), "") << "cleared";

  MessageBoxCloser closer(IDOK, window_->Handle());
  Click(Control::按钮1);
  EXPECT_TRUE(closer.Seen().seen);
  EXPECT_EQ(closer.Seen().message, "请输入播放页面的网址！");
  EXPECT_EQ(closer.Seen().title, "信息：");
  EXPECT_FALSE(closer.Seen().mainWindowEnabled);
  for (Control box : {Control::编辑框2, Control::编辑框3, Control::编辑框4})
    EXPECT_EQ(TextOf(box), "");
}

TEST_F(ExtractTest, APageWithoutAMatchOrAnUnreachableServerAppendsNothing) {
  const std::string addresses[] = {LoopbackUrl() + "/hello.txt", LoopbackUrl() + "/missing.html",
                                   "http://127.0.0.1:1/dance/play/1.html"};
  for (const std::string& address : addresses) {
    SetAddress(address);
    Click(Control::按钮1);
    for (Control box : {Control::编辑框2, Control::编辑框3, Control::编辑框4})
      EXPECT_EQ(TextOf(box), "") << address;
  }
}

}  // namespace
