// A push button whose caption is centred and wraps onto further lines when it
// is wider than the button (QPushButton itself never wraps).
//
// Never a default button: Enter does not click it, only Space does.
#pragma once

#include <QPushButton>

class CaptionButton : public QPushButton {
  Q_OBJECT

 public:
  CaptionButton(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
