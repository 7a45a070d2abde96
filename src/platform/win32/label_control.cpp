#include "label_control.h"

#include <string>

namespace {

// The font handed over by WM_SETFONT; not owned.
HFONT LabelFont(HWND label) {
  return reinterpret_cast<HFONT>(GetWindowLongPtrA(label, GWLP_USERDATA));
}

std::string LabelText(HWND label) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(label)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(label, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Paint(HWND label) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(label, &paint);
  RECT area;
  GetClientRect(label, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  const HGDIOBJ previous =
      SelectObject(dc, LabelFont(label) ? LabelFont(label) : GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  const std::string text = LabelText(label);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
            DT_SINGLELINE | DT_LEFT | DT_VCENTER);
  SelectObject(dc, previous);
  EndPaint(label, &paint);
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(label);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole label
    case WM_SETFONT:
      SetWindowLongPtrA(label, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(LabelFont(label));
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, TRUE);
      return result;
    }
    default:
      return DefWindowProcA(label, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) {
  WNDCLASSEXA type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = LabelProcedure;
  type.hInstance = instance;
  type.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  type.lpszClassName = kLabelClassName;
  return RegisterClassExA(&type) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
