// Code page 936 through Qt's "GBK" converter (ICU on Debian).
#include <QStringDecoder>
#include <QStringEncoder>

#include "text/code_page.h"

std::u16string AnsiToUtf16(std::string_view ansi) {
  // Qt drops a lead byte cut off at the end of the input without a trace. A
  // line feed behind it turns it into an invalid pair, which decodes to U+FFFD
  // followed by the line feed; the line feed is then taken off again.
  QByteArray bytes(ansi.data(), static_cast<qsizetype>(ansi.size()));
  bytes.append('\n');
  QStringDecoder decoder("GBK");
  QString decoded = decoder.decode(bytes);
  decoded.chop(1);
  return decoded.toStdU16String();
}

Text Utf16ToAnsi(std::u16string_view utf16) {
  QStringEncoder encoder("GBK");
  QByteArray encoded = encoder.encode(
      QStringView(utf16.data(), static_cast<qsizetype>(utf16.size())));
  return Text(encoded.constData(), static_cast<std::size_t>(encoded.size()));
}
