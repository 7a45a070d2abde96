#include "window_services_win32.h"

#include <windows.h>

#include <cstring>

#include "app/message_box.h"
#include "main_window.h"

Text Win32WindowServices::ReadControlText(Control control) {
  const HWND box = window_.ControlWindow(control);
  const int length = GetWindowTextLengthA(box);
  if (length <= 0) return {};
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(box, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void Win32WindowServices::WriteControlText(Control control, const Text& text) {
  window_.ReplaceText(control, text);
}

// EM_SETSEL counts characters where the text is counted in bytes; a byte
// count is never less than the character count, and the box clamps it to the
// end of its text.
void Win32WindowServices::AppendEditText(Control editBox, const Text& text) {
  const HWND box = window_.ControlWindow(editBox);
  const WPARAM end = ReadControlText(editBox).size();
  SendMessageA(box, EM_SETSEL, end, static_cast<LPARAM>(end));
  SendMessageA(box, EM_SCROLLCARET, 0, 0);
  SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32WindowServices::FocusControl(Control control) {
  SetFocus(window_.ControlWindow(control));
}

namespace {

HGLOBAL CopyToGlobalBlock(const Text& text) {
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
  if (!block) return nullptr;
  void* bytes = GlobalLock(block);
  if (!bytes) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  return block;
}

}  // namespace

// When SetClipboardData refuses the block, the clipboard has not taken it:
// it is freed here and the copy reported as failed.
bool Win32WindowServices::SetClipboardText(const Text& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const HGLOBAL block = CopyToGlobalBlock(text);
  bool placed = false;
  if (block) {
    placed = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!placed) GlobalFree(block);
  }
  CloseClipboard();
  return placed;
}

int Win32WindowServices::ShowMessageBox(const Text& message, unsigned style,
                                        const std::optional<Text>& title) {
  const char* caption = title ? title->c_str() : kDefaultMessageBoxTitle;
  return MessageBoxA(nullptr, message.c_str(), caption, WithTaskModality(style)) - 1;
}
