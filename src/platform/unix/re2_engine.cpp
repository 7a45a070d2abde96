#include "re2_engine.h"

#include <re2/re2.h>

#include <memory>
#include <string>
#include <string_view>

#include "re2_matches.h"
#include "re2_replacement.h"
#include "re2_utf8.h"

namespace {

bool IsHexDigit(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// escape starts just after a backslash.
bool IsUnicodeEscape(std::u16string_view escape) {
  return escape.size() >= 5 && escape[0] == u'u' && IsHexDigit(escape[1]) &&
         IsHexDigit(escape[2]) && IsHexDigit(escape[3]) && IsHexDigit(escape[4]);
}

// RE2 spells the escape \uXXXX of the automation object's syntax \x{XXXX}.
// Every other escape is passed on whole, so that \\u stays a backslash and a u.
std::u16string WithRe2Escapes(std::u16string_view pattern) {
  std::u16string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != u'\\' || i + 1 == pattern.size()) {
      out += pattern[i];
    } else if (IsUnicodeEscape(pattern.substr(i + 1))) {
      out.append(u"\\x{").append(pattern.substr(i + 2, 4)).append(u"}");
      i += 5;
    } else {
      out.append(pattern.substr(i, 2));
      ++i;
    }
  }
  return out;
}

class Re2Engine : public RegexEngine {
 public:
  bool SetIgnoreCase(bool on) override { return Set(ignoreCase_, on); }
  bool SetMultiline(bool on) override { return Set(multiline_, on); }
  bool SetGlobal(bool on) override {
    global_ = on;
    return true;
  }
  bool SetPattern(const std::u16string& pattern) override {
    pattern_ = pattern;
    compiled_.reset();
    return true;
  }

  bool IgnoreCase() override { return ignoreCase_; }
  std::u16string Pattern() override { return pattern_; }

  std::shared_ptr<RegexMatchCollection> Execute(std::u16string subject) override {
    const RE2* re = Compiled();
    if (!re) return nullptr;
    std::vector<MatchSpans> matches = FindMatches(*re, Utf16ToUtf8(subject), global_);
    return MakeMatchCollection(std::move(subject), std::move(matches));
  }

  std::optional<std::u16string> Replace(const std::u16string& subject,
                                        const std::u16string& replacement) override {
    const RE2* re = Compiled();
    if (!re) return std::nullopt;
    return ReplaceMatches(subject, FindMatches(*re, Utf16ToUtf8(subject), global_), replacement);
  }

 private:
  bool Set(bool& option, bool on) {
    if (option != on) compiled_.reset();
    option = on;
    return true;
  }

  // Compiled once per pattern and options; null when RE2 rejects the pattern.
  const RE2* Compiled() {
    if (!compiled_) {
      RE2::Options options;
      options.set_encoding(RE2::Options::EncodingUTF8);
      options.set_case_sensitive(!ignoreCase_);
      options.set_longest_match(false);
      options.set_dot_nl(false);
      options.set_never_nl(false);
      options.set_log_errors(false);
      std::u16string pattern = (multiline_ ? u"(?m)" : u"") + WithRe2Escapes(pattern_);
      compiled_ = std::make_unique<RE2>(Utf16ToUtf8(pattern), options);
    }
    return compiled_->ok() ? compiled_.get() : nullptr;
  }

  bool ignoreCase_ = false;
  bool multiline_ = false;
  bool global_ = false;
  std::u16string pattern_;
  std::unique_ptr<RE2> compiled_;
};

}  // namespace

RegexEngineFactory MakeRe2EngineFactory() {
  return [](const Text& progId) -> std::shared_ptr<RegexEngine> {
    if (progId != kRegexProgId) return nullptr;
    return std::make_shared<Re2Engine>();
  };
}
