#include "message_box_closer.h"

#include "window_harness.h"

namespace {

// One closer at a time: a thread timer's callback has no context of its own.
MessageBoxCloser* g_active = nullptr;

bool IsMessageBox(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return std::string(className) == "#32770" && IsWindowVisible(window);
}

BOOL CALLBACK FindIcon(HWND child, LPARAM found) {
  const bool icon = (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
  if (icon && IsWindowVisible(child) && SendMessageA(child, STM_GETICON, 0, 0)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

bool HasIcon(HWND box) {
  bool found = false;
  EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The box's text stands in the static control 0xFFFF.
Text MessageOf(HWND box) {
  const HWND text = GetDlgItem(box, 0xFFFF);
  return text ? WindowText(text) : Text();
}

}  // namespace

MessageBoxCloser::MessageBoxCloser(int button, HWND mainWindow)
    : button_(button), mainWindow_(mainWindow), timer_(SetTimer(nullptr, 0, 50, OnTimer)) {
  g_active = this;
}

MessageBoxCloser::~MessageBoxCloser() {
  KillTimer(nullptr, timer_);
  g_active = nullptr;
}

void CALLBACK MessageBoxCloser::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_active && !g_active->seen_.seen)
    EnumThreadWindows(GetCurrentThreadId(), OnThreadWindow, reinterpret_cast<LPARAM>(g_active));
}

BOOL CALLBACK MessageBoxCloser::OnThreadWindow(HWND window, LPARAM self) {
  if (!IsMessageBox(window) || WindowText(window).empty()) return TRUE;
  reinterpret_cast<MessageBoxCloser*>(self)->Inspect(window);
  return FALSE;
}

void MessageBoxCloser::Inspect(HWND box) {
  seen_.seen = true;
  seen_.title = WindowText(box);
  seen_.message = MessageOf(box);
  seen_.hasIcon = HasIcon(box);
  seen_.mainWindowEnabled = mainWindow_ && IsWindowEnabled(mainWindow_);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
}
