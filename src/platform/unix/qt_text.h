// Texts crossing into and out of Qt, which speaks UTF-16.
//
// Never hand a narrow literal or a Text to a QString constructor: Qt takes
// const char* for UTF-8, and every Text here is code page 936.
#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

#include "text/code_page.h"
#include "text/text.h"

inline QString TextToQString(std::string_view text) {
  return QString::fromStdU16String(AnsiToUtf16(text));
}

inline Text QStringToText(QStringView text) {
  return Utf16ToAnsi(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}
