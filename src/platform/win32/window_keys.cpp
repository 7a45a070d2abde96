// The main window's keys and the thread's message loop.
#include <algorithm>
#include <vector>

#include "main_window.h"

namespace {

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

// Tab stops in table order, skipping any that is hidden or disabled; wraps
// both ways. From a window that is no tab stop, the first (or, backwards,
// the last) one.
HWND MainWindow::NextTabStop(HWND from, bool backwards) const {
  std::vector<HWND> stops;
  for (const ControlRow& row : kControlTable) {
    const HWND control = ControlWindow(row.name);
    if (IsTabStop(row.kind) && IsWindowVisible(control) && IsWindowEnabled(control))
      stops.push_back(control);
  }
  if (stops.empty()) return nullptr;
  const auto at = std::find(stops.begin(), stops.end(), from);
  if (at == stops.end()) return backwards ? stops.back() : stops.front();
  const std::size_t index = static_cast<std::size_t>(at - stops.begin());
  return stops[(index + (backwards ? stops.size() - 1 : 1)) % stops.size()];
}

// Only WM_KEYDOWN is looked at: a key used up here is never translated, so
// its WM_CHAR (a tab or an escape character that the edit box would beep at)
// never comes.
bool MainWindow::HandleKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || !window_) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  const bool shift = Held(VK_SHIFT), control = Held(VK_CONTROL), alt = Held(VK_MENU);
  switch (message.wParam) {
    case VK_TAB:
      if (control || alt) return false;
      SetFocus(NextTabStop(GetFocus(), shift));
      return true;
    case VK_ESCAPE:
      if (shift || control || alt) return false;
      SendMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case VK_RETURN:
    case VK_F1:
      return true;
    default:
      return false;
  }
}

int RunMessageLoop(MainWindow& window) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (window.HandleKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : -1;
}
