// velmora.exe as its own process: Esc ends it with exit code 0, Shift+Esc
// does not.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace {

class Program {
 public:
  Program() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" VELMORA_EXE "\"";
    started_ = CreateProcessA(VELMORA_EXE, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process_);
  }
  ~Program() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
      TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  bool started() const { return started_; }

  // The main window once the program shows it; null when it never does.
  HWND WaitForWindow() const {
    for (int attempt = 0; attempt < 200; ++attempt) {
      if (const HWND window = FindWindowA("VelmoraMainWindow", nullptr);
          window && IsWindowVisible(window))
        return window;
      Sleep(50);
    }
    return nullptr;
  }

  // The exit code once the process has ended; nullopt when it has not within
  // ten seconds.
  std::optional<DWORD> WaitForExit() const {
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION process_{};
};

void Press(WORD key, bool shift) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD k, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = k;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  if (shift) add(VK_SHIFT, false);
  add(key, false);
  add(key, true);
  if (shift) add(VK_SHIFT, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::string TextOf(HWND window) {
  char text[512] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// The program handles input in order: once the letter typed after Shift+Esc
// has arrived in the address box, Shift+Esc has been handled too.
TEST(Program, EscEndsItWithExitCodeZeroButShiftEscDoesNot) {
  Program program;
  ASSERT_TRUE(program.started()) << VELMORA_EXE;
  const HWND window = program.WaitForWindow();
  ASSERT_TRUE(window);
  const HWND address = FindWindowExA(window, nullptr, "EDIT", nullptr);
  ASSERT_TRUE(address);
  SetForegroundWindow(window);

  Press(VK_ESCAPE, true);
  Press('Z', false);
  bool typed = false;
  for (int attempt = 0; attempt < 200 && !typed; ++attempt, Sleep(50))
    typed = TextOf(address).starts_with("z");
  ASSERT_TRUE(typed) << "the typed letter never arrived";
  EXPECT_TRUE(IsWindow(window)) << "Shift+Esc closed the window";

  Press(VK_ESCAPE, false);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
