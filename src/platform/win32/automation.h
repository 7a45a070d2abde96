// Late-bound automation: objects made by ProgID and driven through IDispatch,
// every member looked up by name at call time.
//
// Every failure is silent and gives the empty value of its kind: an empty
// object, an empty variant, "" or 0. No error detail is asked of the object.
// Strings cross here as UTF-16; callers convert their code page 936 texts.
// Needs COM initialised on the calling thread (OleInitialize at start-up).
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "text/text.h"

// An owned VARIANT, cleared on every path.
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant&) = delete;

  static Variant String(std::u16string_view text);
  static Variant Bool(bool on);
  static Variant Int(int number);

  VARIANT& Raw() { return value_; }
  const VARIANT& Raw() const { return value_; }
  VARTYPE Type() const { return value_.vt; }

  // The value as a string (a BSTR as it stands, other values converted);
  // "" when it has none.
  std::u16string ToString() const;
  // The value converted to a double; 0 when it cannot be.
  double ToNumber() const;
  bool ToBool() const;

 private:
  VARIANT value_;
};

// One counted reference to an automation object, or empty. A call through an
// empty reference fails like any other failed call.
class AutomationObject {
 public:
  AutomationObject() = default;
  // Takes a further reference on the object.
  explicit AutomationObject(IDispatch* object);
  AutomationObject(const AutomationObject& other) : AutomationObject(other.object_) {}
  AutomationObject(AutomationObject&& other) noexcept : object_(other.object_) {
    other.object_ = nullptr;
  }
  AutomationObject& operator=(AutomationObject other) noexcept;
  ~AutomationObject();

  // CLSIDFromProgID, CoCreateInstance in any server context, OleRun.
  static AutomationObject Create(const Text& progId);
  // The object a variant holds (VT_DISPATCH, or VT_UNKNOWN that answers for
  // IDispatch); empty otherwise.
  static AutomationObject FromVariant(const Variant& value);

  explicit operator bool() const { return object_ != nullptr; }

  // A method call with exactly the arguments given, in order. False when the
  // call failed; *result is then empty.
  bool Call(std::u16string_view name, std::initializer_list<const Variant*> arguments,
            Variant* result = nullptr) const;
  // A property read; the empty variant when it fails.
  Variant Get(std::u16string_view name) const;
  bool Put(std::u16string_view name, const Variant& value) const;
  // A collection's "Item"(index), which collections answer as a method or as
  // a property with an argument.
  Variant Item(int index) const;

 private:
  bool Invoke(std::u16string_view name, WORD flags, DISPPARAMS& parameters, Variant* result) const;

  IDispatch* object_ = nullptr;
};
