// One table of regular-expression cases, run against every engine adapter the
// host can make: RE2 on Linux, the platform's own automation object under
// Windows. An instantiation names its engine; where that engine legitimately
// answers a case differently, the case records the engine's answer and why.
//
//   INSTANTIATE_TEST_SUITE_P(Re2, EngineCases,
//                            testing::Values(EngineUnderTest{"re2", MakeRe2EngineFactory()}),
//                            EngineName);
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "regex/regex_engine.h"

struct EngineUnderTest {
  const char* name;  // the key of the table's per-engine answers
  RegexEngineFactory factory;
};

inline void PrintTo(const EngineUnderTest& engine, std::ostream* out) { *out << engine.name; }

inline std::string EngineName(const testing::TestParamInfo<EngineUnderTest>& info) {
  return info.param.name;
}

class EngineCases : public testing::TestWithParam<EngineUnderTest> {};
