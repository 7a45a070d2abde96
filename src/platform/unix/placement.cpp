#include "placement.h"

#include "app/control_table.h"

QRect CentredOuterRect(const QRect& screen) {
  return QRect(screen.left() + (screen.width() - kMainWindow.width) / 2,
               screen.top() + (screen.height() - kMainWindow.height) / 2, kMainWindow.width,
               kMainWindow.height);
}
