// The platform's request object against the loopback server.
#include "xml_http_request.h"

#include <gtest/gtest.h>

#include "extract/fetch_page.h"
#include "fake_window_services.h"
#include "loopback.h"
#include "text/code_page.h"

namespace {

using Kind = AutomationValue::Kind;

struct Case {
  const char* name;
  std::string address;  // after the server's address, or whole
  bool wholeAddress;
  bool opens;
  bool sends;
  Kind kind;
  std::string body;
};

const Case kCases[] = {
    {"a 200 page", "/hello.txt", false, true, true, Kind::Array, "hello from 127.0.0.1\r\n"},
    {"a 404 keeps its body", "/missing.html", false, true, true, Kind::Array,
     "<html>not found</html>"},
    {"NUL bytes stay in the body", "/nul.bin", false, true, true, Kind::Array,
     std::string("before\0after", 12)},
    {"an unreachable port", "http://127.0.0.1:1/", true, true, false, Kind::Empty, ""},
    {"an empty address", "", true, false, false, Kind::Empty, ""},
    {"not an address", "not a url", true, false, false, Kind::Empty, ""},
};

TEST(XmlHttpRequest, FetchesTheRawBodyOrAnswersEmpty) {
  ASSERT_FALSE(LoopbackUrl().empty()) << kNoLoopbackServer;
  const HttpRequestFactory factory = MakeXmlHttpRequestFactory();
  for (const Case& c : kCases) {
    const std::string address = c.wholeAddress ? c.address : LoopbackUrl() + c.address;
    std::unique_ptr<HttpRequest> request = factory(kRequestProgId);
    ASSERT_TRUE(request) << c.name;
    EXPECT_EQ(request->Open(u"GET", AnsiToUtf16(address), false), c.opens) << c.name;
    EXPECT_EQ(request->Send(), c.sends) << c.name;
    const AutomationValue body = request->ResponseBody();
    EXPECT_EQ(body.kind, c.kind) << c.name;
    if (c.kind != Kind::Array) continue;
    EXPECT_EQ(body.elementSize, 1) << c.name;
    EXPECT_EQ(body.extents, std::vector<std::int64_t>{static_cast<std::int64_t>(c.body.size())})
        << c.name;
    EXPECT_EQ(std::string(body.storage.begin(), body.storage.end()), c.body) << c.name;
  }
}

TEST(XmlHttpRequest, BothProgIdsMakeARequestObjectAndNoOtherDoes) {
  const HttpRequestFactory factory = MakeXmlHttpRequestFactory();
  EXPECT_TRUE(factory(kRequestProgId));
  EXPECT_TRUE(factory(kRequestFallbackProgId));
  EXPECT_FALSE(factory("MSXML2.NoSuchObject"));
  EXPECT_FALSE(factory(""));
}

TEST(XmlHttpRequest, FetchPageStopsAtTheFirstZeroByte) {
  ASSERT_FALSE(LoopbackUrl().empty()) << kNoLoopbackServer;
  FakeWindowServices window;
  EXPECT_EQ(FetchPage(window, MakeXmlHttpRequestFactory(), LoopbackUrl() + "/nul.bin"), "before");
  EXPECT_EQ(FetchPage(window, MakeXmlHttpRequestFactory(), "http://127.0.0.1:1/"), "");
  EXPECT_TRUE(window.calls.empty()) << "no message box for a failed fetch";
}

}  // namespace
