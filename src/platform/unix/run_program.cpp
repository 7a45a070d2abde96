#include "run_program.h"

#include <QApplication>
#include <QWindow>
#include <utility>

#include "app/message_box.h"
#include "main_window.h"
#include "qt_message_box.h"
#include "qt_window_services.h"

namespace {

// Qt reports a native window it could not make only by a warning and a null
// platform window.
bool HasNativeWindow(MainWindow& window) {
  window.winId();
  return window.windowHandle() && window.windowHandle()->handle();
}

}  // namespace

int RunMainWindow(HttpRequestFactory makeRequest, RegexEngineFactory makeEngine) {
  MainWindow window;
  if (!HasNativeWindow(window)) {
    ShowQtMessageBox(QStringLiteral(u"无法创建主窗口，程序将退出。"), kMbIconError,
                     QStringLiteral(u"错误"));
    return -1;
  }
  QtWindowServices services(window);
  const CommandContext context{services, std::move(makeRequest), std::move(makeEngine)};
  window.Bind(context);
  window.show();
  window.activateWindow();
  return QApplication::exec();
}
