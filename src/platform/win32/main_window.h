// The main window of the Windows program: built by walking kControlTable,
// its control events routed by a binding table, its keys handled before the
// focused control sees them.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <span>

#include "app/bindings.h"
#include "app/command_context.h"
#include "window_services_win32.h"

class MainWindow {
 public:
  // Builds, centres, shows and activates the window; null when it cannot be
  // built. Control events run the commands that `bindings` names.
  static std::unique_ptr<MainWindow> Create(HINSTANCE instance, HttpRequestFactory makeRequest,
                                            RegexEngineFactory makeEngine,
                                            std::span<const Binding> bindings = kBindingTable);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Null once the window has been destroyed.
  HWND Handle() const { return window_; }
  HWND ControlWindow(Control control) const;
  WindowServices& Services() { return services_; }

  // The window's own key handling, given the first look at every queued
  // message: Tab and Shift+Tab move the focus, Esc closes, Enter and F1 do
  // nothing. True when the message was used up.
  bool HandleKey(const MSG& message);

  // Replaces a control's text, raising its change event once (and not a
  // second time for the notification that the platform sends on its own).
  void ReplaceText(Control control, const Text& text);

 private:
  MainWindow(HttpRequestFactory makeRequest, RegexEngineFactory makeEngine,
             std::span<const Binding> bindings);

  static int ControlId(Control control);
  bool Build(HINSTANCE instance);
  bool CreateControls(HINSTANCE instance);
  HWND NextTabStop(HWND from, bool backwards) const;
  void RaiseEvent(Control control, ControlEvent event);

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM wParam);
  void OnActivate(WPARAM wParam);
  void OnDestroy();
  void OnFinalDestroy();

  HWND window_ = nullptr;
  std::array<HWND, kControlTable.size()> controls_{};
  HFONT captionFont_ = nullptr;  // owned; null when the default GUI font stands in
  HWND focusWhenDeactivated_ = nullptr;
  bool shown_ = false;
  bool nativeChangesMuted_ = false;
  std::span<const Binding> bindings_;
  Win32WindowServices services_;
  CommandContext context_;
};

// The thread's message loop; returns the quit message's code.
int RunMessageLoop(MainWindow& window);
