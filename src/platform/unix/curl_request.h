// The HTTP request object on libcurl: one synchronous GET per request.
//
// Answers to both "MSXML2.XMLHTTP" and "Microsoft.XMLHTTP". Redirects are
// followed (http and https only), gzip and deflate bodies are decoded, the
// proxy comes from the environment as libcurl reads it, and the body of any
// status is kept. A transfer that fails, times out or outgrows the body limit
// leaves no body at all.
#pragma once

#include <cstddef>

#include "extract/http_request.h"

// Send runs on the window's thread, so every transfer is bounded in time: the
// window must never freeze for good. Times are in milliseconds, as libcurl
// takes them.
struct CurlLimits {
  long connectMs = 15'000;
  long totalMs = 120'000;
  // The transfer is abandoned when it runs slower than lowSpeedBytesPerSecond
  // for lowSpeedSeconds; 0 bytes per second turns the check off.
  long lowSpeedBytesPerSecond = 1;
  long lowSpeedSeconds = 30;
  long maxRedirects = 10;
  std::size_t maxBodyBytes = 64 * 1024 * 1024;
};

HttpRequestFactory MakeCurlRequestFactory(const CurlLimits& limits = {});

// libcurl's process-wide set-up: one instance lives in main() before the first
// request is made, and until the last has ended.
class CurlGlobalInit {
 public:
  CurlGlobalInit();
  ~CurlGlobalInit();
  CurlGlobalInit(const CurlGlobalInit&) = delete;
  CurlGlobalInit& operator=(const CurlGlobalInit&) = delete;
};
