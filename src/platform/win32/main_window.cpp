#include "main_window.h"

#include <utility>

namespace {

constexpr int kFirstControlId = 100;

}  // namespace

MainWindow::MainWindow(HttpRequestFactory makeRequest, RegexEngineFactory makeEngine,
                       std::span<const Binding> bindings)
    : bindings_(bindings),
      services_(*this),
      context_{services_, std::move(makeRequest), std::move(makeEngine)} {}

MainWindow::~MainWindow() {
  if (window_) DestroyWindow(window_);
}

HWND MainWindow::ControlWindow(Control control) const {
  return controls_[static_cast<std::size_t>(control)];
}

int MainWindow::ControlId(Control control) { return kFirstControlId + static_cast<int>(control); }

void MainWindow::ReplaceText(Control control, const Text& text) {
  nativeChangesMuted_ = true;
  SetWindowTextA(ControlWindow(control), text.c_str());
  nativeChangesMuted_ = false;
  RaiseEvent(control, ControlEvent::ContentChanged);
}

void MainWindow::RaiseEvent(Control control, ControlEvent event) {
  for (const Binding& binding : bindings_) {
    if (binding.control == control && binding.event == event) binding.command(context_);
  }
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(wParam);
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY:
      OnFinalDestroy();
      return 0;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

void MainWindow::OnCommand(WPARAM wParam) {
  const int index = LOWORD(wParam) - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(kControlTable.size())) return;
  const Control control = static_cast<Control>(index);
  switch (HIWORD(wParam)) {
    case BN_CLICKED:
      if (RowOf(control).kind == ControlKind::Button) RaiseEvent(control, ControlEvent::Clicked);
      break;
    case EN_CHANGE:
      if (!nativeChangesMuted_) RaiseEvent(control, ControlEvent::ContentChanged);
      break;
  }
}

// DefWindowProc would give the focus to the window itself on activation; the
// control that had it gets it back instead.
void MainWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    focusWhenDeactivated_ = IsChild(window_, focus) ? focus : nullptr;
    return;
  }
  const bool remembered = focusWhenDeactivated_ && IsWindow(focusWhenDeactivated_) &&
                          IsChild(window_, focusWhenDeactivated_);
  SetFocus(remembered ? focusWhenDeactivated_ : NextTabStop(nullptr, false));
}

// A window that is torn down while it is still being built posts no quit
// message: the error box that follows would take it and close at once.
void MainWindow::OnDestroy() {
  if (shown_) PostQuitMessage(0);
}

void MainWindow::OnFinalDestroy() {
  if (captionFont_) DeleteObject(captionFont_);
  captionFont_ = nullptr;
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
  controls_ = {};
}
