// The whole path of one press of 按钮1 on Linux: the Qt window offscreen, the
// libcurl request object against the loopback server, and the RE2 engine.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>

#include "edit_box.h"
#include "loopback_http_server.h"
#include "main_window.h"
#include "platform/unix/curl_request.h"
#include "platform/unix/re2_engine.h"
#include "qt_text.h"
#include "qt_window_services.h"

namespace {

void Click(MainWindow& window, Control button) {
  qobject_cast<QAbstractButton*>(window.ControlWidget(button))->click();
}

TEST(WindowExtract, PressingTheButtonFillsTheBoxesAndTheMp3BoxCopiesWithItsLineEnds) {
  const CurlGlobalInit curl;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "velmora";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);

  const Text path1 = "/2021/2021-3/2021-3-15/123456";
  const Text path2 = "/2022/2022-12/2022-12-31/99";
  LoopbackHttpServer server(
      {{"/dance/play/276929.html",
        {200,
         {{"Content-Type", "text/html; charset=gbk"}},
         "<script>var a={title:\"晴天\",s:\"周\",u:\"" + path1 +
             "\"};\nvar b={title:\"七里香\",s:\"周\",u:\"" + path2 + "\"};</script>"}}});
  ASSERT_TRUE(server.ok());

  MainWindow window;
  QtWindowServices services(window);
  const CommandContext context{services, MakeCurlRequestFactory(), MakeRe2EngineFactory()};
  window.Bind(context);
  window.show();
  window.EditBoxOf(Control::编辑框1)->setText(TextToQString(server.Url("/dance/play/276929.html")));

  Click(window, Control::按钮1);
  const Text mp3Lines = "http://" VELMORA_MP3_HOST "/mp3" + path1 +
                        ".mp3\r\nhttp://" VELMORA_MP3_HOST "/mp3" + path2 + ".mp3\r\n";
  EXPECT_EQ(services.ReadControlText(Control::编辑框2), "晴天七里香");
  EXPECT_EQ(services.ReadControlText(Control::编辑框3), mp3Lines);
  EXPECT_EQ(services.ReadControlText(Control::编辑框4),
            "http://" VELMORA_MIX_HOST "/mix" + path1 + ".m4a\r\nhttp://" VELMORA_MIX_HOST "/mix" +
                path2 + ".m4a\r\n");

  Click(window, Control::按钮3);
  EXPECT_EQ(QStringToText(QGuiApplication::clipboard()->text()), mp3Lines);
}

}  // namespace
