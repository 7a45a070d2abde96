#include "regex/match_position.h"

#include <cstddef>

namespace {

bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) & 0x80; }

char FoldAscii(char byte) { return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte; }

// The engine's offset may land inside a double-byte character; stepping on from
// its second byte would pair bytes of two neighbouring characters and could
// jump over the text or find it where it is not.
std::size_t CharacterStartAtOrBefore(std::string_view subject, std::size_t offset) {
  std::size_t at = 0;
  for (;;) {
    std::size_t next = at + (IsLeadByte(subject[at]) ? 2 : 1);
    if (next > offset) return at;
    at = next;
  }
}

// Compares character by character from a character start, so that a second
// byte that happens to be an ASCII letter is never folded.
bool NeedleAt(std::string_view subject, std::size_t at, std::string_view needle, bool ignoreCase) {
  bool secondByte = false;
  for (std::size_t i = 0; i < needle.size(); ++i) {
    char want = needle[i];
    char have = subject[at + i];
    bool exact = secondByte || !ignoreCase;
    if (exact ? want != have : FoldAscii(want) != FoldAscii(have)) return false;
    secondByte = !secondByte && IsLeadByte(want);
  }
  return true;
}

}  // namespace

int FindTextPosition(const Text& subject, int firstIndex, std::string_view needle,
                     bool ignoreCase) {
  std::size_t start = firstIndex > 1 ? static_cast<std::size_t>(firstIndex) - 1 : 0;
  if (start >= subject.size()) return kNoPosition;
  if (needle.empty()) return 0;
  std::size_t at = CharacterStartAtOrBefore(subject, start);
  while (subject.size() - at >= needle.size()) {
    if (NeedleAt(subject, at, needle, ignoreCase)) return static_cast<int>(at);
    if (IsLeadByte(subject[at]) && at + 1 == subject.size()) break;
    at += IsLeadByte(subject[at]) ? 2 : 1;
  }
  return kNoPosition;
}
