// The HTTP request object, shaped like the automation object "MSXML2.XMLHTTP"
// as far as FetchPage relies on it.
//
// Made by ProgID through an HttpRequestFactory: on Windows the platform's
// automation object, on Linux an adapter over libcurl that answers to both
// "MSXML2.XMLHTTP" and "Microsoft.XMLHTTP". Strings cross this seam as UTF-16.
//
// Nothing here throws. Open and Send answer whether they worked; a failed
// Open leaves nothing to send. ResponseBody answers the empty value when there
// is no response.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "text/text.h"

// The automation value that "responseBody" hands back, as far as FetchPage
// reads it: an array of elements of some size in one or more dimensions, or
// some other value that holds no bytes.
struct AutomationValue {
  enum class Kind { Empty, String, Number, Array };
  Kind kind = Kind::Empty;
  int elementSize = 0;               // bytes per element, for an Array
  std::vector<std::int64_t> extents;  // one per dimension, for an Array
  std::vector<std::uint8_t> storage;  // the elements in storage order
};

class HttpRequest {
 public:
  virtual ~HttpRequest() = default;
  // "open": method, address, and false for a synchronous request.
  virtual bool Open(const std::u16string& method, const std::u16string& url, bool async) = 0;
  // "send" with no body: returns when the whole response has arrived or the
  // request has failed, never later than the object's own time limits.
  virtual bool Send() = 0;
  // "responseBody": the raw body bytes whatever the status.
  virtual AutomationValue ResponseBody() = 0;
};

inline constexpr char kRequestProgId[] = "MSXML2.XMLHTTP";
inline constexpr char kRequestFallbackProgId[] = "Microsoft.XMLHTTP";

// Makes a request object by ProgID; null when none can be made.
using HttpRequestFactory = std::function<std::unique_ptr<HttpRequest>(const Text& progId)>;
