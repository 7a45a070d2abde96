#include "re2_engine.h"

#include <gtest/gtest.h>

#include "engine_cases.h"

INSTANTIATE_TEST_SUITE_P(Re2, EngineCases,
                         testing::Values(EngineUnderTest{"re2", MakeRe2EngineFactory()}),
                         EngineName);

// RE2 logs a pattern it cannot compile unless told not to; the program shows
// and logs nothing.
TEST(Re2Engine, RejectedPatternsLogNothing) {
  for (const char16_t* pattern : {u"(abc", u"(a)\\1", u"a(?=b)", u"a{2,1}", u"[z-a]"}) {
    std::shared_ptr<RegexEngine> engine = MakeRe2EngineFactory()(kRegexProgId);
    engine->SetPattern(pattern);
    testing::internal::CaptureStderr();
    bool ran = engine->Execute(u"abc") != nullptr;
    std::string logged = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(ran) << "pattern " << testing::PrintToString(std::u16string(pattern));
    EXPECT_EQ(logged, "") << "pattern " << testing::PrintToString(std::u16string(pattern));
  }
}
