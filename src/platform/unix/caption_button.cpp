#include "caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "caption_font.h"

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  // Outside a QDialog autoDefault is already off; an auto-default button
  // would click on Enter.
  setAutoDefault(false);
  setDefault(false);
  setFont(CaptionFont());
}

void CaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}
