#include "re2_utf8.h"

#include <cstdint>
#include <cstring>

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Writes c at out and answers the byte after it.
inline char* PutUtf8(char* out, char32_t c) {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | (c >> 6));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (c >> 12));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (c >> 18));
    *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// The UTF-16 code units that a UTF-8 byte begins: none for a continuation
// byte, two for the lead byte of a character outside the BMP.
std::uint8_t CodeUnitsBegun(char byte) {
  auto b = static_cast<std::uint8_t>(byte);
  return ((b & 0xC0) != 0x80) + (b >= 0xF0);
}

// ASCII is checked and copied this many code units at a time.
constexpr std::size_t kAsciiRun = 8;

bool AsciiRun(const char16_t* units) {
  std::uint64_t words[kAsciiRun * sizeof(char16_t) / sizeof(std::uint64_t)];
  std::memcpy(words, units, sizeof words);
  std::uint64_t any = 0;
  for (std::uint64_t word : words) any |= word;
  return (any & 0xFF80FF80FF80FF80u) == 0;
}

// Narrowed through a local buffer: writing through char* straight away could
// alias the input, which keeps the compiler from vectorising.
void CopyAsciiRun(const char16_t* units, char* out) {
  char run[kAsciiRun];
  for (std::size_t k = 0; k < kAsciiRun; ++k) run[k] = static_cast<char>(units[k]);
  std::memcpy(out, run, kAsciiRun);
}

}  // namespace

std::string Utf16ToUtf8(std::u16string_view utf16) {
  // No code unit takes more than three bytes; a pair takes four for two.
  std::string out(utf16.size() * 3, '\0');
  char* at = out.data();
  std::size_t i = 0;
  while (i < utf16.size()) {
    char16_t unit = utf16[i];
    if (unit < 0x80 && i + kAsciiRun <= utf16.size() && AsciiRun(&utf16[i])) {
      CopyAsciiRun(&utf16[i], at);  // pages are mostly ASCII markup
      at += kAsciiRun;
      i += kAsciiRun;
    } else if (IsHighSurrogate(unit) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
      at = PutUtf8(at, 0x10000 + ((unit - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
      i += 2;
    } else {
      at = PutUtf8(at, IsHighSurrogate(unit) || IsLowSurrogate(unit) ? 0xFFFD : unit);
      ++i;
    }
  }
  out.resize(static_cast<std::size_t>(at - out.data()));
  return out;
}

std::size_t Utf16Length(std::string_view utf8) {
  // It runs over every byte before a match. Blocks of a fixed length let the
  // compiler vectorise the count at -O2; a block's count fits in a byte.
  constexpr std::size_t kBlock = 64;
  std::size_t units = 0;
  std::size_t i = 0;
  for (; i + kBlock <= utf8.size(); i += kBlock) {
    std::uint8_t block = 0;
    for (std::size_t k = 0; k < kBlock; ++k) block += CodeUnitsBegun(utf8[i + k]);
    units += block;
  }
  for (; i < utf8.size(); ++i) units += CodeUnitsBegun(utf8[i]);
  return units;
}

std::size_t Utf8CharacterLength(char lead) {
  auto b = static_cast<unsigned char>(lead);
  return b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
}
