// Conversion between the ANSI code page (936, GBK) and UTF-16.
//
// Texts stay in the code page everywhere inside the program; they are converted
// only where they cross to something that speaks UTF-16: widgets, the regex
// engine, the request object. Declared here once and defined once per platform
// (src/platform/*/code_page_*.cpp).
//
// Neither direction fails. Bytes that are not valid GBK, including a lead byte
// cut off at the end of the input, each become U+FFFD; a character that GBK cannot
// encode becomes "?".
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

std::u16string AnsiToUtf16(std::string_view ansi);
Text Utf16ToAnsi(std::u16string_view utf16);
