#include "re2_replacement.h"

#include <cstddef>

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// How many digits at the start of digits name a group (2, 1 or 0), and which.
std::size_t GroupReference(std::u16string_view digits, std::size_t groupCount, std::size_t& group) {
  if (digits.empty() || !IsDigit(digits[0])) return 0;
  std::size_t one = digits[0] - u'0';
  if (digits.size() > 1 && IsDigit(digits[1])) {
    std::size_t two = one * 10 + (digits[1] - u'0');
    if (two >= 1 && two <= groupCount) {
      group = two;
      return 2;
    }
  }
  if (one < 1 || one > groupCount) return 0;
  group = one;
  return 1;
}

std::u16string_view Slice(std::u16string_view subject, Span span) {
  return subject.substr(span.begin, span.end - span.begin);
}

// The text that the $ form at the start of form stands for, and how many code
// units of form it takes; 0 when the $ stands for itself.
std::size_t ExpandDollar(std::u16string_view form, std::u16string_view subject,
                         const MatchSpans& match, std::u16string& out) {
  char16_t kind = form.size() > 1 ? form[1] : u'\0';
  std::size_t group = 0;
  if (kind == u'$') {
    out += u'$';
  } else if (kind == u'&') {
    out += Slice(subject, match.whole);
  } else if (kind == u'`') {
    out += subject.substr(0, match.whole.begin);
  } else if (kind == u'\'') {
    out += subject.substr(match.whole.end);
  } else if (std::size_t digits = GroupReference(form.substr(1), match.groups.size(), group)) {
    if (const std::optional<Span>& span = match.groups[group - 1]) out += Slice(subject, *span);
    return 1 + digits;
  } else {
    return 0;
  }
  return 2;
}

void AppendExpansion(std::u16string& out, std::u16string_view subject, const MatchSpans& match,
                     std::u16string_view replacement) {
  for (std::size_t i = 0; i < replacement.size();) {
    std::size_t taken =
        replacement[i] == u'$' ? ExpandDollar(replacement.substr(i), subject, match, out) : 0;
    if (taken == 0) {
      out += replacement[i];
      taken = 1;
    }
    i += taken;
  }
}

}  // namespace

std::u16string ReplaceMatches(std::u16string_view subject, const std::vector<MatchSpans>& matches,
                              std::u16string_view replacement) {
  std::u16string out;
  std::size_t copied = 0;
  for (const MatchSpans& match : matches) {
    out += subject.substr(copied, match.whole.begin - copied);
    AppendExpansion(out, subject, match, replacement);
    copied = match.whole.end;
  }
  out += subject.substr(copied);
  return out;
}
