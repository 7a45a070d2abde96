// The regex engine on the platform's "VBScript.RegExp".
#pragma once

#include "regex/regex_engine.h"

RegexEngineFactory MakeVbscriptEngineFactory();
