#include "window_harness.h"

#include <vector>

namespace {

template <Control control, ControlEvent event>
void Record(const CommandContext&) {
  RecordedEvents().emplace_back(control, event);
}

const std::array<Binding, 6> kRecordingBindings = {{
    {Control::按钮1, ControlEvent::Clicked, Record<Control::按钮1, ControlEvent::Clicked>},
    {Control::按钮2, ControlEvent::Clicked, Record<Control::按钮2, ControlEvent::Clicked>},
    {Control::按钮3, ControlEvent::Clicked, Record<Control::按钮3, ControlEvent::Clicked>},
    {Control::按钮4, ControlEvent::Clicked, Record<Control::按钮4, ControlEvent::Clicked>},
    {Control::按钮5, ControlEvent::Clicked, Record<Control::按钮5, ControlEvent::Clicked>},
    {Control::编辑框1, ControlEvent::ContentChanged,
     Record<Control::编辑框1, ControlEvent::ContentChanged>},
}};

bool HandleOne(MainWindow& window) {
  MSG message;
  if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  if (message.message != WM_QUIT && !window.HandleKey(message)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return true;
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

bool PumpUntil(MainWindow& window, const std::function<bool()>& done) {
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (!done()) {
    if (GetTickCount64() > deadline) return false;
    if (!HandleOne(window)) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void PumpPending(MainWindow& window) {
  while (HandleOne(window)) {
  }
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(KeyInput(modifier, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
    inputs.push_back(KeyInput(*it, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::vector<RecordedEvent>& RecordedEvents() {
  static std::vector<RecordedEvent> events;
  return events;
}

std::unique_ptr<MainWindow> OpenRecordingWindow() {
  RecordedEvents().clear();
  std::unique_ptr<MainWindow> window =
      MainWindow::Create(GetModuleHandleA(nullptr), {}, {}, kRecordingBindings);
  if (!window) return nullptr;
  SetForegroundWindow(window->Handle());
  PumpPending(*window);
  return window;
}

Text WindowText(HWND window) {
  Text text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

Text ClipboardText() {
  if (!OpenClipboard(nullptr)) return "(clipboard busy)";
  Text text = "(no CF_TEXT)";
  if (const HANDLE block = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(block));
    GlobalUnlock(block);
  }
  CloseClipboard();
  return text;
}
