// Times one run of the extraction's search over one line, on the platform's
// regex engine: `adversarial_line N hostile|benign`. Not a test; the script
// measure-adversarial-line runs it under Wine and stops it after 60 s.
//
// hostile: title:" then N bytes of quotes and letters and no storage path,
// which makes a backtracking engine try every way to place the pattern's
// quotes. benign: the same length of letters ending in a line that matches.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "extract/search_pattern.h"
#include "regex/regex_object.h"
#include "vbscript_engine.h"

namespace {

Text Line(std::size_t length, bool hostile) {
  Text line = "title:\"";
  const Text tail = hostile ? "" : "\" \"a\" \"b\" \"/2021/2021-3/2021-3-15/123456\"";
  const Text filler = hostile ? "\"a\" b" : "abcde";
  while (line.size() + tail.size() < 7 + length) line += filler;
  line.resize(7 + length - tail.size());
  return line + tail;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: adversarial_line BYTES hostile|benign\n");
    return 2;
  }
  const std::size_t length = std::strtoul(argv[1], nullptr, 10);
  const bool hostile = std::string(argv[2]) == "hostile";
  OleInitialize(nullptr);
  const Text line = Line(length, hostile);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  int matches = 0;
  {
    RegexObject search(MakeVbscriptEngineFactory());
    QueryPerformanceCounter(&start);
    search.Create(kSearchPattern, line);
    matches = search.MatchCount();
    QueryPerformanceCounter(&end);
  }
  OleUninitialize();
  const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart);
  std::printf("%zu %s %.3f ms, %d match(es)\n", line.size(), argv[2], ms, matches);
  return 0;
}
