// The property-record decoder on arbitrary bytes. A record it accepts must
// encode back to the same bytes, entry by entry: names keep the spelling the
// record uses, and only a Boolean's byte may change (any non-zero byte reads
// as true, which is written as 1).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "codec/PropertyRecord.h"
#include "fuzz/Check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view record(reinterpret_cast<const char*>(data), size);
  std::vector<codec::PropertyEntry> entries;
  try {
    entries = codec::DecodeRecord(record);
  } catch (const codec::PropertyRecordError&) {
    return 0;
  }

  std::size_t at = 0;
  for (const codec::PropertyEntry& entry : entries) {
    const std::string bytes = std::visit(
        [&](const auto& value) { return codec::EncodeRecord({{entry.name.c_str(), value}}); },
        entry.value);
    Check(bytes.size() <= record.size() - at);
    const std::string_view written = record.substr(at, bytes.size());
    if (std::holds_alternative<bool>(entry.value)) {
      const std::size_t last = bytes.size() - 1;
      Check(written.substr(0, last) == std::string_view(bytes).substr(0, last));
      Check((written[last] != 0) == (bytes[last] == 1));
    } else {
      Check(written == bytes);
    }
    at += bytes.size();
  }
  Check(at == record.size());
  return 0;
}
