// Request objects without a network: every member call is recorded in order,
// with its arguments, and "responseBody" answers a scripted value.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "extract/http_request.h"

struct RequestCall {
  enum class Member { Open, Send, ResponseBody };
  Member member;
  std::u16string method;  // open only
  std::u16string url;     // open only
  bool async = false;     // open only

  bool operator==(const RequestCall&) const = default;
};

// The value "responseBody" gives for a body of these bytes.
inline AutomationValue ByteArrayValue(std::string_view bytes) {
  return {AutomationValue::Kind::Array,
          1,
          {static_cast<std::int64_t>(bytes.size())},
          std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

struct FakeHttp {
  std::set<Text> creatable = {kRequestProgId, kRequestFallbackProgId};
  std::vector<Text> progIdsTried;
  std::vector<RequestCall> calls;  // of every object made, in order
  bool openFails = false;
  bool sendFails = false;
  AutomationValue body;

  // The factory refers to this FakeHttp, which must outlive it.
  HttpRequestFactory Factory() {
    return [this](const Text& progId) -> std::unique_ptr<HttpRequest> {
      progIdsTried.push_back(progId);
      if (!creatable.contains(progId)) return nullptr;
      return std::make_unique<Request>(*this);
    };
  }

 private:
  class Request : public HttpRequest {
   public:
    explicit Request(FakeHttp& http) : http_(http) {}
    bool Open(const std::u16string& method, const std::u16string& url, bool async) override {
      http_.calls.push_back({RequestCall::Member::Open, method, url, async});
      return !http_.openFails;
    }
    bool Send() override {
      http_.calls.push_back({RequestCall::Member::Send});
      return !http_.sendFails;
    }
    AutomationValue ResponseBody() override {
      http_.calls.push_back({RequestCall::Member::ResponseBody});
      return http_.body;
    }

   private:
    FakeHttp& http_;
  };
};
