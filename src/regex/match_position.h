// Where a match's text stands in the object's code page 936 subject.
//
// The engine counts offsets in UTF-16 code units of its own copy of the
// subject, while the subject here is a byte string in which a character takes
// one or two bytes. A character never takes fewer bytes than code units, so the
// engine's offset, read as a byte offset, is never past the text itself; the
// text is found by scanning forward from there.
#pragma once

#include <string_view>

#include "text/text.h"

inline constexpr int kNoPosition = -2;

// The 0-based byte offset of the first occurrence of needle in subject at or
// after the character that holds byte firstIndex - 1 (byte 0 when firstIndex is
// 0 or less), stepping whole characters: a byte with the high bit set begins a
// two-byte character. With ignoreCase, ASCII letters that are characters by
// themselves match either case. kNoPosition when there is none.
//
// An empty needle stands at 0 when any byte of subject lies at or after the
// start, else nowhere.
int FindTextPosition(const Text& subject, int firstIndex, std::string_view needle, bool ignoreCase);
