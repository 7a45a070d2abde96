// Code page 936 through Qt's "GBK" converter (ICU on Debian).
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <memory>

#include "text/code_page.h"

namespace {

bool IsAscii(char byte) { return static_cast<unsigned char>(byte) < 0x80; }

// 0x81 to 0xFE begin a two-byte character, whatever follows; 0x80 (the euro
// sign) and 0xFF stand alone.
bool IsLeadByte(char byte) {
  auto b = static_cast<unsigned char>(byte);
  return b >= 0x81 && b <= 0xFE;
}

// The end of the run of non-ASCII characters that starts at `at`: ICU is at a
// character boundary there too, so the runs can be decoded one by one. May
// return ansi.size() + 1 when the last byte is a lead byte cut off.
std::size_t NonAsciiRunEnd(std::string_view ansi, std::size_t at) {
  while (at < ansi.size() && !IsAscii(ansi[at])) at += IsLeadByte(ansi[at]) ? 2 : 1;
  return at;
}

}  // namespace

// Pages are mostly ASCII markup, and ASCII bytes outside a two-byte character
// are the same in both encodings: they are copied, and only the runs between
// them go through ICU, which is several times slower per byte. The runs are
// decoded straight into the result, since a page has tens of thousands.
std::u16string AnsiToUtf16(std::string_view ansi) {
  QStringDecoder decoder("GBK");
  // Room for what ICU asks for, and one more for a cut-off lead byte. Left
  // uninitialised: filling megabytes that are about to be overwritten costs
  // as much as decoding them.
  const auto room =
      static_cast<std::size_t>(decoder.requiredSpace(static_cast<qsizetype>(ansi.size())) + 1);
  auto buffer = std::make_unique_for_overwrite<char16_t[]>(std::max(room, ansi.size() + 1));
  char16_t* out = buffer.get();
  std::size_t at = 0;
  while (at < ansi.size()) {
    for (; at < ansi.size() && IsAscii(ansi[at]); ++at) *out++ = static_cast<char16_t>(ansi[at]);
    if (at == ansi.size()) break;
    std::size_t runEnd = NonAsciiRunEnd(ansi, at);
    std::size_t decodedEnd = std::min(runEnd, ansi.size());
    QByteArrayView run(ansi.data() + at, static_cast<qsizetype>(decodedEnd - at));
    out = reinterpret_cast<char16_t*>(decoder.appendToBuffer(reinterpret_cast<QChar*>(out), run));
    // Qt keeps a lead byte cut off at the end in the decoder's state, without
    // a trace in the output.
    if (runEnd > ansi.size()) *out++ = u'\uFFFD';
    at = decodedEnd;
  }
  return std::u16string(buffer.get(), out);
}

Text Utf16ToAnsi(std::u16string_view utf16) {
  QStringEncoder encoder("GBK");
  QByteArray encoded =
      encoder.encode(QStringView(utf16.data(), static_cast<qsizetype>(utf16.size())));
  return Text(encoded.constData(), static_cast<std::size_t>(encoded.size()));
}
