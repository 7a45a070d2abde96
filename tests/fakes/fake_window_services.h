// Window services without a window: keeps the boxes' texts and the clipboard
// in memory and records every call in order, so that command tests can check
// what was called, with what, and when.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/window_services.h"

struct ServiceCall {
  enum class Op { Read, Write, Append, Focus, Clipboard, MessageBox };
  Op op;
  std::optional<Control> control;
  Text text;                    // written, appended, copied or shown
  unsigned style = 0;           // message box only
  std::optional<Text> title;    // message box only

  bool operator==(const ServiceCall&) const = default;
};

class FakeWindowServices : public WindowServices {
 public:
  std::map<Control, Text> texts;
  std::optional<Text> clipboard;  // nullopt: never set
  bool clipboardFails = false;
  std::vector<ServiceCall> calls;
  // Runs inside ShowMessageBox, as the user would act while the box is open.
  std::function<void()> whileMessageBoxOpen;

  Text ReadControlText(Control control) override {
    calls.push_back({ServiceCall::Op::Read, control, {}});
    return texts[control];
  }
  void WriteControlText(Control control, const Text& text) override {
    calls.push_back({ServiceCall::Op::Write, control, text});
    texts[control] = text;
  }
  void AppendEditText(Control editBox, const Text& text) override {
    calls.push_back({ServiceCall::Op::Append, editBox, text});
    texts[editBox] += text;
  }
  void FocusControl(Control control) override {
    calls.push_back({ServiceCall::Op::Focus, control, {}});
  }
  bool SetClipboardText(const Text& text) override {
    calls.push_back({ServiceCall::Op::Clipboard, std::nullopt, text});
    if (clipboardFails) return false;
    clipboard = text;
    return true;
  }
  int ShowMessageBox(const Text& message, unsigned style,
                     const std::optional<Text>& title) override {
    calls.push_back({ServiceCall::Op::MessageBox, std::nullopt, message, style, title});
    if (whileMessageBoxOpen) whileMessageBoxOpen();
    return 0;
  }

  std::vector<ServiceCall> CallsOf(ServiceCall::Op op) const {
    std::vector<ServiceCall> found;
    for (const ServiceCall& call : calls)
      if (call.op == op) found.push_back(call);
    return found;
  }
};
