// The program's one window, built by walking kControlTable.
//
// Thin on purpose: it lays out the controls, handles the window's own keys and
// routes each event of kBindingTable to its command; the commands do the rest
// through the window services.
#pragma once

#include <QMargins>
#include <QWidget>
#include <array>
#include <optional>

#include "app/command_context.h"
#include "app/control_table.h"

class EditBox;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow();

  QWidget* ControlWidget(Control control) const;
  // Null unless the control is an edit box.
  EditBox* EditBoxOf(Control control) const;

  // Connects every row of kBindingTable; the context must outlive the window.
  void Bind(const CommandContext& context);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FitFrameToScreen();

  std::array<QWidget*, kControlTable.size()> controls_{};
  std::optional<QMargins> fittedMargins_;
};
