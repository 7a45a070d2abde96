// Closing a message box from inside the modal loop that shows it: a thread
// timer finds the box among the thread's windows once it has its text, notes
// what it looks like, and presses one of its buttons.
#pragma once

#include <windows.h>

#include <string>

#include "text/text.h"

struct SeenMessageBox {
  bool seen = false;
  Text title;
  Text message;
  bool hasIcon = false;
  bool mainWindowEnabled = true;  // while the box was open
};

class MessageBoxCloser {
 public:
  // Watches for a box while this object lives; presses `button` (IDOK, IDNO
  // ...) on the first one. mainWindow may be null.
  MessageBoxCloser(int button, HWND mainWindow);
  ~MessageBoxCloser();
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

  const SeenMessageBox& Seen() const { return seen_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK OnThreadWindow(HWND window, LPARAM self);
  void Inspect(HWND box);

  int button_;
  HWND mainWindow_;
  UINT_PTR timer_;
  SeenMessageBox seen_;
};
