// One regular expression run over one subject, and the answers about its
// matches: how many, the text of a match or of one of its capture groups, and
// the byte offset at which that text stands in the subject.
//
// The matching is done by a "VBScript.RegExp" engine made by the factory; texts
// cross to it as UTF-16. Indices count from 1 (match 1, group 1). Nothing here
// throws and nothing reports an error: a query that cannot be answered gives
// the empty Text or 0, and only Create says whether the engine ran.
//
// Copying the object (Copy, or the copy constructor) shares the engine and the
// match collection and copies the subject; a later Create on either object
// replaces only that object's references.
#pragma once

#include <memory>
#include <optional>

#include "regex/regex_engine.h"
#include "text/text.h"

class RegexObject {
 public:
  // Makes no engine yet: a new object has no matches.
  explicit RegexObject(RegexEngineFactory makeEngine);

  // Releases the engine, frees the subject, then releases the matches.
  void Destroy();
  RegexObject Copy() const;

  // Makes a new engine, sets IgnoreCase to !caseSensitive, Multiline and Global
  // (omitted: false, true, true) and the pattern, runs it over subject and keeps
  // a copy of subject. True when the engine returned a match collection, even
  // an empty one; false when no engine could be made or it rejected the pattern.
  bool Create(const Text& pattern, const Text& subject,
              std::optional<bool> caseSensitive = std::nullopt,
              std::optional<bool> multiline = std::nullopt,
              std::optional<bool> global = std::nullopt);
  void NoOperation();

  // The pattern as the engine reads it back, also after it rejected it.
  Text PatternText();
  // The subject with the matches of the last pattern replaced (only the first
  // when Global was off); $$, $&, $`, $' and $n / $nn as the engine reads them.
  Text Replace(const Text& replacement);

  int MatchCount();
  // When position is given it receives the byte offset of the text in the
  // subject, kNoPosition (-2) when it is not found.
  Text MatchText(int index, int* position = nullptr);
  // The empty Text for a group that took no part in its match.
  Text SubMatchText(int index, int group, int* position = nullptr);
  // The number of capture groups, read from the first match; 0 without one.
  int SubMatchCount();

 private:
  std::shared_ptr<RegexMatch> FetchMatch(int index);
  int PositionOf(const std::shared_ptr<RegexMatch>& match, const Text& needle);

  RegexEngineFactory makeEngine_;
  std::shared_ptr<RegexEngine> Engine;
  std::shared_ptr<RegexMatchCollection> MatchList;
  Text Subject;
};
