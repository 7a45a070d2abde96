// Building the main window from kControlTable.
#include <algorithm>

#include "label_control.h"
#include "main_window.h"
#include "resource_ids.h"

namespace {

constexpr char kMainWindowClassName[] = "VelmoraMainWindow";

// A fixed frame: no WS_THICKFRAME, so the border cannot be dragged.
constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

HICON LoadProgramIcon(HINSTANCE instance) {
  return static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_VELMORA), IMAGE_ICON, 32, 32, 0));
}

bool RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = procedure;
  type.hInstance = instance;
  type.hIcon = LoadProgramIcon(instance);
  type.hIconSm = type.hIcon;
  type.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  type.lpszClassName = kMainWindowClassName;
  return RegisterClassExA(&type) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The face name is a narrow literal, so it is already code page 936 bytes, as
// CreateFontA wants it.
HFONT CreateCaptionFont() {
  const std::string face(kCaptionFont.face);
  return CreateFontA(kCaptionFont.height, 0, 0, 0, kCaptionFont.weight, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                     DEFAULT_PITCH, face.c_str());
}

// One line of the default GUI font plus the sunken edge above and below it.
int MinimumEditHeight() {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  const char sample[] = "吴";  // one GBK character, two bytes
  GetTextExtentPoint32A(screen, sample, static_cast<int>(sizeof sample - 1), &size);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return size.cy + 2 * GetSystemMetrics(SM_CYEDGE);
}

struct ControlLooks {
  const char* className;
  DWORD style;
  DWORD extendedStyle;
};

ControlLooks LooksOf(ControlKind kind) {
  constexpr DWORD child = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case ControlKind::EditBox:
      return {"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
      return {"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER,
              0};
    case ControlKind::Label:
      break;
  }
  return {kLabelClassName, child, 0};
}

}  // namespace

std::unique_ptr<MainWindow> MainWindow::Create(HINSTANCE instance, HttpRequestFactory makeRequest,
                                               RegexEngineFactory makeEngine,
                                               std::span<const Binding> bindings) {
  std::unique_ptr<MainWindow> window(
      new MainWindow(std::move(makeRequest), std::move(makeEngine), bindings));
  if (!window->Build(instance)) return nullptr;
  return window;
}

bool MainWindow::Build(HINSTANCE instance) {
  if (!RegisterMainWindowClass(instance, Procedure) || !RegisterLabelClass(instance)) return false;
  const std::string caption(kMainWindow.caption);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kMainWindow.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kMainWindow.height) / 2;
  CreateWindowExA(0, kMainWindowClassName, caption.c_str(), kFrameStyle, left, top,
                  kMainWindow.width, kMainWindow.height, nullptr, nullptr, instance, this);
  if (!window_) return false;
  if (!CreateControls(instance)) return false;
  shown_ = true;
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  SetFocus(NextTabStop(nullptr, false));
  return true;
}

bool MainWindow::CreateControls(HINSTANCE instance) {
  captionFont_ = CreateCaptionFont();
  const HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
  const HGDIOBJ captionFont = captionFont_ ? captionFont_ : guiFont;
  const int minimumEditHeight = MinimumEditHeight();
  for (const ControlRow& row : kControlTable) {
    const ControlLooks looks = LooksOf(row.kind);
    const bool edit = row.kind == ControlKind::EditBox;
    const int height = edit ? std::max(row.height, minimumEditHeight) : row.height;
    const std::string text(row.text);
    const HWND control = CreateWindowExA(
        looks.extendedStyle, looks.className, text.c_str(), looks.style, row.left, row.top,
        row.width, height, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(row.name))), instance, nullptr);
    if (!control) return false;
    controls_[static_cast<std::size_t>(row.name)] = control;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(edit ? guiFont : captionFont),
                 FALSE);
    // 0 lifts a single-line box's limit to the platform's largest.
    if (edit) SendMessageA(control, EM_SETLIMITTEXT, 0, 0);
  }
  return true;
}
