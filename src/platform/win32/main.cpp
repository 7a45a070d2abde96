// The Windows program: start-up, the message loop, shut-down.
#include <windows.h>

#include "main_window.h"
#include "vbscript_engine.h"
#include "xml_http_request.h"

namespace {

int RunProgram(HINSTANCE instance) {
  std::unique_ptr<MainWindow> window =
      MainWindow::Create(instance, MakeXmlHttpRequestFactory(), MakeVbscriptEngineFactory());
  if (!window) {
    MessageBoxA(nullptr, "无法创建主窗口，程序将退出。", "错误",
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    return -1;
  }
  return RunMessageLoop(*window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The result is not looked at: without COM the automation objects fail
  // when they are made, and report that themselves.
  OleInitialize(nullptr);
  const int code = RunProgram(instance);
  OleUninitialize();
  return code;
}
