#include "extract/response_bytes.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace {

// The product of the extents, capped at the storage size so that it can
// neither overflow nor reach past the stored elements; none for a negative one.
std::optional<std::size_t> StoredElementCount(const AutomationValue& value) {
  const auto& extents = value.extents;
  if (std::any_of(extents.begin(), extents.end(), [](std::int64_t e) { return e < 0; }))
    return std::nullopt;
  if (extents.empty() || std::find(extents.begin(), extents.end(), 0) != extents.end()) return 0;
  const std::size_t stored = value.storage.size();
  std::size_t count = 1;
  for (std::int64_t extent : extents) {
    const auto wanted = static_cast<std::uint64_t>(extent);
    if (wanted > stored / count) return stored;
    count *= static_cast<std::size_t>(wanted);
  }
  return count;
}

}  // namespace

ByteArray ResponseBytes(const AutomationValue& value) {
  if (value.kind != AutomationValue::Kind::Array || value.elementSize != 1) return {};
  const std::optional<std::size_t> count = StoredElementCount(value);
  if (!count) return {};
  return ByteArray(value.storage.begin(),
                   value.storage.begin() + static_cast<std::ptrdiff_t>(*count));
}
