#include <QApplication>

#include "curl_request.h"
#include "re2_engine.h"
#include "run_program.h"

int main() {
  // The program takes no arguments, not even Qt's own options: Qt is given
  // the program's name alone.
  int argc = 1;
  char name[] = "velmora";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  const CurlGlobalInit curl;
  return RunMainWindow(MakeCurlRequestFactory(), MakeRe2EngineFactory());
}
