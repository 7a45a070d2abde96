// Code page 936 through the platform's own converter, on the ANSI code page
// (CP_ACP), which is 936 on the machines the program is made for.
#include <windows.h>

#include <cstddef>

#include "text/code_page.h"

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

// Converts a run that is known to be valid; "" when it is not.
std::u16string StrictAnsiToUtf16(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int size = static_cast<int>(ansi.size());
  const int length =
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::u16string utf16(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), size,
                      reinterpret_cast<wchar_t*>(utf16.data()), length);
  return utf16;
}

// One character at a time, for input that holds bytes the code page does not
// know. Windows left alone maps such bytes to code-page-specific default
// characters, or drops a lead byte cut off at the end; here every bad
// character becomes U+FFFD, as the converter of the Linux front end does. A
// lead byte followed by a byte that cannot trail it is one bad character, and
// the second byte is read again on its own.
std::u16string LenientAnsiToUtf16(std::string_view ansi) {
  std::u16string utf16;
  for (std::size_t at = 0; at < ansi.size();) {
    const bool lead = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(ansi[at]));
    if (lead && at + 1 < ansi.size()) {
      const std::u16string pair = StrictAnsiToUtf16(ansi.substr(at, 2));
      if (!pair.empty()) {
        utf16 += pair;
        at += 2;
        continue;
      }
    }
    const std::u16string single = lead ? std::u16string() : StrictAnsiToUtf16(ansi.substr(at, 1));
    utf16 += single.empty() ? std::u16string(1, u'\uFFFD') : single;
    at += 1;
  }
  return utf16;
}

bool IsSurrogatePair(std::u16string_view utf16, std::size_t at) {
  return at + 1 < utf16.size() && utf16[at] >= 0xD800 && utf16[at] <= 0xDBFF &&
         utf16[at + 1] >= 0xDC00 && utf16[at + 1] <= 0xDFFF;
}

// Windows writes "??" for a character outside the Basic Multilingual Plane
// (one per code unit); code page 936 holds none of them, so each pair is made
// one "?" before converting.
std::u16string WithPairsAsQuestionMarks(std::u16string_view utf16) {
  std::u16string out;
  out.reserve(utf16.size());
  for (std::size_t at = 0; at < utf16.size(); ++at) {
    if (IsSurrogatePair(utf16, at)) {
      out += u'?';
      ++at;
    } else {
      out += utf16[at];
    }
  }
  return out;
}

}  // namespace

std::u16string AnsiToUtf16(std::string_view ansi) {
  if (ansi.empty()) return {};
  std::u16string utf16 = StrictAnsiToUtf16(ansi);
  return utf16.empty() ? LenientAnsiToUtf16(ansi) : utf16;
}

// WC_NO_BEST_FIT_CHARS: without it Windows writes look-alikes (an "a" for
// "a with ring") where the text should show that the character was lost.
Text Utf16ToAnsi(std::u16string_view utf16) {
  if (utf16.empty()) return {};
  const std::u16string source = WithPairsAsQuestionMarks(utf16);
  const auto* wide = reinterpret_cast<const wchar_t*>(source.data());
  const int size = static_cast<int>(source.size());
  const int length =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  Text ansi(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, size, ansi.data(), length, nullptr,
                      nullptr);
  return ansi;
}
