// One press of 按钮1 on a 1 MB play page, next to its two big parts measured
// alone: the fetch, and the fetch plus the search. The press goes through the
// real Qt window (offscreen), the libcurl request object, RE2 and the loopback
// server; the goal is press-to-results within 1.5 times fetch plus search.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>

#include "edit_box.h"
#include "extract/fetch_page.h"
#include "extract/search_pattern.h"
#include "loopback_http_server.h"
#include "main_window.h"
#include "platform/unix/curl_request.h"
#include "platform/unix/re2_engine.h"
#include "qt_text.h"
#include "qt_window_services.h"
#include "regex/regex_object.h"

namespace {

constexpr char kPagePath[] = "/dance/play/276929.html";

// About 1 MB of markup, with a song line every 100 KB or so.
std::string OneMegabytePage() {
  const std::string filler =
      "<li class=\"item\"><a href=\"/dance/play/1.html\">歌曲 song</a></li>\n";
  const std::string song =
      "var song={title:\"晴天\",singer:\"周\",url:\"/2021/2021-3/2021-3-15/123456\"};\n";
  std::string page;
  while (page.size() < 1'000'000) {
    for (int i = 0; i < 1600; ++i) page += filler;
    page += song;
  }
  return page;
}

struct Fixture {
  LoopbackHttpServer server{{{kPagePath, {200, {}, OneMegabytePage()}}}};
  MainWindow window;
  QtWindowServices services{window};
  CommandContext context{services, MakeCurlRequestFactory(), MakeRe2EngineFactory()};
  Text address = server.Url(kPagePath);

  Fixture() {
    window.Bind(context);
    window.show();
    window.EditBoxOf(Control::编辑框1)->setText(TextToQString(address));
  }
};

// Made in main(), inside the QApplication's lifetime.
Fixture* shared = nullptr;

Fixture& Shared() { return *shared; }

void BM_FetchOnly_1MB(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state)
    benchmark::DoNotOptimize(FetchPage(f.services, f.context.makeRequest, f.address));
}

void BM_FetchPlusSearch_1MB(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    RegexObject search(f.context.makeEngine);
    search.Create(kSearchPattern, FetchPage(f.services, f.context.makeRequest, f.address));
    const int count = search.MatchCount();
    for (int index = 1; index <= count; ++index) {
      benchmark::DoNotOptimize(search.SubMatchText(index, 1));
      benchmark::DoNotOptimize(search.SubMatchText(index, 2));
      benchmark::DoNotOptimize(search.SubMatchText(index, 2));
    }
    search.Destroy();
  }
}

void BM_PressToResults_1MB(benchmark::State& state) {
  Fixture& f = Shared();
  auto* button = qobject_cast<QAbstractButton*>(f.window.ControlWidget(Control::按钮1));
  for (auto _ : state) {
    button->click();
    state.PauseTiming();
    for (Control box : {Control::编辑框2, Control::编辑框3, Control::编辑框4})
      f.services.WriteControlText(box, "");
    state.ResumeTiming();
  }
}

BENCHMARK(BM_FetchOnly_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FetchPlusSearch_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PressToResults_1MB)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  const CurlGlobalInit curl;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  Fixture fixture;
  shared = &fixture;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
