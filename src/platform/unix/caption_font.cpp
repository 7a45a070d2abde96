#include "caption_font.h"

#include <QStringList>

#include "app/control_table.h"
#include "qt_text.h"

QFont CaptionFont() {
  QFont font;
  font.setFamilies(QStringList{TextToQString(kCaptionFont.face), QStringLiteral("Microsoft YaHei"),
                               QStringLiteral("WenQuanYi Micro Hei"),
                               QStringLiteral("Noto Sans CJK SC")});
  // A negative height asks for the character height, which is Qt's pixel size.
  font.setPixelSize(-kCaptionFont.height);
  font.setWeight(static_cast<QFont::Weight>(kCaptionFont.weight));
  font.setItalic(false);
  return font;
}
