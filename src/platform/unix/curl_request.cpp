#include "platform/unix/curl_request.h"

#include <curl/curl.h>

#include <QString>
#include <memory>
#include <optional>
#include <string>

namespace {

// A browser's user agent: some sites answer other clients with a different page.
constexpr char kUserAgent[] =
    "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) "
    "Chrome/120.0.0.0 Safari/537.36";

using UrlHandle = std::unique_ptr<CURLU, decltype(&curl_url_cleanup)>;
using EasyHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

bool IsHttpScheme(const UrlHandle& url) {
  char* scheme = nullptr;
  if (curl_url_get(url.get(), CURLUPART_SCHEME, &scheme, 0) != CURLUE_OK) return false;
  const std::string name = scheme;
  curl_free(scheme);
  return name == "http" || name == "https";
}

// The address as libcurl sends it: UTF-8, with blanks and non-ASCII characters
// percent-encoded. None for an address that is not an absolute http or https
// address.
std::optional<std::string> HttpUrlOf(const std::u16string& address) {
  const std::string utf8 =
      QString::fromUtf16(address.data(), static_cast<qsizetype>(address.size())).toStdString();
  UrlHandle url(curl_url(), curl_url_cleanup);
  if (!url) return std::nullopt;
  if (curl_url_set(url.get(), CURLUPART_URL, utf8.c_str(), CURLU_URLENCODE | CURLU_ALLOW_SPACE) !=
      CURLUE_OK)
    return std::nullopt;
  if (!IsHttpScheme(url)) return std::nullopt;
  char* text = nullptr;
  if (curl_url_get(url.get(), CURLUPART_URL, &text, 0) != CURLUE_OK) return std::nullopt;
  std::string normalized = text;
  curl_free(text);
  return normalized;
}

struct ReceivedBody {
  ByteArray bytes;
  std::size_t limit;
};

// Answering less than was handed over makes libcurl abandon the transfer, so
// an oversized body stops arriving as soon as it passes the limit.
std::size_t AppendToBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto* body = static_cast<ReceivedBody*>(user);
  const std::size_t length = size * count;
  if (length > body->limit - body->bytes.size()) return 0;
  body->bytes.insert(body->bytes.end(), data, data + length);
  return length;
}

bool ConfigureTransfer(CURL* curl, const std::string& url, const CurlLimits& limits,
                       ReceivedBody* body) {
  // A refused option would leave the transfer unbounded; better no transfer.
  return curl_easy_setopt(curl, CURLOPT_URL, url.c_str()) == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L) == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L) == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https") == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_MAXREDIRS, limits.maxRedirects) == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "") == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_USERAGENT, kUserAgent) == CURLE_OK &&
         // Signals would interrupt the window's thread, and a DNS time-out
         // raises one unless this is set.
         curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L) == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limits.connectMs) == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limits.totalMs) == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytesPerSecond) ==
             CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits.lowSpeedSeconds) == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendToBody) == CURLE_OK &&
         curl_easy_setopt(curl, CURLOPT_WRITEDATA, body) == CURLE_OK;
}

class CurlRequest : public HttpRequest {
 public:
  explicit CurlRequest(const CurlLimits& limits) : limits_(limits) {}

  bool Open(const std::u16string& method, const std::u16string& url, bool async) override {
    url_.reset();
    body_.reset();
    if (method != u"GET" || async) return false;
    url_ = HttpUrlOf(url);
    return url_.has_value();
  }

  bool Send() override {
    body_.reset();
    if (!url_) return false;
    EasyHandle curl(curl_easy_init(), curl_easy_cleanup);
    ReceivedBody received{{}, limits_.maxBodyBytes};
    if (!curl || !ConfigureTransfer(curl.get(), *url_, limits_, &received)) return false;
    if (curl_easy_perform(curl.get()) != CURLE_OK) return false;
    body_ = std::move(received.bytes);
    return true;
  }

  AutomationValue ResponseBody() override {
    if (!body_) return {};
    return {AutomationValue::Kind::Array, 1, {static_cast<std::int64_t>(body_->size())}, *body_};
  }

 private:
  CurlLimits limits_;
  std::optional<std::string> url_;
  std::optional<ByteArray> body_;
};

}  // namespace

HttpRequestFactory MakeCurlRequestFactory(const CurlLimits& limits) {
  return [limits](const Text& progId) -> std::unique_ptr<HttpRequest> {
    if (progId != kRequestProgId && progId != kRequestFallbackProgId) return nullptr;
    return std::make_unique<CurlRequest>(limits);
  };
}

CurlGlobalInit::CurlGlobalInit() { curl_global_init(CURL_GLOBAL_DEFAULT); }

CurlGlobalInit::~CurlGlobalInit() { curl_global_cleanup(); }
