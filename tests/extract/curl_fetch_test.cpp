// FetchPage over real HTTP: the libcurl request object against the loopback
// server.
#include <gtest/gtest.h>

#include <cstdlib>

#include "extract/fetch_page.h"
#include "fake_window_services.h"
#include "loopback_http_server.h"
#include "platform/unix/curl_request.h"

namespace {

using Delivery = HttpRoute::Delivery;

// A proxy set in the environment must not take the loopback traffic away.
[[maybe_unused]] const bool kLoopbackUnproxied = setenv("no_proxy", "127.0.0.1", 1) == 0;
const CurlGlobalInit kCurl;

Text Fetch(const HttpRequestFactory& factory, const Text& address,
           FakeWindowServices* window = nullptr) {
  FakeWindowServices local;
  return FetchPage(window ? *window : local, factory, address);
}

TEST(CurlFetch, GivesTheBodyBytesAsTheServerSentThem) {
  const std::string big(100'000, 'x');
  LoopbackHttpServer server({
      {"/page.html", {200, {{"Content-Type", "text/html"}}, "<html>title:\"歌\"</html>"}},
      {"/error.html", {404, {}, "<html>错误页</html>"}},
      {"/failure.html", {500, {}, "<html>down</html>"}},
      {"/nul-at-5", {200, {}, std::string("abcde\0fgh", 9)}},
      {"/nul-first", {200, {}, std::string("\0abc", 4)}},
      {"/empty", {200, {}, ""}},
      {"/gbk", {200, {}, "中文歌曲"}},
      {"/utf8", {200, {}, "\xE4\xB8\xAD\xE6\x96\x87"}},
      {"/gzip", {200, {}, "<html>packed 歌</html>", Delivery::Gzip}},
      {"/big", {200, {}, big, Delivery::Gzip}},
      {"/redirect", RedirectTo("/page.html")},
      {"/moved", RedirectTo("/redirect", 301)},
      // The address reaches the server in UTF-8, percent-encoded.
      {"/\xE4\xB8\xAD\xE6\x96\x87 a.html", {200, {}, "encoded path"}},
      {"/q?name=\xE6\xAD\x8C", {200, {}, "encoded query"}},
  });
  ASSERT_TRUE(server.ok());
  const struct {
    const char* path;
    Text page;
  } cases[] = {
      {"/page.html", "<html>title:\"歌\"</html>"},
      {"/error.html", "<html>错误页</html>"},
      {"/failure.html", "<html>down</html>"},
      {"/nul-at-5", "abcde"},
      {"/nul-first", ""},
      {"/empty", ""},
      {"/gbk", "中文歌曲"},
      {"/utf8", "\xE4\xB8\xAD\xE6\x96\x87"},
      {"/gzip", "<html>packed 歌</html>"},
      {"/big", big},
      {"/redirect", "<html>title:\"歌\"</html>"},
      {"/moved", "<html>title:\"歌\"</html>"},
      {"/no-such-page", "<html>not found</html>"},
      {"/中文 a.html", "encoded path"},
      {"/q?name=歌", "encoded query"},
  };
  const HttpRequestFactory factory = MakeCurlRequestFactory();
  for (const auto& c : cases) {
    FakeWindowServices window;
    EXPECT_EQ(Fetch(factory, server.Url(c.path), &window), c.page) << c.path;
    EXPECT_TRUE(window.calls.empty()) << c.path;
  }
}

TEST(CurlFetch, FailedTransfersGiveTheEmptyPageSilently) {
  int closedPort;
  {
    LoopbackHttpServer gone({});
    closedPort = gone.port();
  }
  LoopbackHttpServer server({
      {"/page.html", {200, {}, "page"}},
      {"/loop", RedirectTo("/loop")},
      {"/to-file", RedirectTo("file:///etc/hostname")},
  });
  ASSERT_TRUE(server.ok());
  const std::string port = std::to_string(server.port());
  const Text cases[] = {
      "",
      "http://127.0.0.1:" + std::to_string(closedPort) + "/page.html",
      server.Url("/loop"),
      server.Url("/to-file"),
      "127.0.0.1:" + port + "/page.html",
      "ftp://127.0.0.1:" + port + "/page.html",
      "file:///etc/hostname",
      "not an address",
      "http://",
  };
  const HttpRequestFactory factory = MakeCurlRequestFactory();
  for (const Text& address : cases) {
    FakeWindowServices window;
    EXPECT_EQ(Fetch(factory, address, &window), "") << address;
    EXPECT_TRUE(window.calls.empty()) << address;
  }
}

TEST(CurlFetch, TransfersEndWithinTheirLimits) {
  const std::string slowBody(20, 's');
  LoopbackHttpServer server({
      {"/stall", {200, {}, "never", Delivery::Stall}},
      {"/trickle", {200, {}, slowBody, Delivery::Trickle}},
      {"/small", {200, {}, std::string(1000, 'a')}},
      {"/large", {200, {}, std::string(1001, 'a')}},
      {"/bomb", {200, {}, std::string(100'000, 'a'), Delivery::Gzip}},
  });
  ASSERT_TRUE(server.ok());
  // The trickle takes 4 s in all, so it only comes back whole when a limit
  // fails to cut it short.
  CurlLimits totalTime;
  totalTime.totalMs = 500;
  totalTime.lowSpeedBytesPerSecond = 0;
  CurlLimits lowSpeed;
  lowSpeed.lowSpeedBytesPerSecond = 100;
  lowSpeed.lowSpeedSeconds = 1;
  CurlLimits bodySize;
  bodySize.maxBodyBytes = 1000;
  const struct {
    const char* name;
    CurlLimits limits;
    const char* path;
    std::size_t pageSize;
  } cases[] = {
      {"a stalled server, total time", totalTime, "/stall", 0},
      {"a trickle, total time", totalTime, "/trickle", 0},
      {"a trickle, low speed", lowSpeed, "/trickle", 0},
      {"a body at the size limit", bodySize, "/small", 1000},
      {"a body over the size limit", bodySize, "/large", 0},
      {"a small gzip body that unpacks over the limit", bodySize, "/bomb", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Fetch(MakeCurlRequestFactory(c.limits), server.Url(c.path)).size(), c.pageSize)
        << c.name;
}

TEST(CurlRequest, AnswersToBothRequestProgIdsOnly) {
  const HttpRequestFactory factory = MakeCurlRequestFactory();
  EXPECT_NE(factory(kRequestProgId), nullptr);
  EXPECT_NE(factory(kRequestFallbackProgId), nullptr);
  for (const Text progId : {"VBScript.RegExp", "", "msxml2.xmlhttp.9"})
    EXPECT_EQ(factory(progId), nullptr) << progId;
}

TEST(CurlRequest, OpenTakesOnlyASynchronousGet) {
  LoopbackHttpServer server({{"/page.html", {200, {}, "page"}}});
  ASSERT_TRUE(server.ok());
  const std::string address = server.Url("/page.html");
  const std::u16string url(address.begin(), address.end());
  const struct {
    const char* name;
    std::u16string method;
    bool async;
    bool opens;
  } cases[] = {{"synchronous GET", u"GET", false, true},
               {"asynchronous GET", u"GET", true, false},
               {"POST", u"POST", false, false}};
  for (const auto& c : cases) {
    std::unique_ptr<HttpRequest> request = MakeCurlRequestFactory()(kRequestProgId);
    EXPECT_EQ(request->Open(c.method, url, c.async), c.opens) << c.name;
    EXPECT_EQ(request->Send(), c.opens) << c.name;
    EXPECT_EQ(request->ResponseBody().kind,
              c.opens ? AutomationValue::Kind::Array : AutomationValue::Kind::Empty)
        << c.name;
  }
}

}  // namespace
