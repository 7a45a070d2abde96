// Code page 936 through Qt's "GBK" converter (ICU on Debian).
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

#include "text/code_page.h"

namespace {

bool IsAscii(unsigned char byte) { return byte < 0x80; }

// 0x81 to 0xFE begin a two-byte character; 0x80 (the euro sign) and 0xFF stand
// alone.
bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Every two-byte character as ICU decodes it, asked once per process. Calling
// ICU costs far more than its answer: a page has tens of thousands of such
// characters, and a lookup makes the decoding several times faster.
class PairTable {
 public:
  PairTable() {
    QByteArray pairs;
    for (int lead = kFirstLead; lead <= kLastLead; ++lead) {
      for (int trail = kFirstTrail; trail <= kLastTrail; ++trail) {
        pairs.append(static_cast<char>(lead)).append(static_cast<char>(trail)).append('\n');
      }
    }
    const QString decoded = QStringDecoder("GBK").decode(pairs);
    std::size_t entry = 0;
    for (QStringView line : QStringView(decoded).split(u'\n')) {
      if (entry == table_.size()) break;
      // A pair that is not one character (a bad trail byte) is left to ICU.
      table_[entry++] = line.size() == 1 && line[0] != u'\uFFFD' ? line[0].unicode() : 0;
    }
  }

  // The character of the pair, or 0 when the pair is not one.
  char16_t operator()(unsigned char lead, unsigned char trail) const {
    if (trail < kFirstTrail || trail > kLastTrail) return 0;
    return table_[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)];
  }

 private:
  static constexpr int kFirstLead = 0x81, kLastLead = 0xFE;
  static constexpr int kFirstTrail = 0x40, kLastTrail = 0xFE;
  static constexpr int kTrails = kLastTrail - kFirstTrail + 1;
  std::array<char16_t, (kLastLead - kFirstLead + 1) * kTrails> table_{};
};

const PairTable& Pairs() {
  static const PairTable table;
  return table;
}

// Pages are mostly ASCII markup: it is checked and widened eight bytes at a
// time.
constexpr std::size_t kAsciiBlock = 8;

bool AsciiBlock(const char* bytes) {
  std::uint64_t block;
  std::memcpy(&block, bytes, kAsciiBlock);
  return (block & 0x8080808080808080u) == 0;
}

// Widened through a local buffer: writing through the output straight away
// could alias the input, which keeps the compiler from vectorising.
void WidenAsciiBlock(const char* bytes, char16_t* out) {
  char16_t block[kAsciiBlock];
  for (std::size_t k = 0; k < kAsciiBlock; ++k) block[k] = static_cast<unsigned char>(bytes[k]);
  std::memcpy(out, block, sizeof block);
}

}  // namespace

std::u16string AnsiToUtf16(std::string_view ansi) {
  const PairTable& pairs = Pairs();
  // Opened only for the rare byte that the table does not answer: opening a
  // converter by name costs more than decoding a title.
  std::optional<QStringDecoder> decoder;
  // No byte gives more than one UTF-16 unit; ICU asks room for two units a
  // byte of what it is handed, at most two bytes at a time.
  std::u16string utf16(ansi.size() + 4, u'\0');
  char16_t* out = utf16.data();
  std::size_t at = 0;
  while (at < ansi.size()) {
    if (at + kAsciiBlock <= ansi.size() && AsciiBlock(&ansi[at])) {
      WidenAsciiBlock(&ansi[at], out);
      out += kAsciiBlock;
      at += kAsciiBlock;
      continue;
    }
    const auto byte = static_cast<unsigned char>(ansi[at]);
    if (IsAscii(byte)) {
      *out++ = byte;
      ++at;
      continue;
    }
    const bool lead = IsLeadByte(byte);
    if (lead && at + 1 == ansi.size()) {
      // Qt would keep a lead byte cut off at the end in the decoder's state,
      // without a trace in the output.
      *out++ = u'\uFFFD';
      break;
    }
    if (char16_t pair = lead ? pairs(byte, static_cast<unsigned char>(ansi[at + 1])) : 0) {
      *out++ = pair;
      at += 2;
      continue;
    }
    // A single high byte, or a lead byte with a bad trail byte: ICU decides.
    if (!decoder) decoder.emplace("GBK");
    const std::size_t length = lead ? 2 : 1;
    QByteArrayView piece(ansi.data() + at, static_cast<qsizetype>(length));
    out =
        reinterpret_cast<char16_t*>(decoder->appendToBuffer(reinterpret_cast<QChar*>(out), piece));
    at += length;
  }
  utf16.resize(static_cast<std::size_t>(out - utf16.data()));
  return utf16;
}

Text Utf16ToAnsi(std::u16string_view utf16) {
  // Opening a converter by name costs more than encoding a title; each thread
  // keeps one, and keeps no state in it from one text to the next.
  thread_local QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
  QByteArray encoded =
      encoder.encode(QStringView(utf16.data(), static_cast<qsizetype>(utf16.size())));
  return Text(encoded.constData(), static_cast<std::size_t>(encoded.size()));
}
