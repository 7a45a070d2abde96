#include "platform_engine.h"

#include "re2_engine.h"

RegexEngineFactory PlatformEngineFactory() { return MakeRe2EngineFactory(); }
