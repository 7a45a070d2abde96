// UTF-16 to UTF-8 for RE2, and the way back for offsets.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A lone surrogate becomes U+FFFD, which keeps it one character long.
std::string Utf16ToUtf8(std::u16string_view utf16);

// The number of UTF-16 code units that a run of well-formed UTF-8 takes.
std::size_t Utf16Length(std::string_view utf8);

// The length in bytes of the UTF-8 character that begins with lead.
std::size_t Utf8CharacterLength(char lead);
