#include "extract/fetch_page.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/message_box.h"
#include "fake_http_request.h"
#include "fake_window_services.h"

namespace {

using Member = RequestCall::Member;

const std::vector<RequestCall> kOpenSendRead = {
    {Member::Open, u"GET", u"http://www.velmora.com/dance/play/歌 1.html", false},
    {Member::Send},
    {Member::ResponseBody}};

const ServiceCall kNoObjectMessage{ServiceCall::Op::MessageBox, std::nullopt, "创建对象失败！",
                                   kMbIconInformation, Text("错误")};

TEST(FetchPage, OpensSendsAndReadsOnceInOrderWhateverOpenAndSendAnswer) {
  const struct {
    const char* name;
    bool openFails, sendFails;
  } cases[] = {{"both work", false, false},
               {"open fails", true, false},
               {"send fails", false, true},
               {"both fail", true, true}};
  for (const auto& c : cases) {
    FakeHttp http;
    http.openFails = c.openFails;
    http.sendFails = c.sendFails;
    http.body = ByteArrayValue("<html>歌</html>");
    FakeWindowServices window;
    const Text address = "http://www.velmora.com/dance/play/歌 1.html";
    EXPECT_EQ(FetchPage(window, http.Factory(), address), "<html>歌</html>") << c.name;
    EXPECT_EQ(http.calls, kOpenSendRead) << c.name;
    EXPECT_EQ(address, "http://www.velmora.com/dance/play/歌 1.html") << c.name;
    EXPECT_TRUE(window.calls.empty()) << c.name;
  }
}

TEST(FetchPage, TriesTheSecondProgIdOnlyWhenTheFirstGivesNothing) {
  const struct {
    const char* name;
    std::set<Text> creatable;
    std::vector<Text> tried;
    bool fetched;
  } cases[] = {
      {"both", {kRequestProgId, kRequestFallbackProgId}, {kRequestProgId}, true},
      {"first only", {kRequestProgId}, {kRequestProgId}, true},
      {"second only", {kRequestFallbackProgId}, {kRequestProgId, kRequestFallbackProgId}, true},
      {"neither", {}, {kRequestProgId, kRequestFallbackProgId}, false},
  };
  for (const auto& c : cases) {
    FakeHttp http;
    http.creatable = c.creatable;
    http.body = ByteArrayValue("page");
    FakeWindowServices window;
    const Text page = FetchPage(window, http.Factory(), "http://a/");
    EXPECT_EQ(http.progIdsTried, c.tried) << c.name;
    EXPECT_EQ(page, c.fetched ? "page" : "") << c.name;
    EXPECT_EQ(http.calls.size(), c.fetched ? 3u : 0u) << c.name;
    EXPECT_EQ(window.calls,
              c.fetched ? std::vector<ServiceCall>{} : std::vector<ServiceCall>{kNoObjectMessage})
        << c.name;
  }
}

TEST(FetchPage, AnEmptyFactoryCountsAsNoRequestObject) {
  FakeWindowServices window;
  EXPECT_EQ(FetchPage(window, nullptr, "http://a/"), "");
  EXPECT_EQ(window.calls, std::vector<ServiceCall>{kNoObjectMessage});
}

AutomationValue ArrayValue(int elementSize, std::vector<std::int64_t> extents,
                           std::string_view storage) {
  return {AutomationValue::Kind::Array, elementSize, std::move(extents),
          std::vector<std::uint8_t>(storage.begin(), storage.end())};
}

TEST(FetchPage, TakesTheBytesOfAByteArrayAndNothingFromOtherValues) {
  constexpr std::int64_t kHuge = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t k2To32 = std::int64_t{1} << 32;
  using Kind = AutomationValue::Kind;
  const struct {
    const char* name;
    AutomationValue value;
    Text page;
  } cases[] = {
      {"one dimension", ArrayValue(1, {3}, "abc"), "abc"},
      {"bytes with the high bit set, signed or not", ArrayValue(1, {4}, "\xB8\xE8\x80\xFF"),
       "\xB8\xE8\x80\xFF"},
      {"two dimensions, storage order", ArrayValue(1, {2, 3}, "abcdef"), "abcdef"},
      {"three dimensions", ArrayValue(1, {2, 1, 2}, "wxyz"), "wxyz"},
      {"a zero extent", ArrayValue(1, {0, 5}, "abcde"), ""},
      {"no dimensions", ArrayValue(1, {}, "abc"), ""},
      {"fewer elements than stored", ArrayValue(1, {2}, "abcd"), "ab"},
      {"wider elements", ArrayValue(2, {2}, "abcd"), ""},
      {"a string", {Kind::String, 0, {}, {'a', 'b'}}, ""},
      {"a number", {Kind::Number, 8, {}, {1, 0, 0, 0, 0, 0, 0, 0}}, ""},
      {"no value", {}, ""},
      {"a zero byte inside", ArrayValue(1, {5}, std::string_view("ab\0cd", 5)), "ab"},
      {"a zero byte first", ArrayValue(1, {3}, std::string_view("\0ab", 3)), ""},
      // Extents that promise more than is stored give only what is stored.
      {"more elements than stored", ArrayValue(1, {10}, "abc"), "abc"},
      {"a product that overflows", ArrayValue(1, {kHuge, kHuge}, "abc"), "abc"},
      {"a product that wraps to zero", ArrayValue(1, {k2To32, k2To32}, "abc"), "abc"},
      {"a huge extent and a zero one", ArrayValue(1, {kHuge, 0}, "abc"), ""},
      {"a negative extent", ArrayValue(1, {-1}, "abc"), ""},
      {"two negative extents", ArrayValue(1, {-1, -3}, "abc"), ""},
  };
  for (const auto& c : cases) {
    FakeHttp http;
    http.body = c.value;
    FakeWindowServices window;
    EXPECT_EQ(FetchPage(window, http.Factory(), "http://a/"), c.page) << c.name;
  }
}

}  // namespace
