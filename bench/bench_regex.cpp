// The search over a whole play page: the regular-expression object on RE2
// against RE2 alone on the same page, and one hostile line of quotes that a
// backtracking engine would take minutes over.
#include <benchmark/benchmark.h>
#include <re2/re2.h>

#include <string>
#include <vector>

#include "re2_engine.h"
#include "re2_utf8.h"
#include "regex/regex_object.h"
#include "text/code_page.h"

namespace {

const Text kSearch =
    "title:\"(.*)\".*\".*\".*\"(/\\d{4}/\\d{4}-\\d{1,2}/\\d{4}-\\d{1,2}-\\d{1,2}/\\d{2,20})";

constexpr std::size_t kPageBytes = 1 << 20;
constexpr int kSongs = 200;

// About 1 MB of Chinese HTML with kSongs lines that the search matches,
// spread evenly through it.
Text MakePage() {
  const Text filler =
      "<li class=\"item\"><a href=\"/dance/play/276929.html\" title=\"热门舞曲\">中文舞曲 "
      "串烧</a><span class=\"date\">2021-03-15</span></li>\n";
  const std::size_t fillerPerSong = kPageBytes / kSongs / filler.size();
  Text page;
  page.reserve(kPageBytes + 4096);
  for (int song = 0; song < kSongs; ++song) {
    for (std::size_t i = 0; i < fillerPerSong; ++i) page += filler;
    page += "<script>var song = {title:\"歌曲名称" + std::to_string(song) +
            "\", singer:\"歌手\", path:\"/2021/2021-3/2021-3-15/" + std::to_string(100000 + song) +
            "\"};</script>\n";
  }
  return page;
}

const Text& Page() {
  static const Text page = MakePage();
  return page;
}

void BM_RegexObject_Page1MB(benchmark::State& state) {
  const Text& page = Page();
  RegexEngineFactory factory = MakeRe2EngineFactory();
  for (auto _ : state) {
    RegexObject object(factory);
    object.Create(kSearch, page);
    int count = object.MatchCount();
    for (int i = 1; i <= count; ++i) {
      benchmark::DoNotOptimize(object.SubMatchText(i, 1));
      benchmark::DoNotOptimize(object.SubMatchText(i, 2));
    }
    if (count != kSongs) state.SkipWithError("wrong number of matches");
    object.Destroy();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_RegexObject_Page1MB)->Unit(benchmark::kMillisecond);

// The same work with RE2 alone on a UTF-8 copy of the page, compiling the
// pattern each time as the object does.
void BM_RE2_Page1MB(benchmark::State& state) {
  const std::string page = Utf16ToUtf8(AnsiToUtf16(Page()));
  const std::string pattern = "(?m)" + Utf16ToUtf8(AnsiToUtf16(kSearch));
  RE2::Options options;
  options.set_case_sensitive(false);
  options.set_log_errors(false);
  for (auto _ : state) {
    RE2 re(pattern, options);
    re2::StringPiece groups[3];
    std::size_t from = 0;
    int count = 0;
    while (re.Match(page, from, page.size(), RE2::UNANCHORED, groups, 3)) {
      benchmark::DoNotOptimize(groups[1].ToString());
      benchmark::DoNotOptimize(groups[2].ToString());
      from = static_cast<std::size_t>(groups[0].data() - page.data() + groups[0].size());
      ++count;
    }
    if (count != kSongs) state.SkipWithError("wrong number of matches");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page().size()));
}
BENCHMARK(BM_RE2_Page1MB)->Unit(benchmark::kMillisecond);

// title:" and then quotes and letters, with no storage path to end a match.
void BM_RegexObject_Adversarial(benchmark::State& state) {
  Text line = "title:\"";
  while (line.size() < 7 + static_cast<std::size_t>(state.range(0))) line += "\"a\" b";
  line.resize(7 + static_cast<std::size_t>(state.range(0)));
  RegexEngineFactory factory = MakeRe2EngineFactory();
  for (auto _ : state) {
    RegexObject object(factory);
    object.Create(kSearch, line);
    if (object.MatchCount() != 0) state.SkipWithError("unexpected match");
    object.Destroy();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.size()));
}
BENCHMARK(BM_RegexObject_Adversarial)
    ->Arg(1024)
    ->Arg(10240)
    ->Arg(102400)
    ->Arg(1048576)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
