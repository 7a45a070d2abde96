// One table of code page 936 cases, run against whichever converter the build
// links (Qt's on Linux, the platform's own on Windows).
#include "text/code_page.h"

#include <gtest/gtest.h>

namespace {

struct CodePageCase {
  const char* name;
  Text ansi;
  std::u16string utf16;
};

const CodePageCase kRoundTrips[] = {
    {"ascii", "abc 123\r\n", u"abc 123\r\n"},
    {"chinese", "\xD6\xD0\xCE\xC4", u"中文"},
    {"caption", "信息：", u"信息："},
    {"euro byte", "\x80", u"\u20AC"},
    {"user-defined area", "\xAA\xA1", u"\uE000"},
    {"empty", "", u""},
    {"ascii and chinese interleaved", "<b>\xD6\xD0</b> x\xCE\xC4", u"<b>中</b> x文"},
    {"second byte in the ascii range", "x\x80\xD6\x41y\x81\x40", u"x\u20AC諥y丂"},
};

// Bytes that are not GBK: each bad character becomes U+FFFD.
const CodePageCase kDecodes[] = {
    {"lone lead byte at the end", "\xD6", u"\uFFFD"},
    {"text then a cut-off lead byte", "a\xD6\xD0\xD6", u"a中\uFFFD"},
    {"lead byte before a control byte", "\xA1\x7F", u"\uFFFD\x7F"},
};

// Characters that GBK cannot hold: each becomes one "?".
const CodePageCase kEncodes[] = {
    {"character outside the BMP", "a?z", u"a\U0001F600z"},
    {"lone surrogate", "a?z", u"a\xD800z"},
};

}  // namespace

TEST(CodePage, RoundTripsBothWays) {
  for (const CodePageCase& c : kRoundTrips) {
    EXPECT_EQ(AnsiToUtf16(c.ansi), c.utf16) << c.name;
    EXPECT_EQ(Utf16ToAnsi(c.utf16), c.ansi) << c.name;
  }
}

TEST(CodePage, InvalidBytesDecodeToReplacementCharacters) {
  for (const CodePageCase& c : kDecodes) EXPECT_EQ(AnsiToUtf16(c.ansi), c.utf16) << c.name;
}

TEST(CodePage, UnencodableCharactersBecomeQuestionMarks) {
  for (const CodePageCase& c : kEncodes) EXPECT_EQ(Utf16ToAnsi(c.utf16), c.ansi) << c.name;
}
