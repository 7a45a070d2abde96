#include "re2_matches.h"

#include <utility>

#include "re2_utf8.h"

namespace {

// Turns UTF-8 byte offsets into UTF-16 offsets by counting forward from the
// last offset turned, so that a run over the whole subject counts each byte
// about once however many matches it finds.
class Utf16Counter {
 public:
  explicit Utf16Counter(std::string_view utf8) : utf8_(utf8) {}

  // byteOffset must not lie before the last one asked for.
  std::size_t At(std::size_t byteOffset) {
    units_ += Utf16Length(utf8_.substr(bytes_, byteOffset - bytes_));
    bytes_ = byteOffset;
    return units_;
  }
  // A later offset from a known pair, without moving the counter.
  std::size_t From(std::size_t fromBytes, std::size_t fromUnits, std::size_t byteOffset) const {
    return fromUnits + Utf16Length(utf8_.substr(fromBytes, byteOffset - fromBytes));
  }

 private:
  std::string_view utf8_;
  std::size_t bytes_ = 0;
  std::size_t units_ = 0;
};

MatchSpans ToSpans(const std::vector<re2::StringPiece>& pieces, std::string_view utf8,
                   Utf16Counter& counter) {
  auto offsetOf = [&](const char* p) { return static_cast<std::size_t>(p - utf8.data()); };
  std::size_t start = offsetOf(pieces[0].data());
  std::size_t startUnits = counter.At(start);
  auto span = [&](const re2::StringPiece& piece) {
    std::size_t begin = offsetOf(piece.data());
    std::size_t beginUnits = counter.From(start, startUnits, begin);
    return Span{beginUnits, counter.From(begin, beginUnits, begin + piece.size())};
  };
  MatchSpans match{span(pieces[0]), {}};
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    if (pieces[i].data() == nullptr)
      match.groups.push_back(std::nullopt);
    else
      match.groups.push_back(span(pieces[i]));
  }
  return match;
}

// What one Execute found; shared by the collection and every match taken
// from it.
struct Run {
  std::u16string subject;
  std::vector<MatchSpans> matches;

  std::u16string Slice(Span span) const {
    return subject.substr(span.begin, span.end - span.begin);
  }
};

class SubMatches : public RegexSubMatches {
 public:
  SubMatches(std::shared_ptr<const Run> run, std::size_t match)
      : run_(std::move(run)), groups_(run_->matches[match].groups) {}

  double Count() override { return static_cast<double>(groups_.size()); }
  std::optional<std::u16string> Item(int index) override {
    if (index < 0 || static_cast<std::size_t>(index) >= groups_.size()) return std::nullopt;
    const std::optional<Span>& group = groups_[static_cast<std::size_t>(index)];
    if (!group) return std::nullopt;
    return run_->Slice(*group);
  }

 private:
  std::shared_ptr<const Run> run_;
  const std::vector<std::optional<Span>>& groups_;  // inside *run_
};

class Match : public RegexMatch {
 public:
  Match(std::shared_ptr<const Run> run, std::size_t match) : run_(std::move(run)), match_(match) {}

  std::u16string Value() override { return run_->Slice(run_->matches[match_].whole); }
  double FirstIndex() override { return static_cast<double>(run_->matches[match_].whole.begin); }
  std::shared_ptr<RegexSubMatches> SubMatches() override {
    return std::make_shared<::SubMatches>(run_, match_);
  }

 private:
  std::shared_ptr<const Run> run_;
  std::size_t match_;
};

class MatchCollection : public RegexMatchCollection {
 public:
  explicit MatchCollection(std::shared_ptr<const Run> run) : run_(std::move(run)) {}

  double Count() override { return static_cast<double>(run_->matches.size()); }
  std::shared_ptr<RegexMatch> Item(int index) override {
    if (index < 0 || static_cast<std::size_t>(index) >= run_->matches.size()) return nullptr;
    return std::make_shared<Match>(run_, static_cast<std::size_t>(index));
  }

 private:
  std::shared_ptr<const Run> run_;
};

}  // namespace

std::vector<MatchSpans> FindMatches(const RE2& re, std::string_view utf8, bool global) {
  std::vector<re2::StringPiece> pieces(1 + static_cast<std::size_t>(re.NumberOfCapturingGroups()));
  re2::StringPiece text(utf8.data(), utf8.size());
  Utf16Counter counter(utf8);
  std::vector<MatchSpans> matches;
  std::size_t from = 0;
  while (from <= utf8.size() && re.Match(text, from, utf8.size(), RE2::UNANCHORED, pieces.data(),
                                         static_cast<int>(pieces.size()))) {
    matches.push_back(ToSpans(pieces, utf8, counter));
    if (!global) break;
    from = static_cast<std::size_t>(pieces[0].data() - utf8.data()) + pieces[0].size();
    if (pieces[0].empty()) from += from < utf8.size() ? Utf8CharacterLength(utf8[from]) : 1;
  }
  return matches;
}

std::shared_ptr<RegexMatchCollection> MakeMatchCollection(std::u16string subject,
                                                          std::vector<MatchSpans> matches) {
  return std::make_shared<MatchCollection>(
      std::make_shared<const Run>(Run{std::move(subject), std::move(matches)}));
}
