#include "engine_cases.h"

#include <optional>
#include <string_view>
#include <vector>

namespace {

enum Flags : unsigned {
  kNoFlags = 0,
  kIgnoreCase = 1,
  kMultiline = 2,
  kGlobal = 4,
  kSearchFlags = kIgnoreCase | kMultiline | kGlobal,
};

using Group = std::optional<std::u16string>;
const Group kNoPart = std::nullopt;

struct ExpectedMatch {
  int firstIndex;
  std::u16string value;
  std::vector<Group> groups;
};

// std::nullopt: Execute fails.
using Outcome = std::optional<std::vector<ExpectedMatch>>;
const Outcome kRejected = std::nullopt;
const Outcome kNoMatch = std::vector<ExpectedMatch>{};

// How one engine answers a case, where it legitimately differs from the rest.
template <class Answer>
struct EngineAnswer {
  const char* engine;
  const char* reason;
  Answer answer;
};

template <class Answer>
const Answer& AnswerFor(const Answer& expected, const std::vector<EngineAnswer<Answer>>& others,
                        std::string_view engine) {
  for (const EngineAnswer<Answer>& other : others)
    if (engine == other.engine) return other.answer;
  return expected;
}

// An engine that cannot run a case at all because the call would never
// return, and why. The case is left out of that engine's run.
struct EngineCannotRun {
  const char* engine;
  const char* reason;
};

bool CannotRun(const std::vector<EngineCannotRun>& engines, std::string_view engine) {
  for (const EngineCannotRun& e : engines)
    if (engine == e.engine) return true;
  return false;
}

struct ExecuteCase {
  const char* name;
  std::u16string pattern;
  unsigned flags;
  std::u16string subject;
  Outcome expected;
  std::vector<EngineAnswer<Outcome>> otherAnswers = {};
  std::vector<EngineCannotRun> cannotRun = {};
};

struct ReplaceCase {
  const char* name;
  std::u16string pattern;
  unsigned flags;
  std::u16string subject;
  std::u16string replacement;
  std::optional<std::u16string> expected;  // std::nullopt: Replace fails
  std::vector<EngineAnswer<std::optional<std::u16string>>> otherAnswers = {};
  std::vector<EngineCannotRun> cannotRun = {};
};

const std::u16string kSearch =
    uR"re(title:"(.*)".*".*".*"(/\d{4}/\d{4}-\d{1,2}/\d{4}-\d{1,2}-\d{1,2}/\d{2,20}))re";
const std::u16string kPath = u"/2021/2021-3/2021-3-15/123456";

// The lines the program's search must get right, then the semantics it relies on.
const ExecuteCase kExecuteCases[] = {
    {"search: title among other attributes",
     kSearch,
     kSearchFlags,
     uR"(x title:"Hello" a="1" b="/2021/2021-3/2021-3-15/123456" end)",
     {{{2, uR"(title:"Hello" a="1" b="/2021/2021-3/2021-3-15/123456)", {u"Hello", kPath}}}}},
    {"search: one match per line",
     kSearch,
     kSearchFlags,
     uR"(title:"A" x "y" "/2021/2021-3/2021-3-15/123456")"
     u"\n"
     uR"(title:"B" x "y" "/2022/2022-12/2022-12-31/99")"
     u"\n",
     {{{0, uR"(title:"A" x "y" "/2021/2021-3/2021-3-15/123456)", {u"A", kPath}},
       {48,
        uR"(title:"B" x "y" "/2022/2022-12/2022-12-31/99)",
        {u"B", u"/2022/2022-12/2022-12-31/99"}}}}},
    {"search: lines ended by CR LF",
     kSearch,
     kSearchFlags,
     uR"(title:"A" x "y" "/2021/2021-3/2021-3-15/123456")"
     u"\r\n"
     uR"(title:"B" x "y" "/2022/2022-12/2022-12-31/99")"
     u"\r\n",
     {{{0, uR"(title:"A" x "y" "/2021/2021-3/2021-3-15/123456)", {u"A", kPath}},
       {49,
        uR"(title:"B" x "y" "/2022/2022-12/2022-12-31/99)",
        {u"B", u"/2022/2022-12/2022-12-31/99"}}}}},
    {"search: the title group is greedy up to the last path",
     kSearch,
     kSearchFlags,
     uR"(title:"T" "a" "/2020/2020-1/2020-1-1/11" "b" "/2021/2021-2/2021-2-2/22")",
     {{{0,
        uR"(title:"T" "a" "/2020/2020-1/2020-1-1/11" "b" "/2021/2021-2/2021-2-2/22)",
        {uR"(T" "a" "/2020/2020-1/2020-1-1/11)", u"/2021/2021-2/2021-2-2/22"}}}}},
    {"search: the last segment stops after 20 digits",
     kSearch,
     kSearchFlags,
     uR"(title:"T" "a" "b" "/2021/2021-3/2021-3-15/1234567890123456789012345")",
     {{{0,
        uR"(title:"T" "a" "b" "/2021/2021-3/2021-3-15/12345678901234567890)",
        {uR"(T" "a)", u"/2021/2021-3/2021-3-15/12345678901234567890"}}}}},
    {"search: a last segment of one digit", kSearch, kSearchFlags,
     uR"(title:"T" "a" "b" "/2021/2021-3/2021-3-15/1")", kNoMatch},
    {"search: title and path on two lines", kSearch, kSearchFlags,
     uR"(title:"T" "a" "b")"
     u"\n"
     uR"("/2021/2021-3/2021-3-15/123456")",
     kNoMatch},
    {"search: letters in the other case",
     kSearch,
     kSearchFlags,
     uR"(TITLE:"Upper" "a" "b" "/2021/2021-3/2021-3-15/123456")",
     {{{0, uR"(TITLE:"Upper" "a" "b" "/2021/2021-3/2021-3-15/123456)", {uR"(Upper" "a)", kPath}}}}},
    {"search: offsets count a surrogate pair as two",
     kSearch,
     kSearchFlags,
     uR"(前😀 title:"中文😀标题" "a" "b" "/2021/2021-3/2021-3-15/123456")",
     {{{4,
        uR"(title:"中文😀标题" "a" "b" "/2021/2021-3/2021-3-15/123456)",
        {uR"(中文😀标题" "a)", kPath}}}}},
    {"search: an empty title",
     kSearch,
     kSearchFlags,
     uR"(title:"" "a" "b" "/2021/2021-3/2021-3-15/123456")",
     {{{0, uR"(title:"" "a" "b" "/2021/2021-3/2021-3-15/123456)", {uR"(" "a)", kPath}}}}},
    {"search: exactly four quotes after the title",
     kSearch,
     kSearchFlags,
     uR"(title:"T" "a" "/2021/2021-3/2021-3-15/123456")",
     {{{0, uR"(title:"T" "a" "/2021/2021-3/2021-3-15/123456)", {u"T", kPath}}}}},
    {"search: too few quotes", kSearch, kSearchFlags,
     uR"(title:"T" "/2021/2021-3/2021-3-15/123456")", kNoMatch},

    {"IgnoreCase folds letters",
     u"abc",
     kIgnoreCase | kGlobal,
     u"xABCx aBc",
     {{{1, u"ABC", {}}, {6, u"aBc", {}}}}},
    {"without IgnoreCase case counts", u"abc", kGlobal, u"xABCx abc", {{{6, u"abc", {}}}}},
    {"\\d takes ASCII digits only", uR"(\d+)", kGlobal, u"１２3", {{{2, u"3", {}}}}},
    {"dot stops at a line feed", u"a.b", kGlobal, u"a\nb", kNoMatch},
    {"dot takes a carriage return",
     u"a.b",
     kGlobal,
     u"a\rb",
     {{{0, u"a\rb", {}}}},
     {{"vbscript", "Wine's VBScript.RegExp treats a carriage return as a line end: '.' stops there",
       kNoMatch}}},
    {"Multiline anchors at every line",
     uR"(^\w+$)",
     kMultiline | kGlobal,
     u"ab\ncd",
     {{{0, u"ab", {}}, {3, u"cd", {}}}}},
    {"Multiline: a line's end is before its line feed",
     u"^.+$",
     kMultiline | kGlobal,
     u"ab\r\ncd",
     {{{0, u"ab\r", {}}, {4, u"cd", {}}}},
     {{"vbscript",
       "Wine's VBScript.RegExp treats a carriage return as a line end: '.' stops there",
       {{{0, u"ab", {}}, {4, u"cd", {}}}}}}},
    {"without Multiline anchors hold at the text's ends only", uR"(^\w+$)", kGlobal, u"ab\ncd",
     kNoMatch},
    {"without Multiline $ is not before a final line feed", u"a$", kGlobal, u"a\n", kNoMatch},
    {"without Global only the first match", u"a", kNoFlags, u"xaa", {{{1, u"a", {}}}}},
    {"empty matches step one character on",
     u"x*",
     kGlobal,
     u"abc",
     {{{0, u"", {}}, {1, u"", {}}, {2, u"", {}}, {3, u"", {}}}},
     {},
     {{"vbscript", "Wine's VBScript.RegExp never returns from an empty match with Global on"}}},
    {"an empty match right after a match",
     u"b*",
     kGlobal,
     u"abc",
     {{{0, u"", {}}, {1, u"b", {}}, {2, u"", {}}, {3, u"", {}}}},
     {},
     {{"vbscript", "Wine's VBScript.RegExp never returns from an empty match with Global on"}}},
    {"an empty pattern over an empty subject", u"", kGlobal, u"", {{{0, u"", {}}}}},
    {"nothing to find in an empty subject", u"a", kGlobal, u"", kNoMatch},
    {"the first alternative that fits wins", u"a|ab", kGlobal, u"ab", {{{0, u"a", {}}}}},
    {"greedy repetition", u"<.+>", kGlobal, u"<a><b>", {{{0, u"<a><b>", {}}}}},
    {"lazy repetition", u"<.+?>", kGlobal, u"<a><b>", {{{0, u"<a>", {}}, {3, u"<b>", {}}}}},
    {"offsets after characters outside the BMP", u"b", kGlobal, u"😀a😀b", {{{5, u"b", {}}}}},
    {"dot takes a whole character outside the BMP",
     u".",
     kGlobal,
     u"a😀b",
     {{{0, u"a", {}}, {1, u"😀", {}}, {3, u"b", {}}}},
     {{"vbscript",
       "VBScript.RegExp matches UTF-16 code units: '.' takes each half of the pair",
       {{{0, u"a", {}}, {1, u"\xD83D", {}}, {2, u"\xDE00", {}}, {3, u"b", {}}}}}}},
    {"a lone surrogate is kept",
     u".b",
     kGlobal,
     u"\xD800"
     u"b",
     {{{0,
        u"\xD800"
        u"b",
        {}}}}},
    {"a group that took no part", u"(a)|(b)", kGlobal, u"b", {{{0, u"b", {kNoPart, u"b"}}}}},
    {"a group that matched nothing", u"(a*)b", kGlobal, u"b", {{{0, u"b", {u""}}}}},
    {"groups numbered by their opening parenthesis",
     u"((a)(b))",
     kGlobal,
     u"ab",
     {{{0, u"ab", {u"ab", u"a", u"b"}}}}},
    {"a \\u escape", uR"(\u4E2D)", kGlobal, u"a中", {{{1, u"中", {}}}}},
    {"an escaped backslash before u",
     uR"(\\u4E2D)",
     kGlobal,
     uR"(\u4E2D)",
     {{{0, uR"(\u4E2D)", {}}}}},
    {"an unclosed parenthesis", u"(abc", kGlobal, u"abc", kRejected},
    {"a stray closing parenthesis", u"abc)", kGlobal, u"abc", kRejected},
    {"a backreference",
     uR"((a)\1)",
     kGlobal,
     u"aa",
     {{{0, u"aa", {u"a"}}}},
     {{"re2", "RE2 has no backreferences", kRejected}}},
    {"a lookahead",
     u"a(?=b)",
     kGlobal,
     u"ab",
     {{{0, u"a", {}}}},
     {{"re2", "RE2 has no lookaround", kRejected}}},
};

const ReplaceCase kReplaceCases[] = {
    {"$$ is a dollar", u"b", kGlobal, u"abc", u"[$$]", u"a[$]c"},
    {"$& is the match", u"b", kGlobal, u"abc", u"[$&]", u"a[b]c"},
    {"$` is the text before the match", u"b", kGlobal, u"abc", u"[$`]", u"a[a]c"},
    {"$' is the text after the match", u"b", kGlobal, u"abc", u"[$']", u"a[c]c"},
    {"$n is group n", u"(a)(b)", kGlobal, u"ab!", u"$2$1", u"ba!"},
    {"$nn is group nn when there is one", u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)", kGlobal,
     u"abcdefghijkl", u"$12", u"l"},
    {"else $n and a digit", u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)", kGlobal, u"abcdefghijkl",
     u"$13", u"a3"},
    {"$01 is group 1", u"(a)", kGlobal, u"a", u"[$01]", u"[a]"},
    {"$10 with one group is group 1 and a zero", u"(a)", kGlobal, u"a", u"$10", u"a0"},
    {"$0 stands for itself", u"a", kGlobal, u"a", u"$0", u"$0"},
    {"a group beyond the pattern's stands for itself", u"(a)", kGlobal, u"a", u"$2", u"$2"},
    {"any other $ stands for itself", u"a", kGlobal, u"a", u"$x$", u"$x$"},
    {"a group that took no part gives nothing", u"(a)|(b)", kGlobal, u"b", u"[$1|$2]", u"[|b]"},
    {"Global replaces every match", u"a", kGlobal, u"aXa", u"-", u"-X-"},
    {"without Global only the first", u"a", kNoFlags, u"aXa", u"-", u"-Xa"},
    {"empty matches",
     u"x*",
     kGlobal,
     u"abc",
     u"-",
     u"-a-b-c-",
     {},
     {{"vbscript", "Wine's VBScript.RegExp never returns from an empty match with Global on"}}},
    {"an empty match right after a match",
     u"b*",
     kGlobal,
     u"abc",
     u"-",
     u"-a--c-",
     {},
     {{"vbscript", "Wine's VBScript.RegExp never returns from an empty match with Global on"}}},
    {"IgnoreCase", u"A", kIgnoreCase | kGlobal, u"aA", u"-", u"--"},
    {"text around characters outside the BMP", u"b", kGlobal, u"😀b😀", u"[$`]", u"😀[😀]😀"},
    {"no match leaves the subject", u"z", kGlobal, u"abc", u"-", u"abc"},
    {"a rejected pattern", u"(a", kGlobal, u"a", u"-", std::nullopt},
};

std::shared_ptr<RegexEngine> MakeEngine(const EngineUnderTest& engine,
                                        const std::u16string& pattern, unsigned flags) {
  std::shared_ptr<RegexEngine> made = engine.factory(kRegexProgId);
  if (!made) return nullptr;
  EXPECT_TRUE(made->SetIgnoreCase(flags & kIgnoreCase));
  EXPECT_TRUE(made->SetMultiline(flags & kMultiline));
  EXPECT_TRUE(made->SetGlobal(flags & kGlobal));
  EXPECT_TRUE(made->SetPattern(pattern));
  return made;
}

void ExpectMatch(RegexMatch& match, const ExpectedMatch& expected) {
  EXPECT_EQ(match.FirstIndex(), expected.firstIndex);
  EXPECT_EQ(match.Value(), expected.value);
  std::shared_ptr<RegexSubMatches> groups = match.SubMatches();
  ASSERT_TRUE(groups);
  ASSERT_EQ(groups->Count(), static_cast<double>(expected.groups.size()));
  for (std::size_t g = 0; g < expected.groups.size(); ++g)
    EXPECT_EQ(groups->Item(static_cast<int>(g)), expected.groups[g]) << "group " << g + 1;
}

void ExpectOutcome(const std::shared_ptr<RegexMatchCollection>& matches, const Outcome& expected) {
  if (!expected) {
    EXPECT_FALSE(matches) << "the pattern should be rejected";
    return;
  }
  ASSERT_TRUE(matches) << "the pattern was rejected";
  ASSERT_EQ(matches->Count(), static_cast<double>(expected->size()));
  for (std::size_t i = 0; i < expected->size(); ++i) {
    SCOPED_TRACE(testing::Message() << "match " << i + 1);
    std::shared_ptr<RegexMatch> match = matches->Item(static_cast<int>(i));
    ASSERT_TRUE(match);
    ExpectMatch(*match, (*expected)[i]);
  }
}

}  // namespace

TEST_P(EngineCases, Execute) {
  for (const ExecuteCase& c : kExecuteCases) {
    if (CannotRun(c.cannotRun, GetParam().name)) continue;
    SCOPED_TRACE(c.name);
    std::shared_ptr<RegexEngine> engine = MakeEngine(GetParam(), c.pattern, c.flags);
    ASSERT_TRUE(engine);
    ExpectOutcome(engine->Execute(c.subject),
                  AnswerFor(c.expected, c.otherAnswers, GetParam().name));
  }
}

TEST_P(EngineCases, Replace) {
  for (const ReplaceCase& c : kReplaceCases) {
    if (CannotRun(c.cannotRun, GetParam().name)) continue;
    SCOPED_TRACE(c.name);
    std::shared_ptr<RegexEngine> engine = MakeEngine(GetParam(), c.pattern, c.flags);
    ASSERT_TRUE(engine);
    EXPECT_EQ(engine->Replace(c.subject, c.replacement),
              AnswerFor(c.expected, c.otherAnswers, GetParam().name));
  }
}

TEST_P(EngineCases, OnlyTheRegexProgIdMakesAnEngine) {
  EXPECT_TRUE(GetParam().factory(kRegexProgId));
  EXPECT_FALSE(GetParam().factory("VBScript.RegExp.Nope"));
  EXPECT_FALSE(GetParam().factory(""));
}

TEST_P(EngineCases, PropertiesReadBackAlsoForARejectedPattern) {
  std::shared_ptr<RegexEngine> engine = MakeEngine(GetParam(), u"中(文", kIgnoreCase);
  ASSERT_TRUE(engine);
  EXPECT_FALSE(engine->Execute(u"中文"));
  EXPECT_EQ(engine->Pattern(), u"中(文");
  EXPECT_TRUE(engine->IgnoreCase());
  ASSERT_TRUE(engine->SetIgnoreCase(false));
  EXPECT_FALSE(engine->IgnoreCase());
}

TEST_P(EngineCases, OptionsChangedBetweenRunsTakeEffect) {
  std::shared_ptr<RegexEngine> engine = MakeEngine(GetParam(), u"^a", kNoFlags);
  ASSERT_TRUE(engine);
  ExpectOutcome(engine->Execute(u"b\nA"), kNoMatch);
  engine->SetIgnoreCase(true);
  engine->SetMultiline(true);
  ExpectOutcome(engine->Execute(u"b\nA"), {{{2, u"A", {}}}});
  engine->SetPattern(u"(");
  ExpectOutcome(engine->Execute(u"b\nA"), kRejected);
  engine->SetPattern(u"b");
  ExpectOutcome(engine->Execute(u"b\nA"), {{{0, u"b", {}}}});
}

TEST_P(EngineCases, ItemsOutsideACollectionAreNothing) {
  std::shared_ptr<RegexEngine> engine = MakeEngine(GetParam(), u"(a)", kGlobal);
  ASSERT_TRUE(engine);
  std::shared_ptr<RegexMatchCollection> matches = engine->Execute(u"aa");
  ASSERT_TRUE(matches);
  EXPECT_FALSE(matches->Item(-1));
  EXPECT_FALSE(matches->Item(2));
  std::shared_ptr<RegexMatch> first = matches->Item(0);
  ASSERT_TRUE(first);
  std::shared_ptr<RegexSubMatches> groups = first->SubMatches();
  ASSERT_TRUE(groups);
  EXPECT_EQ(groups->Item(-1), std::nullopt);
  EXPECT_EQ(groups->Item(1), std::nullopt);
}

TEST_P(EngineCases, MatchesOutliveTheEngineAndTheCollection) {
  std::shared_ptr<RegexEngine> engine = MakeEngine(GetParam(), u"(b)", kGlobal);
  ASSERT_TRUE(engine);
  std::shared_ptr<RegexMatchCollection> matches = engine->Execute(u"abc");
  engine.reset();
  ASSERT_TRUE(matches);
  std::shared_ptr<RegexMatch> match = matches->Item(0);
  matches.reset();
  ASSERT_TRUE(match);
  std::shared_ptr<RegexSubMatches> groups = match->SubMatches();
  match.reset();
  ASSERT_TRUE(groups);
  EXPECT_EQ(groups->Item(0), u"b");
}
