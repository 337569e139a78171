// The resource-file reader on arbitrary bytes: a file it accepts must answer
// every lookup consistently and point only inside the bytes it was given.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "codec/ResourceMap.h"
#include "fuzz/Check.h"

namespace {
volatile unsigned touched;  // keeps the reads of every resource's bytes
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const auto map = codec::ResourceMap::Parse(file);
  if (!map) return 0;

  unsigned sum = 0;
  std::set<std::string> seen;
  for (const std::string& type : map->Types()) {
    Check(type.size() == 4 && seen.insert(type).second);
    const int count = map->Count(type);
    Check(count >= 1);  // a type with nothing readable is left out
    for (int i = 0; i < count; ++i) {
      const codec::ResourceRef* ref = map->At(type, i);
      Check(ref && ref->type == type);
      Check(map->ById(type, ref->id) == ref);  // ids are unique within a type
      if (ref->hasName) {
        const codec::ResourceRef* named = map->ByName(type, ref->name);
        Check(named && named->hasName && named->name == ref->name);
      } else {
        Check(ref->name.empty());
      }
      Check(ref->dataOffset <= size && ref->length <= size - ref->dataOffset);
      // libFuzzer's buffer is exactly `size` long: a wrong range is caught here.
      for (std::size_t k = 0; k < ref->length; ++k) sum += data[ref->dataOffset + k];
    }
    Check(!map->At(type, count) && !map->At(type, -1));
  }
  for (const char* absent : {"????", "!!!!"})
    Check(seen.count(absent) || (map->Count(absent) == 0 && !map->At(absent, 0)));
  touched = sum;
  return 0;
}
