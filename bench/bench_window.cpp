// The Linux window: building and showing it, and the cost of an append, which
// rewrites the whole text of the box (QLineEdit offers no insertion outside its
// undo history), next to QLineEdit's own undoable insertion at the end.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "edit_box.h"
#include "main_window.h"
#include "qt_text.h"
#include "qt_window_services.h"

namespace {

void BM_BuildAndShowMainWindow(benchmark::State& state) {
  for (auto _ : state) {
    MainWindow window;
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.grab());
  }
}
BENCHMARK(BM_BuildAndShowMainWindow)->Unit(benchmark::kMillisecond);

const Text kLine = "http://mp3.example/mp3/2024/05/01/abcdef0123456789.mp3\r\n";

// One line appended to a box that already holds state.range(0) bytes.
void BM_AppendEditText(benchmark::State& state) {
  MainWindow window;
  QtWindowServices services(window);
  const QString filled(static_cast<qsizetype>(state.range(0)), u'x');
  for (auto _ : state) {
    state.PauseTiming();
    window.EditBoxOf(Control::编辑框3)->setText(filled);
    state.ResumeTiming();
    services.AppendEditText(Control::编辑框3, kLine);
  }
}
BENCHMARK(BM_AppendEditText)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);

void BM_UndoableInsertAtEnd(benchmark::State& state) {
  MainWindow window;
  EditBox* box = window.EditBoxOf(Control::编辑框3);
  const QString filled(static_cast<qsizetype>(state.range(0)), u'x');
  const QString line = TextToQString(kLine);
  for (auto _ : state) {
    state.PauseTiming();
    box->setText(filled);
    state.ResumeTiming();
    box->end(false);
    box->insert(line);
  }
}
BENCHMARK(BM_UndoableInsertAtEnd)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  char name[] = "bench_window";
  char* qtArgv[] = {name, nullptr};
  QApplication application(qtArgc, qtArgv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
