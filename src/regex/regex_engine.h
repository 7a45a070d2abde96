// The regular-expression engine, shaped like the automation object
// "VBScript.RegExp" as far as RegexObject relies on it.
//
// Made by ProgID through a RegexEngineFactory; on Windows it is the platform's
// automation object, on Linux an adapter over RE2. Strings cross this seam as
// UTF-16; RegexObject converts its code page 936 texts on the way.
//
// Nothing here throws. A failed call answers the empty value of its kind: a
// null pointer, 0, an empty string or std::nullopt. Objects are shared:
// a match collection stays valid while anyone holds it, even after its engine
// has been released.
//
// Semantics every adapter holds: '.' matches anything but a line feed (it does
// match "\r"); IgnoreCase folds letters; Multiline makes ^ and $ match at every
// line; Global yields every match left to right, not overlapping, stepping one
// character past an empty match; FirstIndex counts UTF-16 code units; a pattern
// the engine cannot run makes Execute fail.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "text/text.h"

// "SubMatches": the capture groups of one match.
class RegexSubMatches {
 public:
  virtual ~RegexSubMatches() = default;
  virtual double Count() = 0;
  // Group index + 1's text; std::nullopt for a group that took no part in the
  // match (the automation object's empty value) and for an index out of range.
  virtual std::optional<std::u16string> Item(int index) = 0;
};

class RegexMatch {
 public:
  virtual ~RegexMatch() = default;
  virtual std::u16string Value() = 0;
  // 0-based offset of the match in the subject, in UTF-16 code units.
  virtual double FirstIndex() = 0;
  virtual std::shared_ptr<RegexSubMatches> SubMatches() = 0;
};

// What "Execute" returns.
class RegexMatchCollection {
 public:
  virtual ~RegexMatchCollection() = default;
  virtual double Count() = 0;
  // Null for an index outside 0 to Count() - 1.
  virtual std::shared_ptr<RegexMatch> Item(int index) = 0;
};

class RegexEngine {
 public:
  virtual ~RegexEngine() = default;

  // Property writes answer whether they took effect.
  virtual bool SetIgnoreCase(bool on) = 0;
  virtual bool SetMultiline(bool on) = 0;
  virtual bool SetGlobal(bool on) = 0;
  virtual bool SetPattern(const std::u16string& pattern) = 0;

  virtual bool IgnoreCase() = 0;
  virtual std::u16string Pattern() = 0;

  // Null when the pattern is rejected or cannot be run. The subject is taken
  // by value: an engine may keep it for its matches, and a page is megabytes.
  virtual std::shared_ptr<RegexMatchCollection> Execute(std::u16string subject) = 0;

  // The subject with the matches replaced; $$, $&, $`, $' and $n / $nn are
  // expanded. std::nullopt when the call fails.
  virtual std::optional<std::u16string> Replace(const std::u16string& subject,
                                                const std::u16string& replacement) = 0;
};

inline constexpr char kRegexProgId[] = "VBScript.RegExp";

// Makes an engine by ProgID; null when none can be made.
using RegexEngineFactory = std::function<std::shared_ptr<RegexEngine>(const Text& progId)>;
