// The window services on Win32 ANSI calls, for the controls of MainWindow.
#pragma once

#include "app/window_services.h"

class MainWindow;

class Win32WindowServices final : public WindowServices {
 public:
  explicit Win32WindowServices(MainWindow& window) : window_(window) {}

  Text ReadControlText(Control control) override;
  void WriteControlText(Control control, const Text& text) override;
  void AppendEditText(Control editBox, const Text& text) override;
  void FocusControl(Control control) override;
  bool SetClipboardText(const Text& text) override;
  int ShowMessageBox(const Text& message, unsigned style,
                     const std::optional<Text>& title) override;

 private:
  MainWindow& window_;
};
