#include "extract/extract_command.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/message_box.h"
#include "extract/search_pattern.h"
#include "fake_http_request.h"
#include "fake_window_services.h"
#include "platform_engine.h"

namespace {

using Op = ServiceCall::Op;

Text Mp3Line(const Text& path) { return "http://" VELMORA_MP3_HOST "/mp3" + path + ".mp3\r\n"; }
Text M4aLine(const Text& path) { return "http://" VELMORA_MIX_HOST "/mix" + path + ".m4a\r\n"; }

// One press of 按钮1 with the page that the fake request object answers.
struct Press {
  FakeWindowServices window;
  FakeHttp http;

  explicit Press(std::string_view page, Text address = "http://www.velmora.com/dance/play/1.html") {
    http.body = ByteArrayValue(page);
    window.texts[Control::编辑框1] = std::move(address);
  }
  void Run() { ExtractDownloadAddresses({window, http.Factory(), PlatformEngineFactory()}); }
  Text Box(Control box) { return window.texts[box]; }
};

TEST(SearchPattern, IsTheSeventyFourCharactersWithFiveQuotes) {
  const std::string_view pattern = kSearchPattern;
  EXPECT_EQ(pattern.size(), 74u);
  EXPECT_EQ(std::count(pattern.begin(), pattern.end(), '"'), 5);
  EXPECT_TRUE(pattern.starts_with("title:\"(.*)\""));
}

TEST(ExtractCommand, AppendsTitleAndBothAddressesForEveryMatchInPageOrder) {
  const Text path1 = "/2021/2021-3/2021-3-15/123456";
  const Text path2 = "/2022/2022-12/2022-12-31/99";
  const struct {
    const char* name;
    Text page;
    Text titles;
    std::vector<Text> paths;
  } cases[] = {
      {"one match", "{title:\"晴天\",singer:\"x\",url:\"" + path1 + "\"}", "晴天", {path1}},
      {"two lines",
       "title:\"A\",a:\"1\",b:\"" + path1 + "\"\ntitle:\"歌B\",a:\"2\",b:\"" + path2 + "\"\r\n",
       "A歌B",
       {path1, path2}},
      {"the word title in upper case",
       "TITLE:\"Upper\",a:\"1\",b:\"" + path1 + "\"",
       "Upper",
       {path1}},
      {"an empty title", "title:\"\",a:\"1\",b:\"" + path1 + "\"", "", {path1}},
      {"a last path segment of 25 digits",
       "title:\"T\",a:\"1\",b:\"/2021/2021-3/2021-3-15/1234567890123456789012345\"",
       "T",
       {"/2021/2021-3/2021-3-15/12345678901234567890"}},
      {"title and path on two lines", "title:\"T\",a:\"1\",b:\"\n" + path1 + "\"", "", {}},
      {"no match", "<html><title>nothing here</title></html>", "", {}},
      {"an empty page", "", "", {}},
  };
  for (const auto& c : cases) {
    Press press(c.page);
    press.Run();
    Text mp3, m4a;
    for (const Text& path : c.paths) {
      mp3 += Mp3Line(path);
      m4a += M4aLine(path);
    }
    EXPECT_EQ(press.Box(Control::编辑框2), c.titles) << c.name;
    EXPECT_EQ(press.Box(Control::编辑框3), mp3) << c.name;
    EXPECT_EQ(press.Box(Control::编辑框4), m4a) << c.name;
    EXPECT_EQ(press.window.CallsOf(Op::Append).size(), 3 * c.paths.size()) << c.name;
    EXPECT_TRUE(press.window.CallsOf(Op::MessageBox).empty()) << c.name;
  }
}

TEST(ExtractCommand, ALongLineOfQuotesWithoutAPathFindsNothingAtOnce) {
#ifdef _WIN32
  GTEST_SKIP() << "the platform's own engine backtracks: minutes over such a line";
#endif
  Press press("title:\"" + std::string(4000, '"') + "/2021/2021-3/2021-3-15/x");
  press.Run();
  EXPECT_TRUE(press.window.CallsOf(Op::Append).empty());
}

TEST(ExtractCommand, AppendsAfterWhatTheBoxesHoldOnEveryRun) {
  const Text path = "/2021/2021-3/2021-3-15/123456";
  Press press("title:\"歌\",a:\"1\",b:\"" + path + "\"");
  press.window.texts[Control::编辑框2] = "早";
  press.window.texts[Control::编辑框3] = "earlier\r\n";
  press.window.texts[Control::编辑框4] = "";
  press.Run();
  press.Run();
  EXPECT_EQ(press.Box(Control::编辑框2), "早歌歌");
  EXPECT_EQ(press.Box(Control::编辑框3), "earlier\r\n" + Mp3Line(path) + Mp3Line(path));
  EXPECT_EQ(press.Box(Control::编辑框4), M4aLine(path) + M4aLine(path));
  EXPECT_TRUE(press.window.CallsOf(Op::Write).empty());
}

TEST(ExtractCommand, AnEmptyAddressIsAnsweredThenFocusedThenReadAgainAndFetched) {
  Press press("", "");
  press.window.whileMessageBoxOpen = [&] {
    EXPECT_TRUE(press.http.calls.empty());
    press.window.texts[Control::编辑框1] = "http://typed/while/the/box/was/open";
  };
  press.Run();
  const std::vector<ServiceCall> expected = {
      {Op::Read, Control::编辑框1, ""},
      {Op::MessageBox, std::nullopt, "请输入播放页面的网址！", kMbOk, std::nullopt},
      {Op::Focus, Control::编辑框1, ""},
      {Op::Read, Control::编辑框1, ""},
  };
  EXPECT_EQ(press.window.calls, expected);
  ASSERT_FALSE(press.http.calls.empty());
  EXPECT_EQ(press.http.calls[0].url, u"http://typed/while/the/box/was/open");
}

TEST(ExtractCommand, AnAddressOfBlanksIsNotEmpty) {
  Press press("", "   ");
  press.Run();
  const std::vector<ServiceCall> expected = {{Op::Read, Control::编辑框1, ""},
                                             {Op::Focus, Control::编辑框1, ""},
                                             {Op::Read, Control::编辑框1, ""}};
  EXPECT_EQ(press.window.calls, expected);
  EXPECT_EQ(press.http.calls.front().url, u"   ");
}

TEST(ExtractCommand, NoRequestObjectShowsOnlyItsOneMessage) {
  Press press("title:\"歌\",a:\"1\",b:\"/2021/2021-3/2021-3-15/123456\"");
  press.http.creatable.clear();
  press.Run();
  const std::vector<ServiceCall> expected = {
      {Op::MessageBox, std::nullopt, "创建对象失败！", kMbIconInformation, Text("错误")}};
  EXPECT_EQ(press.window.CallsOf(Op::MessageBox), expected);
  EXPECT_TRUE(press.window.CallsOf(Op::Append).empty());
}

TEST(ExtractCommand, NoRegexEngineFindsNothingAndShowsNothing) {
  Press press("title:\"歌\",a:\"1\",b:\"/2021/2021-3/2021-3-15/123456\"");
  ExtractDownloadAddresses({press.window, press.http.Factory(), nullptr});
  EXPECT_TRUE(press.window.CallsOf(Op::Append).empty());
  EXPECT_TRUE(press.window.CallsOf(Op::MessageBox).empty());
}

}  // namespace
