#include "vbscript_engine.h"

#include "engine_cases.h"

INSTANTIATE_TEST_SUITE_P(Vbscript, EngineCases,
                         testing::Values(EngineUnderTest{"vbscript", MakeVbscriptEngineFactory()}),
                         EngineName);
