#include "text/text.h"

#include <gtest/gtest.h>

TEST(JoinTexts, LaysPartsEndToEndAndSkipsEmptyOnes) {
  EXPECT_EQ(JoinTexts({"http://", "", "host", "/mp3", "", ".mp3"}), "http://host/mp3.mp3");
  EXPECT_EQ(JoinTexts({}), "");
  EXPECT_EQ(JoinTexts({"", ""}), "");
}

TEST(ByteArrayToText, StopsAtTheFirstZeroByteAndConvertsNothing) {
  struct Case {
    ByteArray bytes;
    Text text;
  } cases[] = {
      {{}, ""},
      {{0}, ""},
      {{0, 'a'}, ""},
      {{'a', 'b', 0, 'c'}, "ab"},
      {{'a', 'b', 'c'}, "abc"},
      {{0xD6, 0xD0, 0xE4, 0xB8, 0xAD, 0xFF}, "\xD6\xD0\xE4\xB8\xAD\xFF"},
  };
  for (const Case& c : cases) EXPECT_EQ(ByteArrayToText(c.bytes), c.text) << c.text;
}
