// The main window and its controls, as data.
//
// Both front ends build the window by walking kControlTable in order (the order
// of creation) and never create, move, resize, show or hide anything later.
// Places are in pixels relative to the client area; the window's own size is that
// of the whole outer window.
#pragma once

#include <array>
#include <string_view>

#include "text/text.h"

// Controls keep the names of the window's form. In creation order.
enum class Control {
  编辑框1,
  标签1,
  标签2,
  标签3,
  编辑框2,
  编辑框3,
  标签4,
  编辑框4,
  按钮1,
  按钮2,
  按钮3,
  按钮4,
  按钮5,
};

enum class ControlKind { EditBox, Label, Button };

struct ControlRow {
  Control name;
  ControlKind kind;
  int left, top, width, height;
  std::string_view text;  // caption or initial text, code page 936
};

struct WindowRow {
  std::string_view caption;
  int width, height;  // outer size; the window starts centred on the screen
};

// The font of the labels and the buttons, as a logical font description.
struct FontRow {
  std::string_view face;
  int height;  // negative: character height rather than cell height
  int weight;
};

extern const WindowRow kMainWindow;
extern const std::array<ControlRow, 13> kControlTable;
extern const FontRow kCaptionFont;

// Every edit box and every button takes the focus by Tab; labels never do.
// Tab order is the order of kControlTable among tab stops.
constexpr bool IsTabStop(ControlKind kind) { return kind != ControlKind::Label; }

const ControlRow& RowOf(Control control);
