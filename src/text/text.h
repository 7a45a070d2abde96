// Texts of the program: byte strings in the ANSI code page (code page 936, GBK).
//
// A character takes one or two bytes and every length is a count of bytes. The
// empty string stands for both the empty and the absent text: an operation whose
// result is empty hands back "", and an absent argument is passed as "".
//
// Every narrow string literal in this program is compiled to code page 936 bytes
// (see the top-level CMakeLists.txt), so a literal such as "复制" is a Text.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;

// A counted run of raw bytes, as an automation byte array hands it over.
using ByteArray = std::vector<std::uint8_t>;

// Lays the parts end to end, in order, into one new Text.
Text JoinTexts(std::initializer_list<std::string_view> parts);

// The bytes up to, not including, the first zero byte (all of them when there is
// none), unchanged and without any character-set conversion.
Text ByteArrayToText(const ByteArray& bytes);
