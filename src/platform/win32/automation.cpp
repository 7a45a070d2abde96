#include "automation.h"

#include <utility>
#include <vector>

#include "text/code_page.h"

namespace {

const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

// VariantCopy and VariantChangeType only read their source, but the
// platform's headers declare it non-const.
VARIANT* Source(const VARIANT& value) { return const_cast<VARIANT*>(&value); }

}  // namespace

Variant::Variant(const Variant& other) : Variant() { VariantCopy(&value_, Source(other.value_)); }

Variant::Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }

Variant Variant::String(std::u16string_view text) {
  Variant v;
  v.value_.bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                       static_cast<UINT>(text.size()));
  if (v.value_.bstrVal) v.value_.vt = VT_BSTR;
  return v;
}

Variant Variant::Bool(bool on) {
  Variant v;
  v.value_.vt = VT_BOOL;
  v.value_.boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

Variant Variant::Int(int number) {
  Variant v;
  v.value_.vt = VT_I4;
  v.value_.lVal = number;
  return v;
}

std::u16string Variant::ToString() const {
  Variant converted;
  if (FAILED(VariantChangeType(&converted.value_, Source(value_), 0, VT_BSTR))) return {};
  const BSTR text = converted.value_.bstrVal;
  return text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text))
              : std::u16string();
}

double Variant::ToNumber() const {
  Variant converted;
  if (FAILED(VariantChangeType(&converted.value_, Source(value_), 0, VT_R8))) return 0;
  return converted.value_.dblVal;
}

bool Variant::ToBool() const {
  Variant converted;
  if (FAILED(VariantChangeType(&converted.value_, Source(value_), 0, VT_BOOL))) return false;
  return converted.value_.boolVal != VARIANT_FALSE;
}

AutomationObject::AutomationObject(IDispatch* object) : object_(object) {
  if (object_) object_->AddRef();
}

AutomationObject& AutomationObject::operator=(AutomationObject other) noexcept {
  std::swap(object_, other.object_);
  return *this;
}

AutomationObject::~AutomationObject() {
  if (object_) object_->Release();
}

AutomationObject AutomationObject::Create(const Text& progId) {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(Wide(AnsiToUtf16(progId)), &clsid))) return {};
  IDispatch* raw = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&raw))))
    return {};
  AutomationObject object(raw);
  raw->Release();
  if (FAILED(OleRun(object.object_))) return {};
  return object;
}

AutomationObject AutomationObject::FromVariant(const Variant& value) {
  const VARIANT& raw = value.Raw();
  if (raw.vt == VT_DISPATCH) return AutomationObject(raw.pdispVal);
  if (raw.vt != VT_UNKNOWN || !raw.punkVal) return {};
  IDispatch* object = nullptr;
  if (FAILED(raw.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object))))
    return {};
  AutomationObject result(object);
  object->Release();
  return result;
}

bool AutomationObject::Invoke(std::u16string_view name, WORD flags, DISPPARAMS& parameters,
                              Variant* result) const {
  if (!object_) return false;
  std::u16string member(name);
  LPOLESTR names[] = {const_cast<LPOLESTR>(Wide(member))};
  DISPID id;
  if (FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  // No EXCEPINFO: the error's detail is never read, and passing none leaves
  // no description strings to free.
  const HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                     result ? &result->Raw() : nullptr, nullptr, nullptr);
  if (FAILED(hr) && result) VariantClear(&result->Raw());
  return SUCCEEDED(hr);
}

bool AutomationObject::Call(std::u16string_view name,
                            std::initializer_list<const Variant*> arguments,
                            Variant* result) const {
  // IDispatch takes the arguments last to first. Invoke only reads them.
  std::vector<VARIANT> reversed;
  for (auto it = std::rbegin(arguments); it != std::rend(arguments); ++it)
    reversed.push_back((*it)->Raw());
  DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  return Invoke(name, DISPATCH_METHOD, parameters, result);
}

Variant AutomationObject::Get(std::u16string_view name) const {
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  Variant result;
  Invoke(name, DISPATCH_PROPERTYGET, none, &result);
  return result;
}

bool AutomationObject::Put(std::u16string_view name, const Variant& value) const {
  VARIANT argument = value.Raw();
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{&argument, &named, 1, 1};
  return Invoke(name, DISPATCH_PROPERTYPUT, parameters, nullptr);
}

Variant AutomationObject::Item(int index) const {
  const Variant number = Variant::Int(index);
  VARIANT argument = number.Raw();
  DISPPARAMS parameters{&argument, nullptr, 1, 0};
  Variant result;
  Invoke(u"Item", DISPATCH_METHOD | DISPATCH_PROPERTYGET, parameters, &result);
  return result;
}
