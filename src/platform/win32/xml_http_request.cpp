#include "xml_http_request.h"

#include <cstring>

#include "automation.h"

namespace {

bool IsByteType(VARTYPE type) { return type == VT_UI1 || type == VT_I1; }

bool IsNumberType(VARTYPE type) {
  switch (type) {
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_DECIMAL:
      return true;
    default:
      return false;
  }
}

// Only arrays of bytes have their storage copied: nothing reads the elements
// of any other array.
AutomationValue ArrayValue(SAFEARRAY* array, VARTYPE elementType) {
  AutomationValue value;
  value.kind = AutomationValue::Kind::Array;
  value.elementSize = static_cast<int>(SafeArrayGetElemsize(array));
  std::int64_t count = 1;
  for (UINT dimension = 1; dimension <= SafeArrayGetDim(array); ++dimension) {
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(array, dimension, &lower);
    SafeArrayGetUBound(array, dimension, &upper);
    const std::int64_t extent = std::int64_t{upper} - lower + 1;
    value.extents.push_back(extent);
    count *= extent;
  }
  void* data = nullptr;
  if (!IsByteType(elementType) || count <= 0 || FAILED(SafeArrayAccessData(array, &data)))
    return value;
  value.storage.resize(static_cast<std::size_t>(count));
  std::memcpy(value.storage.data(), data, value.storage.size());
  SafeArrayUnaccessData(array);
  return value;
}

AutomationValue ToAutomationValue(const Variant& variant) {
  const VARIANT& raw = variant.Raw();
  const VARTYPE base = raw.vt & VT_TYPEMASK;
  if (raw.vt & VT_ARRAY) {
    SAFEARRAY* array = (raw.vt & VT_BYREF) ? (raw.pparray ? *raw.pparray : nullptr) : raw.parray;
    return array ? ArrayValue(array, base) : AutomationValue{};
  }
  AutomationValue value;
  if (base == VT_BSTR) value.kind = AutomationValue::Kind::String;
  if (IsNumberType(base)) value.kind = AutomationValue::Kind::Number;
  return value;
}

class XmlHttpRequest final : public HttpRequest {
 public:
  explicit XmlHttpRequest(AutomationObject object) : object_(std::move(object)) {}

  bool Open(const std::u16string& method, const std::u16string& url, bool async) override {
    const Variant verb = Variant::String(method), address = Variant::String(url),
                  flag = Variant::Bool(async);
    return object_.Call(u"open", {&verb, &address, &flag});
  }

  bool Send() override { return object_.Call(u"send", {}); }

  AutomationValue ResponseBody() override {
    return ToAutomationValue(object_.Get(u"responseBody"));
  }

 private:
  AutomationObject object_;
};

}  // namespace

HttpRequestFactory MakeXmlHttpRequestFactory() {
  return [](const Text& progId) -> std::unique_ptr<HttpRequest> {
    AutomationObject object = AutomationObject::Create(progId);
    if (!object) return nullptr;
    return std::make_unique<XmlHttpRequest>(std::move(object));
  };
}
