#include "extract/fetch_page.h"

#include "app/message_box.h"
#include "extract/response_bytes.h"
#include "text/code_page.h"

namespace {

std::unique_ptr<HttpRequest> CreateRequest(const HttpRequestFactory& makeRequest) {
  if (!makeRequest) return nullptr;
  std::unique_ptr<HttpRequest> request = makeRequest(kRequestProgId);
  if (!request) request = makeRequest(kRequestFallbackProgId);
  return request;
}

}  // namespace

Text FetchPage(WindowServices& window, const HttpRequestFactory& makeRequest, const Text& address) {
  std::unique_ptr<HttpRequest> request = CreateRequest(makeRequest);
  if (!request) {
    window.ShowMessageBox("创建对象失败！", kMbIconInformation, Text("错误"));
    return {};
  }
  // Whether open and send worked is not looked at: a failed request leaves an
  // empty body, which is the empty page.
  request->Open(u"GET", AnsiToUtf16(address), false);
  request->Send();
  return ByteArrayToText(ResponseBytes(request->ResponseBody()));
}
