#include "regex/regex_object.h"

#include <climits>
#include <cmath>
#include <utility>

#include "regex/match_position.h"
#include "text/code_page.h"

namespace {

// Engines answer numbers as doubles; one outside the int range (or NaN) must
// not reach a plain cast, which would be undefined.
int TruncateTowardZero(double value) {
  if (std::isnan(value)) return 0;
  if (value <= INT_MIN) return INT_MIN;
  if (value >= INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

}  // namespace

RegexObject::RegexObject(RegexEngineFactory makeEngine) : makeEngine_(std::move(makeEngine)) {}

void RegexObject::Destroy() {
  Engine.reset();
  Text().swap(Subject);
  MatchList.reset();
}

RegexObject RegexObject::Copy() const { return *this; }

bool RegexObject::Create(const Text& pattern, const Text& subject,
                         std::optional<bool> caseSensitive, std::optional<bool> multiline,
                         std::optional<bool> global) {
  Engine.reset();
  if (makeEngine_) Engine = makeEngine_(kRegexProgId);
  std::shared_ptr<RegexMatchCollection> matches;
  if (Engine) {
    Engine->SetIgnoreCase(!caseSensitive.value_or(false));
    Engine->SetMultiline(multiline.value_or(true));
    Engine->SetGlobal(global.value_or(true));
    Engine->SetPattern(AnsiToUtf16(pattern));
    matches = Engine->Execute(AnsiToUtf16(subject));
  }
  MatchList = std::move(matches);
  Subject = subject;
  return MatchList != nullptr;
}

void RegexObject::NoOperation() {}

Text RegexObject::PatternText() { return Engine ? Utf16ToAnsi(Engine->Pattern()) : Text(); }

Text RegexObject::Replace(const Text& replacement) {
  if (!Engine) return {};
  std::optional<std::u16string> replaced =
      Engine->Replace(AnsiToUtf16(Subject), AnsiToUtf16(replacement));
  return replaced ? Utf16ToAnsi(*replaced) : Text();
}

int RegexObject::MatchCount() { return MatchList ? TruncateTowardZero(MatchList->Count()) : 0; }

Text RegexObject::MatchText(int index, int* position) {
  std::shared_ptr<RegexMatch> match = FetchMatch(index);
  Text text = match ? Utf16ToAnsi(match->Value()) : Text();
  if (position) *position = PositionOf(match, text);
  return text;
}

Text RegexObject::SubMatchText(int index, int group, int* position) {
  std::shared_ptr<RegexMatch> match = FetchMatch(index);
  std::shared_ptr<RegexSubMatches> groups = match ? match->SubMatches() : nullptr;
  std::optional<std::u16string> value;
  if (groups && group >= 1) value = groups->Item(group - 1);
  Text text = value ? Utf16ToAnsi(*value) : Text();
  if (position) *position = PositionOf(match, text);
  return text;
}

int RegexObject::SubMatchCount() {
  std::shared_ptr<RegexMatch> first = FetchMatch(1);
  std::shared_ptr<RegexSubMatches> groups = first ? first->SubMatches() : nullptr;
  return groups ? TruncateTowardZero(groups->Count()) : 0;
}

// Index 0 and below never name a match; handing index - 1 on for INT_MIN would
// overflow.
std::shared_ptr<RegexMatch> RegexObject::FetchMatch(int index) {
  if (!MatchList || index < 1) return nullptr;
  return MatchList->Item(index - 1);
}

int RegexObject::PositionOf(const std::shared_ptr<RegexMatch>& match, const Text& needle) {
  int firstIndex = match ? TruncateTowardZero(match->FirstIndex()) : 0;
  bool ignoreCase = Engine && Engine->IgnoreCase();
  return FindTextPosition(Subject, firstIndex, needle, ignoreCase);
}
