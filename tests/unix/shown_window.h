// A main window shown and active, with its services, for tests that drive it
// as a user would.
#pragma once

#include <QApplication>
#include <QTest>
#include <array>
#include <string>
#include <string_view>

#include "app/command_context.h"
#include "edit_box.h"
#include "main_window.h"
#include "qt_printers.h"
#include "qt_window_services.h"

// The control's name in UTF-8, for failure messages.
inline std::string ControlName(Control control) {
  static constexpr std::array<const char8_t*, kControlTable.size()> kNames{
      u8"编辑框1", u8"标签1", u8"标签2", u8"标签3", u8"编辑框2", u8"编辑框3", u8"标签4",
      u8"编辑框4", u8"按钮1", u8"按钮2", u8"按钮3", u8"按钮4",   u8"按钮5"};
  return reinterpret_cast<const char*>(kNames[static_cast<std::size_t>(control)]);
}

struct ShownWindow {
  enum class Commands { Bound, Unbound };

  // Unbound windows run no command: key tests watch the buttons' signals and
  // cannot start the extraction, whose message boxes would wait for a user.
  explicit ShownWindow(Commands commands = Commands::Bound) {
    if (commands == Commands::Bound) window.Bind(context);
    window.show();
    window.activateWindow();
    active = QTest::qWaitForWindowActive(&window);
  }

  EditBox* Box(Control control) const { return window.EditBoxOf(control); }
  QWidget* Widget(Control control) const { return window.ControlWidget(control); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
  }
  // Types ASCII letters into the focused control.
  void Type(std::string_view letters) {
    for (char letter : letters) QTest::keyClick(window.windowHandle(), letter);
  }

  MainWindow window;
  QtWindowServices services{window};
  // The copy and clear commands need no factory; nothing here presses 按钮1.
  CommandContext context{services, nullptr, nullptr};
  bool active = false;
};
