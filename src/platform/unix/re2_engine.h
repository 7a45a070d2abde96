// The regular-expression engine of the Linux build: RE2 behind the
// "VBScript.RegExp" engine seam.
//
// RE2 runs in time linear in the subject, where a backtracking engine can take
// minutes on one long line of quotes. It works in UTF-8; the adapter converts
// the UTF-16 subject and reports offsets in UTF-16 code units. Patterns that RE2
// cannot run (backreferences, lookaround) make Execute fail.
#pragma once

#include "regex/regex_engine.h"

// Answers a new engine for kRegexProgId and null for any other ProgID.
RegexEngineFactory MakeRe2EngineFactory();
