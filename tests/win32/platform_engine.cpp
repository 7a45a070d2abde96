#include "platform_engine.h"

#include "vbscript_engine.h"

RegexEngineFactory PlatformEngineFactory() { return MakeVbscriptEngineFactory(); }
