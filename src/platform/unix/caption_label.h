// A label that draws itself: its whole area in the button-face colour, then
// its caption in black on one line, left-aligned and vertically centred.
#pragma once

#include <QString>
#include <QWidget>

class CaptionLabel : public QWidget {
  Q_OBJECT

 public:
  CaptionLabel(const QString& caption, QWidget* parent);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};
