// The matches of one RE2 run, in UTF-16 code units of the subject, and the
// match collection that Execute hands out over them.
#pragma once

#include <re2/re2.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "regex/regex_engine.h"

// [begin, end) in UTF-16 code units.
struct Span {
  std::size_t begin;
  std::size_t end;
};

struct MatchSpans {
  Span whole;
  std::vector<std::optional<Span>> groups;  // std::nullopt: took no part
};

// The matches of re in utf8, left to right and not overlapping; only the first
// unless global. Each search starts where the last match ended, one character
// further after an empty match, so that an empty match never repeats.
std::vector<MatchSpans> FindMatches(const RE2& re, std::string_view utf8, bool global);

// A collection that owns the subject and the spans, so that it and every match
// taken from it outlive the engine.
std::shared_ptr<RegexMatchCollection> MakeMatchCollection(std::u16string subject,
                                                          std::vector<MatchSpans> matches);
