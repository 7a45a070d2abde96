// The window services on Qt, over the controls of a MainWindow.
#pragma once

#include "app/window_services.h"

class MainWindow;

class QtWindowServices : public WindowServices {
 public:
  // The window must outlive the services.
  explicit QtWindowServices(MainWindow& window) : window_(window) {}

  Text ReadControlText(Control control) override;
  void WriteControlText(Control control, const Text& text) override;
  void AppendEditText(Control editBox, const Text& text) override;
  void FocusControl(Control control) override;
  bool SetClipboardText(const Text& text) override;
  int ShowMessageBox(const Text& message, unsigned style,
                     const std::optional<Text>& title = std::nullopt) override;

 private:
  MainWindow& window_;
};
