#include "framework/PropertyRecords.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "codec/PropertyRecord.h"
#include "framework/Properties.h"
#include "framework/RectControl.h"
#include "framework/Testing.h"
#include "framework/Window.h"

namespace fw {
namespace {

// Looked up by the record's bytes without copying them.
struct RecordHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view record) const { return std::hash<std::string_view>{}(record); }
};

// Windows apply the same records every time they are made: keep each
// record's decoded entries, keyed by its bytes. Entries are shared, so a
// record still being applied outlives a clearing of the cache by a record
// applied from within it.
using Entries = std::shared_ptr<const std::vector<codec::PropertyEntry>>;

Entries Decoded(std::string_view record) {
  static std::unordered_map<std::string, Entries, RecordHash, std::equal_to<>> cache;
  auto it = cache.find(record);
  if (it != cache.end()) return it->second;
  Entries entries;
  try {
    entries = std::make_shared<const std::vector<codec::PropertyEntry>>(codec::DecodeRecord(record));
  } catch (const codec::PropertyRecordError& e) {
    throw PropertyRecordException(e.what());
  }
  if (cache.size() > 512) cache.clear();  // records made at run time must not pile up
  cache.emplace(std::string(record), entries);
  return entries;
}

template <class Target>
void ApplyRecord(Target& target, std::string_view record) {
  const Entries entries = Decoded(record);
  for (const auto& entry : *entries) target.SetProperty(entry.canonical, entry.value);
}

bool strict = false;

}  // namespace

bool property::Strict() { return strict; }

void property::CheckIgnored(std::string_view owner, std::string_view base, std::string_view name) {
  if (Ignores(owner, name) || Ignores(base, name)) return;
  throw PropertyRecordException(std::string(owner.empty() ? base : owner) + " has no property \"" +
                                std::string(name) + "\"");
}

void testing::SetStrictProperties(bool on) { strict = on; }

void SetProperties(Window& window, std::string_view record) { ApplyRecord(window, record); }

void SetProperties(RectControl& control, std::string_view record) {
  struct Batch {
    RectControl& c;
    ~Batch() { c.EndRecord(); }
  } batch{control};
  control.BeginRecord();
  ApplyRecord(control, record);
}

}  // namespace fw
