// The window on a real X server (Xvfb, 800 x 600, with or without a window
// manager), and the clipboard as another program reads it.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "placement.h"
#include "shown_window.h"

namespace {

TEST(OnX11, TheOuterWindowIsCentredOnAnEightHundredBySixHundredScreen) {
  ShownWindow shown(ShownWindow::Commands::Unbound);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window));
  ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 600));
  // A window manager frames the window some time after it is shown; the check
  // after the wait says what came of it.
  const QRect outer(158, 175, 483, 249);
  (void)QTest::qWaitFor([&] { return shown.window.frameGeometry() == outer; });
  EXPECT_EQ(shown.window.frameGeometry(), outer);
  const QMargins frame = shown.window.windowHandle()->frameMargins();
  EXPECT_EQ(shown.window.size(), outer.size().shrunkBy(frame));
}

// Runs xclip while the event loop serves the clipboard to it; xclip fails
// when the clipboard holds no text at all.
struct XclipResult {
  bool finished = false;
  int exitCode = -1;
  QByteArray output;
};
XclipResult ReadClipboardWithXclip() {
  QProcess xclip;
  QEventLoop loop;
  QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(20'000, &loop, &QEventLoop::quit);
  xclip.start(QStringLiteral("xclip"),
              {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
  if (xclip.waitForStarted()) loop.exec();
  XclipResult result;
  result.finished = xclip.state() == QProcess::NotRunning;
  if (!result.finished) xclip.kill();
  xclip.waitForFinished();
  result.exitCode = xclip.exitCode();
  result.output = xclip.readAllStandardOutput();
  return result;
}

TEST(OnX11, AnotherProgramReadsTheClipboardByteForByteAndAnEmptyTextAsEmpty) {
  if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
    GTEST_SKIP() << "xclip is not installed";
  const struct {
    const char* name;
    Text text;
    QByteArray utf8;
  } cases[] = {
      {"line ends", "a\r\nb\r\n", "a\r\nb\r\n"},
      {"code page 936", "\xB8\xE8\xC7\xFA", QByteArray(reinterpret_cast<const char*>(u8"歌曲"))},
      {"empty text", "", ""},
  };
  ShownWindow shown(ShownWindow::Commands::Unbound);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
    ASSERT_TRUE(shown.services.SetClipboardText(c.text));
    const XclipResult read = ReadClipboardWithXclip();
    ASSERT_TRUE(read.finished);
    EXPECT_EQ(read.exitCode, 0);
    EXPECT_EQ(read.output, c.utf8);
  }
}

}  // namespace
