// The regex engine that the program makes on the platform the tests run on,
// so that tests of what is built on the engine run against the real one.
#pragma once

#include "regex/regex_engine.h"

RegexEngineFactory PlatformEngineFactory();
