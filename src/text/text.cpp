#include "text/text.h"

#include <algorithm>

Text JoinTexts(std::initializer_list<std::string_view> parts) {
  std::size_t length = 0;
  for (std::string_view part : parts) length += part.size();
  Text joined;
  joined.reserve(length);
  for (std::string_view part : parts) joined.append(part);
  return joined;
}

Text ByteArrayToText(const ByteArray& bytes) {
  auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return Text(bytes.begin(), end);
}
