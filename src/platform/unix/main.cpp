#include <QApplication>

#include "run_program.h"

int main() {
  // The program takes no arguments, not even Qt's own options: Qt is given
  // the program's name alone.
  int argc = 1;
  char name[] = "velmora";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  return RunMainWindow(/*makeRequest=*/nullptr, /*makeEngine=*/nullptr);
}
