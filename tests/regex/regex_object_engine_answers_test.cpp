// RegexObject against numbers that no sound engine gives, but that cross the
// seam as doubles all the same: they must come out as clear answers, never as
// undefined conversions or reads past the subject.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>

#include "regex/match_position.h"
#include "regex/regex_object.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

class ScriptedMatch : public RegexMatch {
 public:
  ScriptedMatch(double firstIndex, std::u16string value)
      : firstIndex_(firstIndex), value_(std::move(value)) {}

  std::u16string Value() override { return value_; }
  double FirstIndex() override { return firstIndex_; }
  std::shared_ptr<RegexSubMatches> SubMatches() override { return nullptr; }

 private:
  double firstIndex_;
  std::u16string value_;
};

// One run whose count and first match's offset are whatever the test says.
class ScriptedRun : public RegexMatchCollection {
 public:
  ScriptedRun(double count, std::shared_ptr<RegexMatch> first)
      : count_(count), first_(std::move(first)) {}

  double Count() override { return count_; }
  std::shared_ptr<RegexMatch> Item(int index) override { return index == 0 ? first_ : nullptr; }

 private:
  double count_;
  std::shared_ptr<RegexMatch> first_;
};

class ScriptedEngine : public RegexEngine {
 public:
  explicit ScriptedEngine(std::shared_ptr<ScriptedRun> run) : run_(std::move(run)) {}

  bool SetIgnoreCase(bool) override { return true; }
  bool SetMultiline(bool) override { return true; }
  bool SetGlobal(bool) override { return true; }
  bool SetPattern(const std::u16string&) override { return true; }
  bool IgnoreCase() override { return false; }
  std::u16string Pattern() override { return u""; }
  std::shared_ptr<RegexMatchCollection> Execute(std::u16string) override { return run_; }
  std::optional<std::u16string> Replace(const std::u16string&, const std::u16string&) override {
    return std::nullopt;
  }

 private:
  std::shared_ptr<ScriptedRun> run_;
};

RegexObject ObjectAnswering(double count, double firstIndex, std::u16string value) {
  auto run = std::make_shared<ScriptedRun>(
      count, std::make_shared<ScriptedMatch>(firstIndex, std::move(value)));
  return RegexObject([run](const Text&) { return std::make_shared<ScriptedEngine>(run); });
}

}  // namespace

TEST(RegexObjectEngineAnswers, CountsTruncateTowardZeroAndStayInRange) {
  struct Case {
    const char* name;
    double count;
    int expected;
  };
  const Case cases[] = {
      {"fraction", 2.9, 2},          {"negative fraction", -1.5, -1},
      {"beyond int", 1e12, INT_MAX}, {"below int", -1e12, INT_MIN},
      {"not a number", kNaN, 0},     {"infinity", INFINITY, INT_MAX},
  };
  for (const Case& c : cases) {
    RegexObject object = ObjectAnswering(c.count, 0, u"b");
    object.Create("b", "abc");
    EXPECT_EQ(object.MatchCount(), c.expected) << c.name;
  }
}

TEST(RegexObjectEngineAnswers, OffsetsOutsideTheSubjectGiveClearPositions) {
  struct Case {
    const char* name;
    double firstIndex;
    std::u16string value;
    Text subject;
    int expected;
  };
  const Case cases[] = {
      {"far beyond the subject", 1e9, u"b", "abc", kNoPosition},
      {"just beyond the subject", 4, u"b", "abc", kNoPosition},
      {"empty text beyond the subject", 4, u"", "abc", kNoPosition},
      {"after the text", 3, u"b", "abc", kNoPosition},
      {"negative", -7, u"b", "abc", 1},
      {"not a number", kNaN, u"b", "abc", 1},
      {"text longer than the rest", 2, u"bcd", "abc", kNoPosition},
      {"subject ends in a cut-off lead byte", 0, u"z", "ab\xD6", kNoPosition},
  };
  for (const Case& c : cases) {
    RegexObject object = ObjectAnswering(1, c.firstIndex, c.value);
    object.Create("b", c.subject);
    int position = 12345;
    object.MatchText(1, &position);
    EXPECT_EQ(position, c.expected) << c.name;
  }
}
