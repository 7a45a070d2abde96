// Replace for the RE2 engine, with the replacement's $ forms read the way the
// automation object reads them. RE2's own GlobalReplace takes \1 forms and
// skips an empty match right after another match, so it is not used.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "re2_matches.h"

// subject with each of matches replaced by replacement, in which $$ is "$",
// $& the match, $` the text before it, $' the text after it, $nn group nn when
// 1 <= nn <= the number of groups, else $n group n when 1 <= n <= that number.
// A group that took no part gives "". Any other $ stands for itself.
std::u16string ReplaceMatches(std::u16string_view subject, const std::vector<MatchSpans>& matches,
                              std::u16string_view replacement);
