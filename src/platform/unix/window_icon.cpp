#include "window_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A white quaver on the disc.
void DrawNote(QPainter& painter) {
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(8, 18, 9, 7));
  painter.drawRect(QRectF(15, 7, 2.5, 15));
  QPainterPath flag;
  flag.moveTo(15, 7);
  flag.cubicTo(19, 9, 24, 11, 22, 17);
  flag.cubicTo(21, 13, 18, 12, 17.5, 12);
  flag.closeSubpath();
  painter.drawPath(flag);
}

}  // namespace

QImage DrawWindowIcon() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1f, 0x6f, 0xc8));
  painter.drawEllipse(QRectF(1, 1, 30, 30));
  DrawNote(painter);
  return image;
}
