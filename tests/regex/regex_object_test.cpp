// RegexObject over the platform's engine and the code page 936 converter, as
// the program runs it.
#include "regex/regex_object.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

#include "platform_engine.h"
#include "regex/match_position.h"

namespace {

RegexObject NewObject() { return RegexObject(PlatformEngineFactory()); }

// Makes engines and keeps an eye on each, to see who keeps them alive.
struct WatchedFactory {
  std::vector<std::weak_ptr<RegexEngine>> made;

  RegexEngineFactory Factory() {
    return [this](const Text& progId) {
      std::shared_ptr<RegexEngine> engine = PlatformEngineFactory()(progId);
      made.push_back(engine);
      return engine;
    };
  }
};

void ExpectNoResults(RegexObject& object) {
  EXPECT_EQ(object.MatchCount(), 0);
  EXPECT_EQ(object.SubMatchCount(), 0);
  EXPECT_EQ(object.MatchText(1), "");
  EXPECT_EQ(object.SubMatchText(1, 1), "");
}

}  // namespace

TEST(RegexObject, ANewObjectAnswersEmpty) {
  RegexObject object = NewObject();
  ExpectNoResults(object);
  EXPECT_EQ(object.PatternText(), "");
  EXPECT_EQ(object.Replace("x"), "");
}

TEST(RegexObject, DefaultsIgnoreCaseAndFindEveryMatchOnEveryLine) {
  RegexObject object = NewObject();
  EXPECT_TRUE(object.Create("^title:(\\d)", "TITLE:1\nTiTlE:2"));
  ASSERT_EQ(object.MatchCount(), 2);
  EXPECT_EQ(object.MatchText(1), "TITLE:1");
  EXPECT_EQ(object.SubMatchText(2, 1), "2");
}

TEST(RegexObject, GivenOptionsAreHonoured) {
  struct Case {
    const char* name;
    std::optional<bool> caseSensitive, multiline, global;
    int matches;
  };
  const Case cases[] = {
      {"all omitted", {}, {}, {}, 3},
      {"case sensitive", true, {}, {}, 2},
      {"case sensitive given as false", false, {}, {}, 3},
      {"single line", {}, false, {}, 1},
      {"first match only", {}, {}, false, 1},
  };
  for (const Case& c : cases) {
    RegexObject object = NewObject();
    EXPECT_TRUE(object.Create("^ab", "ab\nAB\nab", c.caseSensitive, c.multiline, c.global))
        << c.name;
    EXPECT_EQ(object.MatchCount(), c.matches) << c.name;
  }
}

TEST(RegexObject, NoMatchIsNoFailure) {
  RegexObject object = NewObject();
  EXPECT_TRUE(object.Create("z", "中文"));
  ExpectNoResults(object);
}

TEST(RegexObject, ARejectedPatternFailsButReadsBack) {
  RegexObject object = NewObject();
  ASSERT_TRUE(object.Create("(a)", "a"));
  EXPECT_FALSE(object.Create("中(文", "中文"));
  ExpectNoResults(object);
  EXPECT_EQ(object.PatternText(), "中(文");
  EXPECT_EQ(object.Replace("x"), "");
}

TEST(RegexObject, WithoutAnEngineEverythingIsEmpty) {
  const RegexEngineFactory failing[] = {
      [](const Text&) { return std::shared_ptr<RegexEngine>(); },
      RegexEngineFactory(),
  };
  for (const RegexEngineFactory& factory : failing) {
    RegexObject object(factory);
    EXPECT_FALSE(object.Create("a", "a"));
    ExpectNoResults(object);
    EXPECT_EQ(object.PatternText(), "");
    EXPECT_EQ(object.Replace("x"), "");
  }
}

TEST(RegexObject, IndicesOutsideTheRunGiveEmptyTexts) {
  RegexObject object = NewObject();
  ASSERT_TRUE(object.Create("(a)(b)", "ab ab"));
  ASSERT_EQ(object.MatchCount(), 2);
  for (int index : {0, 3, -1, INT_MIN, INT_MAX}) {
    EXPECT_EQ(object.MatchText(index), "") << "match " << index;
    EXPECT_EQ(object.SubMatchText(index, 1), "") << "match " << index;
  }
  for (int group : {0, 3, -1, INT_MIN, INT_MAX})
    EXPECT_EQ(object.SubMatchText(1, group), "") << "group " << group;
}

TEST(RegexObject, GroupTexts) {
  RegexObject object = NewObject();
  ASSERT_TRUE(object.Create("(a)|(b)|(c*)x", "b x"));
  ASSERT_EQ(object.MatchCount(), 2);
  EXPECT_EQ(object.SubMatchCount(), 3);
  EXPECT_EQ(object.SubMatchText(1, 1), "") << "took no part";
  EXPECT_EQ(object.SubMatchText(1, 2), "b");
  EXPECT_EQ(object.SubMatchText(2, 3), "") << "matched nothing";
}

TEST(RegexObject, ChineseTextsRoundTrip) {
  RegexObject object = NewObject();
  ASSERT_TRUE(
      object.Create("title:\"(.*)\".*\".*\".*\"(/\\d{4}/\\d{4}-\\d{1,2}/\\d{4}-\\d{1,2}-"
                    "\\d{1,2}/\\d{2,20})",
                    "<p>中文</p>\ntitle:\"歌曲\" a=\"1\" b=\"/2021/2021-3/2021-3-15/123456\"\n"));
  ASSERT_EQ(object.MatchCount(), 1);
  int title = 0, path = 0;
  EXPECT_EQ(object.SubMatchText(1, 1, &title), "歌曲");
  EXPECT_EQ(object.SubMatchText(1, 2, &path), "/2021/2021-3/2021-3-15/123456");
  EXPECT_EQ(title, 19);
  EXPECT_EQ(path, 34);
}

// Positions are byte offsets into the code page 936 subject.
TEST(RegexObject, Positions) {
  struct Case {
    const char* name;
    Text pattern;
    std::optional<bool> caseSensitive;
    Text subject;
    int index;
    int group;  // 0: the match itself
    Text text;
    int position;
  };
  const Case cases[] = {
      {"ascii", "b", {}, "abc", 1, 0, "b", 1},
      {"after Chinese", "ab", {}, "中文ab", 1, 0, "ab", 4},
      {"Chinese after Chinese", "文", {}, "中文", 1, 0, "文", 2},
      // The scan may start before the match and find its text earlier.
      {"second match found at the first", "文", {}, "中文中文", 2, 0, "文", 2},
      {"group inside a match after Chinese", "中(文)", {}, "x中文", 1, 1, "文", 3},
      {"group text earlier in its match", "(a)b(a)", {}, "aba", 1, 2, "a", 0},
      {"earlier in the other case, case ignored", "(a)b(A)", {}, "abA", 1, 2, "A", 0},
      {"earlier in the other case, case respected", "(a)b(A)", true, "abA", 1, 2, "A", 2},
      {"text the code page cannot give back", "b.", {}, "b\xA1\x7F", 1, 0, "b?", kNoPosition},
      {"group that matched nothing", "b(x*)", {}, "中b", 1, 1, "", 0},
      {"group that took no part", "(a)|(b)", {}, "xb", 1, 1, "", 0},
      {"no such match", "b", {}, "abc", 2, 0, "", 0},
      {"no such match in an empty subject", "b", {}, "", 1, 0, "", kNoPosition},
      // The engine's offset read as a byte offset can fall on the second
      // byte of a character; the scan must not pair bytes across characters.
      {"offset inside a double-byte character", "a", {}, "中中a", 1, 0, "a", 4},
      // 乤 is 81 61 and 丄 is 81 41: second bytes that look like a and A.
      {"second bytes are never case-folded", "丄", {}, "乤丄", 1, 0, "丄", 2},
  };
  for (const Case& c : cases) {
    RegexObject object = NewObject();
    ASSERT_TRUE(object.Create(c.pattern, c.subject, c.caseSensitive)) << c.name;
    int position = 12345;
    Text text = c.group == 0 ? object.MatchText(c.index, &position)
                             : object.SubMatchText(c.index, c.group, &position);
    EXPECT_EQ(text, c.text) << c.name;
    EXPECT_EQ(position, c.position) << c.name;
  }
}

TEST(RegexObject, AnEmptyMatchInAnEmptySubjectHasNoPosition) {
#ifdef _WIN32
  GTEST_SKIP() << "under Wine the platform's engine never returns from a global search that "
                  "matches the empty text";
#endif
  RegexObject object = NewObject();
  ASSERT_TRUE(object.Create("x*", ""));
  ASSERT_EQ(object.MatchCount(), 1);
  int position = 12345;
  EXPECT_EQ(object.MatchText(1, &position), "");
  EXPECT_EQ(position, kNoPosition);
}

TEST(RegexObject, ReplaceUsesTheLastPatternAndOptions) {
  struct Case {
    const char* name;
    Text pattern, subject;
    std::optional<bool> global;
    Text replacement, expected;
  };
  const Case cases[] = {
      {"every match", "文", "中文中文", {}, "字", "中字中字"},
      {"first match only", "文", "中文中文", false, "字", "中字中文"},
      {"group reference", "(\\d+)", "第1章", {}, "[$1]", "第[1]章"},
      {"match, before and after", "文", "中文字", {}, "<$`|$&|$'>", "中<中|文|字>字"},
      {"nothing left", ".*", "中文", false, "", ""},
  };
  for (const Case& c : cases) {
    RegexObject object = NewObject();
    ASSERT_TRUE(object.Create(c.pattern, c.subject, {}, {}, c.global)) << c.name;
    EXPECT_EQ(object.Replace(c.replacement), c.expected) << c.name;
  }
}

TEST(RegexObject, CopiesShareTheRunUntilEitherCreatesAgain) {
  WatchedFactory engines;
  RegexObject first(engines.Factory());
  ASSERT_TRUE(first.Create("(中)", "中中"));
  RegexObject second = first.Copy();
  EXPECT_EQ(engines.made.size(), 1u);
  EXPECT_EQ(second.SubMatchText(2, 1), "中");

  ASSERT_TRUE(second.Create("b", "b"));
  EXPECT_EQ(first.MatchCount(), 2);
  EXPECT_EQ(first.SubMatchText(2, 1), "中");
  EXPECT_EQ(first.PatternText(), "(中)");
  EXPECT_EQ(second.MatchCount(), 1);

  RegexObject third = second.Copy();
  ASSERT_FALSE(second.Create("(", "b"));
  EXPECT_EQ(third.MatchText(1), "b");
  EXPECT_EQ(third.Replace("c"), "c");

  first.Destroy();
  EXPECT_TRUE(engines.made[0].expired());
  EXPECT_FALSE(engines.made[1].expired()) << "held by the third object";
}

TEST(RegexObject, DestroyLeavesANewObject) {
  WatchedFactory engines;
  RegexObject object(engines.Factory());
  ASSERT_TRUE(object.Create("a", "a"));
  object.Destroy();
  EXPECT_TRUE(engines.made[0].expired());
  ExpectNoResults(object);
  EXPECT_EQ(object.PatternText(), "");
  EXPECT_EQ(object.Replace("b"), "");
  int position = 0;
  object.MatchText(1, &position);
  EXPECT_EQ(position, kNoPosition) << "no subject left";
}
