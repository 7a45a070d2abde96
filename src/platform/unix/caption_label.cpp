#include "caption_label.h"

#include <QPainter>

#include "caption_font.h"

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption) {
  setFocusPolicy(Qt::NoFocus);
  setFont(CaptionFont());
}

void CaptionLabel::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void CaptionLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  painter.setPen(Qt::black);
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}
